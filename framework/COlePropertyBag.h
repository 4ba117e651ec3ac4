// The persisted properties of a hosted control as a property bag: the
// control's documented names with their values as text, as the PARAM tags of
// a web page give them. The container hands it to IPersistPropertyBag::Load
// before the control is activated.
#pragma once
#include "framework/AfxExport.h"
#include "framework/AfxRefCount.h"
#include <ocidl.h>
#include <cstddef>

struct AFX_CONTROL_PROPERTY {
    const wchar_t* pszName;
    const wchar_t* pszValue;
};

// Read-only: Read converts a value to the type the control asks for.
class AFX_API COlePropertyBag final : public IPropertyBag {
public:
    // The table must outlive the bag.
    COlePropertyBag(const AFX_CONTROL_PROPERTY* pProperties, size_t nCount);

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return m_refs.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_refs.Release(this); }
    STDMETHODIMP Read(LPCOLESTR pszPropName, VARIANT* pVar, IErrorLog* pErrorLog) override;
    STDMETHODIMP Write(LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }

private:
    ~COlePropertyBag() = default;
    friend class AfxRefCount;

    AfxRefCount m_refs;
    const AFX_CONTROL_PROPERTY* m_pProperties;
    size_t m_nCount;
};

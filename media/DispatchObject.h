// A reference-counted automation object that answers Invoke by DISPID.
#pragma once
#include "framework/AfxRefCount.h"
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

class DispatchObject : public IDispatch {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
                        EXCEPINFO*, UINT*) override;

protected:
    friend class AfxRefCount;  // deletes the object with its last reference
    virtual ~DispatchObject() = default;
    // Answers one call: a method, a property get or a property put.
    virtual HRESULT OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult) = 0;
    // Interfaces beyond IUnknown and IDispatch; nullptr when not offered.
    virtual void* FindInterface(REFIID riid);

    static bool IsMethod(WORD wFlags) { return (wFlags & DISPATCH_METHOD) != 0; }
    static bool IsGet(WORD wFlags) { return (wFlags & DISPATCH_PROPERTYGET) != 0; }
    static bool IsPut(WORD wFlags) { return (wFlags & DISPATCH_PROPERTYPUT) != 0; }
    // The value of a property put, converted to vt (the caller clears it).
    static HRESULT PutValue(DISPPARAMS* pParams, VARTYPE vt, VARIANT& value);
    static HRESULT Return(VARIANT* pResult, long nValue);
    static HRESULT Return(VARIANT* pResult, double dValue);
    // Takes over one reference of pDispatch.
    static HRESULT Return(VARIANT* pResult, IDispatch* pDispatch);

private:
    AfxRefCount m_refs;
};

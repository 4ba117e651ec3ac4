#include "framework/COlePropertyBag.h"
#include <cwchar>

COlePropertyBag::COlePropertyBag(const AFX_CONTROL_PROPERTY* pProperties, size_t nCount)
    : m_pProperties(pProperties), m_nCount(nCount) {}

STDMETHODIMP COlePropertyBag::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IPropertyBag) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IPropertyBag*>(this);
    AddRef();
    return S_OK;
}

// Names compare without regard to case, as in a web page's PARAM tags. A
// VT_EMPTY request takes the text as it is.
STDMETHODIMP COlePropertyBag::Read(LPCOLESTR pszPropName, VARIANT* pVar, IErrorLog*)
{
    if (!pszPropName || !pVar) return E_POINTER;
    for (size_t i = 0; i < m_nCount; ++i) {
        if (_wcsicmp(m_pProperties[i].pszName, pszPropName) != 0) continue;
        VARTYPE vtWanted = pVar->vt == VT_EMPTY ? static_cast<VARTYPE>(VT_BSTR) : pVar->vt;
        VARIANT text;
        text.vt = VT_BSTR;
        text.bstrVal = ::SysAllocString(m_pProperties[i].pszValue);
        if (!text.bstrVal) return E_OUTOFMEMORY;
        ::VariantInit(pVar);
        HRESULT hr = ::VariantChangeType(pVar, &text, 0, vtWanted);
        ::VariantClear(&text);
        return FAILED(hr) ? E_FAIL : S_OK;
    }
    return E_INVALIDARG;
}

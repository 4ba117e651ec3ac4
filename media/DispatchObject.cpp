#include "media/DispatchObject.h"

STDMETHODIMP DispatchObject::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = (riid == IID_IUnknown || riid == IID_IDispatch) ? static_cast<IDispatch*>(this) : FindInterface(riid);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

void* DispatchObject::FindInterface(REFIID) { return nullptr; }

STDMETHODIMP_(ULONG) DispatchObject::AddRef() { return m_refs.AddRef(); }
STDMETHODIMP_(ULONG) DispatchObject::Release() { return m_refs.Release(this); }

STDMETHODIMP DispatchObject::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo) *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP DispatchObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

STDMETHODIMP DispatchObject::Invoke(DISPID dispid, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pParams,
                                    VARIANT* pResult, EXCEPINFO*, UINT*)
{
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    DISPPARAMS none = { nullptr, nullptr, 0, 0 };
    if (pResult) ::VariantInit(pResult);
    // The object may be released by a handler of an event it fires meanwhile.
    Microsoft::WRL::ComPtr<IDispatch> spAlive(this);
    return OnInvoke(dispid, wFlags, pParams ? pParams : &none, pResult);
}

HRESULT DispatchObject::PutValue(DISPPARAMS* pParams, VARTYPE vt, VARIANT& value)
{
    ::VariantInit(&value);
    if (pParams->cArgs != 1 || !pParams->rgvarg) return DISP_E_BADPARAMCOUNT;
    return ::VariantChangeType(&value, &pParams->rgvarg[0], 0, vt);
}

HRESULT DispatchObject::Return(VARIANT* pResult, long nValue)
{
    if (!pResult) return S_OK;
    pResult->vt = VT_I4;
    pResult->lVal = nValue;
    return S_OK;
}

HRESULT DispatchObject::Return(VARIANT* pResult, double dValue)
{
    if (!pResult) return S_OK;
    pResult->vt = VT_R8;
    pResult->dblVal = dValue;
    return S_OK;
}

HRESULT DispatchObject::Return(VARIANT* pResult, IDispatch* pDispatch)
{
    // Adopts the caller's reference (MinGW-w64's ComPtr::Attach adds one).
    Microsoft::WRL::ComPtr<IDispatch> spDispatch;
    *spDispatch.GetAddressOf() = pDispatch;
    if (!pResult) return S_OK;
    pResult->vt = VT_DISPATCH;
    pResult->pdispVal = spDispatch.Detach();
    return S_OK;
}

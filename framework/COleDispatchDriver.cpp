#include "framework/COleDispatchDriver.h"
#include <cstdarg>
#include <vector>

namespace {
// Reads one argument of type vt from the variable argument list.
bool TakeArgument(VARTYPE vt, va_list& argList, VARIANT& v)
{
    ::VariantInit(&v);
    v.vt = vt;
    switch (vt) {
    case VT_I2: v.iVal = (SHORT)va_arg(argList, int); return true;
    case VT_I4: v.lVal = va_arg(argList, long); return true;
    case VT_R8: v.dblVal = va_arg(argList, double); return true;
    case VT_BOOL: v.boolVal = va_arg(argList, int) ? VARIANT_TRUE : VARIANT_FALSE; return true;
    case VT_BSTR: {
        const wchar_t* psz = va_arg(argList, const wchar_t*);
        v.bstrVal = ::SysAllocString(psz ? psz : L"");
        return true;
    }
    default: v.vt = VT_EMPTY; return false;
    }
}

// Copies the converted result into the caller's variable of type vtRet.
HRESULT StoreResult(VARIANT& result, VARTYPE vtRet, void* pvRet)
{
    if (vtRet == VT_EMPTY || !pvRet) return S_OK;
    if (vtRet == VT_VARIANT) return ::VariantCopy(static_cast<VARIANT*>(pvRet), &result);
    HRESULT hr = ::VariantChangeType(&result, &result, 0, vtRet);
    if (FAILED(hr)) return hr;
    switch (vtRet) {
    case VT_I2: *static_cast<short*>(pvRet) = result.iVal; break;
    case VT_I4: *static_cast<long*>(pvRet) = result.lVal; break;
    case VT_R8: *static_cast<double*>(pvRet) = result.dblVal; break;
    case VT_BOOL: *static_cast<BOOL*>(pvRet) = result.boolVal != VARIANT_FALSE; break;
    case VT_BSTR: *static_cast<BSTR*>(pvRet) = result.bstrVal; result.vt = VT_EMPTY; break;
    case VT_DISPATCH: *static_cast<LPDISPATCH*>(pvRet) = result.pdispVal; result.vt = VT_EMPTY; break;
    default: return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}
}

COleDispatchDriver::COleDispatchDriver(LPDISPATCH pDispatch, BOOL bAutoRelease)
    : m_lpDispatch(pDispatch), m_bAutoRelease(bAutoRelease) {}

COleDispatchDriver::~COleDispatchDriver() { ReleaseDispatch(); }

void COleDispatchDriver::AttachDispatch(LPDISPATCH pDispatch, BOOL bAutoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = pDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch()
{
    LPDISPATCH p = m_lpDispatch;
    m_lpDispatch = nullptr;
    return p;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch && m_bAutoRelease) m_lpDispatch->Release();
    m_lpDispatch = nullptr;
}

HRESULT COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                         const char* pbParamInfo, ...)
{
    va_list argList;
    va_start(argList, pbParamInfo);
    HRESULT hr = InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
    va_end(argList);
    return hr;
}

HRESULT COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                          const char* pbParamInfo, va_list argList)
{
    if (!m_lpDispatch) return E_POINTER;
    size_t nArgs = pbParamInfo ? strlen(pbParamInfo) : 0;
    // Automation wants the arguments last first.
    std::vector<VARIANT> args(nArgs);
    HRESULT hr = S_OK;
    for (size_t i = 0; i < nArgs; ++i)
        if (!TakeArgument((VARTYPE)(BYTE)pbParamInfo[i], argList, args[nArgs - 1 - i])) hr = DISP_E_TYPEMISMATCH;

    DISPID dispidNamed = DISPID_PROPERTYPUT;
    DISPPARAMS params = { nArgs ? args.data() : nullptr, nullptr, (UINT)nArgs, 0 };
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &dispidNamed;
        params.cNamedArgs = 1;
    }
    VARIANT result;
    ::VariantInit(&result);
    if (SUCCEEDED(hr))
        hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params,
                                  vtRet == VT_EMPTY ? nullptr : &result, nullptr, nullptr);
    if (SUCCEEDED(hr)) hr = StoreResult(result, vtRet, pvRet);
    ::VariantClear(&result);
    for (VARIANT& v : args) ::VariantClear(&v);
    return hr;
}

HRESULT COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp)
{
    return InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, nullptr);
}

HRESULT COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...)
{
    const char paramInfo[2] = { (char)vtProp, 0 };
    va_list argList;
    va_start(argList, vtProp);
    HRESULT hr = InvokeHelperV(dwDispID, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, paramInfo, argList);
    va_end(argList);
    return hr;
}

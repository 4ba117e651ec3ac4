// Calls an automation object through its IDispatch: methods and properties by
// DISPID, arguments described by VTS_ strings and converted to VARIANTs.
#pragma once
#include "framework/AfxExport.h"
#include "framework/AfxMsgMap.h"
#include <oaidl.h>

#define VTS_BSTR "\x08"   // const wchar_t*

class AFX_API COleDispatchDriver {
public:
    COleDispatchDriver() = default;
    // Takes over pDispatch; releases it on destruction when bAutoRelease.
    explicit COleDispatchDriver(LPDISPATCH pDispatch, BOOL bAutoRelease = TRUE);
    ~COleDispatchDriver();
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

    void AttachDispatch(LPDISPATCH pDispatch, BOOL bAutoRelease = TRUE);
    LPDISPATCH DetachDispatch();
    void ReleaseDispatch();

    // Invokes dispid; the variable arguments follow pbParamInfo (VTS_I2 and
    // VTS_BOOL as int, VTS_I4 as long, VTS_R8 as double, VTS_BSTR as a
    // string). The result, of type vtRet, is written to pvRet (VT_EMPTY: none).
    // Failures leave pvRet as it was and return the failure.
    HRESULT InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                         const char* pbParamInfo, ...);
    HRESULT InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                          const char* pbParamInfo, va_list argList);
    HRESULT GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp);
    HRESULT SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);

    LPDISPATCH m_lpDispatch = nullptr;
    BOOL m_bAutoRelease = TRUE;
};

#include "media/CWMPPlayer4.h"
#include "media/MediaFactory.h"
#include "media/MediaIds.h"
#include "framework/COlePropertyBag.h"
#include "framework/AfxComPtr.h"
#include <cstdarg>

using Microsoft::WRL::ComPtr;

namespace {
// The persisted properties of control 1000, the same in both dialogs'
// templates: the movie alone (no transport controls, no context menu),
// scaled to the control keeping its shape, and nothing played before the
// dialog asks (the dialogs set the volume and error dialogs first, and the
// settings dialog's buttons wait for Play). The platform control's own
// names, as PARAM tags would give them.
const AFX_CONTROL_PROPERTY kControlProperties[] = {
    { L"uiMode", L"none" },
    { L"stretchToFit", L"true" },
    { L"enableContextMenu", L"false" },
    { L"autoStart", L"false" },
};
}

BOOL CWMPPlayer4::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hPlaceholder = pParent ? ::GetDlgItem(pParent->m_hWnd, (int)nID) : nullptr;
    if (!hPlaceholder) return FALSE;
    m_pHostParent = pParent;
    if (!m_bDeferHosting && HostInPlaceOf(hPlaceholder)) return TRUE;
    return SubclassWindow(hPlaceholder);
}

BOOL CWMPPlayer4::HostControl()
{
    if (GetControlUnknown()) return TRUE;
    if (!m_hWnd || !m_pHostParent) return FALSE;
    HWND hPlaceholder = UnsubclassWindow();
    if (HostInPlaceOf(hPlaceholder)) return TRUE;
    SubclassWindow(hPlaceholder);
    return FALSE;
}

BOOL CWMPPlayer4::HostInPlaceOf(HWND hPlaceholder)
{
    RECT rc;
    ::GetWindowRect(hPlaceholder, &rc);
    ::MapWindowPoints(nullptr, m_pHostParent->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    DWORD dwStyle = (DWORD)::GetWindowLongPtrW(hPlaceholder, GWL_STYLE);
    UINT nID = (UINT)::GetDlgCtrlID(hPlaceholder);

    ComPtr<IUnknown> spObject = AfxTakeOver(CreateMediaObject());
    ComPtr<IPropertyBag> spProperties =
        AfxTakeOver<IPropertyBag>(new COlePropertyBag(kControlProperties, ARRAYSIZE(kControlProperties)));
    if (!spObject || !CreateControl(spObject.Get(), dwStyle, rc, m_pHostParent, nID, spProperties.Get()))
        return FALSE;
    // The control takes the placeholder's place in the tab and z order.
    ::SetWindowPos(m_hWnd, hPlaceholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::DestroyWindow(hPlaceholder);
    return TRUE;
}

HRESULT CWMPPlayer4::InvokeHelper(DISPID dispid, WORD wFlags, VARTYPE vtRet, void* pvRet, const char* pbParamInfo,
                                  ...)
{
    IUnknown* pControl = GetControlUnknown();
    ComPtr<IDispatch> spDispatch;
    if (!pControl || FAILED(pControl->QueryInterface(IID_PPV_ARGS(&spDispatch)))) return E_NOINTERFACE;
    COleDispatchDriver driver(spDispatch.Get(), FALSE);
    va_list argList;
    va_start(argList, pbParamInfo);
    HRESULT hr = driver.InvokeHelperV(dispid, wFlags, vtRet, pvRet, pbParamInfo, argList);
    va_end(argList);
    return hr;
}

void CWMPPlayer4::put_URL(LPCTSTR newValue)
{
    InvokeHelper(MediaDispid::URL, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BSTR, newValue);
}

void CWMPPlayer4::close() { InvokeHelper(MediaDispid::Close, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }

LPDISPATCH CWMPPlayer4::get_controls()
{
    LPDISPATCH pResult = nullptr;
    InvokeHelper(MediaDispid::Controls, DISPATCH_PROPERTYGET, VT_DISPATCH, &pResult, nullptr);
    return pResult;
}

LPDISPATCH CWMPPlayer4::get_settings()
{
    LPDISPATCH pResult = nullptr;
    InvokeHelper(MediaDispid::Settings, DISPATCH_PROPERTYGET, VT_DISPATCH, &pResult, nullptr);
    return pResult;
}

long CWMPPlayer4::get_playState()
{
    long nResult = 0;
    InvokeHelper(MediaDispid::PlayState, DISPATCH_PROPERTYGET, VT_I4, &nResult, nullptr);
    return nResult;
}

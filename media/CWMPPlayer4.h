// The window object of the media player control, dialog item 1000. Bound
// with DDX_Control, it puts the hosted control in place of the template's
// placeholder item, at the same rectangle and with the same ID; its members
// are thin dispatch calls on the control. When no control can be created the
// placeholder stays, empty, and every call does nothing.
#pragma once
#include "framework/Afx.h"
#include "framework/COleDispatchDriver.h"

class CWMPPlayer4 : public CWnd {
public:
    // Binding then keeps the placeholder until HostControl: creating the
    // control loads COM and the media libraries, which a dialog may rather
    // do once it is on the screen.
    void DeferHosting() { m_bDeferHosting = TRUE; }
    // Puts the control in place of the bound placeholder; TRUE once hosted.
    BOOL HostControl();
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent) override;

    void put_URL(LPCTSTR newValue);
    void close();
    // The sub-objects: one reference for the caller (wrap them in
    // CWMPControls3 and CWMPSettings); nullptr without a control.
    LPDISPATCH get_controls();
    LPDISPATCH get_settings();
    long get_playState();

private:
    BOOL HostInPlaceOf(HWND hPlaceholder);
    HRESULT InvokeHelper(DISPID dispid, WORD wFlags, VARTYPE vtRet, void* pvRet, const char* pbParamInfo, ...);

    BOOL m_bDeferHosting = FALSE;
    CWnd* m_pHostParent = nullptr;
};

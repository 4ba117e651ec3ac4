// A window object over an HWND: the handle map, subclassing, message dispatch
// through the message map, reflection of notifications to child controls.
#pragma once
#include "framework/CCmdTarget.h"
#include "framework/AfxTypes.h"
#include "framework/CString.h"
#include <wrl/client.h>

class COleControlSite;
struct IPropertyBag;

class AFX_API CWnd : public CCmdTarget {
public:
    CWnd();
    explicit CWnd(HWND hWnd);
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    static const CWnd wndTopMost;
    static const CWnd wndTop;

    // The object attached to a window, or a temporary one for a window that
    // has none (valid until that window is destroyed).
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Attaches and routes the window's messages through this object.
    BOOL SubclassWindow(HWND hWnd);
    // Binds the dialog item nID of pParent; data exchange calls this.
    virtual BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled now.
    LRESULT Default();
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}
    virtual BOOL DestroyWindow();

    // Hosts an ActiveX control as child nID of pParentWnd over rect (client
    // coordinates) and attaches this object to the control's window; pPersist
    // holds its persisted properties. Its events go to pParentWnd's
    // event-sink map. The control is moved through its site, and closed when
    // this object's DestroyWindow or pParentWnd's WM_DESTROY comes. FALSE
    // when it cannot be created or hosted.
    BOOL CreateControl(REFCLSID clsid, const wchar_t* pszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, IPropertyBag* pPersist = nullptr);
    // The same for an object that is already created.
    BOOL CreateControl(IUnknown* pObject, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       IPropertyBag* pPersist = nullptr);
    // The hosted control, or nullptr; not AddRef'd.
    IUnknown* GetControlUnknown() const;

    // Thin wrappers over the window calls.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void SetWindowText(const wchar_t* pszString) { ::SetWindowTextW(m_hWnd, pszString); }
    void GetWindowText(CString& rString) const;
    DWORD GetStyle() const { return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // Default handlers: each runs the window's default processing.
    void OnPaint() { Default(); }
    void OnDestroy() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    HCURSOR OnQueryDragIcon() { return (HCURSOR)Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnCaptureChanged(CWnd*) { Default(); }
    void OnKillFocus(CWnd*) { Default(); }
    void OnSetFocus(CWnd*) { Default(); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return (HBRUSH)Default(); }
    BOOL OnHelpInfo(HELPINFO*) { return (BOOL)Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
    BOOL OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
    void OnEnable(BOOL) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    void OnHScroll(UINT, UINT, CWnd*) { Default(); }
    void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
    BOOL OnQueryEndSession() { return (BOOL)Default(); }
    void OnEndSession(BOOL) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }

    DECLARE_MESSAGE_MAP()

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    WNDPROC m_pfnSuper = nullptr;
    // The site of the control this window object hosts, or null.
    Microsoft::WRL::ComPtr<COleControlSite> m_spCtrlSite;
    void DestroyControlSite();
    // Closes the controls hosted in this window, its children.
    void DestroyHostedControls();

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend void AfxAttachCreatingWindow(HWND hWnd);
};

AFX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

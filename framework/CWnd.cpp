#include "framework/CWnd.h"
#include "framework/AfxState.h"
#include "framework/CWinApp.h"
#include "framework/COleControlSite.h"
#include "framework/AfxComPtr.h"
#include <unordered_map>
#include <memory>

namespace {
// Permanent map: objects that own a window. Temporary map: objects made for
// windows that nobody owns, dropped once their window is gone.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap()
{
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

std::unordered_map<HMENU, std::unique_ptr<CMenu>>& MenuMap()
{
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> map;
    return map;
}

void PurgeTemporaries()
{
    auto& temps = TemporaryMap();
    for (auto it = temps.begin(); it != temps.end();)
        it = ::IsWindow(it->first) ? std::next(it) : temps.erase(it);
}

// Saves and restores the message being dispatched around a nested dispatch.
class CurrentMessageScope {
public:
    CurrentMessageScope(UINT message, WPARAM wParam, LPARAM lParam)
        : m_saved(*AfxGetCurrentMessage())
    {
        *AfxGetCurrentMessage() = { message, wParam, lParam };
    }
    ~CurrentMessageScope() { *AfxGetCurrentMessage() = m_saved; }
private:
    AfxCurrentMessage m_saved;
};
}

const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndTop(HWND_TOP);

CWnd::CWnd() = default;
CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    DestroyControlSite();
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        if (m_pfnSuper) UnsubclassWindow();
        else Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& map = PermanentMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd) return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd)) return p;
    auto& temps = TemporaryMap();
    auto it = temps.find(hWnd);
    if (it != temps.end()) return it->second.get();
    PurgeTemporaries();
    CWnd* p = new CWnd(hWnd);
    temps.emplace(hWnd, std::unique_ptr<CWnd>(p));
    return p;
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
    TemporaryMap().erase(hWnd);
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd) PermanentMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper && m_hWnd)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd) return FALSE;
    // A hosted control is closed first and destroys its window itself.
    DestroyControlSite();
    return ::IsWindow(hWnd) ? ::DestroyWindow(hWnd) : TRUE;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    LRESULT lResult;
    {
        CurrentMessageScope scope(message, wParam, lParam);
        lResult = pWnd->WindowProc(message, wParam, lParam);
    }
    if (message == WM_DESTROY) pWnd->DestroyHostedControls();
    // A control window destroyed by other means leaves its site here.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        pWnd->DestroyControlSite();
        pWnd->UnsubclassWindow();
        pWnd->PostNcDestroy();
    }
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const AfxCurrentMessage* m = AfxGetCurrentMessage();
    return DefWindowProc(m->message, m->wParam, m->lParam);
}

namespace {
// The child window that a notification is about, for reflection.
HWND NotifyingChild(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY: return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* p = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return p->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWndParent, (int)p->CtlID);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(lParam);
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            return reinterpret_cast<HWND>(lParam);
        return nullptr;
    }
}
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Notifications go to the control they are about first.
    if (HWND hChild = NotifyingChild(m_hWnd, message, wParam, lParam)) {
        CWnd* pChild = FromHandlePermanent(hChild);
        if (pChild && pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
    }
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY) return OnNotify(wParam, lParam, pResult);

    UINT nLookup = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) nLookup = WM_CTLCOLOR;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nLookup, 0, 0);
    if (!pEntry) return FALSE;
    *pResult = pEntry->pfnInvoke(this, pEntry->pfn, message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    if (OnCmdMsg(nID, nCode)) return TRUE;
    // Commands the main window does not handle go on to the application.
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this && lParam == 0) return pApp->OnCmdMsg(nID, nCode);
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    const AFX_MSGMAP_ENTRY* pEntry =
        FindMessageEntry(GetMessageMap(), WM_NOTIFY, pNMHDR->code, (UINT)pNMHDR->idFrom);
    if (!pEntry) return FALSE;
    *pResult = pEntry->pfnInvoke(this, pEntry->pfn, WM_NOTIFY, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT nCode = 0;
    if (message == WM_COMMAND) nCode = HIWORD(wParam);
    else if (message == WM_NOTIFY) nCode = reinterpret_cast<NMHDR*>(lParam)->code;
    UINT nReflected = WM_REFLECT_BASE + message;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nReflected, nCode, 0);
    if (!pEntry) return FALSE;
    LRESULT lResult = pEntry->pfnInvoke(this, pEntry->pfn, message, wParam, lParam);
    if (pResult) *pResult = lResult;
    return TRUE;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

// A hosted control is told its new position and moves its window itself.
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    if (!m_spCtrlSite) {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
        return;
    }
    RECT rc = { x, y, x + nWidth, y + nHeight };
    m_spCtrlSite->MoveControl(rc);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND hAfter = pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr;
    const UINT nKeepPlace = SWP_NOMOVE | SWP_NOSIZE;
    if (m_spCtrlSite && (nFlags & nKeepPlace) != nKeepPlace) {
        // The position goes through the site; the rest (order, showing) here.
        RECT rc;
        ::GetWindowRect(m_hWnd, &rc);
        ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rc), 2);
        if (!(nFlags & SWP_NOMOVE)) ::OffsetRect(&rc, x - rc.left, y - rc.top);
        if (!(nFlags & SWP_NOSIZE)) rc = { rc.left, rc.top, rc.left + cx, rc.top + cy };
        m_spCtrlSite->MoveControl(rc);
        nFlags |= nKeepPlace;
    }
    return ::SetWindowPos(m_hWnd, hAfter, x, y, cx, cy, nFlags);
}

void CWnd::GetWindowText(CString& rString) const
{
    int n = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBuffer(n + 1), n + 1);
    rString.ReleaseBuffer();
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    HMENU hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    if (!hMenu) return nullptr;
    auto& menus = MenuMap();
    auto& slot = menus[hMenu];
    if (!slot) {
        slot.reset(new CMenu);
        slot->m_hMenu = hMenu;
    }
    return slot.get();
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* pszNewItem)
{
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, pszNewItem);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

const AFX_MSGMAP* CWnd::GetThisMessageMap() { return CCmdTarget::GetThisMessageMap(); }
const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CWnd::CreateControl(REFCLSID clsid, const wchar_t*, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID, IPropertyBag* pPersist)
{
    Microsoft::WRL::ComPtr<IUnknown> spObject;
    if (!AfxEnsureOleInitialized() ||
        FAILED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&spObject))))
        return FALSE;
    return CreateControl(spObject.Get(), dwStyle, rect, pParentWnd, nID, pPersist);
}

BOOL CWnd::CreateControl(IUnknown* pObject, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                         IPropertyBag* pPersist)
{
    if (m_hWnd || m_spCtrlSite || !pObject || !pParentWnd) return FALSE;
    Microsoft::WRL::ComPtr<COleControlSite> spSite = AfxTakeOver(new COleControlSite(pParentWnd, nID));
    HWND hWnd = spSite->CreateControl(pObject, rect, pPersist);
    if (!hWnd || !SubclassWindow(hWnd)) {
        spSite->DestroyControl();
        return FALSE;
    }
    m_spCtrlSite = spSite;
    ::ShowWindow(hWnd, (dwStyle & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

IUnknown* CWnd::GetControlUnknown() const
{
    return m_spCtrlSite ? m_spCtrlSite->GetControlUnknown() : nullptr;
}

void CWnd::DestroyControlSite()
{
    // Taken first: closing destroys the window, which calls here again.
    Microsoft::WRL::ComPtr<COleControlSite> spSite = std::move(m_spCtrlSite);
    if (spSite) spSite->DestroyControl();
}

// The platform's framework closes a container's controls at its WM_DESTROY,
// before the system destroys its children, so each control still has its
// window when it is deactivated and closed.
void CWnd::DestroyHostedControls()
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild;) {
        HWND hNext = ::GetWindow(hChild, GW_HWNDNEXT);
        CWnd* pChild = FromHandlePermanent(hChild);
        if (pChild && pChild->m_spCtrlSite) pChild->DestroyWindow();
        hChild = hNext;
    }
}

#include "player/MonitorCovers.h"

namespace {
const wchar_t kCoverClass[] = L"DriftreelCover";

// Mouse input over a cover goes on to the player, in the player's client
// coordinates; its movement rule reads the cursor itself, and its buttons
// end it. Keys never come here: a cover never takes the focus.
LRESULT ForwardToPlayer(HWND hCover, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hPlayer = ::GetWindow(hCover, GW_OWNER);
    if (!hPlayer) return 0;
    POINT pt = { (short)LOWORD(lParam), (short)HIWORD(lParam) };
    ::MapWindowPoints(hCover, hPlayer, &pt, 1);
    return ::SendMessageW(hPlayer, message, wParam, MAKELPARAM(pt.x, pt.y));
}

LRESULT CALLBACK CoverProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return ForwardToPlayer(hWnd, message, wParam, lParam);
    default: return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

// No class cursor: the cursor stays as the player leaves it.
void RegisterCoverClass(HINSTANCE hInstance)
{
    WNDCLASSW wc = {};
    if (::GetClassInfoW(hInstance, kCoverClass, &wc)) return;
    wc.lpfnWndProc = CoverProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kCoverClass;
    ::RegisterClassW(&wc);
}

struct CoverTarget {
    HWND hPlayer;
    std::vector<HWND>* pCovers;
};

BOOL CALLBACK CoverMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    MONITORINFO mi = { sizeof(mi) };
    if (!::GetMonitorInfoW(hMonitor, &mi) || (mi.dwFlags & MONITORINFOF_PRIMARY)) return TRUE;
    CoverTarget* pTarget = reinterpret_cast<CoverTarget*>(lParam);
    const RECT& rc = mi.rcMonitor;
    HWND hCover = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCoverClass, L"",
                                    WS_POPUP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                    pTarget->hPlayer, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (hCover) pTarget->pCovers->push_back(hCover);
    return TRUE;
}
}

void MonitorCovers::Cover(HWND hPlayer)
{
    Remove();
    RegisterCoverClass(::GetModuleHandleW(nullptr));
    CoverTarget target = { hPlayer, &m_covers };
    ::EnumDisplayMonitors(nullptr, nullptr, CoverMonitor, reinterpret_cast<LPARAM>(&target));
    Raise();
}

void MonitorCovers::Raise() const
{
    for (HWND hCover : m_covers)
        ::SetWindowPos(hCover, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void MonitorCovers::Remove()
{
    for (HWND hCover : m_covers)
        if (::IsWindow(hCover)) ::DestroyWindow(hCover);
    m_covers.clear();
}

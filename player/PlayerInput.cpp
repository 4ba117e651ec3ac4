// The player's input, focus and exit: what ends it, the mouse capture and
// the movement rule, keeping the window on top, and the power action that
// WM_DESTROY hands to the application.
#include "player/PlayerDialog.h"
#include "player/AboutDialog.h"
#include "player/MmTimer.h"
#include "notices/CursorDisplay.h"
#include "power/PowerActionSink.h"
#include "res/ids.h"
#include <cstdlib>

namespace {
const UINT kAboutCommand = 0x0010;
const int kMovementThreshold = 5;   // pixels of horizontal movement that are still no input

// The dialog's one background brush, made at its first use and deleted
// when the process ends.
struct BackgroundBrush {
    HBRUSH m_hBrush = ::CreateSolidBrush(RGB(0, 0, 0));
    ~BackgroundBrush() { ::DeleteObject(m_hBrush); }
};

HBRUSH BlackBrush()
{
    static BackgroundBrush brush;
    return brush.m_hBrush;
}

// The application's main window (the player), or the player itself where
// there is no application object.
CWnd* MainWindowOr(CWnd* pPlayer)
{
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd : pPlayer;
}

bool MovedAway(const POINT& ptBase, const POINT& ptNow) { return std::abs(ptBase.x - ptNow.x) > kMovementThreshold; }
}

LRESULT PlayerDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_APP_NEXTMOVIE: OnNextMovie(); break;
    case WM_APP_MEDIAREADY: OnMediaReady(); break;
    case WM_APP_POWERTIMEOUT: OnPowerTimeout(); break;
    case WM_APP_CODECMISSING: OnCodecMissing(); break;
    case WM_APP_MMTIMER: OnMmTimer(static_cast<UINT>(wParam)); break;
    case WM_TIMER:
        if (wParam == ID_TIMER_CODECSKIP) OnCodecSkipTimer();
        break;
    default:
        if (HandleEndingMessage(message, wParam)) StopAndEnd();
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

// True for the window messages that end the player through StopAndEnd. A
// display change ends it here too, without touching the control.
bool PlayerDialog::HandleEndingMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_ACTIVATEAPP: return !wParam;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return true;
    case WM_WINDOWPOSCHANGED: return IsResizedAway();
    case WM_POWERBROADCAST: return LOWORD(wParam) == PBT_APMQUERYSUSPEND || LOWORD(wParam) == PBT_APMRESUMESUSPEND;
    case WM_DISPLAYCHANGE:
        m_bStopping = TRUE;
        EndDialog(IDCANCEL);
        return false;
    default: return false;
    }
}

// The window no longer covers the screen: smaller or larger in both
// directions. Before set-up has taken the screen size there is nothing to
// compare with.
bool PlayerDialog::IsResizedAway()
{
    if (!m_cxFull || !m_cyFull) return false;
    CRect rc;
    MainWindowOr(this)->GetWindowRect(rc);
    int w = rc.Width(), h = rc.Height();
    return (w < m_cxFull && h < m_cyFull) || (w > m_cxFull && h > m_cyFull);
}

void PlayerDialog::AddAboutItem()
{
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (!pSysMenu) return;
    CString strAbout;
    strAbout.LoadString(IDS_ABOUTBOX);
    if (strAbout.IsEmpty()) return;
    pSysMenu->AppendMenu(MF_SEPARATOR);
    pSysMenu->AppendMenu(MF_STRING, kAboutCommand, strAbout);
}

void PlayerDialog::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == kAboutCommand) {
        AboutDialog about;
        about.DoModal();
        return;
    }
    Default();
}

void PlayerDialog::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
    CRect rc;
    GetClientRect(rc);
    int x = (rc.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rc.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
}

HCURSOR PlayerDialog::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

// Only a run-out countdown leaves the power action standing.
void PlayerDialog::OnDestroy()
{
    KillOneShotTimer(m_idStandbyTimer);
    KillOneShotTimer(m_idHibernateTimer);
    KillOneShotTimer(m_idCaptureTimer);
    EndTimerPosts(m_hWnd);
    ::KillTimer(m_hWnd, ID_TIMER_CODECSKIP);
    m_covers.Remove();
    if (!m_bPowerExpired) {
        m_nPowerAction = PowerActionNone;
        if (PowerActionSink* pSink = GetPowerActionSink()) pSink->SetPowerAction(m_nPowerAction);
    }
    CDialog::OnDestroy();
}

// One second after start the dialog holds the capture; this runs on the
// dialog's own thread, since capture belongs to the thread that sets it.
void PlayerDialog::OnCaptureTimer()
{
    if (::GetCapture()) ::ReleaseCapture();
    MainWindowOr(this)->SetCapture();
}

void PlayerDialog::OnMouseMove(UINT, CPoint)
{
    ::GetCursorPos(&m_ptCursor);
    if (!m_bCursorBaseSet) {
        m_ptCursorBase = m_ptCursor;
        m_bCursorBaseSet = TRUE;
    } else if (MovedAway(m_ptCursorBase, m_ptCursor)) {
        // The control's next MouseMove event ends the player.
        m_player.SetCapture();
    }
    Default();
}

void PlayerDialog::OnPlayerMouseMove(short, short, long fX, long fY)
{
    if (!m_bFirstMoveSeen) {
        m_ptFirstMove = { fX, fY };
        m_bFirstMoveSeen = TRUE;
    }
    if (fX == m_ptFirstMove.x || fY == m_ptFirstMove.y) return;
    ::GetCursorPos(&m_ptCursor);
    if (!m_bCursorBaseSet) {
        m_ptCursorBase = m_ptCursor;
        m_bCursorBaseSet = TRUE;
        return;
    }
    if (!MovedAway(m_ptCursorBase, m_ptCursor)) return;
    ::ReleaseCapture();
    EndDialog(IDCANCEL);
}

// Losing the capture is the moment another window may come up: put the
// player back on top over the whole screen, and the other monitors' covers.
void PlayerDialog::OnCaptureChanged(CWnd* pWnd)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    DWORD dwForeground = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
    DWORD dwGaining = pWnd ? ::GetWindowThreadProcessId(pWnd->GetSafeHwnd(), nullptr) : 0;
    ::AttachThreadInput(dwGaining, dwForeground, TRUE);
    DWORD dwLockTimeout = 0;
    ::SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &dwLockTimeout, 0);
    ::SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
    SetWindowPos(&wndTopMost, 0, 0, cx, cy, SWP_SHOWWINDOW);
    m_covers.Raise();
    ::SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>((DWORD_PTR)dwLockTimeout), 0);
    ::AttachThreadInput(dwGaining, dwForeground, FALSE);
    Default();
}

void PlayerDialog::OnKillFocus(CWnd*) { Default(); }

HBRUSH PlayerDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG) return BlackBrush();
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL PlayerDialog::OnHelpInfo(HELPINFO* pHelpInfo)
{
    StopAndEnd();
    return CDialog::OnHelpInfo(pHelpInfo);
}

// While the movie covers the screen the cursor stays hidden whatever
// WM_SETCURSOR brings: under Wine it arrives in the first moments of playing,
// before the capture keeps it away. Over a player that has ended, or that a
// dialog of its own keeps waiting, each one shows the cursor again.
BOOL PlayerDialog::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!IsWindowVisible() || !IsWindowEnabled()) return ShowCursorThenDefault(*this);
    ::SetCursor(nullptr);
    return TRUE;
}

void PlayerDialog::OnPlayerKeyDown(short, short) { StopAndEnd(); }

void PlayerDialog::OnPlayerClick(short, short, long, long) { StopAndEnd(); }

// What ends the player in the test process: the control's input events, the
// movement rule over the real cursor, and the window messages it ends on.
#include "tests/player/PlayerHarness.h"
#include "tests/support/CursorCount.h"
#include "tests/support/MessagePump.h"
#include <algorithm>
#include <climits>

namespace {
HWND g_hAbout = nullptr;

void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hAbout = ::FindWindowW(nullptr, L"Driftreel");
    if (hAbout && ::IsWindowVisible(hAbout)) {
        g_hAbout = hAbout;
        ::PostMessageW(hAbout, WM_COMMAND, IDOK, 0);
    }
}

class InputTest : public PlayerTest {
protected:
    InputTest()
    {
        PlaySingle(m_folder.AddFile(L"a.wmv"));
        m_app.m_nPowerAction = 2;  // a standing action that an input ending must clear
    }

    bool Recorded(const wchar_t* pszCall)
    {
        return std::find(Calls().begin(), Calls().end(), pszCall) != Calls().end();
    }

    // Runs a player, lets act end it, and expects IDCANCEL with no power action.
    void ExpectEndedBy(const char* pszWhat, const std::function<void(PlayerDialog&)>& act)
    {
        SCOPED_TRACE(pszWhat);
        m_app.m_nPowerAction = 2;
        PlayerDialog dlg(nullptr);
        INT_PTR nResult = Run(dlg, [&](PlayerDialog& d) {
            act(d);
            EXPECT_TRUE(WaitForEnd(d));
            EXPECT_TRUE(Recorded(L"stop"));
            EXPECT_TRUE(Recorded(L"close"));
        });
        EXPECT_EQ(IDCANCEL, nResult);
        EXPECT_EQ(0, dlg.m_nPowerAction);
        EXPECT_EQ(0, m_app.m_nPowerAction);
    }

    void ExpectNotEndedBy(const char* pszWhat, const std::function<void(PlayerDialog&)>& act)
    {
        SCOPED_TRACE(pszWhat);
        Run([&](PlayerDialog& d) {
            act(d);
            PumpMessagesFor(150);
            EXPECT_FALSE(Ended(d));
            d.EndDialog(IDOK);
        });
    }
};
}

// Under Wine WM_SETCURSOR comes in the first moments, before the capture;
// here one more is sent after it.
TEST_F(InputTest, TheCursorStaysHiddenWhileTheMoviePlays)
{
    SetCursorCount(0);
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2);
    int nHighest = INT_MIN;
    auto watch = [&nHighest] { nHighest = std::max(nHighest, CursorCount()); };
    Run([&](PlayerDialog& d) {
        PumpMessagesUntil([&] { watch(); return false; }, 1500);
        d.SendMessage(WM_SETCURSOR, (WPARAM)d.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        watch();
        d.PostMessage(WM_LBUTTONDOWN);
    });
    EXPECT_LT(nHighest, 0);
    SetCursorCount(0);
}

TEST_F(InputTest, TheControlsKeyAndClickEventsEndThePlayer)
{
    ExpectEndedBy("KeyDown", [&](PlayerDialog&) { m_doubles.Last()->FireKeyDown('A', 0); });
    ExpectEndedBy("Click", [&](PlayerDialog&) { m_doubles.Last()->FireClick(kMouseLeft, 0, 10, 10); });
}

TEST_F(InputTest, ButtonsHelpDeactivationAndSuspendEndThePlayer)
{
    ExpectEndedBy("left button", [](PlayerDialog& d) { d.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON); });
    ExpectEndedBy("right button", [](PlayerDialog& d) { d.PostMessage(WM_RBUTTONDOWN, MK_RBUTTON); });
    ExpectEndedBy("middle button", [](PlayerDialog& d) { d.PostMessage(WM_MBUTTONDOWN, MK_MBUTTON); });
    ExpectEndedBy("F1", [](PlayerDialog& d) {
        HELPINFO info = { sizeof(info) };
        d.SendMessage(WM_HELP, 0, (LPARAM)&info);
    });
    ExpectEndedBy("another application", [](PlayerDialog& d) { d.PostMessage(WM_ACTIVATEAPP, FALSE); });
    ExpectEndedBy("suspend query", [](PlayerDialog& d) { d.PostMessage(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND); });
    ExpectEndedBy("resume", [](PlayerDialog& d) { d.PostMessage(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND); });
    ExpectEndedBy("a smaller window", [](PlayerDialog& d) { d.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOZORDER); });
}

// The ending hides the window, and the deactivation that follows stops the
// control anyway, so only the ending itself is checked here.
TEST_F(InputTest, ADisplayChangeEndsThePlayer)
{
    m_app.m_nPowerAction = 2;
    PlayerDialog dlg(nullptr);
    INT_PTR nResult = Run(dlg, [&](PlayerDialog& d) {
        d.SendMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
        EXPECT_TRUE(Ended(d));
        EXPECT_TRUE(d.m_bStopping);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(0, m_app.m_nPowerAction);
}

TEST_F(InputTest, PowerStatusChangesAndOwnActivationDoNotEndIt)
{
    ExpectNotEndedBy("power status", [](PlayerDialog& d) { d.PostMessage(WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE); });
    ExpectNotEndedBy("battery low", [](PlayerDialog& d) { d.PostMessage(WM_POWERBROADCAST, PBT_APMBATTERYLOW); });
    ExpectNotEndedBy("activation", [](PlayerDialog& d) { d.PostMessage(WM_ACTIVATEAPP, TRUE); });
    ExpectNotEndedBy("one dimension", [](PlayerDialog& d) {
        d.SetWindowPos(nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), 200, SWP_NOZORDER);
    });
}

// The control side of the movement rule, with the real cursor: the first
// event only records where it was, events on that row or column are
// ignored, and only more than 5 pixels across count.
TEST_F(InputTest, OnlyMoreThanFivePixelsAcrossEndThePlayer)
{
    PlayerDialog::m_nCaptureDelay = 600000;  // the control keeps the capture
    Run([&](PlayerDialog& d) {
        MediaPlayerDouble& control = *m_doubles.Last();
        ::SetCursorPos(400, 300);
        control.FireMouseMove(0, 0, 100, 100);   // first event: position only
        control.FireMouseMove(0, 0, 101, 101);   // base cursor position taken
        ::SetCursorPos(405, 300);
        control.FireMouseMove(0, 0, 102, 102);
        ::SetCursorPos(400, 700);
        control.FireMouseMove(0, 0, 103, 103);
        ::SetCursorPos(406, 300);
        control.FireMouseMove(0, 0, 100, 104);   // same x as the first event: ignored
        PumpMessagesFor(100);
        EXPECT_FALSE(Ended(d));
        control.FireMouseMove(0, 0, 104, 104);
        EXPECT_TRUE(Ended(d));
    });
}

// The dialog side: after the first second the dialog holds the capture and
// sees the cursor; a move of more than 5 pixels hands the capture back.
TEST_F(InputTest, TheDialogTakesTheCaptureAfterTheFirstSecondAndHandsItBack)
{
    PlayerDialog::m_nCaptureDelay = 100;
    Run([&](PlayerDialog& d) {
        ASSERT_TRUE(PumpMessagesUntil([&] { return ::GetCapture() == d.GetSafeHwnd(); }, 3000));
        ::SetCursorPos(300, 300);
        d.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
        ::SetCursorPos(305, 500);
        d.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(305, 500));
        EXPECT_EQ(d.GetSafeHwnd(), ::GetCapture());
        ::SetCursorPos(294, 500);
        d.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(294, 500));
        EXPECT_EQ(d.m_player.GetSafeHwnd(), ::GetCapture());
        EXPECT_TRUE(PumpMessagesUntil([&] { return ::IsWindowVisible(d) && ::GetWindowLongW(d, GWL_EXSTYLE) & WS_EX_TOPMOST; }, 1000));
        d.EndDialog(IDOK);
    });
}

TEST_F(InputTest, TheAboutBoxOpensFromTheSystemMenu)
{
    Run([&](PlayerDialog& d) {
        HMENU hMenu = ::GetSystemMenu(d, FALSE);
        ASSERT_NE(nullptr, hMenu);
        EXPECT_NE(-1, (int)::GetMenuState(hMenu, 0x0010, MF_BYCOMMAND));
        // Closed from its own modal loop by a thread timer.
        g_hAbout = nullptr;
        UINT_PTR idTimer = ::SetTimer(nullptr, 0, 50, CloseAboutBox);
        d.SendMessage(WM_SYSCOMMAND, 0x0010);
        ::KillTimer(nullptr, idTimer);
        EXPECT_NE(nullptr, g_hAbout);
        EXPECT_FALSE(Ended(d));
        d.EndDialog(IDOK);
    });
}

// Each monitor but the primary gets a black topmost cover over all of it; a
// click over a cover ends the player like a click over the player, and the
// covers go with it. On a desktop of one monitor there are none.
TEST_F(InputTest, OtherMonitorsAreCoveredUntilThePlayerEnds)
{
    std::vector<HWND> covers;
    PlayerDialog dlg(nullptr);
    INT_PTR nResult = Run(dlg, [&](PlayerDialog& d) {
        covers = d.m_covers.Windows();
        EXPECT_EQ(size_t(::GetSystemMetrics(SM_CMONITORS) - 1), covers.size());
        for (HWND hCover : covers) {
            MONITORINFO mi = { sizeof(mi) };
            ::GetMonitorInfoW(::MonitorFromWindow(hCover, MONITOR_DEFAULTTONEAREST), &mi);
            RECT rc;
            ::GetWindowRect(hCover, &rc);
            EXPECT_TRUE(::EqualRect(&rc, &mi.rcMonitor));
            EXPECT_FALSE(mi.dwFlags & MONITORINFOF_PRIMARY);
            EXPECT_TRUE(::IsWindowVisible(hCover));
            EXPECT_TRUE(::GetWindowLongW(hCover, GWL_EXSTYLE) & WS_EX_TOPMOST);
        }
        ::PostMessageW(covers.empty() ? d.m_hWnd : covers[0], WM_LBUTTONDOWN, MK_LBUTTON, 0);
        EXPECT_TRUE(WaitForEnd(d));
    });
    EXPECT_EQ(IDCANCEL, nResult);
    for (HWND hCover : covers) EXPECT_FALSE(::IsWindow(hCover));
}

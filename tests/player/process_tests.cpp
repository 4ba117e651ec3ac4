// The screen saver run as the system runs it, ended by real input: mouse
// moves and keys through SendInput, and the system messages it ends on.
#include "tests/support/ScreenSaverProcess.h"
#include "tests/support/SystemInput.h"
#include "tests/support/Printers.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
const DWORD kWindowTimeout = 15000;

class PlayerProcessTest : public ::testing::Test {
protected:
    // Starts the player with the cursor at rest at (400, 300); with bInput,
    // waits until it takes movement (its dialog holds the capture) and keys.
    HWND Start(bool bInput = true)
    {
        MoveCursor(400, 300);
        m_pSaver.reset(new ScreenSaverProcess(L"/s"));
        HWND hWnd = m_pSaver->WaitForWindow(kWindowTimeout);
        if (!hWnd) {
            ADD_FAILURE() << "no player window";
        } else if (bInput) {
            EXPECT_TRUE(WaitForCaptureBy(hWnd)) << "the player never took the capture from its control";
            EXPECT_TRUE(WaitForFocusInside(hWnd)) << "the focus never came inside the player";
        }
        return hWnd;
    }
    bool EndsWithoutPowerAction() { return m_pSaver->WaitForExit(5000) == 0; }
    bool StillRuns() { return m_pSaver->WaitForExit(1000) == STILL_ACTIVE; }

    void ExpectEndedBy(const char* pszWhat, const std::function<void(HWND)>& act, bool bInput = true)
    {
        SCOPED_TRACE(pszWhat);
        HWND hWnd = Start(bInput);
        ASSERT_NE(nullptr, hWnd);
        act(hWnd);
        EXPECT_TRUE(EndsWithoutPowerAction());
    }

    std::unique_ptr<ScreenSaverProcess> m_pSaver;
};

// The centre of a monitor other than the primary one; false when there is
// only one (two-monitors.sh runs these tests on two).
BOOL CALLBACK FindOtherMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    MONITORINFO mi = { sizeof(mi) };
    if (!::GetMonitorInfoW(hMonitor, &mi) || (mi.dwFlags & MONITORINFOF_PRIMARY)) return TRUE;
    *reinterpret_cast<POINT*>(lParam) = { (mi.rcMonitor.left + mi.rcMonitor.right) / 2,
                                          (mi.rcMonitor.top + mi.rcMonitor.bottom) / 2 };
    return FALSE;
}

bool OtherMonitorCentre(POINT& pt)
{
    pt = { -1, -1 };
    ::EnumDisplayMonitors(nullptr, nullptr, FindOtherMonitor, reinterpret_cast<LPARAM>(&pt));
    return pt.x != -1 || pt.y != -1;
}

COLORREF ScreenPixel(POINT pt)
{
    HDC hdc = ::GetDC(nullptr);
    COLORREF clr = ::GetPixel(hdc, pt.x, pt.y);
    ::ReleaseDC(nullptr, hdc);
    return clr;
}
}

TEST_F(PlayerProcessTest, ThePlayerCoversThePrimaryScreenTopmost)
{
    HWND hWnd = Start();
    ASSERT_NE(nullptr, hWnd);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), rc.right - rc.left);
    EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN), rc.bottom - rc.top);
    EXPECT_TRUE(::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(CString(L"Driftreel Player"), WindowText(hWnd));
    PressKey(VK_SPACE);
    EXPECT_TRUE(EndsWithoutPowerAction());
}

TEST_F(PlayerProcessTest, SmallAndVerticalMovesGoOnSixPixelsAcrossEndIt)
{
    ASSERT_NE(nullptr, Start());
    MoveCursor(400, 310);  // the first movement seen is the base
    MoveCursor(405, 320);
    MoveCursor(395, 330);
    for (int y = 300; y <= 700; y += 100) MoveCursor(400, y);
    EXPECT_TRUE(StillRuns());
    MoveCursor(406, 700);  // hands the capture to the control,
    MoveCursor(407, 690);  // whose first event is only recorded
    MoveCursor(408, 680);
    EXPECT_TRUE(EndsWithoutPowerAction());
}

TEST_F(PlayerProcessTest, ButtonsAndKeysEndIt)
{
    ExpectEndedBy("left button", [](HWND) { PressButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); });
    ExpectEndedBy("right button", [](HWND) { PressButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); });
    ExpectEndedBy("middle button", [](HWND) { PressButton(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP); });
    ExpectEndedBy("a key", [](HWND) { PressKey('A'); });
    ExpectEndedBy("F1", [](HWND) { PressKey(VK_F1); });
}

TEST_F(PlayerProcessTest, SystemEventsEndIt)
{
    ExpectEndedBy("another window", [](HWND) { ActivateAnotherWindow(); });
    // Messages of the system reach the player whether or not it takes input.
    const bool bInput = false;
    ExpectEndedBy(
        "display change", [](HWND h) { ::PostMessageW(h, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600)); }, bInput);
    ExpectEndedBy(
        "suspend query", [](HWND h) { ::PostMessageW(h, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0); }, bInput);
    ExpectEndedBy("resume", [](HWND h) { ::PostMessageW(h, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0); }, bInput);
}

TEST_F(PlayerProcessTest, PowerStatusChangesDoNotEndIt)
{
    HWND hWnd = Start();
    ASSERT_NE(nullptr, hWnd);
    ::PostMessageW(hWnd, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
    ::PostMessageW(hWnd, WM_POWERBROADCAST, PBT_APMBATTERYLOW, 0);
    EXPECT_TRUE(StillRuns());
    PressButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(EndsWithoutPowerAction());
}

TEST_F(PlayerProcessTest, AnotherMonitorIsBlackAndInputOverItEndsThePlayer)
{
    POINT ptOther;
    if (!OtherMonitorCentre(ptOther)) GTEST_SKIP() << "a desktop of one monitor";
    ExpectEndedBy("movement there", [&](HWND) {
        HWND hCover = ::WindowFromPoint(ptOther);
        DWORD dwProcess = 0;
        ::GetWindowThreadProcessId(hCover, &dwProcess);
        EXPECT_EQ(m_pSaver->ProcessId(), dwProcess);
        EXPECT_TRUE(::GetWindowLongW(hCover, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(RGB(0, 0, 0), ScreenPixel(ptOther));
        for (int i = 0; i < 5 && m_pSaver->WaitForExit(0) == STILL_ACTIVE; ++i)
            MoveCursor(ptOther.x + 20 * i, ptOther.y + 10 * i);
    });
    ExpectEndedBy("a click there", [&](HWND) {
        MoveCursor(ptOther.x, ptOther.y);
        PressButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    });
}

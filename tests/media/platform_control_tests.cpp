// The platform's own media player control in control 1000, as Windows users
// get it: hosted by both dialogs, driven by DISPID, heard through its own
// events. Wine's control implements neither playState nor close and reports
// no input; where it falls short the dialogs go on quietly. It plays only
// where the system can; without that the playback checks skip.
#include "tests/media/PlatformControl.h"
#include "tests/media/MediaHostDialog.h"
#include "tests/config/SettingsDialogFixture.h"
#include "tests/player/PlayerHarness.h"
#include "tests/soak/ResourceCounts.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalDriver.h"
#include "media/DirectShowPlayer.h"
#include "res/ids.h"
#include <wmp.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <string>

namespace {
// One open took up to 15 s where 32-bit code runs emulated, 5 s warm.
const DWORD kOpenMs = 30000;
using Log = PlatformControlScope;

std::wstring ClassOf(HWND hWnd)
{
    wchar_t szClass[64] = {};
    ::GetClassNameW(hWnd, szClass, 64);
    return szClass;
}

std::string Text(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + ", " +
           std::to_string(rc.bottom) + ")";
}

// Where hWnd lies in hParent's client area.
std::string RectIn(HWND hWnd, HWND hParent)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return Text(rc);
}

BOOL CALLBACK FindOtherDialog(HWND hWnd, LPARAM lParam)
{
    HWND* pFound = reinterpret_cast<HWND*>(lParam);
    if (hWnd == *pFound || !::IsWindowVisible(hWnd) || ClassOf(hWnd) != L"#32770") return TRUE;
    *pFound = hWnd;
    return FALSE;
}

// A visible dialog of this thread besides hDialog: a notice.
bool NoticeShown(HWND hDialog)
{
    HWND hFound = hDialog;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOtherDialog, reinterpret_cast<LPARAM>(&hFound));
    return hFound != hDialog;
}

std::wstring Events(const MediaHostDialog& d)
{
    std::wstring strEvents;
    for (const ReceivedEvent& e : d.m_events)
        strEvents += (strEvents.empty() ? L"" : L" ") + std::to_wstring(e.dispid) + L":" + std::to_wstring(e.nState);
    return strEvents;
}

// A key press and a move of the mouse far enough to count as input.
void KeyAndMove()
{
    INPUT in[3] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = 'A';
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    in[2].type = INPUT_MOUSE;
    in[2].mi.dx = 50;
    in[2].mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(3, in, sizeof(INPUT));
}

IUnknown* CreateOurComponent() { return static_cast<IDispatch*>(new DirectShowPlayer); }
}

TEST(PlatformControl, IsRegisteredForThisProgramWithTheMembersTheBindingCalls)
{
    // A 32-bit program in the 64-bit prefix, as users run the saver.
    const wchar_t* pszMissing = PlatformControlMissing();
    ASSERT_EQ(nullptr, pszMissing) << pszMissing;
    const IID& player = __uuidof(IWMPPlayer4);
    const IID& controls = __uuidof(IWMPControls);
    const IID& settings = __uuidof(IWMPSettings);
    EXPECT_EQ(MediaDispid::URL, PlatformMemberDispid(player, L"URL"));
    EXPECT_EQ(MediaDispid::Close, PlatformMemberDispid(player, L"close"));
    EXPECT_EQ(MediaDispid::Controls, PlatformMemberDispid(player, L"controls"));
    EXPECT_EQ(MediaDispid::Settings, PlatformMemberDispid(player, L"settings"));
    EXPECT_EQ(MediaDispid::PlayState, PlatformMemberDispid(player, L"playState"));
    EXPECT_EQ(MediaDispid::Play, PlatformMemberDispid(controls, L"play"));
    EXPECT_EQ(MediaDispid::Stop, PlatformMemberDispid(controls, L"stop"));
    EXPECT_EQ(MediaDispid::CurrentPosition, PlatformMemberDispid(controls, L"currentPosition"));
    EXPECT_EQ(MediaDispid::Volume, PlatformMemberDispid(settings, L"volume"));
    EXPECT_EQ(MediaDispid::EnableErrorDialogs, PlatformMemberDispid(settings, L"enableErrorDialogs"));
}

class PlatformHostTest : public ::testing::Test {
protected:
    void SetUp() override { AfxEnableControlContainer(); }
    // One run of the test host: the control sits at control 1000's
    // rectangle and answers by DISPID; what it cannot do fails quietly.
    static void HostOnce()
    {
        MediaHostDialog dlg;
        dlg.Run([](MediaHostDialog& d) {
            HWND hControl = d.m_player.GetSafeHwnd();
            EXPECT_EQ(L"ATL:WMP", ClassOf(hControl));
            CRect rcItem(10, 10, 210, 150);   // control 1000 of media_tests.rc
            ::MapDialogRect(d.m_hWnd, &rcItem);
            EXPECT_EQ(Text(rcItem), RectIn(hControl, d.m_hWnd));
            size_t nMark = Log::Log().size();
            CWMPSettings(d.m_player.get_settings()).put_volume(40);
            EXPECT_EQ(0, d.m_player.get_playState());
            d.m_player.close();
            EXPECT_EQ(L"get settings | put volume 40 | get playState failed | call close failed", Log::LogSince(nMark));
        });
    }
    PlatformControlScope m_control;
};

TEST_F(PlatformHostTest, SitsAtControl1000AndGoesWithTheDialogLeavingNothing)
{
    HostOnce();   // loads the libraries and registers the window classes once
    ResourceCounts before = ResourceCounts::Take();
    HostOnce();
    ResourceCounts after = ResourceCounts::Take();
    EXPECT_EQ(0, Log::LiveObjects());
    EXPECT_EQ(0, CountWindowsOfClass(L"ATL:WMP"));
    // The control's own message window goes with the control.
    EXPECT_EQ(0, CountWindowsOfClass(L"_WMPMessage"));
    EXPECT_EQ(before.m_dwHandles, after.m_dwHandles);
    EXPECT_EQ(before.m_dwGdiObjects, after.m_dwGdiObjects);
    EXPECT_EQ(before.m_dwUserObjects, after.m_dwUserObjects);
}

// What the dialogs rely on from either control: ready after a URL, playing
// after play, media ended at the end, stopped after stop. The sequences
// around them differ; the test prints both.
TEST_F(PlatformHostTest, BothControlsReportWhatTheDialogsWaitFor)
{
    const MediaObjectFactory pfnPlatform = SetMediaObjectFactory(nullptr);
    for (MediaObjectFactory pfn : { &CreateOurComponent, pfnPlatform }) {
        SetMediaObjectFactory(pfn);
        const bool bOurs = pfn == &CreateOurComponent;
        const char* pszWhich = bOurs ? "ours" : "platform";
        MediaHostDialog dlg;
        dlg.Run([&](MediaHostDialog& d) {
            d.m_player.put_URL(TestMediaPath(L"media_test.wmv"));
            EXPECT_TRUE(d.WaitForEvent(MediaDispid::PlayStateChange, kPlayStateReady, kOpenMs)) << pszWhich;
            printf("[events] %s, URL: %ls\n", pszWhich, Events(d).c_str());
            d.ClearEvents();
            CWMPControls3 controls(d.m_player.get_controls());
            controls.play();
            bool bPlaying = d.WaitForEvent(MediaDispid::PlayStateChange, kPlayStatePlaying, kOpenMs);
            printf("[events] %s, play: %ls\n", pszWhich, Events(d).c_str());
            ASSERT_TRUE(bPlaying || !bOurs);
            if (!bPlaying) GTEST_SKIP() << "the platform's control cannot play here: " << Events(d);
            d.ClearEvents();
            EXPECT_TRUE(d.WaitForEvent(MediaDispid::PlayStateChange, kPlayStateMediaEnded, kOpenMs)) << pszWhich;
            printf("[events] %s, end: %ls\n", pszWhich, Events(d).c_str());
            d.ClearEvents();
            controls.stop();
            EXPECT_TRUE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStateStopped)) << pszWhich;
            printf("[events] %s, stop: %ls\n", pszWhich, Events(d).c_str());
        });
    }
}

// Wine's control shows its movie in a top-level window of its own, made on
// another thread of this process; activation goes to it when a movie starts
// and to nobody when it goes. The platform's control on Windows shows the
// movie inside its own window. The player would take each of these changes
// for another program coming forward and end, inside the control's play,
// which Wine's control does not survive; here it takes no notice of them.
class WinePlayerDialog : public PlayerDialog {
public:
    WinePlayerDialog() : PlayerDialog(nullptr) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ACTIVATEAPP) return 0;
        return PlayerDialog::WindowProc(message, wParam, lParam);
    }
};

class PlatformPlayerTest : public PlayerTest {
protected:
    CString CopyMovie(const wchar_t* pszFrom, const wchar_t* pszName)
    {
        CString strTo = m_folder.Path() + L"\\" + pszName;
        ::CopyFileW(TestMediaPath(pszFrom), strTo, FALSE);
        return strTo;
    }
    static std::vector<std::wstring> UrlsPut()
    {
        std::vector<std::wstring> urls;
        for (const std::wstring& entry : Log::Log())
            if (entry.compare(0, 8, L"put URL ") == 0) urls.push_back(entry.substr(8));
        return urls;
    }
    // The log's last URL has been followed by playing, or by two failed plays.
    static bool LastUrlSettled()
    {
        size_t nFailed = 0;
        for (auto it = Log::Log().rbegin(); it != Log::Log().rend() && it->compare(0, 8, L"put URL ") != 0; ++it) {
            if (*it == L"event 5101:3") return true;
            nFailed += *it == L"event 5101:0";
        }
        return nFailed >= 2;
    }
    PlatformControlScope m_control;
};

TEST_F(PlatformPlayerTest, GoesFromMovieToMovieOnTheControlsOwnEventsAndEndsQuietly)
{
    std::wstring strFirst(CopyMovie(L"media_test.wmv", L"first.wmv")), strSecond(CopyMovie(L"media_test.mpg", L"second.mpg"));
    PlayList({ L"first", L"second" });
    WinePlayerDialog player;
    INT_PTR nResult = Run(player, [&](PlayerDialog& dlg) {
        HWND hControl = dlg.m_player.GetSafeHwnd();
        ASSERT_EQ(L"ATL:WMP", ClassOf(hControl));
        RECT rcClient;
        ::GetClientRect(dlg.m_hWnd, &rcClient);
        EXPECT_EQ(Text(rcClient), RectIn(hControl, dlg.m_hWnd));
        // The control lays itself out from what its site tells it.
        EXPECT_EQ(Text(rcClient), Text(Log::LastObjectRects())) << "the control was not told its size";

        bool bSettled = PumpMessagesUntil(&LastUrlSettled, kOpenMs);
        if (!bSettled || Log::CountSince(0, L"event 5101:3") == 0) {
            dlg.EndDialog(IDCANCEL);
            GTEST_SKIP() << "the platform's control cannot play here: " << Log::LogSince(0);
        }
        // The control reports neither: the player plays on, and each ending
        // opens the next, the second, then the first again.
        KeyAndMove();
        bool bRound = PumpMessagesUntil([] { return UrlsPut().size() >= 3 && LastUrlSettled(); }, 4 * kOpenMs);
        EXPECT_TRUE(bRound) << Log::LogSince(0);
        EXPECT_EQ((std::vector<std::wstring>{ strFirst, strSecond, strFirst }), UrlsPut());
        // close fails every time, quietly.
        EXPECT_GE(Log::CountSince(0, L"call close failed"), 2u);
        EXPECT_FALSE(NoticeShown(dlg.m_hWnd));

        // The system asks to suspend: stopped, closed (which fails), ended.
        size_t nMark = Log::Log().size();
        dlg.SendMessage(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0);
        EXPECT_TRUE(WaitForEnd(dlg)) << Log::LogSince(nMark);
        EXPECT_EQ(L"get controls | call stop", Log::LogSince(nMark).substr(0, 24));
        EXPECT_EQ(1u, Log::CountSince(nMark, L"call close failed"));
    }, 8 * kOpenMs);
    EXPECT_EQ(IDCANCEL, nResult);
}

class PlatformPreviewTest : public SettingsDialogTest {
protected:
    PlatformControlScope m_control;
};

TEST_F(PlatformPreviewTest, PlayAndStopReachTheControlAndTheDialogGoesOn)
{
    m_root.AddFolder(L"Sea", {});
    CString strMovie = m_root.CopyFile(TestMediaPath(L"media_test.wmv"), L"Sea\\a.wmv");
    StoreChoice(strMovie, 0);
    SettingsDialog settings(nullptr);
    m_app.m_pMainWnd = &settings;
    INT_PTR nResult = RunModalWith(settings, [&](CDialog& dlg) {
        const std::wstring strUrl = L"put URL " + std::wstring(strMovie);
        ASSERT_TRUE(PumpMessagesUntil([&] { return Log::CountSince(0, strUrl) == 1; }, kOpenMs));
        EXPECT_EQ(L"ATL:WMP", ClassOf(::GetDlgItem(dlg, IDC_MEDIA_PLAYER)));
        size_t nMark = Log::Log().size();
        Click(dlg, IDC_PLAY);
        EXPECT_EQ(1u, Log::CountSince(nMark, L"call play"));
        // The control cannot tell its play state: the preview takes it as not
        // playing and leaves it as it is.
        nMark = Log::Log().size();
        Click(dlg, IDC_STOP);
        EXPECT_EQ(L"get playState failed", Log::LogSince(nMark));
        EXPECT_TRUE(IsEnabled(dlg, IDC_STOP));
        EXPECT_FALSE(NoticeShown(dlg));
        Click(dlg, IDCANCEL);
    }, 4 * kOpenMs);
    m_app.m_pMainWnd = nullptr;
    EXPECT_EQ(IDCANCEL, nResult);
}

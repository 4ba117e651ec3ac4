// The preview: what it is handed, Play and Stop, the volume, the events of
// the control and the system events that stop it.
#include "tests/config/SettingsDialogFixture.h"
#include "media/MediaIds.h"
#include "res/ids.h"
#include "tests/support/FakePowerPlatform.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScreenCapture.h"
#include "tests/support/ScreenSaverProcess.h"
#include "controls/SkinColors.h"
#include "media/DirectShowPlayer.h"
#include "media/MediaFactory.h"
#include <algorithm>

namespace {
size_t CountOf(const std::vector<std::wstring>& calls, const std::wstring& call)
{
    return (size_t)std::count(calls.begin(), calls.end(), call);
}
}

class SettingsPreviewTest : public SettingsDialogTest {
protected:
    void SetUp() override
    {
        m_strSea = m_root.AddFolder(L"Sea", { L"a.wmv", L"b.wmv" });
        StoreChoice(m_strSea + L"\\b.wmv", 0);
    }
    // The calls the preview got from now on.
    std::vector<std::wstring> CallsSince(size_t nMark) const
    {
        const std::vector<std::wstring>& calls = Preview().m_calls;
        return std::vector<std::wstring>(calls.begin() + (long)std::min(nMark, calls.size()), calls.end());
    }
    CString m_strSea;
};

TEST_F(SettingsPreviewTest, HandsTheSelectedMovieOverAndPlaysItOnPlay)
{
    Run([this](CDialog& dlg) {
        std::vector<std::wstring> opening = CallsSince(0);
        std::wstring strMovie = L"put URL " + std::wstring(m_strSea) + L"\\b.wmv";
        ASSERT_FALSE(opening.empty());
        EXPECT_EQ(strMovie, opening[opening.size() - 2]);
        EXPECT_EQ(L"put volume 50", opening.back());
        EXPECT_EQ(0u, CountOf(opening, L"play"));
        size_t nMark = Preview().m_calls.size();
        Click(dlg, IDC_PLAY);
        EXPECT_EQ(std::vector<std::wstring>{ L"play" }, CallsSince(nMark));
        EXPECT_FALSE(IsEnabled(dlg, IDC_PLAY));
        EXPECT_TRUE(IsEnabled(dlg, IDC_STOP));
    });
}

TEST_F(SettingsPreviewTest, StopAndClicksCloseAndRewindOnlyWhilePlaying)
{
    Run([this](CDialog& dlg) {
        Click(dlg, IDC_PLAY);
        size_t nMark = Preview().m_calls.size();
        Preview().m_nPlayState = kPlayStateStopped;
        Click(dlg, IDC_STOP);
        EXPECT_EQ(std::vector<std::wstring>{ L"get playState" }, CallsSince(nMark));
        EXPECT_TRUE(IsEnabled(dlg, IDC_STOP));

        std::vector<std::wstring> expected = { L"get playState", L"close", L"put currentPosition 0" };
        Preview().m_nPlayState = kPlayStatePlaying;
        nMark = Preview().m_calls.size();
        Click(dlg, IDC_STOP);
        EXPECT_EQ(expected, CallsSince(nMark));
        EXPECT_TRUE(IsEnabled(dlg, IDC_PLAY));
        EXPECT_FALSE(IsEnabled(dlg, IDC_STOP));
        EXPECT_EQ(::GetDlgItem(dlg, IDC_PLAY), ::GetFocus());

        nMark = Preview().m_calls.size();
        Preview().FireClick(kMouseLeft, 0, 5, 5);
        Preview().FireDoubleClick(kMouseLeft, 0, 5, 5);
        EXPECT_EQ(2u, CountOf(CallsSince(nMark), L"close"));
    });
}

TEST_F(SettingsPreviewTest, DisplayHeldOnShowsTheNoticeInsteadOfPlaying)
{
    FakePowerPlatform power;
    power.dwExecutionState = ES_DISPLAY_REQUIRED;
    SettingsDialog dlg(nullptr);
    dlg.m_pPowerPlatform = &power;
    Run(dlg, [this](CDialog& shown) {
        size_t nMark = Preview().m_calls.size();
        AnswerNextNotice(shown, IDOK);
        Click(shown, IDC_PLAY);
        EXPECT_EQ(0u, CountOf(CallsSince(nMark), L"play"));
        EXPECT_TRUE(IsEnabled(shown, IDC_PLAY));
        EXPECT_EQ(shown.m_hWnd, LastNoticeSeen().hOwner);
        EXPECT_FALSE(LastNoticeSeen().bOpenerEnabled);
        EXPECT_GT(LastNoticeSeen().dSkinShare, 0.5) << "the notice over the dialog is not painted on the screen";
        EXPECT_TRUE(::IsWindowEnabled(shown));
    });
    EXPECT_EQ(1, power.nExecutionQueries);
}

TEST_F(SettingsPreviewTest, VolumeButtonsStepByTwentyFiveWithinOneToHundred)
{
    Run([this](CDialog& dlg) {
        auto step = [&](int nButton, int nExpected) {
            Click(dlg, nButton);
            EXPECT_EQ(nExpected, SliderPos(dlg));
            EXPECT_EQ(L"put volume " + std::to_wstring(nExpected), Preview().m_calls.back());
        };
        EXPECT_EQ(50, SliderPos(dlg));
        step(IDC_VOLUME_DOWN, 25);
        step(IDC_VOLUME_DOWN, 1);
        step(IDC_VOLUME_DOWN, 1);
        step(IDC_VOLUME_UP, 26);
        step(IDC_VOLUME_UP, 51);
        step(IDC_VOLUME_UP, 76);
        step(IDC_VOLUME_UP, 100);
        step(IDC_VOLUME_UP, 100);
        step(IDC_VOLUME_DOWN, 75);
        step(IDC_VOLUME_DOWN, 50);
        step(IDC_VOLUME_UP, 75);
        step(IDC_VOLUME_UP, 100);
        // The slider's own moves reach the preview too.
        HWND hSlider = ::GetDlgItem(dlg, IDC_VOLUME_SLIDER);
        ::SendMessageW(hSlider, TBM_SETPOS, TRUE, 40);
        ::SendMessageW(dlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 40), (LPARAM)hSlider);
        EXPECT_EQ(L"put volume 40", Preview().m_calls.back());
        Click(dlg, IDOK);
    });
    EXPECT_EQ(40u, m_user.GetDword(nullptr, L"Volume"));
}

TEST_F(SettingsPreviewTest, LockAndSuspendQueryCloseThePreviewAndLeavePlayReady)
{
    Run([this](CDialog& dlg) {
        Click(dlg, IDC_PLAY);
        size_t nMark = Preview().m_calls.size();
        ::SendMessageW(dlg, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
        EXPECT_TRUE(CallsSince(nMark).empty());
        ::SendMessageW(dlg, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
        EXPECT_EQ((std::vector<std::wstring>{ L"stop", L"close" }), CallsSince(nMark));
        EXPECT_TRUE(IsEnabled(dlg, IDC_PLAY));
        EXPECT_FALSE(IsEnabled(dlg, IDC_STOP));
        Click(dlg, IDC_PLAY);
        nMark = Preview().m_calls.size();
        ::SendMessageW(dlg, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0);
        EXPECT_EQ((std::vector<std::wstring>{ L"stop", L"close" }), CallsSince(nMark));
        EXPECT_TRUE(IsEnabled(dlg, IDC_PLAY));
        EXPECT_FALSE(IsEnabled(dlg, IDC_STOP));
    });
}

TEST_F(SettingsPreviewTest, MissingCodecShowsTheCodecPictureOnce)
{
    Run([this](CDialog& dlg) {
        std::wstring strPicture = L"put URL " + std::wstring(m_root.Path()) + L"\\ErrorNoCodec.JPG";
        for (int nMovie = 0; nMovie < 2; ++nMovie) {
            Preview().FireOpenStateChange(kOpenStateBeginCodecAcquisition);
            Preview().FireOpenStateChange(kOpenStateMediaWaiting);
            PumpMessagesFor(100);
        }
        EXPECT_EQ(1u, CountOf(Preview().m_calls, strPicture));
        auto it = std::find(Preview().m_calls.begin(), Preview().m_calls.end(), strPicture);
        ASSERT_NE(Preview().m_calls.end(), it);
        EXPECT_EQ(L"stop", *(it - 1));
        EXPECT_EQ(L"play", *(it + 1));
        (void)dlg;
    });
}

TEST_F(SettingsPreviewTest, EndOfTheMovieClosesAndRewinds)
{
    Run([this](CDialog& dlg) {
        Click(dlg, IDC_PLAY);
        size_t nMark = Preview().m_calls.size();
        Preview().FirePlayStateChange(kPlayStateMediaEnded);
        EXPECT_TRUE(CallsSince(nMark).empty());  // handled after the event, not inside it
        PumpMessagesFor(100);
        EXPECT_EQ((std::vector<std::wstring>{ L"close", L"put currentPosition 0" }), CallsSince(nMark));
        EXPECT_TRUE(IsEnabled(dlg, IDC_PLAY));
        EXPECT_FALSE(IsEnabled(dlg, IDC_STOP));
    });
}

TEST_F(SettingsPreviewTest, ItemsWithoutSelectionShowTheNoFilePicture)
{
    Run([this](CDialog& dlg) {
        m_root.AddFolder(L"Sea", { L".wmv" });
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED;
        ::SendDlgItemMessageW(dlg, IDC_MOVIE_LIST, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&item);
        std::wstring strPicture = L"put URL " + std::wstring(m_root.Path()) + L"\\ErrorNoFile.JPG";
        EXPECT_EQ(strPicture, Preview().m_calls.back());
        EXPECT_FALSE(IsEnabled(dlg, IDOK));
        EXPECT_FALSE(IsEnabled(dlg, IDC_PLAY));
        EXPECT_EQ(CString(), ControlText(dlg, IDC_MOVIE_TITLE));
    });
}

namespace {
IUnknown* CreateOurPlayer() { return static_cast<IDispatch*>(new DirectShowPlayer); }

// The share of the preview's area that the screen shows in the dialog's
// background colour.
double BackgroundShare(const CWnd& wndPreview)
{
    CRect rc;
    wndPreview.GetWindowRect(&rc);
    std::vector<DWORD> pixels = CaptureScreen(rc);
    const COLORREF bk = SkinColors::kDialog;
    const DWORD background = RGB(GetBValue(bk), GetGValue(bk), GetRValue(bk));
    return pixels.empty() ? 1.0 : (double)std::count(pixels.begin(), pixels.end(), background) / pixels.size();
}
}

// Our own component: a change of mode while a movie plays hands the movie
// over again and repaints the dialog; the preview goes on showing black or
// a picture of the movie.
TEST_F(SettingsPreviewTest, AModeChangeWhilePlayingLeavesThePreviewPainted)
{
    for (const wchar_t* pszName : { L"Sea\\a.wmv", L"Sea\\b.wmv" })
        m_root.CopyFile(ProgramFolder() + L"\\media_test.wmv", pszName);
    MediaObjectFactory pfnDoubles = SetMediaObjectFactory(&CreateOurPlayer);
    Run([](CDialog& dlg) {
        CWMPPlayer4& preview = static_cast<SettingsDialog&>(dlg).m_wndPreview;
        ASSERT_TRUE(PumpMessagesUntil([&] { return preview.get_playState() == kPlayStateReady; }, 10000));
        Click(dlg, IDC_PLAY);
        ASSERT_TRUE(PumpMessagesUntil([&] { return preview.get_playState() == kPlayStatePlaying; }, 10000));
        Click(dlg, IDC_PLAY_ALL);
        ASSERT_TRUE(IsChecked(dlg, IDC_PLAY_ALL));
        // The repaint the change asked for, before anything else.
        ::RedrawWindow(dlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(PumpMessagesUntil([&] {
            return preview.get_playState() == kPlayStateReady && BackgroundShare(preview) < 0.05;
        }, 5000)) << "background share " << BackgroundShare(preview);
    });
    SetMediaObjectFactory(pfnDoubles);
}

// Our DirectShow component hosted in a dialog under Wine: movies play in the
// control's rectangle and report their states, pictures show, the
// playback calls work, and real input turns into the control's events.
#include "tests/media/MediaHostDialog.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScreenCapture.h"
#include "tests/soak/ResourceCounts.h"
#include "media/DirectShowPlayer.h"
#include "media/MediaFactory.h"
#include "framework/AfxComPtr.h"
#include "framework/COlePropertyBag.h"
#include <gtest/gtest.h>
#include <cwchar>
#include <string>
#include <vector>

namespace {
DirectShowPlayer* g_pPlayer = nullptr;

IUnknown* CreateWatchedPlayer()
{
    g_pPlayer = new DirectShowPlayer;
    return static_cast<IDispatch*>(g_pPlayer);
}

size_t CountDifferences(const std::vector<DWORD>& a, const std::vector<DWORD>& b)
{
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n;
}

bool IsDark(DWORD p) { return GetRValue(p) < 24 && GetGValue(p) < 24 && GetBValue(p) < 24; }

bool IsGreen(DWORD p) { return GetGValue(p) > 120 && GetRValue(p) < 80 && GetBValue(p) < 80; }

DWORD ScreenPixel(int x, int y) { return CaptureScreen(CRect(x, y, x + 1, y + 1))[0]; }

// A black frame: nearly every pixel dark.
bool IsBlack(const std::vector<DWORD>& pixels)
{
    size_t nDark = 0;
    for (DWORD p : pixels) nDark += IsDark(p);
    return nDark > pixels.size() * 9 / 10;
}

void SendMouse(DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    ::SendInput(1, &in, sizeof(in));
}

void SendKey(WORD wVk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = wVk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(in));
}

class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxEnableControlContainer();
        m_pfnPrevious = SetMediaObjectFactory(&CreateWatchedPlayer);
    }
    void TearDown() override
    {
        SetMediaObjectFactory(m_pfnPrevious);
        g_pPlayer = nullptr;
    }
    // Opens a file and waits until the control reports it ready.
    static void Open(MediaHostDialog& d, const wchar_t* pszName)
    {
        SCOPED_TRACE(testing::Message() << "opening " << pszName);
        d.ClearEvents();
        d.m_player.put_URL(TestMediaPath(pszName));
        ASSERT_TRUE(d.WaitForEvent(MediaDispid::PlayStateChange, kPlayStateReady)) << "the medium is ready";
        EXPECT_TRUE(d.HasEvent(MediaDispid::OpenStateChange, kOpenStateMediaOpen)) << "the medium is reported open";
    }
    static void Play(MediaHostDialog& d)
    {
        SCOPED_TRACE("playing");
        CWMPControls3(d.m_player.get_controls()).play();
        ASSERT_TRUE(d.WaitForEvent(MediaDispid::PlayStateChange, kPlayStatePlaying)) << "the medium plays";
        EXPECT_EQ(kPlayStatePlaying, d.m_player.get_playState());
    }
    // Gives the hosted control one persisted property after the
    // container's, as a property bag.
    static void LoadProperty(MediaHostDialog& d, const wchar_t* pszName, const wchar_t* pszValue)
    {
        const AFX_CONTROL_PROPERTY property = { pszName, pszValue };
        Microsoft::WRL::ComPtr<IPersistPropertyBag> spPersist;
        ASSERT_TRUE(SUCCEEDED(d.m_player.GetControlUnknown()->QueryInterface(IID_PPV_ARGS(&spPersist))));
        Microsoft::WRL::ComPtr<IPropertyBag> spBag = AfxTakeOver<IPropertyBag>(new COlePropertyBag(&property, 1));
        EXPECT_EQ(S_OK, spPersist->Load(spBag.Get(), nullptr));
    }
    // The picture fills rcMovie (on the screen) and the control is black
    // just outside it.
    static void ExpectPictureIn(const CRect& rcControl, const CRect& rcMovie)
    {
        const int m = 3;
        const int xMid = (rcMovie.left + rcMovie.right) / 2, yMid = (rcMovie.top + rcMovie.bottom) / 2;
        const POINT inside[] = { { rcMovie.left + m, rcMovie.top + m }, { rcMovie.right - m, rcMovie.bottom - m },
                                 { xMid, yMid } };
        for (POINT pt : inside) EXPECT_TRUE(IsGreen(ScreenPixel(pt.x, pt.y))) << "inside at " << pt.x << "," << pt.y;
        const POINT outside[] = { { xMid, rcMovie.top - m }, { xMid, rcMovie.bottom + m },
                                  { rcMovie.left - m, yMid }, { rcMovie.right + m, yMid } };
        for (POINT pt : outside) {
            if (!::PtInRect(rcControl, pt)) continue;
            EXPECT_TRUE(IsDark(ScreenPixel(pt.x, pt.y))) << "outside at " << pt.x << "," << pt.y;
        }
    }
    MediaObjectFactory m_pfnPrevious = nullptr;
};
}

TEST_F(PlaybackTest, TheWindowsMediaPlayerOfThisSystemIsNotTheOneHosted)
{
    // Under Wine the platform's control has no working automation, so the
    // default choice falls back to our component.
    SetMediaObjectFactory(nullptr);
    MediaHostDialog dlg;
    dlg.Run([](MediaHostDialog& d) {
        wchar_t szClass[64] = {};
        ::GetClassNameW(d.m_player.GetSafeHwnd(), szClass, 64);
        EXPECT_STREQ(L"DriftreelMediaControl", szClass);
        EXPECT_EQ(kPlayStateUndefined, d.m_player.get_playState());
    });
}

// Each movie format the player meets, from its start to its end and again.
class MoviePlaybackTest : public PlaybackTest, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    // Waits for the playing movie's end and gives its last picture.
    static std::vector<DWORD> WaitForTheLastPicture(MediaHostDialog& d)
    {
        SCOPED_TRACE("waiting for the end");
        EXPECT_TRUE(d.WaitForEvent(MediaDispid::PlayStateChange, kPlayStateMediaEnded, 15000)) << "the movie ends";
        // The last picture is the one that stays: on a loaded machine it may
        // reach the screen a little after the end is reported.
        PumpMessagesFor(100);
        std::vector<DWORD> shown = CaptureScreen(d.ControlScreenRect());
        EXPECT_TRUE(PumpMessagesUntil(
            [&] {
                PumpMessagesFor(100);
                std::vector<DWORD> now = CaptureScreen(d.ControlScreenRect());
                bool bSettled = now == shown;
                shown.swap(now);
                return bSettled;
            },
            3000))
            << "the last picture stays on the screen";
        return shown;
    }
    std::vector<DWORD> PlayToTheEnd(MediaHostDialog& d)
    {
        Open(d, GetParam());
        Play(d);
        return WaitForTheLastPicture(d);
    }
    // As the player does at a movie's end or a change: close, open, play.
    void PlayAgain(MediaHostDialog& d)
    {
        d.m_player.close();
        Open(d, GetParam());
        Play(d);
    }
};

INSTANTIATE_TEST_SUITE_P(Formats, MoviePlaybackTest, ::testing::Values(L"media_test.wmv", L"media_test.mpg"),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) {
                             const wchar_t* pszExtension = wcsrchr(info.param, L'.') + 1;
                             return std::string(pszExtension, pszExtension + wcslen(pszExtension));
                         });

TEST_P(MoviePlaybackTest, ThePictureMovesInTheControl)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        Open(d, GetParam());
        Play(d);
        PumpMessagesFor(700);
        CRect rc = d.ControlScreenRect();
        std::vector<DWORD> first = CaptureScreen(rc);
        PumpMessagesFor(1000);
        std::vector<DWORD> second = CaptureScreen(rc);
        EXPECT_GT(CountDifferences(first, second), first.size() / 20) << "the picture did not move";
    });
}

TEST_P(MoviePlaybackTest, TheEndIsReported)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        PlayToTheEnd(d);
        EXPECT_EQ(kPlayStateMediaEnded, d.m_player.get_playState());
    });
}

TEST_P(MoviePlaybackTest, TheLastPictureStaysUntilTheNextMoviesPicturesReplaceIt)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        PlayToTheEnd(d);
        d.m_player.close();
        Open(d, GetParam());
        CRect rc = d.ControlScreenRect();
        for (int i = 0; i < 4; ++i) {
            PumpMessagesFor(40);
            EXPECT_FALSE(IsBlack(CaptureScreen(rc))) << "the last picture shows before play, capture " << i;
        }
        Play(d);
        for (int i = 0; i < 8; ++i) {
            PumpMessagesFor(20);
            EXPECT_FALSE(IsBlack(CaptureScreen(rc))) << "a picture shows after play, capture " << i;
        }
    });
}

// The held pictures of movie changes are all given back, and the same movie
// takes up its kept graph: Wine leaves about a hundred handles behind every
// graph it builds. The system's cache of window DCs may grow by one or two
// while the renderer and the control draw at once; a picture kept by every
// change would not fit in that.
TEST_P(MoviePlaybackTest, MovieChangesGiveBackWhatTheyHold)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        PlayToTheEnd(d);
        PlayAgain(d);
        PumpMessagesFor(100);
        ResourceCounts before = ResourceCounts::Take();
        for (int i = 0; i < 4; ++i) {
            PlayAgain(d);
            PumpMessagesFor(100);
        }
        ResourceCounts after = ResourceCounts::Take();
        EXPECT_LE(after.m_dwGdiObjects, before.m_dwGdiObjects + 2) << "GDI objects left by movie changes";
        EXPECT_LE(after.m_dwHandles, before.m_dwHandles + 20) << "handles left by movie changes";
    });
}

// The kept graph, taken up again after an end and closes in the middle,
// still plays the movie to its last picture.
TEST_P(MoviePlaybackTest, AKeptGraphPlaysToTheLastPicture)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        const std::vector<DWORD> last = PlayToTheEnd(d);
        for (int i = 0; i < 5; ++i) {
            PlayAgain(d);
            PumpMessagesFor(100);
        }
        std::vector<DWORD> again = WaitForTheLastPicture(d);
        EXPECT_LT(CountDifferences(last, again), last.size() / 50) << "the movie was cut short";
    });
}

TEST_F(PlaybackTest, APictureShowsAsAReadyAndPlayingMedium)
{
    MediaHostDialog dlg;
    dlg.Run([](MediaHostDialog& d) {
        Open(d, L"media_test.jpg");
        Play(d);
        PumpMessagesFor(300);
        CRect rc = d.ControlScreenRect();
        std::vector<DWORD> pixels = CaptureScreen(rc);
        DWORD centre = pixels[(size_t)rc.Height() / 2 * rc.Width() + rc.Width() / 2];
        // The picture is orange, #FF8000.
        EXPECT_GT(GetBValue(centre), 200) << std::hex << centre;  // red, in 0x00RRGGBB
        EXPECT_NEAR(0x80, GetGValue(centre), 40) << std::hex << centre;
        EXPECT_LT(GetRValue(centre), 60) << std::hex << centre;
        EXPECT_EQ(0.0, CWMPControls3(d.m_player.get_controls()).get_currentPosition());
    });
}

// The wide test movie (160x60, green) in a control of another shape: scaled
// to the control's width keeping its shape, or at its own size without
// stretchToFit; centred, black around. Between two movies the held picture
// stands where the movie was.
TEST_F(PlaybackTest, AMovieKeepsItsShape)
{
    for (bool bStretch : { true, false }) {
        SCOPED_TRACE(bStretch ? "stretchToFit true" : "stretchToFit false");
        MediaHostDialog dlg;
        dlg.Run([&](MediaHostDialog& d) {
            if (!bStretch) LoadProperty(d, L"stretchToFit", L"false");
            CRect rc = d.ControlScreenRect();
            const int cx = bStretch ? rc.Width() : 160, cy = bStretch ? rc.Width() * 60 / 160 : 60;
            const int x = rc.left + (rc.Width() - cx) / 2, y = rc.top + (rc.Height() - cy) / 2;
            const CRect rcMovie(x, y, x + cx, y + cy);
            Open(d, L"media_test_wide.wmv");
            Play(d);
            EXPECT_TRUE(PumpMessagesUntil([&] { return IsGreen(ScreenPixel(x + cx / 2, y + cy / 2)); }, 5000));
            ExpectPictureIn(rc, rcMovie);
            ASSERT_TRUE(d.WaitForEvent(MediaDispid::PlayStateChange, kPlayStateMediaEnded, 15000));
            d.m_player.close();
            Open(d, L"media_test_wide.wmv");
            SCOPED_TRACE("the held picture");
            ExpectPictureIn(rc, rcMovie);
        });
    }
}

TEST_F(PlaybackTest, PositionStopCloseAndPlayAgain)
{
    MediaHostDialog dlg;
    dlg.Run([](MediaHostDialog& d) {
        Open(d, L"media_test.wmv");
        Play(d);
        PumpMessagesFor(800);
        // Within the 3-second movie: counted from the start of its run.
        const double dPlayed = CWMPControls3(d.m_player.get_controls()).get_currentPosition();
        EXPECT_GT(dPlayed, 0.3);
        EXPECT_LT(dPlayed, 3.0);
        CWMPControls3(d.m_player.get_controls()).put_currentPosition(2.0);
        EXPECT_NEAR(2.0, CWMPControls3(d.m_player.get_controls()).get_currentPosition(), 0.4);

        CWMPControls3(d.m_player.get_controls()).stop();
        EXPECT_EQ(kPlayStateStopped, d.m_player.get_playState());
        EXPECT_TRUE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStateStopped));
        EXPECT_NEAR(0.0, CWMPControls3(d.m_player.get_controls()).get_currentPosition(), 0.1);

        // A close that no new URL follows leaves an empty picture, as the
        // platform's control does; a frozen one would read as paused.
        d.m_player.close();
        EXPECT_EQ(kPlayStateUndefined, d.m_player.get_playState());
        PumpMessagesFor(100);
        EXPECT_TRUE(IsBlack(CaptureScreen(d.ControlScreenRect()))) << "a closed control still shows a picture";
        CWMPControls3(d.m_player.get_controls()).put_currentPosition(0.0);  // nothing open: ignored
        // Play after close opens the last URL again.
        d.ClearEvents();
        Play(d);
        EXPECT_TRUE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStateReady));
    });
}

TEST_F(PlaybackTest, VolumeSetsTheAudioRenderer)
{
    MediaHostDialog dlg;
    dlg.Run([](MediaHostDialog& d) {
        ASSERT_NE(nullptr, g_pPlayer);
        CWMPSettings(d.m_player.get_settings()).put_volume(25);  // before the movie: kept for it
        Open(d, L"media_test.wmv");
        EXPECT_EQ(VolumeToAttenuation(25), g_pPlayer->GetAttenuation());
        CWMPSettings(d.m_player.get_settings()).put_volume(100);
        EXPECT_EQ(0, g_pPlayer->GetAttenuation());
        CWMPSettings(d.m_player.get_settings()).put_volume(0);
        EXPECT_EQ(-10000, g_pPlayer->GetAttenuation());
    });
}

TEST_F(PlaybackTest, AFileThatCannotBeOpenedIsNoMedia)
{
    MediaHostDialog dlg;
    dlg.Run([](MediaHostDialog& d) {
        d.m_player.put_URL(TestMediaPath(L"missing.wmv"));
        EXPECT_TRUE(d.HasEvent(MediaDispid::OpenStateChange, kOpenStateNoMedia));
        EXPECT_FALSE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStateReady));
        CWMPControls3(d.m_player.get_controls()).play();
        EXPECT_NE(kPlayStatePlaying, d.m_player.get_playState());
    });
}

TEST_F(PlaybackTest, AFileNoDecoderCanReadIsReportedAsAMissingCodec)
{
    MediaHostDialog dlg;
    dlg.Run([](MediaHostDialog& d) {
        d.m_player.put_URL(TestMediaPath(L"media_test_undecodable.avi"));
        std::vector<long> states;
        for (const ReceivedEvent& e : d.m_events)
            if (e.dispid == MediaDispid::OpenStateChange) states.push_back(e.nState);
        std::vector<long> expected = { kOpenStateMediaOpening, kOpenStateBeginCodecAcquisition, kOpenStateMediaWaiting,
                                       kOpenStateBeginCodecAcquisition, kOpenStateMediaWaiting };
        EXPECT_EQ(expected, states);
        EXPECT_FALSE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStateReady));
    });
}

TEST_F(PlaybackTest, RealInputBecomesTheControlsEvents)
{
    MediaHostDialog dlg;
    dlg.Run([](MediaHostDialog& d) {
        Open(d, L"media_test.wmv");
        Play(d);
        ::SetForegroundWindow(d);
        CRect rc = d.ControlScreenRect();
        ::SetCursorPos(rc.left + 40, rc.top + 30);
        PumpMessagesFor(200);
        d.ClearEvents();
        ::SetCursorPos(rc.left + 50, rc.top + 35);
        ASSERT_TRUE(d.WaitForEvent(MediaDispid::MouseMove, -1, 3000));
        PumpMessagesFor(200);
        const ReceivedEvent* pMove = d.FindLastEvent(MediaDispid::MouseMove);
        EXPECT_EQ(50, pMove->x);
        EXPECT_EQ(35, pMove->y);

        SendKey(VK_SHIFT, false);
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
        SendKey(VK_SHIFT, true);
        ASSERT_TRUE(d.WaitForEvent(MediaDispid::Click, -1, 3000));
        const ReceivedEvent* pClick = d.FindLastEvent(MediaDispid::Click);
        EXPECT_EQ(kMouseRight, pClick->nButton);
        EXPECT_EQ(kShiftKey, pClick->nShift);
        EXPECT_EQ(50, pClick->x);
        EXPECT_EQ(35, pClick->y);

        d.ClearEvents();
        ::SetFocus(d.m_player);
        SendKey(VK_CONTROL, false);
        SendKey('K', false);
        SendKey('K', true);
        SendKey(VK_CONTROL, true);
        ASSERT_TRUE(d.WaitForEvent(MediaDispid::KeyDown, -1, 3000));
        bool bSawK = false;
        for (const ReceivedEvent& e : d.m_events)
            if (e.dispid == MediaDispid::KeyDown && e.nButton == 'K') {
                bSawK = true;
                EXPECT_EQ(kControlKey, e.nShift);
            }
        EXPECT_TRUE(bSawK);

        d.ClearEvents();
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(d.WaitForEvent(MediaDispid::DoubleClick, -1, 3000));
        EXPECT_EQ(kMouseLeft, d.FindLastEvent(MediaDispid::DoubleClick)->nButton);
    });
}

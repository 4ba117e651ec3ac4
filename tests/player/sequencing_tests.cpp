// What the player opens first and at the end of each movie, and what a
// missing codec does.
#include "tests/player/PlayerHarness.h"
#include "tests/support/ContentRootScope.h"
#include "tests/support/CursorCount.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Printers.h"
#include "catalogue/ContentRoot.h"

namespace {
using UrlList = std::vector<std::wstring>;

std::wstring NoFilePicture() { return std::wstring(NoFilePicturePath(BuildContentRoot())); }

// Closes every notice that comes up on this thread and counts them. The
// pointer is moved over each notice first, and the notice is closed once
// the cursor shows there (or a second later).
class NoticeCloser {
public:
    NoticeCloser()
    {
        s_nShown = 0;
        s_hOwner = nullptr;
        s_bCursorShown = false;
        m_idTimer = ::SetTimer(nullptr, 0, 50, &NoticeCloser::OnTimer);
    }
    ~NoticeCloser() { ::KillTimer(nullptr, m_idTimer); }
    static int s_nShown;
    static HWND s_hOwner;        // of the last notice
    static bool s_bCursorShown;  // over the last notice

private:
    static BOOL CALLBACK CloseNotice(HWND hWnd, LPARAM)
    {
        wchar_t szCaption[64] = {};
        ::GetWindowTextW(hWnd, szCaption, 64);
        if (!::IsWindowVisible(hWnd) || ::lstrcmpW(szCaption, L"Driftreel Player") == 0 || !::GetDlgItem(hWnd, IDOK))
            return TRUE;
        if (hWnd != s_hPointedAt) {
            s_hPointedAt = hWnd;
            s_nTicks = 0;
            RECT rc;
            ::GetWindowRect(hWnd, &rc);
            ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
            return TRUE;
        }
        s_bCursorShown = CursorCount() >= 0;
        if (!s_bCursorShown && ++s_nTicks < 20) return TRUE;
        ++s_nShown;
        s_hOwner = ::GetWindow(hWnd, GW_OWNER);
        ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), &NoticeCloser::CloseNotice, 0);
    }
    UINT_PTR m_idTimer;
    static HWND s_hPointedAt;
    static int s_nTicks;
};
int NoticeCloser::s_nShown = 0;
HWND NoticeCloser::s_hOwner = nullptr;
bool NoticeCloser::s_bCursorShown = false;
HWND NoticeCloser::s_hPointedAt = nullptr;
int NoticeCloser::s_nTicks = 0;
}

TEST_F(PlayerTest, SetUpOpensTheMovieWithTheStoredVolumeAndNoErrorDialogs)
{
    CString strMovie = m_folder.AddFile(L"Sea.wmv");
    PlaySingle(strMovie);
    INT_PTR nResult = Run([&](PlayerDialog& dlg) {
        EXPECT_EQ((UrlList{ std::wstring(strMovie) }), Urls());
        const std::vector<std::wstring>& calls = Calls();
        EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), L"put enableErrorDialogs 0"));
        EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), L"put volume 37"));
        CString caption;
        dlg.GetWindowText(caption);
        EXPECT_EQ(CString(L"Driftreel Player"), caption);
        CRect rc;
        dlg.GetWindowRect(rc);
        EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), rc.Width());
        EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN), rc.Height());
        EXPECT_TRUE(::GetWindowLongW(dlg, GWL_EXSTYLE) & WS_EX_TOPMOST);
        dlg.m_player.GetWindowRect(rc);
        EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), rc.Width());
        // The control was told its full-screen rectangle through its site.
        const std::vector<std::wstring>& protocol = m_doubles.Last()->m_protocol;
        wchar_t szRects[64];
        swprintf(szRects, 64, L"rects 0,0,%d,%d", rc.Width(), rc.Height());
        ASSERT_FALSE(protocol.empty());
        EXPECT_EQ(std::wstring(szRects), protocol.back());
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
    EXPECT_EQ(IDCANCEL, nResult);
}

// Under Wine every load of the icon from the language library makes a new
// icon that is never freed; one player after another must not pile them up.
TEST_F(PlayerTest, EveryPlayerTakesTheOneProgramIcon)
{
    PlayerDialog first(nullptr), second(nullptr);
    EXPECT_NE(nullptr, first.m_hIcon);
    EXPECT_EQ(first.m_hIcon, second.m_hIcon);
}

TEST_F(PlayerTest, ASingleMovieOpensAgainAtEveryEnd)
{
    CString strMovie = m_folder.AddFile(L"Sea.wmv");
    PlaySingle(strMovie);
    Run([&](PlayerDialog& dlg) {
        for (int i = 0; i < 3; ++i) EXPECT_EQ(std::wstring(strMovie), NextUrlAfterEnd());
        EXPECT_EQ(L"close", Calls()[Calls().size() - 2]);
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

TEST_F(PlayerTest, AMissingSingleMovieOrAnEmptyPathShowsTheNoFilePicture)
{
    PlaySingle(m_folder.Path() + L"\\gone.wmv");
    Run([&](PlayerDialog& dlg) {
        EXPECT_EQ(UrlList{ NoFilePicture() }, Urls());
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
    RegistryTestKey noMachineDefaults(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    PlaySingle(L"");
    Run([&](PlayerDialog& dlg) {
        EXPECT_EQ(UrlList{ NoFilePicture() }, Urls());
        EXPECT_EQ(0, dlg.m_nPlayingMethod);
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

TEST_F(PlayerTest, AListPlaysInStoredOrderAndStartsOverAfterTheLast)
{
    m_folder.AddFile(L"a.wmv");
    m_folder.AddFile(L"b.wmv");
    m_folder.AddFile(L"c.wmv");
    PlayList({ L"a", L"b", L"c" });
    Run([&](PlayerDialog& dlg) {
        UrlList played = Urls();
        for (int i = 0; i < 4; ++i) played.push_back(NextUrlAfterEnd());
        EXPECT_EQ((UrlList{ Url(L"a.wmv"), Url(L"b.wmv"), Url(L"c.wmv"), Url(L"a.wmv"), Url(L"b.wmv") }), played);
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

// The list of a folder of the content root is stored under the folder's
// real name, dots and all.
TEST_F(PlayerTest, AListInADottedFolderOfTheContentRootPlaysInStoredOrder)
{
    ContentRootScope root;
    CString strSea = root.AddFolder(L"Sea.2005", { L"a.wmv", L"b.wmv" });
    m_settings.SetString(nullptr, L"FilePath", strSea);
    m_settings.SetDword(nullptr, L"PlayingMethod", 1);
    m_settings.SetString(L"Sea.2005", L"1", L"b");
    m_settings.SetString(L"Sea.2005", L"2", L"a");
    m_settings.SetDword(L"Sea.2005", L"FileCount", 2);
    Run([&](PlayerDialog& dlg) {
        UrlList played = Urls();
        played.push_back(NextUrlAfterEnd());
        EXPECT_EQ((UrlList{ std::wstring(strSea + L"\\b.wmv"), std::wstring(strSea + L"\\a.wmv") }), played);
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

TEST_F(PlayerTest, AnEntryWhoseFileIsGoneIsSkipped)
{
    m_folder.AddFile(L"a.wmv");
    m_folder.AddFile(L"b.wmv");
    m_folder.AddFile(L"c.wmv");
    PlayList({ L"a", L"b", L"c" });
    Run([&](PlayerDialog& dlg) {
        m_folder.Remove(L"b.wmv");  // after the start-up refresh: entry 2 stays, but yields nothing
        UrlList played = Urls();
        for (int i = 0; i < 3; ++i) played.push_back(NextUrlAfterEnd());
        EXPECT_EQ((UrlList{ Url(L"a.wmv"), Url(L"c.wmv"), Url(L"a.wmv"), Url(L"c.wmv") }), played);
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

TEST_F(PlayerTest, AListWithNothingToPlayShowsThePictureAndSearchesAgainAtEachEnd)
{
    PlayList({ L"a", L"b" });  // stored, but the folder holds no movie
    Run([&](PlayerDialog& dlg) {
        EXPECT_EQ(UrlList{ NoFilePicture() }, Urls());
        EXPECT_EQ(1, dlg.m_nFileIndex);
        EXPECT_EQ(NoFilePicture(), NextUrlAfterEnd());
        EXPECT_EQ(1, dlg.m_nFileIndex);
        m_folder.AddFile(L"b.wmv");
        EXPECT_EQ(Url(L"b.wmv"), NextUrlAfterEnd());
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

TEST_F(PlayerTest, AHugeFileCountDoesNotHoldUpTheStart)
{
    m_folder.AddFile(L"a.wmv");
    PlayList({ L"a" });
    Run([&](PlayerDialog& dlg) {
        m_folder.Remove(L"a.wmv");
        m_settings.SetDword(m_folder.Path(), L"FileCount", 0x7FFFFFFF);
        dlg.m_nFileCount = 0x7FFFFFFF;
        EXPECT_EQ(NoFilePicture(), NextUrlAfterEnd());
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

TEST_F(PlayerTest, ReadyStartsPlayAndStatesAreIgnoredOnceStopping)
{
    PlaySingle(m_folder.AddFile(L"a.wmv"));
    Run([&](PlayerDialog& dlg) {
        m_doubles.Last()->FirePlayStateChange(kPlayStateReady);
        EXPECT_TRUE(PumpMessagesUntil([&] { return Calls().back() == L"play"; }, 5000));
        dlg.m_bStopping = TRUE;
        size_t nCalls = Calls().size();
        m_doubles.Last()->FirePlayStateChange(kPlayStateReady);
        m_doubles.Last()->FirePlayStateChange(kPlayStateMediaEnded);
        PumpMessagesFor(100);
        EXPECT_EQ(nCalls, Calls().size());
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
}

TEST_F(PlayerTest, TheSecondCodecReportEndsASingleMovieWithOneNotice)
{
    PlaySingle(m_folder.AddFile(L"a.wmv"));
    SetCursorCount(0);  // as a new process starts
    NoticeCloser closer;
    HWND hPlayer = nullptr;
    INT_PTR nResult = Run([&](PlayerDialog& dlg) {
        hPlayer = dlg.m_hWnd;
        m_doubles.Last()->FireOpenStateChange(kOpenStateBeginCodecAcquisition);
        PumpMessagesFor(100);
        EXPECT_FALSE(Ended(dlg));
        // Two more pairs before the first notice is up: still one notice.
        for (int i = 0; i < 3; ++i) m_doubles.Last()->FireOpenStateChange(kOpenStateBeginCodecAcquisition);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(1, NoticeCloser::s_nShown);
    // The notice belongs to the ended player, and the cursor shows over it.
    EXPECT_EQ(hPlayer, NoticeCloser::s_hOwner);
    EXPECT_TRUE(NoticeCloser::s_bCursorShown);
}

TEST_F(PlayerTest, InListModeEverySecondCodecReportSkipsToTheNextEntry)
{
    m_folder.AddFile(L"a.wmv");
    m_folder.AddFile(L"b.wmv");
    PlayList({ L"a", L"b" });
    NoticeCloser closer;
    Run([&](PlayerDialog& dlg) {
        auto report = [&] { m_doubles.Last()->FireOpenStateChange(kOpenStateBeginCodecAcquisition); };
        report();
        PumpMessagesFor(100);
        EXPECT_EQ(1u, Urls().size());
        report();
        EXPECT_TRUE(PumpMessagesUntil([&] { return Urls().size() == 2; }, 5000));
        report();
        report();
        EXPECT_TRUE(PumpMessagesUntil([&] { return Urls().size() == 3; }, 5000));
        EXPECT_EQ((UrlList{ Url(L"a.wmv"), Url(L"b.wmv"), Url(L"a.wmv") }), Urls());
        EXPECT_FALSE(Ended(dlg));
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
    EXPECT_EQ(0, NoticeCloser::s_nShown);
}

namespace {
bool g_bProbeFired = false;
void CALLBACK OnProbeTimer(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    ::KillTimer(nullptr, idTimer);
    g_bProbeFired = true;
}
}

// Our media component reports a missing codec from inside the opening, so a
// list of nothing but such movies skips on and on. The skips must leave room
// for the queue's input (here a timer, which comes even after input): before
// the fix the player skipped 300 times before anything else got through.
TEST_F(PlayerTest, AListOfMoviesWithoutCodecsLetsTheQueueThroughBetweenSkips)
{
    m_folder.AddFile(L"a.wmv");
    m_folder.AddFile(L"b.wmv");
    PlayList({ L"a", L"b" });
    int nOpenings = 0;
    INT_PTR nResult = Run([&](PlayerDialog& dlg) {
        MediaPlayerDouble& control = *m_doubles.Last();
        control.m_onCall = [&](const std::wstring& call) {
            if (call.compare(0, 8, L"put URL ") != 0 || ++nOpenings >= 300) return;
            for (int i = 0; i < 2; ++i) control.FireOpenStateChange(kOpenStateBeginCodecAcquisition);
        };
        g_bProbeFired = false;
        ::SetTimer(nullptr, 0, 1, OnProbeTimer);
        for (int i = 0; i < 2; ++i) control.FireOpenStateChange(kOpenStateBeginCodecAcquisition);
        EXPECT_TRUE(PumpMessagesUntil([] { return g_bProbeFired; }, 5000));
        EXPECT_LT(nOpenings, 50);
        control.m_onCall = nullptr;
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
    EXPECT_EQ(IDCANCEL, nResult);
}

// A first run settles the default folder to the movie that suits the screen,
// and plays that movie as a single one, whatever method the default names.
TEST_F(PlayerTest, AFirstRunPlaysTheMovieOfTheDefaultFolderThatSuitsTheScreen)
{
    m_folder.AddFile(L"sea n.wmv");
    m_folder.AddFile(L"sea w.wmv");
    m_folder.AddFile(L"sea v.wmv");
    PlayList({});
    m_settings.SetDword(nullptr, L"Initialize", 0);
    const bool bWide = ::GetSystemMetrics(SM_CYSCREEN) * 4 < ::GetSystemMetrics(SM_CXSCREEN) * 3;
    Run([&](PlayerDialog& dlg) {
        EXPECT_EQ(UrlList{ Url(bWide ? L"sea w.wmv" : L"sea n.wmv") }, Urls());
        EXPECT_EQ(0, dlg.m_nPlayingMethod);
        EXPECT_EQ(Url(bWide ? L"sea w.wmv" : L"sea n.wmv"), NextUrlAfterEnd());
        dlg.PostMessage(WM_LBUTTONDOWN);
    });
    EXPECT_EQ(0u, m_settings.GetDword(nullptr, L"Initialize"));  // the player writes nothing back
}

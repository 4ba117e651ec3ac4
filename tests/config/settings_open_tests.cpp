// What the settings dialog shows when it opens: the folder and movie it
// selects for each stored state, the controls it enables, the column width
// and the title label.
#include "tests/config/SettingsDialogFixture.h"
#include "config/TitleLabel.h"
#include "res/ids.h"
#include <commctrl.h>
#include <algorithm>

using ::testing::ElementsAre;

namespace {
CString SelectedFolder(HWND hDlg)
{
    HWND hCombo = ::GetDlgItem(hDlg, IDC_FOLDER_COMBO);
    int nItem = (int)::SendMessageW(hCombo, CB_GETCURSEL, 0, 0);
    if (nItem < 0) return CString();
    wchar_t szText[MAX_PATH] = {};
    ::SendMessageW(hCombo, CB_GETLBTEXT, nItem, (LPARAM)szText);
    return szText;
}

void ExpectEverythingDisabled(HWND hDlg)
{
    for (int nID : { IDOK, IDC_PLAY, IDC_STOP, IDC_VOLUME_DOWN, IDC_VOLUME_UP, IDC_VOLUME_SLIDER, IDC_MOVE_UP,
                     IDC_MOVE_DOWN, IDC_PLAY_ALL })
        EXPECT_FALSE(IsEnabled(hDlg, nID)) << "control " << nID;
    EXPECT_FALSE(IsChecked(hDlg, IDC_PLAY_ALL));
}

// Makes the preview's doubles, noting whether a window of this thread was on
// the screen when the control was made.
MediaObjectFactory g_pfnDoubles = nullptr;
bool g_bShownAtHosting = false;

BOOL CALLBACK NoteShown(HWND hWnd, LPARAM)
{
    g_bShownAtHosting = g_bShownAtHosting || ::IsWindowVisible(hWnd);
    return TRUE;
}

IUnknown* NoteShownAndMakeDouble()
{
    g_bShownAtHosting = false;
    ::EnumThreadWindows(::GetCurrentThreadId(), NoteShown, 0);
    return g_pfnDoubles();
}

int ListClientWidth(HWND hDlg)
{
    RECT rc;
    ::GetClientRect(::GetDlgItem(hDlg, IDC_MOVIE_LIST), &rc);
    return rc.right - rc.left;
}

bool ListScrollsAcross(HWND hDlg)
{
    return (::GetWindowLongW(::GetDlgItem(hDlg, IDC_MOVIE_LIST), GWL_STYLE) & WS_HSCROLL) != 0;
}

int ColumnWidth(HWND hDlg)
{
    return (int)::SendDlgItemMessageW(hDlg, IDC_MOVIE_LIST, LVM_GETCOLUMNWIDTH, 0, 0);
}

int TextWidth(HWND hDlg, const wchar_t* pszText)
{
    return (int)::SendDlgItemMessageW(hDlg, IDC_MOVIE_LIST, LVM_GETSTRINGWIDTHW, 0, (LPARAM)pszText);
}
}

TEST_F(SettingsDialogTest, StoredSingleMovieSelectsItsFolderAndTitle)
{
    m_root.AddFolder(L"Lake", { L"x.wmv" });
    CString strSea = m_root.AddFolder(L"Sea", { L"a.wmv", L"b.wmv", L"c.wmv" });
    StoreChoice(strSea + L"\\b.wmv", 0);
    g_pfnDoubles = SetMediaObjectFactory(NoteShownAndMakeDouble);
    Run([](CDialog& dlg) {
        EXPECT_EQ(CString(L"Sea"), SelectedFolder(dlg));
        std::vector<CString> items = ListItems(dlg);
        ASSERT_EQ(3u, items.size());
        ASSERT_GE(SelectedItem(dlg), 0);
        EXPECT_EQ(CString(L"b"), items[SelectedItem(dlg)]);
        EXPECT_EQ(CString(L"b"), ControlText(dlg, IDC_MOVIE_TITLE));
        // Two or more movies in mode 0: the box can be ticked, nothing can be moved.
        EXPECT_TRUE(IsEnabled(dlg, IDC_PLAY_ALL));
        EXPECT_FALSE(IsChecked(dlg, IDC_PLAY_ALL));
        EXPECT_FALSE(IsEnabled(dlg, IDC_MOVE_UP));
        EXPECT_FALSE(IsEnabled(dlg, IDC_MOVE_DOWN));
        EXPECT_TRUE(IsEnabled(dlg, IDOK));
        EXPECT_TRUE(IsEnabled(dlg, IDC_PLAY));
        EXPECT_FALSE(IsEnabled(dlg, IDC_STOP));
    });
    SetMediaObjectFactory(g_pfnDoubles);
    // The preview's control is made, and handed the movie, once the dialog shows.
    EXPECT_TRUE(g_bShownAtHosting);
    EXPECT_EQ(L"put URL " + std::wstring(strSea) + L"\\b.wmv", Preview().m_calls.at(0));
}

TEST_F(SettingsDialogTest, StoredFolderOfOneMovieShowsTheBoxTickedAndDisabled)
{
    m_root.AddFolder(L"Sea", { L"a.wmv", L"b.wmv" });
    CString strLake = m_root.AddFolder(L"Lake", { L"calm.wmv" });
    StoreChoice(strLake, 1);
    Run([](CDialog& dlg) {
        EXPECT_EQ(CString(L"Lake"), SelectedFolder(dlg));
        EXPECT_THAT(ListItems(dlg), ElementsAre(CString(L"calm")));
        EXPECT_EQ(0, SelectedItem(dlg));
        EXPECT_FALSE(IsEnabled(dlg, IDC_PLAY_ALL));
        EXPECT_TRUE(IsChecked(dlg, IDC_PLAY_ALL));
        EXPECT_FALSE(IsEnabled(dlg, IDC_MOVE_UP));
        EXPECT_FALSE(IsEnabled(dlg, IDC_MOVE_DOWN));
    });
}

TEST_F(SettingsDialogTest, StoredFolderInStoredOrderWithTheFirstSelected)
{
    CString strSea = m_root.AddFolder(L"Sea", { L"a.wmv", L"b.wmv", L"c.wmv" });
    StoreChoice(strSea, 1);
    StoreOrder(L"Sea", { L"c", L"a", L"b" });
    Run([](CDialog& dlg) {
        EXPECT_THAT(ListItems(dlg), ElementsAre(CString(L"c"), CString(L"a"), CString(L"b")));
        EXPECT_EQ(0, SelectedItem(dlg));
        EXPECT_TRUE(IsChecked(dlg, IDC_PLAY_ALL));
        EXPECT_TRUE(IsEnabled(dlg, IDC_MOVE_UP));
        EXPECT_TRUE(IsEnabled(dlg, IDC_MOVE_DOWN));
    });
}

TEST_F(SettingsDialogTest, ADottedFolderIsOfferedByItsTitleAndUsedByItsRealName)
{
    m_root.AddFolder(L"Lake", { L"x.wmv" });
    CString strSea = m_root.AddFolder(L"Sea.2005", { L"a.wmv", L"b.wmv" });
    StoreChoice(strSea + L"\\b.wmv", 0);
    Run([&](CDialog& dlg) {
        EXPECT_EQ(CString(L"Sea"), SelectedFolder(dlg));
        ASSERT_EQ(2u, ListItems(dlg).size());
        const std::vector<std::wstring>& calls = Preview().m_calls;
        EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), L"put URL " + std::wstring(strSea) + L"\\b.wmv"));
        ChooseFolder(dlg, L"Lake");
        ChooseFolder(dlg, L"Sea");
        EXPECT_EQ(2u, ListItems(dlg).size());
        Click(dlg, IDC_PLAY_ALL);
        Click(dlg, IDOK);
    });
    ExpectRecord(strSea, 1, 50, 1);
    EXPECT_EQ(2u, StoredOrder(L"Sea.2005").size());
}

TEST_F(SettingsDialogTest, FirstRunTakesTheMachineDefaultAndTheMovieForTheScreen)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    const wchar_t* pszExpected = cy * 4 < cx * 3 ? L"sea w" : cy > cx ? L"sea v" : L"sea n";
    CString strSea = m_root.AddFolder(L"Sea", { L"sea n.wmv", L"sea w.wmv", L"sea v.wmv" });
    m_machine.SetString(nullptr, L"FilePath", strSea);
    m_machine.SetDword(nullptr, L"PlayingMethod", 1);
    Run([pszExpected](CDialog& dlg) {
        EXPECT_EQ(CString(L"Sea"), SelectedFolder(dlg));
        ASSERT_GE(SelectedItem(dlg), 0);
        EXPECT_EQ(CString(pszExpected), ListItems(dlg)[SelectedItem(dlg)]);
        // The settled choice is a single movie.
        EXPECT_FALSE(IsChecked(dlg, IDC_PLAY_ALL));
    });
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"Initialize"));
}

TEST_F(SettingsDialogTest, MissingStoredFolderSelectsNothingAndDisablesEverything)
{
    m_root.AddFolder(L"Sea", { L"a.wmv", L"b.wmv" });
    StoreChoice(m_root.Path() + L"\\Gone", 1);
    Run([](CDialog& dlg) {
        EXPECT_EQ(CString(), SelectedFolder(dlg));
        EXPECT_TRUE(IsEnabled(dlg, IDC_FOLDER_COMBO));
        EXPECT_TRUE(ListItems(dlg).empty());
        ExpectEverythingDisabled(dlg);
    });
    EXPECT_EQ(L"put URL " + std::wstring(m_root.Path()) + L"\\ErrorNoFile.JPG", Preview().m_calls.at(0));
}

TEST_F(SettingsDialogTest, MissingStoredMovieSelectsTheFirstFolderAndItem)
{
    m_root.AddFolder(L"Sea", { L"a.wmv", L"b.wmv" });
    StoreChoice(m_root.Path() + L"\\Gone\\x.wmv", 0);
    Run([](CDialog& dlg) {
        EXPECT_EQ(CString(L"Sea"), SelectedFolder(dlg));
        EXPECT_EQ(0, SelectedItem(dlg));
    });
}

TEST(SettingsDialogWithoutContent, DisablesTheFolderBoxAndShowsTheNoFilePicture)
{
    ResourceLanguage language(L"eng");
    ContentRootScope root(false);
    RegistryTestKey user(HKEY_CURRENT_USER, kProductKeyPath);
    MediaDoubleScope doubles;
    SettingsDialog dlg(nullptr);
    RunModalWith(dlg, [](CDialog& shown) {
        EXPECT_FALSE(IsEnabled(shown, IDC_FOLDER_COMBO));
        ExpectEverythingDisabled(shown);
        Click(shown, IDCANCEL);
    });
    ASSERT_EQ(1u, doubles.Count());
    std::vector<std::wstring>& calls = doubles.Last()->m_calls;
    std::wstring strPicture = L"put URL " + std::wstring(root.Path()) + L"\\ErrorNoFile.JPG";
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(strPicture, calls[0]);
    EXPECT_EQ(L"play", calls[1]);
}

TEST_F(SettingsDialogTest, ColumnFillsTheListUntilATitleIsLongerThanFortyCharacters)
{
    CString strForty(L'x', 40), strFortyOne(L'y', 41);
    CString strShort = m_root.AddFolder(L"Short", { strForty + L".wmv", L"a.wmv" });
    m_root.AddFolder(L"Long", { strFortyOne + L".wmv", L"a.wmv" });
    StoreChoice(strShort, 1);
    Run([&](CDialog& dlg) {
        EXPECT_EQ(ListClientWidth(dlg), ColumnWidth(dlg));
        EXPECT_FALSE(ListScrollsAcross(dlg));
        ChooseFolder(dlg, L"Long");
        int nSample = TextWidth(dlg, L"123456789123456789123456789123456789123456");
        int nTitle = TextWidth(dlg, strFortyOne) + 10;
        EXPECT_EQ(std::max(nSample, nTitle), ColumnWidth(dlg));
        // The width kept for long titles only grows, but short ones fill the list again.
        ChooseFolder(dlg, L"Short");
        EXPECT_EQ(ListClientWidth(dlg), ColumnWidth(dlg));
        EXPECT_FALSE(ListScrollsAcross(dlg));
    });
}

TEST_F(SettingsDialogTest, TitleLabelShowsAtMostFortyCharacters)
{
    CString strLong(L'z', 45);
    CString strSea = m_root.AddFolder(L"Sea", { strLong + L".wmv" });
    StoreChoice(strSea, 1);
    Run([&](CDialog& dlg) { EXPECT_EQ(strLong.Left(40), ControlText(dlg, IDC_MOVIE_TITLE)); });
}

TEST_F(SettingsDialogTest, HoldsItsSizeAndIgnoresHelp)
{
    m_root.AddFolder(L"Sea", { L"a.wmv" });
    Run([](CDialog& dlg) {
        RECT rc;
        ::GetWindowRect(dlg, &rc);
        MINMAXINFO info = {};
        ::SendMessageW(dlg, WM_GETMINMAXINFO, 0, (LPARAM)&info);
        EXPECT_EQ(rc.right - rc.left, info.ptMaxTrackSize.x);
        EXPECT_EQ(rc.bottom - rc.top, info.ptMinTrackSize.y);
        EXPECT_EQ(rc.left, info.ptMaxPosition.x);
        HELPINFO help = { sizeof(HELPINFO) };
        EXPECT_EQ(0, ::SendMessageW(dlg, WM_HELP, 0, (LPARAM)&help));
        EXPECT_EQ(TRUE, ::SendMessageW(dlg, WM_QUERYENDSESSION, 0, 0));
    });
}

// The cut depends on the system's ANSI code page: with a single-byte one
// Japanese characters take a byte each and stand whole.
TEST(TitleLabelText, CutsByTheBytesOfTheAnsiCodePage)
{
    CString strLatin40(L'a', 40);
    EXPECT_EQ(strLatin40, TitleLabelText(strLatin40));
    EXPECT_EQ(strLatin40, TitleLabelText(strLatin40 + L"bcdef"));
    if (::GetACP() == 932) GTEST_SKIP() << "double-byte code page";
    CString strJapanese25(L'\x6d77', 25);
    EXPECT_EQ(strJapanese25, TitleLabelText(strJapanese25));
}

// Under the Japanese code page (932; the CTest entry title_label_japanese
// runs these under a Japanese locale) 25 Japanese characters take 51 bytes
// and the label shows 21 of them; 20 take 41 bytes and stand whole.
TEST(TitleLabelText, CutsDoubleByteTitlesAtTwentyOneCharacters)
{
    if (::GetACP() != 932) GTEST_SKIP() << "needs the Japanese code page";
    EXPECT_EQ(CString(L'\x6d77', 20), TitleLabelText(CString(L'\x6d77', 20)));
    EXPECT_EQ(CString(L'\x6d77', 21), TitleLabelText(CString(L'\x6d77', 21)));
    EXPECT_EQ(CString(L'\x6d77', 21), TitleLabelText(CString(L'\x6d77', 25)));
    // Mixed: 30 letters and 10 Japanese characters take 51 bytes.
    CString strMixed = CString(L'a', 30) + CString(L'\x6d77', 10);
    EXPECT_EQ(strMixed.Left(21), TitleLabelText(strMixed));
}

TEST(TitleLabelText, NeverSplitsASurrogatePair)
{
    CString strTitle(L'a', 39);
    strTitle += L"\xd83c\xdf0a";
    EXPECT_EQ(CString(L'a', 39), TitleLabelText(strTitle));
}

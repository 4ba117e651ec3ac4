// The real program in configure mode, driven from outside as a user would:
// the dialog opens on the stored folder (offered by its title, stored by its
// real name), Down reorders, OK stores and the process ends cleanly.
#include "tests/config/SettingsDialogFixture.h"
#include "res/ids.h"
#include "controls/SkinColors.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScreenCapture.h"
#include "tests/support/ScreenSaverProcess.h"
#include <algorithm>
#include <string>

using ::testing::ElementsAre;

// A first start under emulation can be slow: the limit only guards a hang.
const DWORD kWindowTimeout = 30000;

TEST_F(SettingsDialogTest, ConfigureModeStoresTheReorderedFolderOnOk)
{
    CString strTrio = m_root.AddFolder(L"Trio.2005", { L"A.wmv", L"B.wmv", L"C.wmv" });
    StoreChoice(strTrio, 1, 30);
    StoreOrder(L"Trio.2005", { L"A", L"B", L"C" });

    ScreenSaverProcess process(L"/c");
    HWND hDlg = process.WaitForWindow(kWindowTimeout);
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(CString(L"Driftreel Settings"), WindowText(hDlg));
    EXPECT_TRUE(IsChecked(hDlg, IDC_PLAY_ALL));
    EXPECT_TRUE(IsEnabled(hDlg, IDC_MOVE_DOWN));
    EXPECT_EQ(30, SliderPos(hDlg));
    EXPECT_EQ(CString(L"A"), ControlText(hDlg, IDC_MOVIE_TITLE));
    EXPECT_EQ(CString(L"Trio"), ControlText(hDlg, IDC_FOLDER_COMBO));

    Click(hDlg, IDC_MOVE_DOWN);
    Click(hDlg, IDOK);
    EXPECT_EQ(0u, process.WaitForExit(10000));
    ExpectRecord(strTrio, 1, 30, 1);
    EXPECT_THAT(StoredOrder(L"Trio.2005"), ElementsAre(CString(L"B"), CString(L"A"), CString(L"C")));
}

namespace {
struct NoticeSearch {
    DWORD dwProcessId;
    HWND hDlg;
    HWND hNotice;
};

BOOL CALLBACK FindProcessNotice(HWND hWnd, LPARAM lParam)
{
    NoticeSearch& search = *reinterpret_cast<NoticeSearch*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    if (dwProcessId != search.dwProcessId || hWnd == search.hDlg || !::IsWindowVisible(hWnd) ||
        lstrcmpW(szClass, L"#32770") != 0)
        return TRUE;
    search.hNotice = hWnd;
    return FALSE;
}

HWND WaitForNotice(const ScreenSaverProcess& process, HWND hDlg)
{
    NoticeSearch search = { process.ProcessId(), hDlg, nullptr };
    PumpMessagesUntil([&] { return !::EnumWindows(FindProcessNotice, (LPARAM)&search) || search.hNotice; }, 10000);
    return search.hNotice;
}

COLORREF ScreenColour(COLORREF colour)
{
    return RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour));
}

// On the screen a painted notice shows the dialog's background, dark text,
// and buttons of several shades: what it lacks, or "" once it shows them all.
std::string MissingOnScreen(HWND hNotice)
{
    CRect rc;
    ::GetClientRect(hNotice, &rc);
    ::MapWindowPoints(hNotice, nullptr, (POINT*)&rc, 2);
    std::vector<DWORD> pixels = CaptureScreen(rc);
    const DWORD background = ScreenColour(SkinColors::kDialog);
    size_t nBackground = (size_t)std::count(pixels.begin(), pixels.end(), background);
    size_t nDark = (size_t)std::count_if(pixels.begin(), pixels.end(), [](DWORD p) {
        return p != 0 && (p & 0xFF) < 96 && ((p >> 8) & 0xFF) < 96 && ((p >> 16) & 0xFF) < 96;
    });
    if (nBackground <= pixels.size() / 3) return "the dialog's background";
    if (nDark <= 40u) return "the text";
    for (int nID : { IDOK, IDCANCEL }) {
        CRect rcButton;
        ::GetWindowRect(::GetDlgItem(hNotice, nID), &rcButton);
        std::vector<DWORD> face = CaptureScreen(rcButton);
        std::sort(face.begin(), face.end());
        if (std::unique(face.begin(), face.end()) - face.begin() <= 4) return "button " + std::to_string(nID);
    }
    return "";
}
}

// The confirmation belongs to the settings dialog, which takes no input
// until it is answered, and it shows on the screen as it should.
TEST_F(SettingsDialogTest, ConfigureModeRestoreConfirmationIsOwnedAndShows)
{
    m_root.AddFolder(L"Sea", { L"a.wmv" });
    ScreenSaverProcess process(L"/c");
    HWND hDlg = process.WaitForWindow(kWindowTimeout);
    ASSERT_NE(nullptr, hDlg);
    ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_RESTORE_DEFAULTS, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hDlg, IDC_RESTORE_DEFAULTS));
    HWND hNotice = WaitForNotice(process, hDlg);
    ASSERT_NE(nullptr, hNotice);
    EXPECT_EQ(hDlg, ::GetWindow(hNotice, GW_OWNER));
    EXPECT_FALSE(::IsWindowEnabled(hDlg));
    std::string strMissing;
    PumpMessagesUntil([&] { return (strMissing = MissingOnScreen(hNotice)).empty(); }, 10000);
    EXPECT_EQ("", strMissing) << "not painted on the screen";

    ::PostMessageW(hNotice, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(hNotice, IDCANCEL));
    EXPECT_TRUE(PumpMessagesUntil([&] { return ::IsWindowEnabled(hDlg) != FALSE; }, 5000));
    ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, IDCANCEL));
    EXPECT_EQ(0u, process.WaitForExit(10000));
}

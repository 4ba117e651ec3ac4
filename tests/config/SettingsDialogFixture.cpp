#include "tests/config/SettingsDialogFixture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ScreenCapture.h"
#include "controls/SkinColors.h"
#include "res/ids.h"
#include <commctrl.h>
#include <algorithm>

void SettingsDialogTest::StoreChoice(const CString& strFilePath, int nPlayingMethod, int nVolume)
{
    m_user.SetString(nullptr, L"FilePath", strFilePath);
    m_user.SetDword(nullptr, L"PlayingMethod", nPlayingMethod);
    m_user.SetDword(nullptr, L"Volume", nVolume);
    m_user.SetDword(nullptr, L"Initialize", 1);
}

void SettingsDialogTest::StoreOrder(const wchar_t* pszFolder, std::initializer_list<const wchar_t*> titles)
{
    DWORD nCount = 0;
    for (const wchar_t* pszTitle : titles) {
        CString strName;
        strName.Format(L"%lu", ++nCount);
        m_user.SetString(pszFolder, strName, pszTitle);
    }
    m_user.SetDword(pszFolder, L"FileCount", nCount);
}

std::vector<CString> SettingsDialogTest::StoredOrder(const wchar_t* pszFolder) const
{
    std::vector<CString> titles;
    DWORD nCount = m_user.GetDword(pszFolder, L"FileCount");
    for (DWORD i = 1; i <= nCount; ++i) {
        CString strName;
        strName.Format(L"%lu", i);
        titles.push_back(m_user.GetString(pszFolder, strName));
    }
    return titles;
}

void SettingsDialogTest::ExpectRecord(const CString& strFilePath, DWORD nPlayingMethod, DWORD nVolume,
                                      DWORD nInitialize) const
{
    EXPECT_EQ(strFilePath, m_user.GetString(nullptr, L"FilePath"));
    EXPECT_EQ(nPlayingMethod, m_user.GetDword(nullptr, L"PlayingMethod"));
    EXPECT_EQ(nVolume, m_user.GetDword(nullptr, L"Volume"));
    EXPECT_EQ(nInitialize, m_user.GetDword(nullptr, L"Initialize"));
}

INT_PTR SettingsDialogTest::Run(const std::function<void(CDialog&)>& action)
{
    SettingsDialog dlg(nullptr);
    return Run(dlg, action);
}

INT_PTR SettingsDialogTest::Run(SettingsDialog& dlg, const std::function<void(CDialog&)>& action)
{
    m_app.m_pMainWnd = &dlg;
    INT_PTR nResult = RunModalWith(dlg, [&action](CDialog& shown) {
        action(shown);
        if (::IsWindowVisible(shown.m_hWnd)) Click(shown.m_hWnd, IDCANCEL);
    });
    m_app.m_pMainWnd = nullptr;
    return nResult;
}

void Click(HWND hDlg, int nID)
{
    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID));
}

bool IsEnabled(HWND hDlg, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) != FALSE;
}

bool IsChecked(HWND hDlg, int nID)
{
    return ::SendDlgItemMessageW(hDlg, nID, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

CString ControlText(HWND hDlg, int nID)
{
    wchar_t szText[512] = {};
    ::GetDlgItemTextW(hDlg, nID, szText, 512);
    return szText;
}

std::vector<CString> ListItems(HWND hDlg)
{
    HWND hList = ::GetDlgItem(hDlg, IDC_MOVIE_LIST);
    std::vector<CString> items;
    int nCount = (int)::SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        wchar_t szText[MAX_PATH] = {};
        LVITEMW item = {};
        item.pszText = szText;
        item.cchTextMax = MAX_PATH;
        ::SendMessageW(hList, LVM_GETITEMTEXTW, i, (LPARAM)&item);
        items.push_back(szText);
    }
    return items;
}

namespace {
int NextItem(HWND hDlg, UINT nFlags)
{
    return (int)::SendDlgItemMessageW(hDlg, IDC_MOVIE_LIST, LVM_GETNEXTITEM, (WPARAM)-1, nFlags);
}
}

int SelectedItem(HWND hDlg)
{
    return NextItem(hDlg, LVNI_SELECTED);
}

int FocusedItem(HWND hDlg)
{
    return NextItem(hDlg, LVNI_FOCUSED);
}

void SelectItem(HWND hDlg, int nItem)
{
    LVITEMW item = {};
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendDlgItemMessageW(hDlg, IDC_MOVIE_LIST, LVM_SETITEMSTATE, nItem, (LPARAM)&item);
}

void ChooseFolder(HWND hDlg, const wchar_t* pszTitle)
{
    HWND hCombo = ::GetDlgItem(hDlg, IDC_FOLDER_COMBO);
    int nItem = (int)::SendMessageW(hCombo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)pszTitle);
    ::SendMessageW(hCombo, CB_SETCURSEL, nItem, 0);
    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FOLDER_COMBO, CBN_SELCHANGE), (LPARAM)hCombo);
}

int SliderPos(HWND hDlg)
{
    return (int)::SendDlgItemMessageW(hDlg, IDC_VOLUME_SLIDER, TBM_GETPOS, 0, 0);
}

namespace {
// A notice is answered once it has been on the screen this long.
const DWORD kNoticeShownMs = 600;
int g_nNoticeButton = 0;
HWND g_hOpener = nullptr;
DWORD g_dwNoticeSeenAt = 0;
NoticeSeen g_seen;

// What the screen itself shows of the notice's client area, as the user sees
// it over whatever lies below.
double SkinShareOnScreen(HWND hNotice)
{
    CRect rc;
    ::GetClientRect(hNotice, &rc);
    ::MapWindowPoints(hNotice, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    const COLORREF cr = SkinColors::kDialog;
    const DWORD dwSkin = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
    std::vector<DWORD> pixels = CaptureScreen(rc);
    size_t nSkin = std::count(pixels.begin(), pixels.end(), dwSkin);
    return pixels.empty() ? 0 : double(nSkin) / pixels.size();
}

BOOL CALLBACK FindNotice(HWND hWnd, LPARAM lParam)
{
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    if (hWnd == g_hOpener || !::IsWindowVisible(hWnd) || lstrcmpW(szClass, L"#32770") != 0) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

void CALLBACK OnNoticeTimer(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    HWND hNotice = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindNotice, (LPARAM)&hNotice);
    if (!hNotice) return;
    if (!g_dwNoticeSeenAt) g_dwNoticeSeenAt = ::GetTickCount();
    if (::GetTickCount() - g_dwNoticeSeenAt < kNoticeShownMs) return;
    ::KillTimer(nullptr, idTimer);
    g_seen.hOwner = ::GetWindow(hNotice, GW_OWNER);
    g_seen.bOpenerEnabled = ::IsWindowEnabled(g_hOpener) != FALSE;
    g_seen.dSkinShare = SkinShareOnScreen(hNotice);
    ::PostMessageW(hNotice, WM_COMMAND, MAKEWPARAM(g_nNoticeButton, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hNotice, g_nNoticeButton));
}
}

void AnswerNextNotice(HWND hOpener, int nButton)
{
    g_nNoticeButton = nButton;
    g_hOpener = hOpener;
    g_dwNoticeSeenAt = 0;
    g_seen = NoticeSeen();
    ::SetTimer(nullptr, 0, 50, OnNoticeTimer);
}

NoticeSeen LastNoticeSeen() { return g_seen; }

// Open time of the settings dialog for a stored folder of 10, 1 000 and
// 10 000 movies: from the construction of the dialog to the end of its
// initialisation (folders listed, movies listed, selection made, preview
// handed its movie), once before the folder has a stored order and once
// after OK stored it. The preview hosts a media double, so no media is
// opened.
#include "bench/support/BenchReport.h"
#include "config/SettingsDialog.h"
#include "settings/SettingsRecord.h"
#include "tests/support/BenchClock.h"
#include "tests/support/ContentRootScope.h"
#include "tests/support/MediaPlayerDouble.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/ResourceLanguage.h"
#include <commctrl.h>
#include <cstdio>

namespace {
// Ends itself (with OK, which stores the order, or Cancel) as soon as it is set up.
class TimedSettingsDialog : public SettingsDialog {
public:
    TimedSettingsDialog(bool bStore) : SettingsDialog(nullptr), m_bStore(bStore) {}
    double m_dInitDoneMs = 0.0;

protected:
    BOOL OnInitDialog() override
    {
        BOOL bResult = SettingsDialog::OnInitDialog();
        m_dInitDoneMs = NowMs();
        PostMessage(WM_COMMAND, m_bStore ? IDOK : IDCANCEL);
        return bResult;
    }

private:
    bool m_bStore;
};

double OpenMs(bool bStore)
{
    double dStart = NowMs();
    TimedSettingsDialog dlg(bStore);
    dlg.DoModal();
    return dlg.m_dInitDoneMs - dStart;
}

// The platform's floor under the open: a window with a report list view
// that lists the folder's files, one row each, and nothing else. The list
// shows once it is filled, as any program fills a long list: a visible one
// recomputes its scroll bars at every row.
double FloorMs(const CString& strFolder)
{
    double dStart = NowMs();
    HWND hWnd = ::CreateWindowExW(0, L"Static", L"floor", WS_POPUP | WS_VISIBLE, 0, 0, 480, 390, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 480, 300, hWnd,
                                   nullptr, nullptr, nullptr);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 400;
    ListView_InsertColumn(hList, 0, &column);
    WIN32_FIND_DATAW data;
    HANDLE hFind = ::FindFirstFileW(strFolder + L"\\*.wmv", &data);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = ::FindNextFileW(hFind, &data), ++item.iItem) {
        item.pszText = data.cFileName;
        ListView_InsertItem(hList, &item);
    }
    if (hFind != INVALID_HANDLE_VALUE) ::FindClose(hFind);
    ::ShowWindow(hList, SW_SHOW);
    double dMs = NowMs() - dStart;
    ::DestroyWindow(hWnd);
    return dMs;
}

void FillFolder(const CString& strFolder, int nMovies)
{
    for (int i = 0; i < nMovies; ++i) {
        CString strName;
        strName.Format(L"%s\\Movie %05d.wmv", (const wchar_t*)strFolder, i);
        HANDLE hFile = ::CreateFileW(strName, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) ::CloseHandle(hFile);
    }
}
}

int wmain()
{
    ResourceLanguage language(L"eng");
    MediaDoubleScope doubles;
    std::printf("%-8s %16s %16s %16s\n", "movies", "unstored ms", "stored ms", "floor ms");
    for (int nMovies : { 10, 1000, 10000 }) {
        ContentRootScope root;
        RegistryTestKey user(HKEY_CURRENT_USER, kProductKeyPath);
        CString strFolder = root.AddFolder(L"Bench", {});
        FillFolder(strFolder, nMovies);
        user.SetString(nullptr, L"FilePath", strFolder);
        user.SetDword(nullptr, L"PlayingMethod", 1);
        user.SetDword(nullptr, L"Initialize", 1);
        double dUnstored = OpenMs(true);
        double dStored = OpenMs(false);
        double dFloor = FloorMs(strFolder);
        std::printf("%-8d %16.1f %16.1f %16.1f\n", nMovies, dUnstored, dStored, dFloor);
        ReportFigure("open.floor", nMovies, dFloor);
        ReportFigure("open.unstored", nMovies, dUnstored);
        ReportFigure("open.stored", nMovies, dStored);
    }
    return 0;
}

// Baseline for the settings dialog's start: the platform alone showing the
// English settings template (the same controls, fonts and common controls)
// with no program behind it, ended by WM_CLOSE.
#include "res/ids.h"
#include <windows.h>
#include <commctrl.h>
#include <string>

namespace {
INT_PTR CALLBACK BareDialogProc(HWND hDlg, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_CLOSE) return FALSE;
    ::EndDialog(hDlg, IDCANCEL);
    return TRUE;
}

// The language library beside this program.
std::wstring EnglishLibraryPath()
{
    wchar_t szPath[MAX_PATH];
    DWORD cch = ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath, cch);
    return path.substr(0, path.rfind(L'\\') + 1) + L"eng.dll";
}
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    HMODULE hLanguage = ::LoadLibraryExW(EnglishLibraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!hLanguage) return 1;
    ::DialogBoxParamW(hLanguage, MAKEINTRESOURCEW(IDD_SETTINGS), nullptr, BareDialogProc, 0);
    return 0;
}

#include "tests/support/ScreenSaverProcess.h"
#include "tests/support/RunEnvironment.h"
#include "tests/support/SystemInput.h"

namespace {
struct WindowSearch {
    DWORD dwProcessId;
    HWND hFound;
};

// The black covers a player puts over the other monitors are not what a
// test waits for.
bool IsMonitorCover(HWND hWnd)
{
    wchar_t szClass[32] = L"";
    ::GetClassNameW(hWnd, szClass, 32);
    return lstrcmpW(szClass, L"DriftreelCover") == 0;
}

BOOL CALLBACK FindVisibleWindow(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == search->dwProcessId && ::IsWindowVisible(hWnd) && !IsMonitorCover(hWnd)) {
        search->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
}

CString ProgramFolder()
{
    wchar_t szPath[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    CString path(szPath);
    return path.Left(path.ReverseFind(L'\\'));
}

ScreenSaverProcess::ScreenSaverProcess(const wchar_t* pszArguments, const wchar_t* pszExe,
                                       const wchar_t* pszCurrentDirectory)
{
    CString exe = pszExe ? CString(pszExe) : ProgramFolder() + L"\\Driftreel.scr";
    CString commandLine = L"\"" + exe + L"\"";
    if (pszArguments && *pszArguments) commandLine += CString(L" ") + pszArguments;
    STARTUPINFOW si = { sizeof(si) };
    if (!::CreateProcessW(exe, commandLine.GetBuffer(commandLine.GetLength() + 1), nullptr, nullptr, FALSE, 0,
                          nullptr, pszCurrentDirectory, &si, &m_pi))
        m_pi = PROCESS_INFORMATION{};
}

ScreenSaverProcess::~ScreenSaverProcess()
{
    if (!m_pi.hProcess) return;
    if (WaitForExit(0) == STILL_ACTIVE) {
        ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

HWND ScreenSaverProcess::WaitForWindow(DWORD dwTimeoutMs) const
{
    const DWORD dwStart = ::GetTickCount(), dwLimit = TestTime(dwTimeoutMs);
    do {
        WindowSearch search = { m_pi.dwProcessId, nullptr };
        ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.hFound) return search.hFound;
        if (::WaitForSingleObject(m_pi.hProcess, 5) == WAIT_OBJECT_0) return nullptr;
    } while (::GetTickCount() - dwStart < dwLimit);
    return nullptr;
}

DWORD ScreenSaverProcess::WaitForExit(DWORD dwTimeoutMs) const
{
    ::WaitForSingleObject(m_pi.hProcess, TestTime(dwTimeoutMs));
    DWORD dwCode = STILL_ACTIVE;
    ::GetExitCodeProcess(m_pi.hProcess, &dwCode);
    return dwCode;
}

CString WindowText(HWND hWnd)
{
    wchar_t sz[256] = {};
    ::GetWindowTextW(hWnd, sz, 256);
    return CString(sz);
}

void MoveCursorUntilExit(const ScreenSaverProcess& saver)
{
    for (int i = 1; i <= 8 && saver.WaitForExit(i == 1 ? 0 : 250) == STILL_ACTIVE; ++i)
        MoveCursor(400 + 15 * i, 300 + 15 * i);
}

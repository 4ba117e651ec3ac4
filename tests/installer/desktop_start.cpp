// Starts the chosen screen saver the way the 64-bit desktop does: it reads
// SCRNSAVE.EXE of the current user and runs that file with "/s", "/c" or
// "/p <hwnd>" (the preview gets a window of this program's), then waits for
// it and exits with its exit code. Built as a 64-bit program.
// Usage: desktop_start <s|c|p>    exit code 100 when no saver could start.
#include <windows.h>
#include <string>

namespace {
const int kNotStarted = 100;

std::wstring ChosenSaver()
{
    wchar_t szPath[MAX_PATH] = {};
    DWORD cb = sizeof(szPath) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"SCRNSAVE.EXE", RRF_RT_REG_SZ,
                       nullptr, szPath, &cb) != ERROR_SUCCESS)
        return std::wstring();
    return szPath;
}

// The small window of the display settings' preview.
HWND PreviewWindow()
{
    return ::CreateWindowExW(0, L"STATIC", L"Preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150,
                             nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

int RunAndWait(std::wstring strCommand)
{
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return kNotStarted;
    ::CloseHandle(pi.hThread);
    // The preview window keeps answering while the saver runs.
    while (::MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
    DWORD dwExit = kNotStarted;
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    ::CloseHandle(pi.hProcess);
    return static_cast<int>(dwExit);
}
}

int wmain(int argc, wchar_t** argv)
{
    std::wstring strSaver = ChosenSaver();
    if (argc != 2 || strSaver.empty()) return kNotStarted;
    std::wstring strCommand = L"\"" + strSaver + L"\" /" + argv[1];
    if (argv[1][0] == L'p') {
        HWND hPreview = PreviewWindow();
        strCommand += L" " + std::to_wstring(reinterpret_cast<UINT_PTR>(hPreview));
    }
    return RunAndWait(strCommand);
}

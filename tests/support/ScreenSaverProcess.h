// Runs the screen saver as a separate process, as the system does, and
// watches its windows and its exit.
#pragma once
#include "framework/CString.h"

// The folder of the running test program (where build/bin puts everything).
CString ProgramFolder();

class ScreenSaverProcess {
public:
    // Starts exe (default: Driftreel.scr beside the test) with the argument text.
    explicit ScreenSaverProcess(const wchar_t* pszArguments, const wchar_t* pszExe = nullptr,
                                const wchar_t* pszCurrentDirectory = nullptr);
    ~ScreenSaverProcess();  // ends the process if it still runs
    ScreenSaverProcess(const ScreenSaverProcess&) = delete;
    ScreenSaverProcess& operator=(const ScreenSaverProcess&) = delete;

    bool Started() const { return m_pi.hProcess != nullptr; }
    // A visible top-level window of the process, or null after the timeout
    // (or as soon as the process has ended).
    HWND WaitForWindow(DWORD dwTimeoutMs) const;
    // The exit code, or STILL_ACTIVE when it has not ended in time.
    DWORD WaitForExit(DWORD dwTimeoutMs) const;
    DWORD ProcessId() const { return m_pi.dwProcessId; }

private:
    PROCESS_INFORMATION m_pi{};
};

CString WindowText(HWND hWnd);

// Moves the real cursor on across the screen until the process has ended
// (a player ends after more than 5 pixels), at most eight steps, each given
// a moment to end it.
void MoveCursorUntilExit(const ScreenSaverProcess& saver);

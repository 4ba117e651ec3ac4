// Ends the test program when a soak stops making progress, so that a hang
// fails within seconds instead of at the test runner's time limit.
#pragma once
#include <windows.h>
#include <string>

class HangWatchdog {
public:
    explicit HangWatchdog(DWORD dwLimitMs);
    ~HangWatchdog();
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

    // Starts a new step, described for the message if it hangs.
    void Step(const std::string& strWhat);

private:
    static DWORD WINAPI Watch(void* pParam);
    void Fail();

    DWORD m_dwLimitMs;
    HANDLE m_hStop;
    HANDLE m_hStep;
    CRITICAL_SECTION m_lock;
    std::string m_strWhat;
    HANDLE m_hThread;
};

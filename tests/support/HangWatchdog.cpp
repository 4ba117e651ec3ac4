#include "tests/support/HangWatchdog.h"
#include "tests/support/RunEnvironment.h"
#include <cstdio>

HangWatchdog::HangWatchdog(DWORD dwLimitMs)
    : m_dwLimitMs(TestTime(dwLimitMs)), m_hStop(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_hStep(::CreateEventW(nullptr, FALSE, FALSE, nullptr)), m_lock(), m_hThread(nullptr)
{
    ::InitializeCriticalSection(&m_lock);
    m_hThread = ::CreateThread(nullptr, 0, Watch, this, 0, nullptr);
}

HangWatchdog::~HangWatchdog()
{
    ::SetEvent(m_hStop);
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
    ::CloseHandle(m_hStep);
    ::CloseHandle(m_hStop);
    ::DeleteCriticalSection(&m_lock);
}

void HangWatchdog::Step(const std::string& strWhat)
{
    ::EnterCriticalSection(&m_lock);
    m_strWhat = strWhat;
    ::LeaveCriticalSection(&m_lock);
    ::SetEvent(m_hStep);
}

DWORD WINAPI HangWatchdog::Watch(void* pParam)
{
    auto* pDog = static_cast<HangWatchdog*>(pParam);
    HANDLE events[2] = { pDog->m_hStop, pDog->m_hStep };
    for (;;) {
        DWORD dwWait = ::WaitForMultipleObjects(2, events, FALSE, pDog->m_dwLimitMs);
        if (dwWait == WAIT_OBJECT_0) return 0;
        if (dwWait == WAIT_TIMEOUT) pDog->Fail();
    }
}

void HangWatchdog::Fail()
{
    ::EnterCriticalSection(&m_lock);
    std::fprintf(stderr, "HANG: no progress for %lu ms in %s\n", m_dwLimitMs, m_strWhat.c_str());
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
}

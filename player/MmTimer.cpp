#include "player/MmTimer.h"
#include <mmsystem.h>
#include <set>

namespace {
// The windows the callbacks may still post to, and the count of their posts.
// A callback posts under the lock, so once a window is taken out no
// callback is left halfway through a post to it.
struct TimerWindows {
    TimerWindows() { ::InitializeCriticalSection(&m_lock); }
    CRITICAL_SECTION m_lock;
    std::set<HWND> m_windows;
    volatile LONG m_nPosts = 0;
};

TimerWindows& Windows()
{
    static TimerWindows s_windows;
    return s_windows;
}

void CALLBACK TimerProc(UINT uTimerID, UINT, DWORD_PTR dwUser, DWORD_PTR, DWORD_PTR)
{
    TimerWindows& windows = Windows();
    HWND hWnd = reinterpret_cast<HWND>(dwUser);
    ::EnterCriticalSection(&windows.m_lock);
    if (windows.m_windows.count(hWnd)) {
        ::PostMessageW(hWnd, WM_APP_MMTIMER, uTimerID, 0);
        ::InterlockedIncrement(&windows.m_nPosts);
    }
    ::LeaveCriticalSection(&windows.m_lock);
}
}

// A synchronous kill waits for a callback that is already running, so no
// bookkeeping of killed timers is needed (and none can outlive its timer and
// silence a later one that gets the same identifier).
UINT SetOneShotTimer(UINT nDelayMs, HWND hWndNotify)
{
    TimerWindows& windows = Windows();
    ::EnterCriticalSection(&windows.m_lock);
    windows.m_windows.insert(hWndNotify);
    ::LeaveCriticalSection(&windows.m_lock);
    return ::timeSetEvent(nDelayMs, 1, TimerProc, reinterpret_cast<DWORD_PTR>(hWndNotify),
                          TIME_ONESHOT | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
}

void KillOneShotTimer(UINT& nTimerID)
{
    if (!nTimerID) return;
    ::timeKillEvent(nTimerID);
    nTimerID = 0;
}

void EndTimerPosts(HWND hWnd)
{
    TimerWindows& windows = Windows();
    ::EnterCriticalSection(&windows.m_lock);
    windows.m_windows.erase(hWnd);
    ::LeaveCriticalSection(&windows.m_lock);
}

LONG CountTimerPosts() { return ::InterlockedCompareExchange(&Windows().m_nPosts, 0, 0); }

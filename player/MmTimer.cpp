#include "player/MmTimer.h"
#include <mmsystem.h>
#include <mutex>
#include <set>

namespace {
// timeKillEvent does not wait for a callback that is already running. A kill
// therefore first marks the timer as killed; a callback that finds its
// timer marked posts nothing. No winmm call is made under this lock.
struct KilledTimers {
    std::mutex lock;
    std::set<UINT> ids;
};

KilledTimers& Killed()
{
    static KilledTimers* pKilled = new KilledTimers;  // callbacks may outlive static destruction
    return *pKilled;
}

volatile LONG g_nPosts = 0;

void CALLBACK TimerProc(UINT uTimerID, UINT, DWORD_PTR dwUser, DWORD_PTR, DWORD_PTR)
{
    KilledTimers& killed = Killed();
    std::lock_guard<std::mutex> guard(killed.lock);
    if (killed.ids.erase(uTimerID)) return;
    ::PostMessageW(reinterpret_cast<HWND>(dwUser), WM_APP_MMTIMER, uTimerID, 0);
    ::InterlockedIncrement(&g_nPosts);
}
}

UINT SetOneShotTimer(UINT nDelayMs, HWND hWndNotify)
{
    return ::timeSetEvent(nDelayMs, 1, TimerProc, reinterpret_cast<DWORD_PTR>(hWndNotify),
                          TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
}

void KillOneShotTimer(UINT& nTimerID)
{
    if (!nTimerID) return;
    {
        KilledTimers& killed = Killed();
        std::lock_guard<std::mutex> guard(killed.lock);
        killed.ids.insert(nTimerID);
    }
    ::timeKillEvent(nTimerID);
    nTimerID = 0;
}

LONG CountTimerPosts() { return ::InterlockedCompareExchange(&g_nPosts, 0, 0); }

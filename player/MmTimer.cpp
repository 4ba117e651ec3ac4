#include "player/MmTimer.h"
#include <mmsystem.h>

namespace {
volatile LONG g_nPosts = 0;

void CALLBACK TimerProc(UINT uTimerID, UINT, DWORD_PTR dwUser, DWORD_PTR, DWORD_PTR)
{
    ::PostMessageW(reinterpret_cast<HWND>(dwUser), WM_APP_MMTIMER, uTimerID, 0);
    ::InterlockedIncrement(&g_nPosts);
}
}

// A synchronous kill waits for a callback that is already running, so no
// bookkeeping of killed timers is needed (and none can outlive its timer and
// silence a later one that gets the same identifier).
UINT SetOneShotTimer(UINT nDelayMs, HWND hWndNotify)
{
    return ::timeSetEvent(nDelayMs, 1, TimerProc, reinterpret_cast<DWORD_PTR>(hWndNotify),
                          TIME_ONESHOT | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
}

void KillOneShotTimer(UINT& nTimerID)
{
    if (!nTimerID) return;
    ::timeKillEvent(nTimerID);
    nTimerID = 0;
}

LONG CountTimerPosts() { return ::InterlockedCompareExchange(&g_nPosts, 0, 0); }

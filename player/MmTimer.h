// One-shot multimedia timers for the player. Their callbacks run on the
// system's timer thread, so they do nothing there but post WM_APP_MMTIMER
// (wParam: the timer's identifier) to the window that armed them; all the
// work happens on that window's own thread.
#pragma once
#include <windows.h>

#define WM_APP_MMTIMER (WM_APP + 250)

// Arms a timer of nDelayMs at 1 ms resolution; 0 when it cannot be armed.
UINT SetOneShotTimer(UINT nDelayMs, HWND hWndNotify);
// Kills the timer, if any, and clears the identifier. A timer that has just
// fired may still be on its way to post: the system hands its callback over
// before the kill can reach it.
void KillOneShotTimer(UINT& nTimerID);
// No timer posts to the window once this returns, however far its callback
// has got; a timer armed for the window afterwards posts again. The window
// calls it when it is destroyed, after killing its timers.
void EndTimerPosts(HWND hWnd);
// How many messages the callbacks have posted so far in this process.
LONG CountTimerPosts();

// Watching a started program as the user sees it: its window covering the
// screen, and input sent the way a mouse sends it.
#pragma once
#include "tests/support/ScreenSaverProcess.h"
#include <initializer_list>

// The process's window once it covers the whole screen, or null.
HWND WaitForCover(const ScreenSaverProcess& process, DWORD dwTimeoutMs = 15000);
// Absolute mouse moves to the given screen points, in one SendInput.
void SendMoves(std::initializer_list<POINT> points);
// Asks the window to close and waits for the process to end.
void CloseAndWait(const ScreenSaverProcess& process, HWND hWnd);

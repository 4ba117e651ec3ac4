// Watching a started program as the user sees it: its window covering the
// screen, and input sent the way a mouse sends it.
#pragma once
#include "tests/support/ScreenSaverProcess.h"
#include <functional>
#include <initializer_list>

// The process's window once it covers the whole screen, or null.
HWND WaitForCover(const ScreenSaverProcess& process, DWORD dwTimeoutMs = 15000);
// The process's window once it covers the screen and shows a picture: a
// point of the screen's middle that is no longer black. Null after the timeout.
HWND WaitForPicture(const ScreenSaverProcess& process, DWORD dwTimeoutMs = 15000);
// Absolute mouse moves to the given screen points, in one SendInput.
void SendMoves(std::initializer_list<POINT> points);
// Asks the window to close and waits for the process to end.
void CloseAndWait(const ScreenSaverProcess& process, HWND hWnd);

// Milliseconds from starting the program to the window waitForShown returns,
// or negative when none came. The program is then closed and the system left
// to settle, so that the next start is measured on a quiet system.
double TimeStart(const wchar_t* pszArguments, const wchar_t* pszExe,
                 const std::function<HWND(const ScreenSaverProcess&)>& waitForShown);

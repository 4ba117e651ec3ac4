// Real input for another process's windows, through SendInput, and the
// system's own way of taking the foreground from them.
#pragma once
#include <windows.h>

// Moves the cursor to (x, y) on the screen, then gives the input 60 ms.
void MoveCursor(int x, int y);
// A button's down and up: MOUSEEVENTF_LEFTDOWN and MOUSEEVENTF_LEFTUP, say.
void PressButton(DWORD dwDown, DWORD dwUp);
void PressKey(WORD wVk);
// Shows a window of the calling thread that takes the foreground for 300 ms.
void ActivateAnotherWindow();
// Keys reach a player only through its control: true once the focus of
// hWnd's thread lies inside hWnd, false after dwTimeoutMs.
bool WaitForFocusInside(HWND hWnd, DWORD dwTimeoutMs = 2000);
// A player takes the capture from its control one second after it starts;
// only then does the movement it ends on count: true once hWnd holds the
// capture of its thread, false after dwTimeoutMs.
bool WaitForCaptureBy(HWND hWnd, DWORD dwTimeoutMs = 5000);

// Sizes in pixels for the DPI of the monitor a window is on. The program
// declares itself aware of each monitor's DPI, so the system no longer
// stretches what it draws: the fixed pixel sizes of drawing scale here, from
// their size at 96 DPI.
#pragma once
#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace DpiScale {

// GetDpiForWindow where the system has it (Windows 10 1607 and later); it is
// looked up by name, since older systems lack it. Elsewhere the DPI of the
// screen, which is the one DPI of those systems.
inline UINT WindowDpi(HWND hWnd)
{
    typedef UINT(WINAPI * GetDpiForWindowFn)(HWND);
    static const GetDpiForWindowFn pGetDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (pGetDpiForWindow && hWnd) {
        if (UINT nDpi = pGetDpiForWindow(hWnd)) return nDpi;
    }
    HDC hdc = ::GetDC(nullptr);
    int nDpi = hdc ? ::GetDeviceCaps(hdc, LOGPIXELSY) : 0;
    if (hdc) ::ReleaseDC(nullptr, hdc);
    return nDpi > 0 ? (UINT)nDpi : USER_DEFAULT_SCREEN_DPI;
}

// nPixels at 96 DPI, for the window's DPI.
inline int Scaled(HWND hWnd, int nPixels) { return ::MulDiv(nPixels, (int)WindowDpi(hWnd), USER_DEFAULT_SCREEN_DPI); }

}

// The least a screen saver does, shared by the baseline programs: one black
// topmost popup over the whole screen that ends its thread's message loop
// when destroyed. Header-only, so the bare baseline links nothing more.
#pragma once
#include <windows.h>

inline LRESULT CALLBACK CoveringWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

inline HWND CreateCoveringWindow(HINSTANCE hInstance, const wchar_t* pszClass)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CoveringWndProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = (HBRUSH)::GetStockObject(BLACK_BRUSH);
    wc.lpszClassName = pszClass;
    ::RegisterClassW(&wc);
    return ::CreateWindowExW(WS_EX_TOPMOST, pszClass, pszClass, WS_POPUP | WS_VISIBLE, 0, 0,
                             ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                             hInstance, nullptr);
}

inline void RunMessageLoop()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
}

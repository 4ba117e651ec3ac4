// A 32-bit off-screen bitmap to render windows into and read pixels from.
#pragma once
#include "framework/Afx.h"

class Canvas {
public:
    Canvas(int nWidth, int nHeight);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_hdc; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    COLORREF Pixel(int x, int y) const;

    // The window's client area as the window prints it (WM_PRINTCLIENT).
    static Canvas* PrintClient(HWND hWnd);
    // The window's client area as it stands on the screen.
    static Canvas* FromScreen(HWND hWnd);

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hdc;
    HBITMAP m_hbm;
    HGDIOBJ m_hbmOld;
    const DWORD* m_pBits;
};

#include "tests/controls/Canvas.h"

Canvas::Canvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight), m_hdc(::CreateCompatibleDC(nullptr))
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;  // top-down rows
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_hbm = ::CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<const DWORD*>(pBits);
    m_hbmOld = ::SelectObject(m_hdc, m_hbm);
}

Canvas::~Canvas()
{
    ::SelectObject(m_hdc, m_hbmOld);
    ::DeleteObject(m_hbm);
    ::DeleteDC(m_hdc);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight || !m_pBits) return CLR_INVALID;
    ::GdiFlush();
    DWORD v = m_pBits[y * m_nWidth + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

Canvas* Canvas::PrintClient(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    Canvas* pCanvas = new Canvas(rc.right, rc.bottom);
    ::SendMessageW(hWnd, WM_PRINTCLIENT, (WPARAM)pCanvas->m_hdc, PRF_CLIENT | PRF_ERASEBKGND);
    return pCanvas;
}

Canvas* Canvas::FromScreen(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    POINT origin = { 0, 0 };
    ::ClientToScreen(hWnd, &origin);
    Canvas* pCanvas = new Canvas(rc.right, rc.bottom);
    HDC hdcScreen = ::GetDC(nullptr);
    ::BitBlt(pCanvas->m_hdc, 0, 0, rc.right, rc.bottom, hdcScreen, origin.x, origin.y, SRCCOPY);
    ::ReleaseDC(nullptr, hdcScreen);
    return pCanvas;
}

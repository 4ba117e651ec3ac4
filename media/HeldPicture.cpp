#include "media/HeldPicture.h"

void HeldPicture::Capture(HWND hWnd)
{
    Clear();
    RECT rc;
    if (!::GetClientRect(hWnd, &rc) || rc.right <= 0 || rc.bottom <= 0) return;
    // Without DCX_CLIPCHILDREN the DC reads through the video window that
    // covers the client area, which is the picture the user sees.
    HDC hWindow = ::GetDCEx(hWnd, nullptr, DCX_CACHE);
    if (!hWindow) return;
    HDC hMem = ::CreateCompatibleDC(hWindow);
    m_hBitmap = hMem ? ::CreateCompatibleBitmap(hWindow, rc.right, rc.bottom) : nullptr;
    if (m_hBitmap) {
        HGDIOBJ hOld = ::SelectObject(hMem, m_hBitmap);
        ::BitBlt(hMem, 0, 0, rc.right, rc.bottom, hWindow, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
        m_size = { rc.right, rc.bottom };
    }
    if (hMem) ::DeleteDC(hMem);
    ::ReleaseDC(hWnd, hWindow);
}

void HeldPicture::Clear()
{
    if (m_hBitmap) ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_size = {};
}

void HeldPicture::Draw(HDC hDC, const RECT& rc) const
{
    HDC hMem = m_hBitmap ? ::CreateCompatibleDC(hDC) : nullptr;
    if (!hMem) return;
    HGDIOBJ hOld = ::SelectObject(hMem, m_hBitmap);
    ::SetStretchBltMode(hDC, COLORONCOLOR);
    ::StretchBlt(hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hMem, 0, 0, m_size.cx, m_size.cy,
                 SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
}

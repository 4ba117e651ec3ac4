#include "media/HeldPicture.h"
#include "media/PictureFit.h"

void HeldPicture::Capture(HWND hWnd, const RECT& rc)
{
    Clear();
    SIZE size = { rc.right - rc.left, rc.bottom - rc.top };
    if (size.cx <= 0 || size.cy <= 0) return;
    // Without DCX_CLIPCHILDREN the DC reads through the video window that
    // covers the rectangle, which is the picture the user sees.
    HDC hWindow = ::GetDCEx(hWnd, nullptr, DCX_CACHE);
    if (!hWindow) return;
    HDC hMem = ::CreateCompatibleDC(hWindow);
    m_hBitmap = hMem ? ::CreateCompatibleBitmap(hWindow, size.cx, size.cy) : nullptr;
    if (m_hBitmap) {
        HGDIOBJ hOld = ::SelectObject(hMem, m_hBitmap);
        ::BitBlt(hMem, 0, 0, size.cx, size.cy, hWindow, rc.left, rc.top, SRCCOPY);
        ::SelectObject(hMem, hOld);
        m_size = size;
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

void HeldPicture::Draw(HDC hDC, const RECT& rcBounds, bool bStretchToFit) const
{
    HDC hMem = m_hBitmap ? ::CreateCompatibleDC(hDC) : nullptr;
    if (!hMem) return;
    RECT rc = FitPicture(m_size, rcBounds, bStretchToFit);
    HGDIOBJ hOld = ::SelectObject(hMem, m_hBitmap);
    ::SetStretchBltMode(hDC, COLORONCOLOR);
    ::StretchBlt(hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hMem, 0, 0, m_size.cx, m_size.cy,
                 SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    FillAroundPicture(hDC, rcBounds, rc);
}

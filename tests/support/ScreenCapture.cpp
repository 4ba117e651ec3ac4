#include "tests/support/ScreenCapture.h"
#include <cstring>

std::vector<DWORD> CaptureScreen(const CRect& rc)
{
    std::vector<DWORD> pixels((size_t)rc.Width() * rc.Height());
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = { sizeof(BITMAPINFOHEADER), rc.Width(), -rc.Height(), 1, 32, BI_RGB };
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hMem, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    memcpy(pixels.data(), pBits, pixels.size() * sizeof(DWORD));
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    for (DWORD& p : pixels) p &= 0x00FFFFFF;
    return pixels;
}

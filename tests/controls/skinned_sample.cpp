// Shows the sample dialog and writes a picture of it, as it stands on the
// screen, to the BMP file named on the command line.
#include "tests/controls/Canvas.h"
#include "tests/controls/SkinSampleDialog.h"
#include "tests/support/ModalDriver.h"
#include <cstdio>
#include <memory>

namespace {
bool WriteBmp(const Canvas& canvas, const wchar_t* pszPath)
{
    int nStride = canvas.Width() * 4;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = canvas.Width();
    info.biHeight = -canvas.Height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + nStride * canvas.Height();
    FILE* f = _wfopen(pszPath, L"wb");
    if (!f) return false;
    fwrite(&file, sizeof(file), 1, f);
    fwrite(&info, sizeof(info), 1, f);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            COLORREF c = canvas.Pixel(x, y);
            BYTE bgra[4] = { GetBValue(c), GetGValue(c), GetRValue(c), 0 };
            fwrite(bgra, 4, 1, f);
        }
    }
    return fclose(f) == 0;
}

// The whole window, frame and caption included.
Canvas* CaptureWindow(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    Canvas* pCanvas = new Canvas(rc.right - rc.left, rc.bottom - rc.top);
    HDC hdcScreen = ::GetDC(nullptr);
    ::BitBlt(pCanvas->Dc(), 0, 0, pCanvas->Width(), pCanvas->Height(), hdcScreen, rc.left, rc.top, SRCCOPY);
    ::ReleaseDC(nullptr, hdcScreen);
    return pCanvas;
}
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    bool bWritten = false;
    SkinSampleDialog dlg;
    RunModalWith(dlg, [&](CDialog& d) {
        auto& sample = static_cast<SkinSampleDialog&>(d);
        // Keyboard cues on, and the focus on the check box, as after a Tab.
        sample.SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL));
        sample.m_chkRepeat.SetFocus();
        PumpFor(500);
        std::unique_ptr<Canvas> pCanvas(CaptureWindow(d.m_hWnd));
        bWritten = WriteBmp(*pCanvas, argv[1]);
        d.EndDialog(IDOK);
    });
    return bWritten ? 0 : 1;
}

// The last picture a window showed, kept as a bitmap so that the window can
// go on showing it while the next movie is built: a change between movies
// then shows no black.
#pragma once
#include <windows.h>

class HeldPicture {
public:
    HeldPicture() = default;
    ~HeldPicture() { Clear(); }
    HeldPicture(const HeldPicture&) = delete;
    HeldPicture& operator=(const HeldPicture&) = delete;

    // Copies what rc of hWnd's client area shows now, its child windows'
    // pixels included.
    void Capture(HWND hWnd, const RECT& rc);
    void Clear();
    bool IsHeld() const { return m_hBitmap != nullptr; }
    // Draws the held picture where a movie of its size goes in rcBounds
    // (FitPicture), black around it.
    void Draw(HDC hDC, const RECT& rcBounds, bool bStretchToFit) const;

private:
    HBITMAP m_hBitmap = nullptr;
    SIZE m_size = {};
};

// GDI drawing shared by the skinned controls.
#pragma once
#include "framework/Afx.h"

namespace SkinPaint {

// Selects a GDI object into a context for one scope; optionally owns it.
class Selection {
public:
    Selection(HDC hdc, HGDIOBJ hObject, bool bOwned = false);
    ~Selection();
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
private:
    HDC m_hdc;
    HGDIOBJ m_hObject;
    HGDIOBJ m_hPrevious;
    bool m_bOwned;
};

void FillSolid(HDC hdc, const RECT& rc, COLORREF clr);
void FillVertical(HDC hdc, const RECT& rc, COLORREF clrTop, COLORREF clrBottom);
// A rounded face: vertical gradient inside, one-pixel border.
void FillRoundFace(HDC hdc, const RECT& rc, int nRadius, COLORREF clrTop, COLORREF clrBottom, COLORREF clrBorder);
void FrameRound(HDC hdc, const RECT& rc, int nRadius, COLORREF clrBorder);

// What a parent paints behind a control: the brush it answers to the
// control's colour message, or the system's face colour.
HBRUSH ParentBrush(HWND hWnd, HDC hdc, UINT nCtlColorMessage);

// The window's text in its own font.
void DrawWindowText(HDC hdc, HWND hWnd, RECT rc, UINT nFormat, COLORREF clr);
void DrawTextIn(HDC hdc, HFONT hFont, const wchar_t* pszText, RECT rc, UINT nFormat, COLORREF clr);
HFONT WindowFont(HWND hWnd);
int FontHeight(HDC hdc, HFONT hFont);

// Keyboard cues: hidden until the user works the dialog with the keyboard.
bool ShowsFocusCues(HWND hWnd);
UINT PrefixFormat(HWND hWnd);
void DrawFocus(HDC hdc, const RECT& rc);

}

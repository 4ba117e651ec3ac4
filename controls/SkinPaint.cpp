#include "controls/SkinPaint.h"

namespace SkinPaint {

Selection::Selection(HDC hdc, HGDIOBJ hObject, bool bOwned)
    : m_hdc(hdc), m_hObject(hObject), m_hPrevious(::SelectObject(hdc, hObject)), m_bOwned(bOwned) {}

Selection::~Selection()
{
    ::SelectObject(m_hdc, m_hPrevious);
    if (m_bOwned) ::DeleteObject(m_hObject);
}

void FillSolid(HDC hdc, const RECT& rc, COLORREF clr)
{
    COLORREF clrPrevious = ::GetBkColor(hdc);
    CDC(hdc).FillSolidRect(&rc, clr);
    ::SetBkColor(hdc, clrPrevious);
}

void FillVertical(HDC hdc, const RECT& rc, COLORREF clrTop, COLORREF clrBottom)
{
    TRIVERTEX v[2] = {
        { rc.left, rc.top, (COLOR16)(GetRValue(clrTop) << 8), (COLOR16)(GetGValue(clrTop) << 8),
          (COLOR16)(GetBValue(clrTop) << 8), 0 },
        { rc.right, rc.bottom, (COLOR16)(GetRValue(clrBottom) << 8), (COLOR16)(GetGValue(clrBottom) << 8),
          (COLOR16)(GetBValue(clrBottom) << 8), 0 },
    };
    GRADIENT_RECT gr = { 0, 1 };
    ::GradientFill(hdc, v, 2, &gr, 1, GRADIENT_FILL_RECT_V);
}

namespace {
HRGN RoundRegion(const RECT& rc, int nRadius)
{
    // The region's right and bottom edges are exclusive like the rectangle's.
    return ::CreateRoundRectRgn(rc.left, rc.top, rc.right + 1, rc.bottom + 1, nRadius, nRadius);
}
}

void FillRoundFace(HDC hdc, const RECT& rc, int nRadius, COLORREF clrTop, COLORREF clrBottom, COLORREF clrBorder)
{
    HRGN hRgn = RoundRegion(rc, nRadius);
    ::SaveDC(hdc);
    ::ExtSelectClipRgn(hdc, hRgn, RGN_AND);
    FillVertical(hdc, rc, clrTop, clrBottom);
    ::RestoreDC(hdc, -1);
    ::DeleteObject(hRgn);
    FrameRound(hdc, rc, nRadius, clrBorder);
}

void FrameRound(HDC hdc, const RECT& rc, int nRadius, COLORREF clrBorder)
{
    HRGN hRgn = RoundRegion(rc, nRadius);
    HBRUSH hBrush = ::CreateSolidBrush(clrBorder);
    ::FrameRgn(hdc, hRgn, hBrush, 1, 1);
    ::DeleteObject(hBrush);
    ::DeleteObject(hRgn);
}

HBRUSH ParentBrush(HWND hWnd, HDC hdc, UINT nCtlColorMessage)
{
    HWND hParent = ::GetParent(hWnd);
    HBRUSH hBrush = hParent ? (HBRUSH)::SendMessageW(hParent, nCtlColorMessage, (WPARAM)hdc, (LPARAM)hWnd) : nullptr;
    return hBrush ? hBrush : ::GetSysColorBrush(COLOR_BTNFACE);
}

HFONT WindowFont(HWND hWnd)
{
    HFONT hFont = (HFONT)::SendMessageW(hWnd, WM_GETFONT, 0, 0);
    return hFont ? hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

int FontHeight(HDC hdc, HFONT hFont)
{
    Selection font(hdc, hFont);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hdc, &tm);
    return tm.tmHeight;
}

void DrawTextIn(HDC hdc, HFONT hFont, const wchar_t* pszText, RECT rc, UINT nFormat, COLORREF clr)
{
    Selection font(hdc, hFont);
    int nMode = ::SetBkMode(hdc, TRANSPARENT);
    COLORREF clrPrevious = ::SetTextColor(hdc, clr);
    ::DrawTextW(hdc, pszText, -1, &rc, nFormat);
    ::SetTextColor(hdc, clrPrevious);
    ::SetBkMode(hdc, nMode);
}

void DrawWindowText(HDC hdc, HWND hWnd, RECT rc, UINT nFormat, COLORREF clr)
{
    CString strText;
    CWnd(hWnd).GetWindowText(strText);
    DrawTextIn(hdc, WindowFont(hWnd), strText, rc, nFormat, clr);
}

bool ShowsFocusCues(HWND hWnd)
{
    return !(::SendMessageW(hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

UINT PrefixFormat(HWND hWnd)
{
    return (::SendMessageW(hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
}

void DrawFocus(HDC hdc, const RECT& rc)
{
    COLORREF clrText = ::SetTextColor(hdc, RGB(0, 0, 0));
    COLORREF clrBack = ::SetBkColor(hdc, RGB(255, 255, 255));
    ::DrawFocusRect(hdc, &rc);
    ::SetBkColor(hdc, clrBack);
    ::SetTextColor(hdc, clrText);
}

}

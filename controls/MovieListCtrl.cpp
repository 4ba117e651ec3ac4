#include "controls/MovieListCtrl.h"
#include "controls/DpiScale.h"

namespace {
const COLORREF kRowBackground = RGB(142, 223, 255);
const COLORREF kSelectionFrame = RGB(59, 177, 227);
const COLORREF kDisabledBackground = RGB(184, 198, 204);
const COLORREF kDisabledText = RGB(172, 177, 179);
const COLORREF kText = RGB(0, 0, 0);
const int kTextIndent = 2;
}

// The base's handlers, mapped again because this map chains past the base's.
BEGIN_MESSAGE_MAP(MovieListCtrl, CListCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_SIZE()
END_MESSAGE_MAP()

MovieListCtrl::MovieListCtrl() : m_bLibraryDraw(TRUE) {}
MovieListCtrl::~MovieListCtrl() = default;

void MovieListCtrl::SetLibraryDraw(BOOL bLibraryDraw)
{
    m_bLibraryDraw = bLibraryDraw;
    InvalidateRect(nullptr, TRUE);
}

void MovieListCtrl::DrawItem(LPDRAWITEMSTRUCT p)
{
    if (m_bLibraryDraw) {
        SabrelListCtrl::DrawItem(p);
        return;
    }
    if (!p->hDC) return;
    CDC dc(p->hDC);
    COLORREF clrText = kText;
    if (GetStyle() & WS_DISABLED) {
        dc.FillSolidRect(&p->rcItem, kDisabledBackground);
        clrText = kDisabledText;
    } else {
        dc.FillSolidRect(&p->rcItem, kRowBackground);
        if (p->itemState & ODS_SELECTED) DrawSelectionFrame(p->hDC, p->rcItem);
    }
    DrawRowTexts(p->hDC, p->rcItem, (int)p->itemID, clrText, DpiScale::Scaled(m_hWnd, kTextIndent));
}

void MovieListCtrl::DrawSelectionFrame(HDC hdc, const RECT& rcRow)
{
    // One pixel wide and one in from the row's edge at 96 DPI.
    int nLine = DpiScale::Scaled(m_hWnd, 1);
    HPEN hPen = ::CreatePen(PS_INSIDEFRAME, nLine, kSelectionFrame);
    HBRUSH hBrush = ::CreateSolidBrush(kRowBackground);
    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    HGDIOBJ hOldBrush = ::SelectObject(hdc, hBrush);
    ::Rectangle(hdc, rcRow.left + nLine, rcRow.top + nLine, rcRow.right - nLine, rcRow.bottom - nLine);
    ::SelectObject(hdc, hOldBrush);
    ::SelectObject(hdc, hOldPen);
    ::DeleteObject(hBrush);
    ::DeleteObject(hPen);
}

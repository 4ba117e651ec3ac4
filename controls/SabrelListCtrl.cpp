#include "controls/SabrelListCtrl.h"
#include "controls/DpiScale.h"
#include "controls/SabrelAPI.h"
#include "controls/SkinColors.h"
#include "controls/SkinPaint.h"
#include <algorithm>

using namespace SkinColors;

namespace {
const int kRowPadding = 8;  // added to the font's height
const int kTextIndent = 6;
const UINT kCellFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

COLORREF RowColour(bool bDisabled, bool bSelected, int nItem)
{
    if (bDisabled) return bSelected ? kRowSelectedDisabled : kRowDisabled;
    return (nItem & 1) ? kRowAlternate : kRow;
}
}

IMPLEMENT_DYNAMIC(SabrelListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(SabrelListCtrl, CListCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_SIZE()
END_MESSAGE_MAP()

SabrelListCtrl::SabrelListCtrl() = default;
SabrelListCtrl::~SabrelListCtrl() = default;

void SabrelListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    // The list measured its rows while it was created, before this object
    // was attached; measuring again gives them the library's height.
    RemeasureRows();
}

void SabrelListCtrl::Sabrel()
{
    SabrelAPI::ApplyLuna(m_hWnd);
    SabrelAPI::ApplyLuna((HWND)SendMessage(LVM_GETHEADER));
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessage(LVM_SETBKCOLOR, 0, kRow);
    SendMessage(LVM_SETTEXTBKCOLOR, 0, kRow);
    SendMessage(LVM_SETTEXTCOLOR, 0, kText);
    RemeasureRows();
    Invalidate(TRUE);
}

void SabrelListCtrl::RemeasureRows()
{
    // A size change makes the list send WM_MEASUREITEM to its parent, which
    // reflects it to MeasureItem; the list is told of one at its own size.
    CRect rc;
    GetWindowRect(&rc);
    WINDOWPOS wp = { m_hWnd, nullptr, 0, 0, rc.Width(), rc.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE };
    SendMessage(WM_WINDOWPOSCHANGED, 0, (LPARAM)&wp);
}

int SabrelListCtrl::RowHeight()
{
    HDC hdc = ::GetDC(m_hWnd);
    int nHeight = SkinPaint::FontHeight(hdc, SkinPaint::WindowFont(m_hWnd)) + DpiScale::Scaled(m_hWnd, kRowPadding);
    ::ReleaseDC(m_hWnd, hdc);
    return nHeight;
}

void SabrelListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = (UINT)RowHeight();
}

void SabrelListCtrl::DrawItem(LPDRAWITEMSTRUCT p)
{
    if (!p->hDC) return;
    bool bDisabled = (GetStyle() & WS_DISABLED) != 0;
    bool bSelected = (p->itemState & ODS_SELECTED) != 0;
    // The bars run to the right edge even where the columns end earlier.
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcRow = p->rcItem;
    rcRow.right = std::max(rcRow.right, rcClient.right);

    if (bSelected && !bDisabled) SkinPaint::FillVertical(p->hDC, rcRow, kAccentLight, kAccent);
    else SkinPaint::FillSolid(p->hDC, rcRow, RowColour(bDisabled, bSelected, (int)p->itemID));
    COLORREF clrText = bDisabled ? kTextDisabled : bSelected ? kOnAccent : kText;
    int nMode = ::SetBkMode(p->hDC, TRANSPARENT);
    DrawRowTexts(p->hDC, p->rcItem, (int)p->itemID, clrText, DpiScale::Scaled(m_hWnd, kTextIndent));
    ::SetBkMode(p->hDC, nMode);
    if ((p->itemState & ODS_FOCUS) && SkinPaint::ShowsFocusCues(m_hWnd)) SkinPaint::DrawFocus(p->hDC, rcRow);
}

void SabrelListCtrl::DrawRowTexts(HDC hdc, const RECT& rcRow, int nItem, COLORREF clrText, int nIndent)
{
    int nColumns = ColumnCount();
    COLORREF clrPrevious = ::SetTextColor(hdc, clrText);
    CRect rcCell = rcRow;
    for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
        int nWidth = (int)SendMessage(LVM_GETCOLUMNWIDTH, (WPARAM)nColumn);
        rcCell.right = rcCell.left + nWidth;
        CString strText = ItemText(nItem, nColumn);
        CRect rcText = rcCell;
        rcText.left += nIndent;
        ::DrawTextW(hdc, strText, -1, &rcText, kCellFormat);
        rcCell.left += nWidth;
    }
    ::SetTextColor(hdc, clrPrevious);
}

BOOL SabrelListCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The dialog has moved to a monitor of another DPI and has its new font:
    // the rows take the height of the new size.
    if (message == WM_DPICHANGED_AFTERPARENT) {
        *pResult = DefWindowProc(message, wParam, lParam);
        RemeasureRows();
        Invalidate(TRUE);
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
        if (pHdr->code == NM_CUSTOMDRAW && pHdr->hwndFrom == (HWND)SendMessage(LVM_GETHEADER)) {
            *pResult = OnHeaderCustomDraw(reinterpret_cast<NMCUSTOMDRAW*>(lParam));
            return TRUE;
        }
    }
    return CListCtrl::OnWndMsg(message, wParam, lParam, pResult);
}

LRESULT SabrelListCtrl::OnHeaderCustomDraw(NMCUSTOMDRAW* pDraw)
{
    switch (pDraw->dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
        PaintHeaderItem(pDraw->hdr.hwndFrom, pDraw->hdc, pDraw->rc, (int)pDraw->dwItemSpec);
        return CDRF_SKIPDEFAULT;
    case CDDS_POSTPAINT:
        PaintHeaderRest(pDraw->hdr.hwndFrom, pDraw->hdc);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

namespace {
// A header section: the buttons' face with a line below and, between
// columns, a separator at the right.
void PaintHeaderFace(HDC hdc, const RECT& rc, bool bSeparator)
{
    SkinPaint::FillVertical(hdc, rc, kFaceTop, kFaceBottom);
    SkinPaint::FillSolid(hdc, CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), kBorder);
    if (bSeparator) SkinPaint::FillSolid(hdc, CRect(rc.right - 1, rc.top + 3, rc.right, rc.bottom - 3), kGroupFrame);
}
}

void SabrelListCtrl::PaintHeaderItem(HWND hHeader, HDC hdc, const RECT& rc, int nItem)
{
    int nIndent = DpiScale::Scaled(m_hWnd, kTextIndent);
    PaintHeaderFace(hdc, rc, true);
    wchar_t szText[MAX_PATH] = L"";
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = szText;
    item.cchTextMax = MAX_PATH;
    ::SendMessageW(hHeader, HDM_GETITEMW, (WPARAM)nItem, (LPARAM)&item);
    CRect rcText(rc.left + nIndent, rc.top, rc.right - nIndent, rc.bottom);
    SkinPaint::DrawTextIn(hdc, SkinPaint::WindowFont(hHeader), szText, rcText, kCellFormat,
                          (GetStyle() & WS_DISABLED) ? kTextDisabled : kText);
}

void SabrelListCtrl::PaintHeaderRest(HWND hHeader, HDC hdc)
{
    CRect rc;
    ::GetClientRect(hHeader, &rc);
    int nItems = (int)::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0);
    RECT rcLast = {};
    if (nItems > 0) ::SendMessageW(hHeader, HDM_GETITEMRECT, (WPARAM)(nItems - 1), (LPARAM)&rcLast);
    rc.left = rcLast.right;
    if (rc.left < rc.right) PaintHeaderFace(hdc, rc, false);
}

int SabrelListCtrl::ColumnCount() const
{
    HWND hHeader = (HWND)SendMessage(LVM_GETHEADER);
    if (!hHeader || !::IsWindow(hHeader)) return 1;
    return std::max(0, (int)::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
}

CString SabrelListCtrl::ItemText(int nItem, int nSubItem) const
{
    CString strText;
    LVITEMW item = {};
    item.iSubItem = nSubItem;
    item.cchTextMax = MAX_PATH;
    item.pszText = strText.GetBuffer(MAX_PATH);
    SendMessage(LVM_GETITEMTEXTW, (WPARAM)nItem, (LPARAM)&item);
    strText.ReleaseBuffer();
    return strText;
}

BOOL SabrelListCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    SkinPaint::FillSolid(*pDC, rcClient, (COLORREF)SendMessage(LVM_GETBKCOLOR));
    return TRUE;
}

void SabrelListCtrl::OnEnable(BOOL)
{
    Default();
    // Every row changes its look with the control's state.
    Invalidate(TRUE);
}

void SabrelListCtrl::OnShowWindow(BOOL bShow, UINT)
{
    Default();
    // A font set while the list was hidden made the list measure its rows
    // by the font alone.
    if (bShow) RemeasureRows();
}

void SabrelListCtrl::OnSize(UINT, int, int)
{
    Default();
    // The row bars span the client width, which has just changed.
    Invalidate(FALSE);
}

// A report list with owner-drawn rows in the library's look: rows of the
// library's height, striped, the selection as an accent bar.
#pragma once
#include "controls/SblExport.h"

class SBL_API SabrelListCtrl : public CListCtrl {
public:
    SabrelListCtrl();
    ~SabrelListCtrl() override;

    // Gives the attached list the library's colours and row height; called
    // once after the list is attached.
    void Sabrel();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Reached through the parent's reflected WM_MEASUREITEM.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // The row height of the library's look for the list's font.
    int RowHeight();

    BOOL OnEraseBkgnd(CDC* pDC);
    void OnEnable(BOOL bEnable);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnSize(UINT nType, int cx, int cy);

protected:
    void PreSubclassWindow() override;
    // Paints the header in the library's look as it asks (custom draw).
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Draws the texts of one row: one cell per header column, each cell as
    // wide as its column, the text nIndent pixels from the cell's left edge,
    // on one line, ending in an ellipsis when it does not fit.
    void DrawRowTexts(HDC hdc, const RECT& rcRow, int nItem, COLORREF clrText, int nIndent);
    // Makes the list ask its parent for the row height again.
    void RemeasureRows();

    DECLARE_DYNAMIC(SabrelListCtrl)
    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnHeaderCustomDraw(NMCUSTOMDRAW* pDraw);
    void PaintHeaderItem(HWND hHeader, HDC hdc, const RECT& rc, int nItem);
    void PaintHeaderRest(HWND hHeader, HDC hdc);
    int ColumnCount() const;
    CString ItemText(int nItem, int nSubItem) const;
};

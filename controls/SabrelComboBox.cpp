#include "controls/SabrelComboBox.h"
#include "controls/DpiScale.h"
#include "controls/SkinColors.h"

using namespace SkinColors;

namespace {
const int kRadius = 5;

void DrawArrow(HDC hdc, const CRect& rc, COLORREF clr)
{
    int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
    POINT pts[3] = { { cx - 4, cy - 2 }, { cx + 4, cy - 2 }, { cx, cy + 2 } };
    SkinPaint::Selection pen(hdc, ::CreatePen(PS_SOLID, 1, clr), true);
    SkinPaint::Selection brush(hdc, ::CreateSolidBrush(clr), true);
    ::Polygon(hdc, pts, 3);
}
}

SabrelComboBox::SabrelComboBox() = default;
SabrelComboBox::~SabrelComboBox() = default;

ULONGLONG SabrelComboBox::VisualState()
{
    ULONGLONG nSelection = (ULONGLONG)(Ask(CB_GETCURSEL) & 0xFFFF);
    ULONGLONG nFocus = ::GetFocus() == m_hWnd ? 1 : 0;
    ULONGLONG nDropped = Ask(CB_GETDROPPEDSTATE) ? 1 : 0;
    return SkinnedWindow::VisualState() | nSelection | nFocus << 16 | nDropped << 17;
}

void SabrelComboBox::Paint(HDC hdc, const CRect& rc)
{
    int nRadius = DpiScale::Scaled(m_hWnd, kRadius);
    ::FillRect(hdc, &rc, SkinPaint::ParentBrush(m_hWnd, hdc, WM_CTLCOLORSTATIC));
    bool bDropped = Ask(CB_GETDROPPEDSTATE) != 0;
    if (IsDisabled())
        SkinPaint::FillRoundFace(hdc, rc, nRadius, kFaceDisabled, kFaceDisabled, kBorderDisabled);
    else
        SkinPaint::FillRoundFace(hdc, rc, nRadius, kField, kField, (IsHot() || bDropped) ? kBorderHot : kBorder);
    int nButton = ::GetSystemMetrics(SM_CXVSCROLL) + 2;
    PaintArrowButton(hdc, CRect(rc.right - nButton, rc.top, rc.right, rc.bottom), bDropped);
    PaintSelection(hdc, CRect(rc.left + 3, rc.top + 3, rc.right - nButton - 1, rc.bottom - 3), bDropped);
}

void SabrelComboBox::PaintArrowButton(HDC hdc, const CRect& rcButton, bool bDropped)
{
    int nRadius = DpiScale::Scaled(m_hWnd, kRadius);
    CRect rcFace = rcButton;
    ::InflateRect(&rcFace, -2, -2);
    if (!IsDisabled() && (IsHot() || bDropped)) {
        COLORREF clrTop = bDropped ? kFacePressedTop : kFaceTop;
        COLORREF clrBottom = bDropped ? kFacePressedBottom : kFaceHotBottom;
        SkinPaint::FillRoundFace(hdc, rcFace, nRadius - 1, clrTop, clrBottom, clrBottom);
    }
    DrawArrow(hdc, rcButton, IsDisabled() ? kTextDisabled : kAccent);
}

void SabrelComboBox::PaintSelection(HDC hdc, const CRect& rcText, bool bDropped)
{
    // As in the standard control, a focused closed box shows its item selected.
    bool bHighlight = !IsDisabled() && !bDropped && ::GetFocus() == m_hWnd;
    if (bHighlight) SkinPaint::FillSolid(hdc, rcText, kAccent);
    COLORREF clrText = IsDisabled() ? kTextDisabled : bHighlight ? kOnAccent : kText;
    CRect rcInner(rcText.left + 3, rcText.top, rcText.right - 2, rcText.bottom);
    SkinPaint::DrawTextIn(hdc, SkinPaint::WindowFont(m_hWnd), SelectedText(), rcInner,
                          DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, clrText);
}

CString SabrelComboBox::SelectedText()
{
    CString strText;
    LRESULT nSelection = Ask(CB_GETCURSEL);
    if (nSelection < 0) return strText;
    LRESULT nLength = Ask(CB_GETLBTEXTLEN, (WPARAM)nSelection);
    if (nLength <= 0) return strText;
    Ask(CB_GETLBTEXT, (WPARAM)nSelection, (LPARAM)strText.GetBuffer((int)nLength + 1));
    strText.ReleaseBuffer();
    return strText;
}

void SabrelComboBox::ExcludeSeeThrough(HDC hdc, const CRect&)
{
    // A box with an edit field leaves that field to paint itself.
    HWND hEdit = ::GetWindow(m_hWnd, GW_CHILD);
    if (!hEdit) return;
    RECT rcEdit;
    ::GetWindowRect(hEdit, &rcEdit);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcEdit), 2);
    ::ExcludeClipRect(hdc, rcEdit.left, rcEdit.top, rcEdit.right, rcEdit.bottom);
}

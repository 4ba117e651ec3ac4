#include "controls/SabrelCheckBox.h"
#include "controls/DpiScale.h"
#include "controls/SkinColors.h"
#include <algorithm>

using namespace SkinColors;

namespace {
const int kGap = 5;  // between the box and the label

void DrawCheckMark(HDC hdc, const CRect& rcBox, COLORREF clr)
{
    int w = rcBox.Width();
    POINT pts[3] = {
        { rcBox.left + w * 3 / 13, rcBox.top + w * 6 / 13 },
        { rcBox.left + w * 5 / 13, rcBox.top + w * 9 / 13 },
        { rcBox.left + w * 10 / 13, rcBox.top + w * 3 / 13 },
    };
    SkinPaint::Selection pen(hdc, ::CreatePen(PS_SOLID, 2, clr), true);
    ::Polyline(hdc, pts, 3);
}
}

SabrelCheckBox::SabrelCheckBox() = default;
SabrelCheckBox::~SabrelCheckBox() = default;

void SabrelCheckBox::Paint(HDC hdc, const CRect& rc)
{
    ::FillRect(hdc, &rc, SkinPaint::ParentBrush(m_hWnd, hdc, WM_CTLCOLORSTATIC));
    int nBox = std::min<int>(SkinPaint::FontHeight(hdc, SkinPaint::WindowFont(m_hWnd)), rc.Height());
    CRect rcBox(rc.left, rc.top + (rc.Height() - nBox) / 2, rc.left + nBox, rc.top + (rc.Height() - nBox) / 2 + nBox);
    LRESULT nState = Ask(BM_GETSTATE);
    PaintBox(hdc, rcBox, nState);
    PaintLabel(hdc, CRect(rcBox.right + DpiScale::Scaled(m_hWnd, kGap), rc.top, rc.right, rc.bottom), nState);
}

void SabrelCheckBox::PaintBox(HDC hdc, const CRect& rcBox, LRESULT nState)
{
    bool bDisabled = IsDisabled();
    UINT nCheck = (UINT)(nState & (BST_CHECKED | BST_INDETERMINATE));
    if (bDisabled)
        SkinPaint::FillRoundFace(hdc, rcBox, 4, kFaceDisabled, kFaceDisabled, kBorderDisabled);
    else if (nCheck == BST_CHECKED)
        SkinPaint::FillRoundFace(hdc, rcBox, 4, kAccentLight, kAccent, kAccent);
    else {
        COLORREF clrField = (IsHot() || (nState & BST_PUSHED)) ? kFieldHot : kField;
        SkinPaint::FillRoundFace(hdc, rcBox, 4, clrField, clrField, IsHot() ? kBorderHot : kBorder);
    }
    if (nCheck == BST_CHECKED) DrawCheckMark(hdc, rcBox, bDisabled ? kTextDisabled : kOnAccent);
    if (nCheck == BST_INDETERMINATE) {
        CRect rcMark = rcBox;
        ::InflateRect(&rcMark, -rcBox.Width() / 4, -rcBox.Height() / 4);
        SkinPaint::FillSolid(hdc, rcMark, bDisabled ? kTextDisabled : kAccent);
    }
}

void SabrelCheckBox::PaintLabel(HDC hdc, CRect rcText, LRESULT nState)
{
    UINT nFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | SkinPaint::PrefixFormat(m_hWnd);
    SkinPaint::DrawWindowText(hdc, m_hWnd, rcText, nFormat, IsDisabled() ? kTextDisabled : kText);
    if (!(nState & BST_FOCUS) || !SkinPaint::ShowsFocusCues(m_hWnd)) return;
    // The focus frame hugs the label.
    CString strText;
    GetWindowText(strText);
    CRect rcCalc = rcText;
    SkinPaint::Selection font(hdc, SkinPaint::WindowFont(m_hWnd));
    ::DrawTextW(hdc, strText, -1, &rcCalc, nFormat | DT_CALCRECT);
    int nOffset = (rcText.Height() - rcCalc.Height()) / 2;
    CRect rcFocus(rcCalc.left - 1, rcText.top + nOffset - 1, std::min(rcCalc.right, rcText.right) + 1,
                  rcText.top + nOffset + rcCalc.Height() + 1);
    SkinPaint::DrawFocus(hdc, rcFocus);
}

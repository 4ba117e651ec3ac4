#include "controls/SabrelButton.h"
#include "controls/DpiScale.h"
#include "controls/SkinColors.h"

using namespace SkinColors;

namespace {
const int kRadius = 6;
}

SabrelButton::SabrelButton() = default;
SabrelButton::~SabrelButton() = default;

void SabrelButton::Paint(HDC hdc, const CRect& rc)
{
    ::FillRect(hdc, &rc, SkinPaint::ParentBrush(m_hWnd, hdc, WM_CTLCOLORBTN));
    LRESULT nState = Ask(BM_GETSTATE);
    PaintFace(hdc, rc, nState);

    bool bPressed = (nState & BST_PUSHED) != 0;
    CRect rcText = rc;
    if (bPressed) ::OffsetRect(&rcText, 1, 1);
    SkinPaint::DrawWindowText(hdc, m_hWnd, rcText,
                              DT_CENTER | DT_VCENTER | DT_SINGLELINE | SkinPaint::PrefixFormat(m_hWnd),
                              IsDisabled() ? kTextDisabled : kText);
    if ((nState & BST_FOCUS) && SkinPaint::ShowsFocusCues(m_hWnd)) {
        CRect rcFocus = rc;
        ::InflateRect(&rcFocus, -4, -4);
        SkinPaint::DrawFocus(hdc, rcFocus);
    }
}

void SabrelButton::PaintFace(HDC hdc, const CRect& rc, LRESULT nState)
{
    int nRadius = DpiScale::Scaled(m_hWnd, kRadius);
    if (IsDisabled()) {
        SkinPaint::FillRoundFace(hdc, rc, nRadius, kFaceDisabled, kFaceDisabled, kBorderDisabled);
        return;
    }
    bool bDefault = (GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    bool bEmphasis = bDefault || (nState & BST_FOCUS);
    if (nState & BST_PUSHED)
        SkinPaint::FillRoundFace(hdc, rc, nRadius, kFacePressedTop, kFacePressedBottom, kAccent);
    else if (IsHot())
        SkinPaint::FillRoundFace(hdc, rc, nRadius, kFaceTop, kFaceHotBottom, kBorderHot);
    else
        SkinPaint::FillRoundFace(hdc, rc, nRadius, kFaceTop, kFaceBottom, bEmphasis ? kAccent : kBorder);
    // The default button (and the one that would take Enter) gets a second,
    // lighter ring inside its border.
    if (bEmphasis) {
        CRect rcInner = rc;
        ::InflateRect(&rcInner, -1, -1);
        SkinPaint::FrameRound(hdc, rcInner, nRadius - 1, kAccentLight);
    }
}

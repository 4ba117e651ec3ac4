#include "controls/SabrelGroupBox.h"
#include "controls/DpiScale.h"
#include "controls/SkinColors.h"
#include <algorithm>

using namespace SkinColors;

namespace {
const int kRadius = 8;
const int kCaptionIndent = 8;
const int kCaptionPadding = 4;
// How far inside the frame the group's inside begins, clear of the corners.
const int kInsideMargin = 4;
}

SabrelGroupBox::SabrelGroupBox() = default;
SabrelGroupBox::~SabrelGroupBox() = default;

int SabrelGroupBox::CaptionHeight(HDC hdc) { return SkinPaint::FontHeight(hdc, SkinPaint::WindowFont(m_hWnd)); }

void SabrelGroupBox::Paint(HDC hdc, const CRect& rc)
{
    int nIndent = DpiScale::Scaled(m_hWnd, kCaptionIndent);
    int nPadding = DpiScale::Scaled(m_hWnd, kCaptionPadding);
    HBRUSH hBackground = SkinPaint::ParentBrush(m_hWnd, hdc, WM_CTLCOLORSTATIC);
    ::FillRect(hdc, &rc, hBackground);
    int nCaption = CaptionHeight(hdc);
    CRect rcFrame(rc.left, rc.top + nCaption / 2, rc.right - 1, rc.bottom - 1);
    SkinPaint::FrameRound(hdc, rcFrame, DpiScale::Scaled(m_hWnd, kRadius),
                          IsDisabled() ? kBorderDisabled : kGroupFrame);

    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty()) return;
    HFONT hFont = SkinPaint::WindowFont(m_hWnd);
    CRect rcText(rc.left + nIndent + nPadding, rc.top, rc.right - nIndent, rc.top + nCaption);
    UINT nFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | SkinPaint::PrefixFormat(m_hWnd);
    CRect rcCalc = rcText;
    {
        SkinPaint::Selection font(hdc, hFont);
        ::DrawTextW(hdc, strText, -1, &rcCalc, nFormat | DT_CALCRECT);
    }
    // The caption interrupts the frame.
    CRect rcGap(rcText.left - nPadding, rc.top, std::min(rcCalc.right, rcText.right) + nPadding,
                rc.top + nCaption);
    ::FillRect(hdc, &rcGap, hBackground);
    SkinPaint::DrawTextIn(hdc, hFont, strText, rcText, nFormat, IsDisabled() ? kTextDisabled : kGroupCaption);
}

void SabrelGroupBox::ExcludeSeeThrough(HDC hdc, const CRect& rc)
{
    int nMargin = DpiScale::Scaled(m_hWnd, kInsideMargin);
    int nCaption = CaptionHeight(hdc);
    ::ExcludeClipRect(hdc, rc.left + nMargin, rc.top + nCaption, rc.right - nMargin,
                      rc.bottom - nMargin);
}

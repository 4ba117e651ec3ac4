#include "controls/SabrelSliderCtrl.h"
#include "controls/DpiScale.h"
#include "controls/SkinColors.h"

using namespace SkinColors;

namespace {
const int kGrooveHalf = 2;
const int kTickLength = 3;
}

SabrelSliderCtrl::SabrelSliderCtrl() = default;
SabrelSliderCtrl::~SabrelSliderCtrl() = default;

ULONGLONG SabrelSliderCtrl::VisualState()
{
    ULONGLONG nPos = (ULONGLONG)(Ask(TBM_GETPOS) & 0xFFFF);
    ULONGLONG nFocus = ::GetFocus() == m_hWnd ? 1 : 0;
    ULONGLONG nDragging = ::GetCapture() == m_hWnd ? 1 : 0;
    return SkinnedWindow::VisualState() | nPos | nFocus << 16 | nDragging << 17;
}

void SabrelSliderCtrl::Paint(HDC hdc, const CRect& rc)
{
    if (GetStyle() & TBS_VERT) {
        Ask(WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT | PRF_ERASEBKGND);
        return;
    }
    ::FillRect(hdc, &rc, SkinPaint::ParentBrush(m_hWnd, hdc, WM_CTLCOLORSTATIC));
    CRect rcChannel, rcThumb;
    Ask(TBM_GETCHANNELRECT, 0, (LPARAM)&rcChannel);
    Ask(TBM_GETTHUMBRECT, 0, (LPARAM)&rcThumb);
    PaintGroove(hdc, rcChannel, rcThumb);
    if (!(GetStyle() & TBS_NOTICKS)) PaintTicks(hdc, rcChannel, rcThumb);
    PaintThumb(hdc, rcThumb);
    if (::GetFocus() == m_hWnd && SkinPaint::ShowsFocusCues(m_hWnd)) SkinPaint::DrawFocus(hdc, rc);
}

void SabrelSliderCtrl::PaintGroove(HDC hdc, const CRect& rcChannel, const CRect& rcThumb)
{
    int nHalf = DpiScale::Scaled(m_hWnd, kGrooveHalf);
    int cy = (rcThumb.top + rcThumb.bottom) / 2;
    CRect rcGroove(rcChannel.left, cy - nHalf, rcChannel.right, cy + nHalf);
    SkinPaint::FillRoundFace(hdc, rcGroove, 4, kChannel, kChannel, IsDisabled() ? kBorderDisabled : kBorder);
    if (IsDisabled()) return;
    // The part left of the thumb is filled: how much of the range is chosen.
    CRect rcFilled(rcGroove.left, rcGroove.top, (rcThumb.left + rcThumb.right) / 2, rcGroove.bottom);
    SkinPaint::FillRoundFace(hdc, rcFilled, 4, kAccentLight, kAccent, kAccent);
}

void SabrelSliderCtrl::PaintTicks(HDC hdc, const CRect& rcChannel, const CRect& rcThumb)
{
    int nLength = DpiScale::Scaled(m_hWnd, kTickLength);
    // The control places the inner ticks; the end ticks sit where the
    // thumb's centre stands at the ends of the range.
    int nHalfThumb = rcThumb.Width() / 2;
    int nTicks = (int)Ask(TBM_GETNUMTICS);
    COLORREF clr = IsDisabled() ? kBorderDisabled : kBorder;
    CRect rcTick(0, rcThumb.bottom + 1, 1, rcThumb.bottom + 1 + nLength);
    auto drawAt = [&](int x) {
        rcTick.left = x;
        rcTick.right = x + 1;
        SkinPaint::FillSolid(hdc, rcTick, clr);
    };
    drawAt(rcChannel.left + nHalfThumb);
    drawAt(rcChannel.right - nHalfThumb - 1);
    for (int i = 0; i < nTicks - 2; ++i) {
        int x = (int)Ask(TBM_GETTICPOS, (WPARAM)i);
        if (x >= 0) drawAt(x);
    }
}

void SabrelSliderCtrl::PaintThumb(HDC hdc, const CRect& rcThumb)
{
    CRect rc = rcThumb;
    if (IsDisabled()) {
        SkinPaint::FillRoundFace(hdc, rc, 6, kFaceDisabled, kFaceDisabled, kBorderDisabled);
        return;
    }
    if (::GetCapture() == m_hWnd)
        SkinPaint::FillRoundFace(hdc, rc, 6, kFacePressedTop, kFacePressedBottom, kAccent);
    else
        SkinPaint::FillRoundFace(hdc, rc, 6, kFaceTop, IsHot() ? kFaceHotBottom : kFaceBottom,
                                 IsHot() ? kBorderHot : kBorder);
}

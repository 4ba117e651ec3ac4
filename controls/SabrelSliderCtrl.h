// A slider in the library's look: a slim groove filled up to a rounded
// thumb, with the tick marks below. Vertical sliders keep the standard look.
#pragma once
#include "controls/SkinnedWindow.h"

class SBL_API SabrelSliderCtrl : public SkinnedWindow<CSliderCtrl> {
public:
    SabrelSliderCtrl();
    ~SabrelSliderCtrl() override;

protected:
    void Paint(HDC hdc, const CRect& rcClient) override;
    ULONGLONG VisualState() override;

private:
    void PaintGroove(HDC hdc, const CRect& rcChannel, const CRect& rcThumb);
    void PaintTicks(HDC hdc, const CRect& rcChannel, const CRect& rcThumb);
    void PaintThumb(HDC hdc, const CRect& rcThumb);
};

// A group frame in the library's look: a rounded frame with its caption on
// the top edge. Only the frame and the caption are painted; the inside shows
// the dialog and the controls it groups.
#pragma once
#include "controls/SkinnedButton.h"

class SBL_API SabrelGroupBox : public SkinnedButton {
public:
    SabrelGroupBox();
    ~SabrelGroupBox() override;

protected:
    void Paint(HDC hdc, const CRect& rcClient) override;
    void ExcludeSeeThrough(HDC hdc, const CRect& rcClient) override;

private:
    int CaptionHeight(HDC hdc);
};

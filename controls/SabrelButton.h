// A push button in the library's look: rounded face with hot, pressed,
// focused, default and disabled states.
#pragma once
#include "controls/SkinnedButton.h"

class SBL_API SabrelButton : public SkinnedButton {
public:
    SabrelButton();
    ~SabrelButton() override;

protected:
    void Paint(HDC hdc, const CRect& rcClient) override;

private:
    void PaintFace(HDC hdc, const CRect& rc, LRESULT nState);
};

// A push button in the library's look: rounded face with hot, pressed,
// focused, default and disabled states.
#pragma once
#include "controls/SkinnedWindow.h"

class SBL_API SabrelButton : public SkinnedWindow<CButton> {
public:
    SabrelButton();
    ~SabrelButton() override;

protected:
    void Paint(HDC hdc, const CRect& rcClient) override;
    ULONGLONG VisualState() override;

private:
    void PaintFace(HDC hdc, const CRect& rc, LRESULT nState);
};

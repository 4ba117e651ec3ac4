// A check box in the library's look. The control keeps its own style (a
// program-toggled BS_CHECKBOX stays one), so BM_GETCHECK and BM_SETCHECK
// work as always; only its painting is the library's.
#pragma once
#include "controls/SkinnedButton.h"

class SBL_API SabrelCheckBox : public SkinnedButton {
public:
    SabrelCheckBox();
    ~SabrelCheckBox() override;

protected:
    void Paint(HDC hdc, const CRect& rcClient) override;

private:
    void PaintBox(HDC hdc, const CRect& rcBox, LRESULT nState);
    void PaintLabel(HDC hdc, CRect rcText, LRESULT nState);
};

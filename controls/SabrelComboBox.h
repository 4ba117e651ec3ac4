// A combo box in the library's look: a rounded field with the selected item
// and an arrow button. The drop-down list is the control's own.
#pragma once
#include "controls/SkinnedWindow.h"

class SBL_API SabrelComboBox : public SkinnedWindow<CComboBox> {
public:
    SabrelComboBox();
    ~SabrelComboBox() override;

protected:
    void Paint(HDC hdc, const CRect& rcClient) override;
    ULONGLONG VisualState() override;
    void ExcludeSeeThrough(HDC hdc, const CRect& rcClient) override;

private:
    void PaintArrowButton(HDC hdc, const CRect& rcButton, bool bDropped);
    void PaintSelection(HDC hdc, const CRect& rcText, bool bDropped);
    CString SelectedText();
};

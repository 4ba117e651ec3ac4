// Base of the library's dialogs: the skin's background behind the dialog and
// behind every static text, check box and group frame on it.
#pragma once
#include "controls/SblExport.h"

class SBL_API AbstractDialog : public CDialog {
public:
    AbstractDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ~AbstractDialog() override;

    BOOL OnInitDialog() override;
    // Derived dialogs route WM_PAINT here in their message maps.
    void OnPaint();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    void PaintBackground(HDC hdc);

    HBRUSH m_hbrBackground;
};

// Window classes for the standard controls. They add nothing to the control:
// the program drives each with the control's own messages.
#pragma once
#include "framework/CWnd.h"
#include <commctrl.h>

class AFX_API CStatic : public CWnd {};

class AFX_API CButton : public CWnd {
public:
    // Owner-drawn buttons draw themselves when the parent reflects WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CComboBox : public CWnd {};

class AFX_API CSliderCtrl : public CWnd {};

class AFX_API CListCtrl : public CWnd {
public:
    // Owner-drawn rows are drawn here when the parent reflects WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_DYNAMIC(CListCtrl)
    DECLARE_MESSAGE_MAP()
};

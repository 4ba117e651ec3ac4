// The full-screen player of run mode.
#pragma once
#include "framework/Afx.h"

class PlayerDialog : public CDialog {
public:
    explicit PlayerDialog(CWnd* pParent);

    BOOL OnInitDialog() override;

    int m_nPowerAction = 0;
    HICON m_hIcon = nullptr;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

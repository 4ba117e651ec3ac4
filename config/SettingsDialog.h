// The settings dialog of configure mode.
#pragma once
#include "framework/Afx.h"

class SettingsDialog : public CDialog {
public:
    explicit SettingsDialog(CWnd* pParent);

    BOOL OnInitDialog() override;

    HICON m_hIcon = nullptr;
};

// Notice: another program keeps the display on, so nothing is played.
#pragma once
#include "framework/Afx.h"

class DisplayRequiredDialog : public CDialog {
public:
    explicit DisplayRequiredDialog(CWnd* pParent);
};

// The About box of the player's system menu: template 100, no handlers.
#pragma once
#include "framework/Afx.h"

class AboutDialog : public CDialog {
public:
    AboutDialog();
};

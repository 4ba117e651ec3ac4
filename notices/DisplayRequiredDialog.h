// Notice: another program keeps the display on, so nothing is played.
#pragma once
#include "notices/NoticeDialog.h"

class DisplayRequiredDialog : public NoticeDialog {
public:
    explicit DisplayRequiredDialog(CWnd* pParent);
};

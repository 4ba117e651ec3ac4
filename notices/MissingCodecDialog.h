// Notice: the movie needs a codec that is not installed.
#pragma once
#include "notices/NoticeDialog.h"

class MissingCodecDialog : public NoticeDialog {
public:
    explicit MissingCodecDialog(CWnd* pParent);
};

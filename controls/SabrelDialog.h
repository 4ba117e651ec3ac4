// The library's dialog: derive from it, construct it with the template and
// the parent, call SabrelDialog::DoDataExchange first in DoDataExchange, and
// chain the message map to it (see AbstractDialog for WM_PAINT).
#pragma once
#include "controls/AbstractDialog.h"

class SBL_API SabrelDialog : public AbstractDialog {
public:
    SabrelDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ~SabrelDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};

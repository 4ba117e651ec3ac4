// The library's dialog with a run-time class record; used like SabrelDialog.
#pragma once
#include "controls/AbstractDialog.h"

class SBL_API SabrelDialog2 : public AbstractDialog {
public:
    SabrelDialog2(UINT nIDTemplate, CWnd* pParentWnd);
    ~SabrelDialog2() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_DYNAMIC(SabrelDialog2)
    DECLARE_MESSAGE_MAP()
};

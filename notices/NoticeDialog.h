// What the small notices share: a template of the language library with an
// OK button, and a cursor that shows even where the player hid it.
#pragma once
#include "controls/SabrelButton.h"
#include "controls/SabrelDialog.h"

class NoticeDialog : public SabrelDialog {
public:
    NoticeDialog(UINT nIDTemplate, CWnd* pParent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    SabrelButton m_btnOK;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()
};

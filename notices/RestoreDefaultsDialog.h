// Confirmation before the settings go back to the machine defaults: only OK
// confirms; Cancel, Escape and the close button end it with IDCANCEL.
#pragma once
#include "notices/NoticeDialog.h"

class RestoreDefaultsDialog : public NoticeDialog {
public:
    explicit RestoreDefaultsDialog(CWnd* pParent);

    void OnCancel() override;

    SabrelButton m_btnCancel;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

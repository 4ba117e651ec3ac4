#include "notices/RestoreDefaultsDialog.h"
#include "res/ids.h"

RestoreDefaultsDialog::RestoreDefaultsDialog(CWnd* pParent) : NoticeDialog(IDD_RESTORE_DEFAULTS, pParent) {}

void RestoreDefaultsDialog::DoDataExchange(CDataExchange* pDX)
{
    NoticeDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
}

// The framework's own Cancel, whatever the skinned base makes of it.
void RestoreDefaultsDialog::OnCancel() { CDialog::OnCancel(); }

#include "notices/NoticeDialog.h"
#include "notices/CursorDisplay.h"

NoticeDialog::NoticeDialog(UINT nIDTemplate, CWnd* pParent) : SabrelDialog(nIDTemplate, pParent) {}

BEGIN_MESSAGE_MAP(NoticeDialog, SabrelDialog)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

void NoticeDialog::DoDataExchange(CDataExchange* pDX)
{
    SabrelDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
}

BOOL NoticeDialog::OnInitDialog()
{
    AbstractDialog::OnInitDialog();
    return TRUE;  // the system puts the focus on the first control
}

// The framework's own OK, whatever the skinned base makes of it.
void NoticeDialog::OnOK() { CDialog::OnOK(); }

BOOL NoticeDialog::OnSetCursor(CWnd*, UINT, UINT) { return ShowCursorThenDefault(*this); }

#include "config/SettingsDialog.h"
#include "res/ids.h"

SettingsDialog::SettingsDialog(CWnd* pParent) : CDialog(IDD_SETTINGS, pParent) {}

BOOL SettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    return TRUE;
}

#include "player/PlayerDialog.h"
#include "res/ids.h"

PlayerDialog::PlayerDialog(CWnd* pParent) : CDialog(IDD_PLAYER, pParent) {}

BEGIN_MESSAGE_MAP(PlayerDialog, CDialog)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL PlayerDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(L"Driftreel Player");
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    SetWindowPos(&wndTopMost, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), SWP_SHOWWINDOW);
    return TRUE;
}

void PlayerDialog::OnLButtonDown(UINT, CPoint) { EndDialog(IDCANCEL); }

// The rules that enable the settings dialog's controls, and the list column.
#include "config/SettingsDialog.h"
#include "settings/SettingsRecord.h"
#include <commctrl.h>

int SettingsDialog::GetMovieCount() const
{
    return m_viewMovies.GetItemCount();
}

int SettingsDialog::GetSelectedMovie() const
{
    return m_viewMovies.GetSelection();
}

void SettingsDialog::UpdatePlayButtons()
{
    m_btnPlay.EnableWindow(GetSelectedMovie() != -1);
    m_btnStop.EnableWindow(FALSE);
}

void SettingsDialog::UpdatePlayAllCheck()
{
    int nCount = GetMovieCount();
    BOOL bChecked = nCount == 1 || (nCount > 1 && m_nPlayingMethod != kPlayOneMovie);
    m_chkPlayAll.EnableWindow(nCount > 1);
    m_chkPlayAll.SendMessage(BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED);
    Invalidate(TRUE);
}

void SettingsDialog::UpdateMoveButtons()
{
    BOOL bEnable = GetMovieCount() > 1 && GetSelectedMovie() != -1 && m_nPlayingMethod != kPlayOneMovie;
    m_btnUp.EnableWindow(bEnable);
    m_btnDown.EnableWindow(bEnable);
    Invalidate(TRUE);
}

void SettingsDialog::UpdateVolumeControls()
{
    if (GetSelectedMovie() == -1) {
        m_sliderVolume.EnableWindow(FALSE);
    } else {
        m_sliderVolume.EnableWindow(TRUE);
        m_sliderVolume.SendMessage(TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));
        m_sliderVolume.SendMessage(TBM_SETTICFREQ, kVolumeStep);
        m_sliderVolume.SendMessage(TBM_SETPAGESIZE, 0, kVolumeStep);
        m_sliderVolume.SendMessage(TBM_SETLINESIZE, 0, kVolumeStep);
        m_sliderVolume.SendMessage(TBM_SETPOS, TRUE, m_nVolume);
    }
    UpdateVolumeButtons();
}

void SettingsDialog::UpdateVolumeButtons()
{
    BOOL bEnable = GetSelectedMovie() != -1;
    m_btnVolumeDown.EnableWindow(bEnable);
    m_btnVolumeUp.EnableWindow(bEnable);
}

// The column fills the list until a title longer than 40 characters is
// listed; from then on it is the wide width and the list scrolls. The list's
// client width, without its borders, leaves no room for an empty scroll bar.
void SettingsDialog::UpdateColumnWidth()
{
    RECT rcList;
    m_listMovies.GetClientRect(&rcList);
    m_nListWidth = rcList.right - rcList.left;
    int nWidth = m_bWideTitles ? m_nWideWidth : m_nListWidth;
    m_listMovies.SendMessage(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LOWORD(nWidth), 0));
}

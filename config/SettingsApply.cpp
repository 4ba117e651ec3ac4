// How the settings dialog ends: OK stores, Cancel does not, the defaults
// can be restored, and a session may end without anything stored.
#include "config/SettingsDialog.h"
#include "catalogue/MovieList.h"
#include "notices/RestoreDefaultsDialog.h"
#include "settings/SettingsRecord.h"
#include <commctrl.h>

void SettingsDialog::OnOK()
{
    SettingsChoice choice;
    choice.m_nPlayingMethod = m_nPlayingMethod;
    // A folder of one movie is stored as that movie.
    bool bFolder = m_nPlayingMethod == kPlayFolder && GetMovieCount() != 1;
    choice.m_strFilePath = bFolder ? m_strFolderPath : m_strPreviewPath;
    if (m_nPlayingMethod == kPlayFolder && !bFolder) choice.m_nPlayingMethod = kPlayOneMovie;
    choice.m_nDisplay = m_nDisplay;
    m_nVolume = (int)m_sliderVolume.SendMessage(TBM_GETPOS);
    choice.m_nVolume = m_nVolume;
    SaveSettingsRecord(choice, [this] { SaveMovieList(m_strContentRoot, m_strFolderPath, m_viewMovies); });
    CDialog::OnOK();
}

void SettingsDialog::OnCancel()
{
    CDialog::OnCancel();
}

void SettingsDialog::OnRestoreDefaults()
{
    RestoreDefaultsDialog dlg(nullptr);
    if (dlg.DoModal() != IDOK) return;
    CopyMachineDefaults();
    OnCancel();
}

// Log-off and shut-down are never held up, and nothing is stored.
BOOL SettingsDialog::OnQueryEndSession()
{
    return TRUE;
}

void SettingsDialog::OnEndSession(BOOL)
{
}

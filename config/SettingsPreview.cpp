// The settings dialog's preview: what it is handed, Play and Stop, the
// volume, the control's events and the system events that stop it.
#include "config/SettingsDialog.h"
#include "catalogue/ContentRoot.h"
#include "catalogue/FolderScan.h"
#include "media/CWMPControls3.h"
#include "media/CWMPSettings.h"
#include "media/MediaIds.h"
#include "notices/DisplayRequiredDialog.h"
#include "power/PowerPlatform.h"
#include <commctrl.h>
#include <wtsapi32.h>

// The preview starts once the dialog is on the screen: its control loads COM
// and the media libraries, and its first movie opens a media graph. A modal
// dialog's loop shows the dialog only when no message waits, so this shows
// and paints it first, as the loop would.
void SettingsDialog::OnShowPreview()
{
    if (!::IsWindowVisible(m_hWnd)) ShowWindow(SW_SHOWNORMAL);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    m_wndPreview.HostControl();
    PreviewSelectedMovie(m_strFolderPath);
}

void SettingsDialog::PreviewSelectedMovie(const CString& strFolderPath)
{
    if (GetMovieCount() == 0) {
        ShowNoFilePicture();
        return;
    }
    // With no selection nothing is previewed: an empty title would match
    // files such as ".avi" whose title is empty.
    int nSelected = GetSelectedMovie();
    CString strTitle = nSelected == -1 ? CString() : m_viewMovies.GetItemText(nSelected);
    bool bFound = false;
    if (!strTitle.IsEmpty()) {
        ForEachEntry(strFolderPath + L"\\*.*", [&](const CFileFind& find) {
            if (find.IsDirectory() || find.GetFileTitle() != strTitle) return;
            CString strPath = find.GetFilePath();
            m_wndPreview.put_URL(strPath.GetLength() >= MAX_PATH ? NoFilePicturePath(m_strContentRoot) : strPath);
            PutPreviewVolume();
            m_strPreviewPath = strPath;
            bFound = true;
        });
    }
    if (!bFound) {
        m_wndPreview.put_URL(NoFilePicturePath(m_strContentRoot));
        m_strPreviewPath.Empty();
    }
}

void SettingsDialog::ShowNoFilePicture()
{
    m_wndPreview.put_URL(NoFilePicturePath(m_strContentRoot));
    CWMPControls3(m_wndPreview.get_controls()).play();
}

void SettingsDialog::PutPreviewVolume()
{
    CWMPSettings(m_wndPreview.get_settings()).put_volume(m_nVolume);
}

// Stop, and a click or double click on the picture: a playing preview is
// closed and rewound.
void SettingsDialog::StopPreview()
{
    if (m_wndPreview.get_playState() != kPlayStatePlaying) return;
    RewindPreview();
}

// A closed and rewound preview waits for Play.
void SettingsDialog::RewindPreview()
{
    m_wndPreview.close();
    CWMPControls3(m_wndPreview.get_controls()).put_currentPosition(0.0);
    UpdatePlayButtons();
    m_btnPlay.SetFocus();
}

void SettingsDialog::OnStop()
{
    StopPreview();
}

void SettingsDialog::OnPreviewClick(short, short, long, long)
{
    StopPreview();
}

void SettingsDialog::OnPreviewDoubleClick(short, short, long, long)
{
    StopPreview();
}

void SettingsDialog::OnPlay()
{
    m_pPowerPlatform->GetExecutionState(&m_dwExecutionState);
    if (m_dwExecutionState & ES_DISPLAY_REQUIRED) {
        DisplayRequiredDialog dlg(nullptr);
        dlg.DoModal();
        return;
    }
    CWMPControls3(m_wndPreview.get_controls()).play();
    m_btnPlay.EnableWindow(FALSE);
    m_btnStop.EnableWindow(TRUE);
    m_btnStop.SetFocus();
}

void SettingsDialog::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if (pScrollBar && pScrollBar->GetSafeHwnd() == m_sliderVolume.GetSafeHwnd()) {
        m_nVolume = (int)m_sliderVolume.SendMessage(TBM_GETPOS);
        PutPreviewVolume();
    }
    SabrelDialog2::OnHScroll(nSBCode, nPos, pScrollBar);
}

// Moves the volume to nVolume, kept within 1..100, with the slider.
void SettingsDialog::SetVolume(int nVolume)
{
    m_nVolume = nVolume <= 1 ? 1 : nVolume >= 100 ? 100 : nVolume;
    m_sliderVolume.SendMessage(TBM_SETPOS, TRUE, m_nVolume);
    PutPreviewVolume();
}

void SettingsDialog::OnVolumeDown()
{
    SetVolume(m_nVolume - kVolumeStep);
}

void SettingsDialog::OnVolumeUp()
{
    SetVolume(m_nVolume + kVolumeStep);
}

// A missing codec shows as codec acquisition beginning and then the media
// waiting; the codec picture is shown for the first such movie only.
void SettingsDialog::OnPreviewOpenStateChange(long nNewState)
{
    if (nNewState == kOpenStateBeginCodecAcquisition && m_nCodecState == kCodecNotSeen) {
        m_nCodecState = kCodecAcquiring;
    } else if (nNewState == kOpenStateMediaWaiting && m_nCodecState == kCodecAcquiring) {
        PostMessage(WM_APP_NOCODEC);
        m_nCodecState = kCodecPictureShown;
    }
}

void SettingsDialog::OnPreviewPlayStateChange(long nNewState)
{
    if (nNewState == kPlayStateMediaEnded) PostMessage(WM_APP_MEDIAENDED);
}

void SettingsDialog::StopAndClosePreview()
{
    CWMPControls3(m_wndPreview.get_controls()).stop();
    m_wndPreview.close();
}

void SettingsDialog::OnLockSession()
{
    StopAndClosePreview();
    m_btnPlay.EnableWindow(TRUE);
    m_btnStop.EnableWindow(FALSE);
    m_btnPlay.SetFocus();
}

// Play can start the preview again once the system stays up.
void SettingsDialog::OnQuerySuspend()
{
    StopAndClosePreview();
    UpdatePlayButtons();
    m_btnPlay.SetFocus();
}

void SettingsDialog::OnNoCodec()
{
    CWMPControls3 controls(m_wndPreview.get_controls());
    controls.stop();
    m_wndPreview.put_URL(NoCodecPicturePath(m_strContentRoot));
    controls.play();
}

void SettingsDialog::OnMediaEnded()
{
    RewindPreview();
}

// Session notifications are registered for this window from its creation to
// its destruction, and again after every power broadcast.
LRESULT SettingsDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        ::WTSRegisterSessionNotification(m_hWnd, NOTIFY_FOR_ALL_SESSIONS);
        break;
    case WM_DESTROY:
        ::WTSUnRegisterSessionNotification(m_hWnd);
        break;
    case WM_POWERBROADCAST:
        if (LOWORD(wParam) == PBT_APMQUERYSUSPEND) OnQuerySuspend();
        ::WTSRegisterSessionNotification(m_hWnd, NOTIFY_FOR_ALL_SESSIONS);
        break;
    case WM_WTSSESSION_CHANGE:
        if (wParam == WTS_SESSION_LOCK) OnLockSession();
        break;
    case WM_APP_SHOWPREVIEW:
        OnShowPreview();
        break;
    case WM_APP_NOCODEC:
        OnNoCodec();
        break;
    case WM_APP_MEDIAENDED:
        OnMediaEnded();
        break;
    }
    return AbstractDialog::WindowProc(message, wParam, lParam);
}

// The player's playback: state reports of the control, the order of the
// movies, the missing-codec path and the power countdown.
#include "player/PlayerDialog.h"
#include "player/MmTimer.h"
#include "catalogue/ContentRoot.h"
#include "catalogue/StoredMovieLookup.h"
#include "media/CWMPControls3.h"
#include "media/MediaIds.h"
#include "notices/MissingCodecDialog.h"
#include "power/IdleSleepPolicy.h"
#include "settings/SettingsRecord.h"

void PlayerDialog::OnPlayerPlayStateChange(long nNewState)
{
    if (m_bStopping) return;
    if (nNewState == kPlayStateMediaEnded) PostMessage(WM_APP_NEXTMOVIE);
    else if (nNewState == kPlayStateReady) PostMessage(WM_APP_MEDIAREADY);
}

// Every second report of a codec acquisition counts as a missing codec.
void PlayerDialog::OnPlayerOpenStateChange(long nNewState)
{
    if (nNewState != kOpenStateBeginCodecAcquisition) return;
    if (m_bCodecPending && !m_bNoticeShown) {
        PostMessage(WM_APP_CODECMISSING);
        m_bCodecPending = FALSE;
    } else if (!m_bCodecPending) {
        m_bCodecPending = TRUE;
    }
}

void PlayerDialog::OnNextMovie()
{
    m_player.close();
    if (m_nPlayingMethod == kPlayFolder) SelectNextMovie();
    m_player.put_URL(m_strMovie);
}

void PlayerDialog::OnMediaReady() { CWMPControls3(m_player.get_controls()).play(); }

// In list play the next entry opens from a window timer, not at once: when
// every entry lacks its codec, each opening reports the next miss with a
// posted message, and posted messages come before input, so the user could
// never end the player. A timer comes after the input waiting.
void PlayerDialog::OnCodecMissing()
{
    if (m_nPlayingMethod != kPlayOneMovie) {
        ::SetTimer(m_hWnd, ID_TIMER_CODECSKIP, USER_TIMER_MINIMUM, nullptr);
        return;
    }
    if (m_bNoticeShown) return;
    EndDialog(IDCANCEL);
    m_bNoticeShown = TRUE;
    MissingCodecDialog notice(nullptr);
    notice.DoModal();
}

// The first usable entry from m_nFileIndex on. The search only visits the
// entries the list key really holds, so a huge "FileCount" costs nothing.
bool PlayerDialog::SearchFromCurrentEntry()
{
    MoviePosition found = FindUsableMovie(m_strContentRoot, m_strListFolder, m_nFileIndex, m_nFileCount);
    m_strMovie = found.m_strMovie;
    m_nFileIndex = found.m_nFileIndex;
    return found.m_bUsable;
}

void PlayerDialog::SelectNextMovie()
{
    if (++m_nFileIndex > m_nFileCount) m_nFileIndex = 1;
    if (!SearchFromCurrentEntry()) SearchFromFirstEntry();
}

// Over the whole list; with nothing found the no-file picture plays and the
// list starts at its first entry again. A last entry too long to be usable
// is still given to the control.
void PlayerDialog::SearchFromFirstEntry()
{
    m_nFileIndex = 1;
    SearchFromCurrentEntry();
    if (m_strMovie.IsEmpty()) {
        m_strMovie = NoFilePicturePath(m_strContentRoot);
        m_nFileIndex = 1;
    }
}

void PlayerDialog::OnCodecSkipTimer()
{
    ::KillTimer(m_hWnd, ID_TIMER_CODECSKIP);
    OnNextMovie();
}

void PlayerDialog::StopAndEnd()
{
    CWMPControls3(m_player.get_controls()).stop();
    m_bStopping = TRUE;
    m_player.close();
    EndDialog(IDCANCEL);
}

// Long delays run as intervals of m_nDelayInterval and a remainder, so that
// no single timer reaches twice that length.
void PlayerDialog::ArmCountdown(int nDelay)
{
    int nInterval = nDelay;
    if (nDelay >= 2 * m_nDelayInterval) {
        m_nPowerDelay = nDelay;
        m_nDelayChunk = 1;
        m_nDelayChunks = nDelay / m_nDelayInterval;
        m_nDelayRemainder = nDelay - m_nDelayInterval * m_nDelayChunks;
        nInterval = m_nDelayInterval;
    }
    ArmCountdownTimer(nInterval);
}

void PlayerDialog::ArmCountdownTimer(int nInterval)
{
    if (m_nPowerAction == PowerActionSleep) m_idStandbyTimer = SetOneShotTimer(nInterval, m_hWnd);
    else if (m_nPowerAction == PowerActionHibernate) m_idHibernateTimer = SetOneShotTimer(nInterval, m_hWnd);
}

void PlayerDialog::KillCountdown()
{
    KillOneShotTimer(m_idStandbyTimer);
    KillOneShotTimer(m_idHibernateTimer);
}

// Every player timer ends up here, on the dialog's own thread.
void PlayerDialog::OnMmTimer(UINT nTimerID)
{
    if (!nTimerID) return;
    if (nTimerID == m_idStandbyTimer || nTimerID == m_idHibernateTimer) {
        // A one-shot timer that fired is gone; nothing is left to kill.
        m_idStandbyTimer = m_idHibernateTimer = 0;
        OnCountdownTimer();
    } else if (nTimerID == m_idCaptureTimer) {
        m_idCaptureTimer = 0;
        OnCaptureTimer();
    }
}

void PlayerDialog::OnCountdownTimer()
{
    if (m_nPowerDelay < 2 * m_nDelayInterval || m_nDelayChunk > m_nDelayChunks) {
        PostMessage(WM_APP_POWERTIMEOUT);
        return;
    }
    KillCountdown();
    if (m_nDelayChunk < m_nDelayChunks) {
        ArmCountdownTimer(m_nDelayInterval);
        ++m_nDelayChunk;
    } else if (m_nDelayRemainder > 0) {
        ArmCountdownTimer(m_nDelayRemainder);
        ++m_nDelayChunk;
    } else {
        PostMessage(WM_APP_POWERTIMEOUT);
    }
}

void PlayerDialog::OnPowerTimeout()
{
    CWMPControls3 controls(m_player.get_controls());
    double dPosition = controls.get_currentPosition();
    controls.stop();
    m_bStopping = TRUE;
    if (m_pIdleSleepPolicy->IsSystemRequired()) {
        // Another program holds the system awake: play on, with no countdown.
        m_bStopping = FALSE;
        controls.put_currentPosition(dPosition);
        controls.play();
        return;
    }
    KillCountdown();
    m_bPowerExpired = TRUE;
    m_player.close();
    EndDialog(IDCANCEL);
}

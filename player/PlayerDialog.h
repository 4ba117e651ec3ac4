// The full-screen player of run mode: plays the chosen movie, or a folder's
// movies in their stored order, topmost over the whole screen; counts down
// the idle time the power scheme still allows; ends at the user's first
// input. Every ending it brings about ends the dialog with IDCANCEL.
#pragma once
#include "framework/Afx.h"
#include "media/CWMPPlayer4.h"
#include "player/MonitorCovers.h"
#include <mmsystem.h>

class IdleSleepPolicy;

#define WM_APP_NEXTMOVIE     (WM_APP + 1)
#define WM_APP_MEDIAREADY    (WM_APP + 100)
#define WM_APP_POWERTIMEOUT  (WM_APP + 150)
#define WM_APP_CODECMISSING  (WM_APP + 200)

// The window timer that moves a list past a movie without its codec.
#define ID_TIMER_CODECSKIP   1

class PlayerDialog : public CDialog {
public:
    explicit PlayerDialog(CWnd* pParent);
    ~PlayerDialog() override;

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The length of one countdown interval, and the delay of the capture
    // hand-over, for every player; tests shorten them.
    static int m_nDelayInterval;     // ms, 500000
    static int m_nCaptureDelay;      // ms, 1000

    POINT m_ptCursorBase;
    POINT m_ptCursor;
    BOOL m_bCursorBaseSet;
    POINT m_ptFirstMove;
    BOOL m_bFirstMoveSeen;
    int m_cxFull, m_cyFull;
    TIMECAPS m_timeCaps;
    UINT m_nTimerPeriod;
    UINT m_idHibernateTimer;
    UINT m_idStandbyTimer;
    UINT m_idCaptureTimer;
    BOOL m_bCodecPending;
    BOOL m_bPowerExpired;
    int m_nPowerAction;              // PowerActionNone, PowerActionSleep or PowerActionHibernate
    int m_nPlayingMethod;            // a PlayingMethod of the settings record
    int m_nVolume;
    int m_nFileCount;
    int m_nFileIndex;                // 1-based list entry now playing
    CString m_strMovie;
    CString m_strListFolder;
    CString m_strContentRoot;
    BOOL m_bStopping;
    BOOL m_bNoticeShown;
    int m_nPowerDelay;
    int m_nDelayChunks;
    int m_nDelayRemainder;
    int m_nDelayChunk;
    HICON m_hIcon;
    CWMPPlayer4 m_player;
    // Where the idle-sleep delay and the held-awake test come from.
    IdleSleepPolicy* m_pIdleSleepPolicy;
    // Black over every other monitor while the player runs.
    MonitorCovers m_covers;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Set-up.
    void AddAboutItem();
    void LoadSettings(CString& strFilePath);
    void CoverScreen();
    void ChooseFirstMovie(const CString& strFilePath);
    void OpenFirstMovie();
    void RaiseTimerResolution();

    // Playback.
    void SelectNextMovie();
    bool SearchFromCurrentEntry();
    void SearchFromFirstEntry();
    void StopAndEnd();
    void OnPlayerPlayStateChange(long nNewState);
    void OnPlayerOpenStateChange(long nNewState);
    void OnNextMovie();
    void OnMediaReady();
    void OnCodecMissing();
    void OnCodecSkipTimer();

    // Power countdown.
    void ArmCountdown(int nDelay);
    void ArmCountdownTimer(int nInterval);
    void KillCountdown();
    void OnMmTimer(UINT nTimerID);
    void OnCountdownTimer();
    void OnCaptureTimer();
    void OnPowerTimeout();

    // Input, focus and exit.
    bool HandleEndingMessage(UINT message, WPARAM wParam);
    bool IsResizedAway();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    void OnKillFocus(CWnd* pNewWnd);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnPlayerKeyDown(short nKeyCode, short nShiftState);
    void OnPlayerMouseMove(short nButton, short nShiftState, long fX, long fY);
    void OnPlayerClick(short nButton, short nShiftState, long fX, long fY);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

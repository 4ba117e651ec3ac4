// The settings dialog of configure mode: the user picks a movie folder, one
// movie of it or all of them in an order of their own, and the volume, and
// watches the chosen movie in a preview. OK stores the choices.
#pragma once
#include "config/ListControlView.h"
#include "controls/MovieListCtrl.h"
#include "controls/SabrelButton.h"
#include "controls/SabrelCheckBox.h"
#include "controls/SabrelComboBox.h"
#include "controls/SabrelDialog2.h"
#include "controls/SabrelGroupBox.h"
#include "controls/SabrelSliderCtrl.h"
#include "media/CWMPPlayer4.h"
#include <vector>

class PowerPlatform;

#define WM_APP_SHOWPREVIEW  (WM_APP + 150)
#define WM_APP_NOCODEC      (WM_APP + 250)
#define WM_APP_MEDIAENDED   (WM_APP + 350)

class SettingsDialog : public SabrelDialog2 {
public:
    // How far the preview has got with a movie whose codec is missing.
    enum CodecState {
        kCodecNotSeen = 0,
        kCodecAcquiring = 1,       // codec acquisition began
        kCodecPictureShown = 2,    // the codec picture took the movie's place
    };

    explicit SettingsDialog(CWnd* pParent);
    ~SettingsDialog() override;

    int m_cxScreen;
    int m_cyScreen;
    float m_fAspect;
    CString m_strFilePath;
    int m_nDisplay;
    int m_nPlayingMethod;        // a PlayingMethod of the settings record
    int m_nVolume;               // 1..100
    CString m_strContentRoot;
    CString m_strPreviewPath;    // the movie last handed to the preview
    CString m_strFolderPath;     // the folder whose movies the list shows
    int m_nInsertIndex;
    BOOL m_bWideTitles;
    int m_nSampleWidth;
    int m_nListWidth;
    int m_nWideWidth;
    int m_nCodecState;           // a CodecState
    DWORD m_dwExecutionState;
    CString m_strShapePath;
    RECT m_rcWindow;             // empty until the dialog is set up
    HICON m_hIcon;
    // Where the execution state comes from; tests answer it themselves.
    PowerPlatform* m_pPowerPlatform;

    MovieListCtrl m_listMovies;
    SabrelButton m_btnDefaults;
    SabrelButton m_btnStop;
    SabrelButton m_btnPlay;
    SabrelButton m_btnVolumeUp;
    SabrelButton m_btnVolumeDown;
    SabrelCheckBox m_chkPlayAll;
    SabrelSliderCtrl m_sliderVolume;
    SabrelComboBox m_comboFolder;
    SabrelButton m_btnDown;
    SabrelButton m_btnUp;
    SabrelButton m_btnCancel;
    SabrelButton m_btnOK;
    CWMPPlayer4 m_wndPreview;
    CStatic m_staticTitle;
    SabrelGroupBox m_group1;
    SabrelGroupBox m_group2;
    SabrelGroupBox m_group3;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Set-up.
    void RaisePreview();
    void LoadSettings();
    void ClassifyScreen();
    void FillFolderCombo();
    void InsertMovieColumn();
    void LoadFolderMovies();

    // Enabling rules and the column.
    int GetMovieCount() const;
    int GetSelectedMovie() const;
    void UpdatePlayButtons();
    void UpdatePlayAllCheck();
    void UpdateMoveButtons();
    void UpdateVolumeControls();
    void UpdateVolumeButtons();
    void UpdateColumnWidth();

    // The folder, the movie and the list.
    BOOL SelectStoredFolder();
    CString GetSelectedFolderPath();
    CString FolderName(int nItem) const;
    BOOL SelectStoredMovie();
    CString StoredMovieTitle() const;
    void SetTitleLabel();
    void SwapMovies(int nFrom, int nTo);
    void PreviewOrShowNoFile();
    void OnFolderSelChange();
    void OnMovieListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnMoveUp();
    void OnMoveDown();
    void OnPlayAllClicked();

    // The preview.
    void OnShowPreview();
    void PreviewSelectedMovie(const CString& strFolderPath);
    void ShowNoFilePicture();
    void PutPreviewVolume();
    void SetVolume(int nVolume);
    void StopPreview();
    void RewindPreview();
    void StopAndClosePreview();
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnVolumeDown();
    void OnVolumeUp();
    void OnPlay();
    void OnStop();
    void OnPreviewClick(short nButton, short nShiftState, long x, long y);
    void OnPreviewDoubleClick(short nButton, short nShiftState, long x, long y);
    void OnPreviewOpenStateChange(long nNewState);
    void OnPreviewPlayStateChange(long nNewState);
    void OnLockSession();
    void OnQuerySuspend();
    void OnNoCodec();
    void OnMediaEnded();

    // Ending.
    void OnRestoreDefaults();
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL bEnding);

    // Messages answered in this dialog's own way.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    void OnMovieListClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnGetMinMaxInfo(MINMAXINFO* pMMI);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void MeasureSampleWidths();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    // The real names of the folders in the combo box; each item's data is
    // its index here.
    std::vector<CString> m_arrFolderNames;

    // The step of the volume buttons and of the slider's ticks, lines and pages.
    enum { kVolumeStep = 25 };

    ListControlView m_viewMovies;
};

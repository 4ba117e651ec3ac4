// A dialog with every skinned control kind, enabled and disabled, that counts
// the notifications reaching it. Used by the tests and the screenshot.
#pragma once
#include "controls/MovieListCtrl.h"
#include "controls/SabrelButton.h"
#include "controls/SabrelCheckBox.h"
#include "controls/SabrelComboBox.h"
#include "controls/SabrelDialog2.h"
#include "controls/SabrelGroupBox.h"
#include "controls/SabrelSliderCtrl.h"
#include <functional>
#include <map>

// The movie list, noting the row rectangle each row was last drawn in.
class RecordingMovieList : public MovieListCtrl {
public:
    void DrawItem(LPDRAWITEMSTRUCT p) override
    {
        m_drawnRows[(int)p->itemID] = p->rcItem;
        MovieListCtrl::DrawItem(p);
    }
    std::map<int, CRect> m_drawnRows;
};

class SkinSampleDialog : public SabrelDialog2 {
public:
    SkinSampleDialog();
    ~SkinSampleDialog() override;

    RecordingMovieList m_listMovies;
    SabrelListCtrl m_listMoviesOff;
    SabrelComboBox m_comboFolders;
    SabrelComboBox m_comboFoldersOff;
    SabrelCheckBox m_chkPlayAll;
    SabrelCheckBox m_chkRepeat;
    SabrelCheckBox m_chkPlayAllOff;
    SabrelButton m_btnPress;
    SabrelButton m_btnPressOff;
    SabrelButton m_btnOK;
    SabrelButton m_btnCancel;
    SabrelSliderCtrl m_sliderVolume;
    SabrelSliderCtrl m_sliderVolumeOff;
    SabrelGroupBox m_groupEnabled;
    SabrelGroupBox m_groupDisabled;

    int m_nPresses = 0;
    int m_nPlayAllClicks = 0;
    int m_nFolderChanges = 0;
    int m_nScrolls = 0;
    int m_nItemChanges = 0;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPress();
    void OnPlayAllClicked();
    void OnFolderSelChange();
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnMovieItemChanged(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};

// Runs the sample dialog and the scenario inside it once it is on the
// screen; the dialog then ends with IDOK.
void RunSampleDialog(const std::function<void(SkinSampleDialog&)>& scenario);

// Lets the thread's messages run for dwMs (paints, timers, posted messages).
void PumpFor(DWORD dwMs);

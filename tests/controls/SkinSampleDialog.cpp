#include "tests/controls/SkinSampleDialog.h"
#include "tests/controls/sample_ids.h"
#include "tests/support/ModalDriver.h"

namespace {
const wchar_t* const kFolders[] = { L"Nature", L"Cities", L"Oceans" };
const wchar_t* const kMovies[] = { L"Autumn forest", L"Harbour at night",
                                   L"A very long title that does not fit into its column", L"Salt & pepper" };

void FillFolders(CComboBox& combo)
{
    for (const wchar_t* pszFolder : kFolders) combo.SendMessage(CB_ADDSTRING, 0, (LPARAM)pszFolder);
    combo.SendMessage(CB_SETCURSEL, 0);
}

void FillMovies(CListCtrl& list)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = 150;
    column.pszText = const_cast<wchar_t*>(L"Movie");
    list.SendMessage(LVM_INSERTCOLUMNW, 0, (LPARAM)&column);
    int nIndex = 0;
    for (const wchar_t* pszMovie : kMovies) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = nIndex++;
        item.pszText = const_cast<wchar_t*>(pszMovie);
        list.SendMessage(LVM_INSERTITEMW, 0, (LPARAM)&item);
    }
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    list.SendMessage(LVM_SETITEMSTATE, 1, (LPARAM)&state);
}

void SetUpVolume(CSliderCtrl& slider)
{
    slider.SendMessage(TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));
    slider.SendMessage(TBM_SETTICFREQ, 25);
    slider.SendMessage(TBM_SETPAGESIZE, 0, 25);
    slider.SendMessage(TBM_SETLINESIZE, 0, 25);
    slider.SendMessage(TBM_SETPOS, TRUE, 50);
}
}

BEGIN_MESSAGE_MAP(SkinSampleDialog, SabrelDialog2)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_PRESS, OnPress)
    ON_BN_CLICKED(IDC_PLAY_ALL, OnPlayAllClicked)
    ON_CBN_SELCHANGE(IDC_FOLDERS, OnFolderSelChange)
    ON_WM_HSCROLL()
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MOVIES, OnMovieItemChanged)
END_MESSAGE_MAP()

SkinSampleDialog::SkinSampleDialog() : SabrelDialog2(IDD_SKIN_SAMPLE, nullptr) {}
SkinSampleDialog::~SkinSampleDialog() = default;

void SkinSampleDialog::DoDataExchange(CDataExchange* pDX)
{
    SabrelDialog2::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MOVIES, m_listMovies);
    DDX_Control(pDX, IDC_MOVIES_OFF, m_listMoviesOff);
    DDX_Control(pDX, IDC_FOLDERS, m_comboFolders);
    DDX_Control(pDX, IDC_FOLDERS_OFF, m_comboFoldersOff);
    DDX_Control(pDX, IDC_PLAY_ALL, m_chkPlayAll);
    DDX_Control(pDX, IDC_AUTO_CHECK, m_chkRepeat);
    DDX_Control(pDX, IDC_CHECK_OFF, m_chkPlayAllOff);
    DDX_Control(pDX, IDC_PRESS, m_btnPress);
    DDX_Control(pDX, IDC_PRESS_OFF, m_btnPressOff);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_VOLUME, m_sliderVolume);
    DDX_Control(pDX, IDC_VOLUME_OFF, m_sliderVolumeOff);
    DDX_Control(pDX, IDC_ENABLED_GROUP, m_groupEnabled);
    DDX_Control(pDX, IDC_DISABLED_GROUP, m_groupDisabled);
}

BOOL SkinSampleDialog::OnInitDialog()
{
    SabrelDialog2::OnInitDialog();
    m_listMovies.Sabrel();
    m_listMoviesOff.Sabrel();
    FillFolders(m_comboFolders);
    FillFolders(m_comboFoldersOff);
    FillMovies(m_listMovies);
    FillMovies(m_listMoviesOff);
    SetUpVolume(m_sliderVolume);
    SetUpVolume(m_sliderVolumeOff);
    m_chkPlayAll.SendMessage(BM_SETCHECK, BST_CHECKED);
    m_chkPlayAllOff.SendMessage(BM_SETCHECK, BST_CHECKED);
    m_nItemChanges = 0;
    return TRUE;
}

void SkinSampleDialog::OnPress() { ++m_nPresses; }

void SkinSampleDialog::OnPlayAllClicked()
{
    // A program-toggled check box, as the settings dialog has one.
    ++m_nPlayAllClicks;
    LRESULT nCheck = m_chkPlayAll.SendMessage(BM_GETCHECK);
    m_chkPlayAll.SendMessage(BM_SETCHECK, nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

void SkinSampleDialog::OnFolderSelChange() { ++m_nFolderChanges; }

void SkinSampleDialog::OnHScroll(UINT, UINT, CWnd*) { ++m_nScrolls; }

void SkinSampleDialog::OnMovieItemChanged(NMHDR*, LRESULT* pResult)
{
    ++m_nItemChanges;
    *pResult = 0;
}

void PumpFor(DWORD dwMs)
{
    DWORD dwStart = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - dwStart < dwMs) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void RunSampleDialog(const std::function<void(SkinSampleDialog&)>& scenario)
{
    SkinSampleDialog dlg;
    RunModalWith(dlg, [&](CDialog& d) {
        scenario(dlg);
        d.EndDialog(IDOK);
    });
}

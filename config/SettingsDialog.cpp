#include "config/SettingsDialog.h"
#include "catalogue/ContentRoot.h"
#include "catalogue/MovieList.h"
#include "catalogue/ScreenShape.h"
#include "catalogue/ShapeVariant.h"
#include "controls/DpiScale.h"
#include "media/MediaIds.h"
#include "power/PowerPlatform.h"
#include "res/ids.h"
#include "settings/SettingsRecord.h"
#include <commctrl.h>

namespace {
// The column starts as wide as this 40-character text; titles longer than
// it widen the column to at least the 42-character one.
const wchar_t kSampleText[] = L"1234567891234567891234567891234567891234";
const wchar_t kWideSampleText[] = L"123456789123456789123456789123456789123456";
}

SettingsDialog::SettingsDialog(CWnd* pParent)
    : SabrelDialog2(IDD_SETTINGS, pParent), m_cxScreen(0), m_cyScreen(0), m_fAspect(0.0f), m_nDisplay(0),
      m_nPlayingMethod(kPlayFolder), m_nVolume(50), m_strContentRoot(BuildContentRoot()), m_nInsertIndex(0),
      m_bWideTitles(FALSE), m_nSampleWidth(0), m_nListWidth(0), m_nWideWidth(0), m_nCodecState(kCodecNotSeen),
      m_dwExecutionState(0), m_rcWindow(), m_hIcon(nullptr), m_pPowerPlatform(&SystemPowerPlatform()), m_viewMovies(m_listMovies)
{
    m_wndPreview.DeferHosting();
}

SettingsDialog::~SettingsDialog() = default;

BEGIN_MESSAGE_MAP(SettingsDialog, SabrelDialog2)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_MOVE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_MOVE_DOWN, OnMoveDown)
    ON_CBN_SELCHANGE(IDC_FOLDER_COMBO, OnFolderSelChange)
    ON_WM_HSCROLL()
    ON_BN_CLICKED(IDC_VOLUME_DOWN, OnVolumeDown)
    ON_BN_CLICKED(IDC_VOLUME_UP, OnVolumeUp)
    ON_BN_CLICKED(IDC_PLAY, OnPlay)
    ON_BN_CLICKED(IDC_STOP, OnStop)
    ON_BN_CLICKED(IDC_RESTORE_DEFAULTS, OnRestoreDefaults)
    ON_BN_CLICKED(IDC_PLAY_ALL, OnPlayAllClicked)
    ON_WM_HELPINFO()
    ON_NOTIFY(NM_CLICK, IDC_MOVIE_LIST, OnMovieListClick)
    ON_WM_SHOWWINDOW()
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MOVIE_LIST, OnMovieListItemChanged)
    ON_WM_GETMINMAXINFO()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(SettingsDialog, CCmdTarget)
    ON_EVENT(SettingsDialog, IDC_MEDIA_PLAYER, MediaDispid::Click, OnPreviewClick, VTS_I2 VTS_I2 VTS_I4 VTS_I4)
    ON_EVENT(SettingsDialog, IDC_MEDIA_PLAYER, MediaDispid::DoubleClick, OnPreviewDoubleClick,
             VTS_I2 VTS_I2 VTS_I4 VTS_I4)
    ON_EVENT(SettingsDialog, IDC_MEDIA_PLAYER, MediaDispid::OpenStateChange, OnPreviewOpenStateChange, VTS_I4)
    ON_EVENT(SettingsDialog, IDC_MEDIA_PLAYER, MediaDispid::PlayStateChange, OnPreviewPlayStateChange, VTS_I4)
END_EVENTSINK_MAP()

void SettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    SabrelDialog2::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESTORE_DEFAULTS, m_btnDefaults);
    DDX_Control(pDX, IDC_MOVIE_LIST, m_listMovies);
    DDX_Control(pDX, IDC_STOP, m_btnStop);
    DDX_Control(pDX, IDC_PLAY, m_btnPlay);
    DDX_Control(pDX, IDC_VOLUME_UP, m_btnVolumeUp);
    DDX_Control(pDX, IDC_VOLUME_DOWN, m_btnVolumeDown);
    DDX_Control(pDX, IDC_PLAY_ALL, m_chkPlayAll);
    DDX_Control(pDX, IDC_VOLUME_SLIDER, m_sliderVolume);
    DDX_Control(pDX, IDC_FOLDER_COMBO, m_comboFolder);
    DDX_Control(pDX, IDC_MOVE_DOWN, m_btnDown);
    DDX_Control(pDX, IDC_MOVE_UP, m_btnUp);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_MEDIA_PLAYER, m_wndPreview);
    DDX_Control(pDX, IDC_MOVIE_TITLE, m_staticTitle);
    DDX_Control(pDX, IDC_GROUP1, m_group1);
    DDX_Control(pDX, IDC_GROUP2, m_group2);
    DDX_Control(pDX, IDC_GROUP3, m_group3);
}

BOOL SettingsDialog::OnInitDialog()
{
    AbstractDialog::OnInitDialog();
    RaisePreview();
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    m_listMovies.Sabrel();
    LoadSettings();
    ClassifyScreen();
    FillFolderCombo();
    if (!SelectStoredFolder()) m_comboFolder.EnableWindow(FALSE);
    MeasureSampleWidths();
    InsertMovieColumn();
    m_viewMovies.DeleteAllItems();
    m_strFolderPath = GetSelectedFolderPath();
    LoadFolderMovies();
    m_listMovies.SetLibraryDraw(m_nPlayingMethod == kPlayOneMovie);
    UpdateColumnWidth();
    if (!SelectStoredMovie()) m_btnOK.EnableWindow(FALSE);
    UpdateVolumeControls();
    UpdateMoveButtons();
    UpdatePlayAllCheck();
    UpdatePlayButtons();
    PostMessage(WM_APP_SHOWPREVIEW);
    GetWindowRect(&m_rcWindow);
    return TRUE;
}

// The preview frame's group box comes before the preview in the template,
// so it would lie above it and paint over the picture.
void SettingsDialog::RaisePreview()
{
    ::SetWindowPos(m_wndPreview.GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The user's record; on a first run what to play is derived from the content.
void SettingsDialog::LoadSettings()
{
    SettingsRecord record = LoadSettingsRecord();
    m_strFilePath = record.m_strFilePath;
    m_nPlayingMethod = record.m_nPlayingMethod;
    m_nVolume = record.m_nVolume;
    if (record.m_nInitialize == 0) SettleFirstRunPath(m_strContentRoot, m_strFilePath, m_nPlayingMethod);
}

void SettingsDialog::ClassifyScreen()
{
    ScreenSize size;
    m_nDisplay = (int)ClassifyScreenShape(&size);
    m_cxScreen = size.m_cxScreen;
    m_cyScreen = size.m_cyScreen;
    m_fAspect = size.m_fAspect;
}

// Each folder is offered by its title; its item data leads to its real name.
void SettingsDialog::FillFolderCombo()
{
    for (const MovieFolder& folder : ListMovieFolders(m_strContentRoot)) {
        int nItem = (int)m_comboFolder.SendMessage(CB_ADDSTRING, 0, (LPARAM)(const wchar_t*)folder.m_strTitle);
        if (nItem < 0) continue;
        m_comboFolder.SendMessage(CB_SETITEMDATA, nItem, (LPARAM)m_arrFolderNames.size());
        m_arrFolderNames.push_back(folder.m_strName);
    }
}

void SettingsDialog::InsertMovieColumn()
{
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = m_nSampleWidth;
    column.pszText = const_cast<wchar_t*>(L"Movie");
    column.iSubItem = -1;
    m_listMovies.SendMessage(LVM_INSERTCOLUMNW, 0, (LPARAM)&column);
}

// Appends the titles of m_strFolderPath, keeping the dialog's bookkeeping.
void SettingsDialog::LoadFolderMovies()
{
    TitleAppendState state;
    state.m_nInsertIndex = m_nInsertIndex;
    state.m_bWideTitles = m_bWideTitles;
    state.m_nWideWidth = m_nWideWidth;
    // One repaint for the whole list rather than one for every title.
    m_listMovies.SendMessage(WM_SETREDRAW, FALSE);
    LoadMovieList(m_strContentRoot, m_strFolderPath, m_viewMovies, state);
    m_listMovies.SendMessage(WM_SETREDRAW, TRUE);
    m_listMovies.Invalidate(TRUE);
    m_nInsertIndex = state.m_nInsertIndex;
    m_bWideTitles = state.m_bWideTitles;
    m_nWideWidth = state.m_nWideWidth;
}

BOOL SettingsDialog::OnHelpInfo(HELPINFO*)
{
    return FALSE;
}

void SettingsDialog::OnMovieListClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

// Only the default processing: the library's own handling is not wanted here.
void SettingsDialog::OnShowWindow(BOOL, UINT)
{
    Default();
}

void SettingsDialog::MeasureSampleWidths()
{
    m_nSampleWidth = m_viewMovies.GetStringWidth(kSampleText);
    m_nWideWidth = m_viewMovies.GetStringWidth(kWideSampleText);
}

// Moved to a monitor of another DPI: the system scales the dialog and its
// fonts; the size the dialog keeps becomes the one the system suggests, and
// the movie column is measured again in the new font.
LRESULT SettingsDialog::OnDpiChanged(WPARAM, LPARAM lParam)
{
    m_rcWindow = *reinterpret_cast<const RECT*>(lParam);
    LRESULT lResult = Default();
    SetWindowPos(nullptr, m_rcWindow.left, m_rcWindow.top, m_rcWindow.right - m_rcWindow.left,
                 m_rcWindow.bottom - m_rcWindow.top, SWP_NOZORDER | SWP_NOACTIVATE);
    MeasureSampleWidths();
    UpdateColumnWidth();
    return lResult;
}

// The dialog keeps the size it opened with. Until that size is known (the
// message also comes while the window is being created) nothing is changed.
void SettingsDialog::OnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    if (!::IsRectEmpty(&m_rcWindow)) {
        POINT size = { m_rcWindow.right - m_rcWindow.left, m_rcWindow.bottom - m_rcWindow.top };
        pMMI->ptMaxSize = size;
        pMMI->ptMaxPosition = { m_rcWindow.left, m_rcWindow.top };
        pMMI->ptMinTrackSize = size;
        pMMI->ptMaxTrackSize = size;
    }
    Default();
}

#include "player/PlayerDialog.h"
#include "player/MmTimer.h"
#include "catalogue/ContentRoot.h"
#include "catalogue/MovieList.h"
#include "catalogue/MovieListKey.h"
#include "catalogue/ShapeVariant.h"
#include "media/CWMPSettings.h"
#include "media/MediaIds.h"
#include "power/IdleSleepPolicy.h"
#include "settings/RegistryKey.h"
#include "settings/SettingsRecord.h"
#include "res/ids.h"
#include <algorithm>

namespace {
// "FileCount" of a folder's stored list; 0 when it cannot be read, or when
// the folder has no usable list key.
int ReadFileCount(const CString& strContentRoot, const CString& strFolderPath)
{
    CString strKeyPath = MovieListKeyPath(strContentRoot, strFolderPath);
    DWORD dwCount = 0;
    if (!strKeyPath.IsEmpty()) RegistryKey(strKeyPath, HKEY_CURRENT_USER).ReadDword(nullptr, L"FileCount", dwCount);
    return static_cast<int>(dwCount);
}

HICON LoadIconFromResources()
{
    if (CWinApp* pApp = AfxGetApp()) return pApp->LoadIcon(IDR_MAINFRAME);
    return ::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

// A shared icon of a language library loaded as data is not always found
// again: Wine makes a new icon at every load and never frees it. So every
// player of the process takes the icon loaded once from the resource module.
HICON LoadProgramIcon()
{
    static HINSTANCE s_hLoadedFrom = nullptr;
    static HICON s_hIcon = nullptr;
    if (!s_hIcon || s_hLoadedFrom != AfxGetResourceHandle()) {
        s_hIcon = LoadIconFromResources();
        s_hLoadedFrom = AfxGetResourceHandle();
    }
    return s_hIcon;
}
}

int PlayerDialog::m_nDelayInterval = 500000;
int PlayerDialog::m_nCaptureDelay = 1000;

PlayerDialog::PlayerDialog(CWnd* pParent)
    : CDialog(IDD_PLAYER, pParent), m_ptCursorBase(), m_ptCursor(), m_bCursorBaseSet(FALSE), m_ptFirstMove(),
      m_bFirstMoveSeen(FALSE), m_cxFull(0), m_cyFull(0), m_timeCaps(), m_nTimerPeriod(0), m_idHibernateTimer(0),
      m_idStandbyTimer(0), m_idCaptureTimer(0), m_bCodecPending(FALSE), m_bPowerExpired(FALSE), m_nPowerAction(PowerActionNone),
      m_nPlayingMethod(kPlayOneMovie), m_nVolume(0), m_nFileCount(0), m_nFileIndex(0), m_strContentRoot(BuildContentRoot()),
      m_bStopping(FALSE), m_bNoticeShown(FALSE), m_nPowerDelay(0), m_nDelayChunks(0), m_nDelayRemainder(0),
      m_nDelayChunk(0), m_hIcon(LoadProgramIcon()), m_pIdleSleepPolicy(&GetIdleSleepPolicy())
{
}

PlayerDialog::~PlayerDialog() = default;

BEGIN_MESSAGE_MAP(PlayerDialog, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DESTROY()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_KILLFOCUS()
    ON_WM_CTLCOLOR()
    ON_WM_HELPINFO()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(PlayerDialog, CCmdTarget)
    ON_EVENT(PlayerDialog, IDC_MEDIA_PLAYER, MediaDispid::KeyDown, OnPlayerKeyDown, VTS_I2 VTS_I2)
    ON_EVENT(PlayerDialog, IDC_MEDIA_PLAYER, MediaDispid::MouseMove, OnPlayerMouseMove, VTS_I2 VTS_I2 VTS_I4 VTS_I4)
    ON_EVENT(PlayerDialog, IDC_MEDIA_PLAYER, MediaDispid::Click, OnPlayerClick, VTS_I2 VTS_I2 VTS_I4 VTS_I4)
    ON_EVENT(PlayerDialog, IDC_MEDIA_PLAYER, MediaDispid::PlayStateChange, OnPlayerPlayStateChange, VTS_I4)
    ON_EVENT(PlayerDialog, IDC_MEDIA_PLAYER, MediaDispid::OpenStateChange, OnPlayerOpenStateChange, VTS_I4)
END_EVENTSINK_MAP()

void PlayerDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEDIA_PLAYER, m_player);
}

BOOL PlayerDialog::OnInitDialog()
{
    // The screen is covered first, with the caption that names the window:
    // the icons and hosting the media control take longer than everything
    // else at start.
    SetWindowText(L"Driftreel Player");
    m_cxFull = ::GetSystemMetrics(SM_CXSCREEN);
    m_cyFull = ::GetSystemMetrics(SM_CYSCREEN);
    CoverScreen();
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    CDialog::OnInitDialog();
    AddAboutItem();

    CString strFilePath;
    LoadSettings(strFilePath);
    ChooseFirstMovie(strFilePath);
    OpenFirstMovie();
    m_player.SetCapture();
    m_player.MoveWindow(0, 0, m_cxFull, m_cyFull, TRUE);

    RaiseTimerResolution();
    ArmCountdown(m_pIdleSleepPolicy->GetIdleSleepDelay(m_nPowerAction));
    SetActiveWindow();
    m_idCaptureTimer = SetOneShotTimer(m_nCaptureDelay, m_hWnd);
    return TRUE;
}

// Reads the record and settles what to play on a first run. The path
// settles with the method that fits what it names, as in the settings
// dialog, so that a folder default resolved to one movie plays that movie.
void PlayerDialog::LoadSettings(CString& strFilePath)
{
    SettingsRecord record = LoadSettingsRecord();
    strFilePath = record.m_strFilePath;
    m_nPlayingMethod = record.m_nPlayingMethod;
    m_nVolume = record.m_nVolume;
    if (record.m_nInitialize == 0) {
        SettleFirstRunPath(m_strContentRoot, strFilePath, m_nPlayingMethod);
        m_strMovie = strFilePath;
    }
    if (strFilePath.IsEmpty()) {
        strFilePath = NoFilePicturePath(m_strContentRoot);
        m_nPlayingMethod = kPlayOneMovie;
    }
}

void PlayerDialog::CoverScreen()
{
    SetWindowPos(&wndTopMost, 0, 0, m_cxFull, m_cyFull, SWP_SHOWWINDOW);
    m_covers.Cover(m_hWnd);
    ::ShowCursor(FALSE);
}

void PlayerDialog::ChooseFirstMovie(const CString& strFilePath)
{
    if (m_nPlayingMethod == kPlayOneMovie) {
        m_strMovie = strFilePath;
        CFile file;
        if (file.Open(m_strMovie, CFile::modeRead)) file.Close();
        else m_strMovie = NoFilePicturePath(m_strContentRoot);
    } else if (m_nPlayingMethod == kPlayFolder) {
        RefreshMovieList(m_strContentRoot, strFilePath);
        m_nFileCount = ReadFileCount(m_strContentRoot, strFilePath);
        m_strListFolder = strFilePath;
        SearchFromFirstEntry();
    }
}

void PlayerDialog::OpenFirstMovie()
{
    m_player.put_URL(m_strMovie);
    CWMPSettings settings(m_player.get_settings());
    settings.put_enableErrorDialogs(FALSE);
    settings.put_volume(m_nVolume);
}

void PlayerDialog::RaiseTimerResolution()
{
    if (::timeGetDevCaps(&m_timeCaps, sizeof(m_timeCaps)) != TIMERR_NOERROR) return;
    m_nTimerPeriod = std::min(std::max(m_timeCaps.wPeriodMin, 1u), m_timeCaps.wPeriodMax);
    ::timeBeginPeriod(m_nTimerPeriod);
}

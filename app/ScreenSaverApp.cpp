#include "app/ScreenSaverApp.h"
#include "app/CommandLine.h"
#include "app/LanguageLibrary.h"
#include "config/SettingsDialog.h"
#include "controls/SabrelAPI.h"
#include "notices/DisplayRequiredDialog.h"
#include "player/PlayerDialog.h"
#include "power/PowerAction.h"
#include "power/PowerPlatform.h"
#include "res/ids.h"
#include <cstdlib>

namespace {
const wchar_t kMutexName[] = L"Driftreel Substance";
// The title of the maker's launcher, minimised before playback.
const wchar_t kLauncherTitle[] = L"\u30cc\u30aa\u30e9\u30e1\u30cb\u30e5\u30fc";
}

ScreenSaverApp::ScreenSaverApp() : m_nPowerAction(PowerActionNone), m_hLanguageDll(nullptr), m_dwExecutionState(0) {}

BEGIN_MESSAGE_MAP(ScreenSaverApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL ScreenSaverApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();
    HICON hIcon = LoadIcon(IDR_MAINFRAME);
    LoadLanguage();
    if (IsAnotherCopyRunning()) return FALSE;
    SabrelAPI::EnableLuna(false);

    switch (ChooseRunMode(__argc, m_lpCmdLine)) {
    case RunMode::Settings: RunSettings(hIcon); break;
    case RunMode::Play: RunPlayer(hIcon); break;
    case RunMode::None: break;
    }
    return FALSE;
}

void ScreenSaverApp::LoadLanguage()
{
    wchar_t szAbbreviation[260];
    QuerySystemLanguage(szAbbreviation);
    m_hLanguageDll = LoadLanguageLibrary(LanguageLibraryFor(szAbbreviation));
    if (m_hLanguageDll) AfxSetResourceHandle(m_hLanguageDll);
}

bool ScreenSaverApp::IsAnotherCopyRunning() const
{
    // The handle stays open for the life of the process: it marks this copy.
    ::CreateMutexW(nullptr, FALSE, kMutexName);
    return ::GetLastError() == ERROR_ALREADY_EXISTS;
}

void ScreenSaverApp::RunSettings(HICON hIcon)
{
    SettingsDialog dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.m_hIcon = hIcon;
    dlg.DoModal();
    m_pMainWnd = nullptr;
}

void ScreenSaverApp::RunPlayer(HICON hIcon)
{
    SystemPowerPlatform().GetExecutionState(&m_dwExecutionState);
    if (m_dwExecutionState & ES_DISPLAY_REQUIRED) {
        DisplayRequiredDialog notice(nullptr);
        notice.DoModal();
        return;
    }
    if (HWND hLauncher = ::FindWindowW(nullptr, kLauncherTitle))
        ::SendMessageW(hLauncher, WM_SYSCOMMAND, SC_MINIMIZE, 0);

    PlayerDialog dlg(nullptr);
    dlg.m_hIcon = hIcon;
    m_pMainWnd = &dlg;
    if (dlg.DoModal() == IDCANCEL) m_nPowerAction = dlg.m_nPowerAction;
    m_pMainWnd = nullptr;
}

void ScreenSaverApp::SetPowerAction(const int& nPowerAction) { m_nPowerAction = nPowerAction; }

int ScreenSaverApp::ExitInstance()
{
    // Without the shutdown privilege the run ends here, without the
    // framework's exit processing.
    if (!RunExitSteps(SystemPowerPlatform(), m_hLanguageDll, m_nPowerAction)) return 0;
    return CWinApp::ExitInstance();
}

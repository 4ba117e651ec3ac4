// Shows the settings dialog of one language with the real preview, presses
// Play, and once the movie has played a while writes the dialog's screen
// rectangle to a file, for screenshots (scripts/settings-screenshots). With
// "restore" it then presses Restore Defaults, whose confirmation stays open
// over the dialog until it is answered.
// Usage: settings_viewer <language code> <rectangle file> [restore]
#include "config/SettingsDialog.h"
#include "res/ids.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ResourceLanguage.h"
#include "tests/support/WindowRectFile.h"
#include <cstdlib>

namespace {
const DWORD kPlayingMs = 2500;
const DWORD kShownMs = 8000;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int)
{
    if (__argc != 3 && __argc != 4) return 2;
    const bool bRestore = __argc == 4 && wcscmp(__wargv[3], L"restore") == 0;
    AfxEnableControlContainer();
    ResourceLanguage language(__wargv[1]);
    if (!language.Handle()) return 1;
    SettingsDialog dlg(nullptr);
    dlg.m_hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    RunModalWith(dlg, [bRestore](CDialog& shown) {
        ::SendMessageW(shown, WM_COMMAND, MAKEWPARAM(IDC_PLAY, BN_CLICKED), (LPARAM)::GetDlgItem(shown, IDC_PLAY));
        PumpMessagesFor(kPlayingMs);
        WriteWindowRect(shown, __wargv[2]);
        // Posted: the confirmation's own modal loop runs once this returns.
        if (bRestore)
            ::PostMessageW(shown, WM_COMMAND, MAKEWPARAM(IDC_RESTORE_DEFAULTS, BN_CLICKED),
                           (LPARAM)::GetDlgItem(shown, IDC_RESTORE_DEFAULTS));
    }, kShownMs);
    return 0;
}

// Shows the settings dialog of one language with the real preview, presses
// Play, and once the movie has played a while writes the dialog's screen
// rectangle to a file, for screenshots (scripts/settings-screenshots).
// Usage: settings_viewer <language code> <rectangle file>
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
    if (__argc != 3) return 2;
    AfxEnableControlContainer();
    ResourceLanguage language(__wargv[1]);
    if (!language.Handle()) return 1;
    SettingsDialog dlg(nullptr);
    dlg.m_hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    RunModalWith(dlg, [](CDialog& shown) {
        ::SendMessageW(shown, WM_COMMAND, MAKEWPARAM(IDC_PLAY, BN_CLICKED), (LPARAM)::GetDlgItem(shown, IDC_PLAY));
        PumpMessagesFor(kPlayingMs);
        WriteWindowRect(shown, __wargv[2]);
    }, kShownMs);
    return 0;
}

// Shows one notice of one language for a few seconds and writes the notice's
// screen rectangle to a file, for screenshots (scripts/notice-screenshots).
// Usage: notice_viewer <language code> <133|135|137> <rectangle file>
#include "notices/DisplayRequiredDialog.h"
#include "notices/MissingCodecDialog.h"
#include "notices/RestoreDefaultsDialog.h"
#include "res/ids.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ResourceLanguage.h"
#include "tests/support/WindowRectFile.h"
#include <cstdlib>
#include <memory>

namespace {
const DWORD kShownMs = 4000;

std::unique_ptr<NoticeDialog> MakeNotice(int nTemplate)
{
    switch (nTemplate) {
    case IDD_MISSING_CODEC: return std::unique_ptr<NoticeDialog>(new MissingCodecDialog(nullptr));
    case IDD_DISPLAY_REQUIRED: return std::unique_ptr<NoticeDialog>(new DisplayRequiredDialog(nullptr));
    case IDD_RESTORE_DEFAULTS: return std::unique_ptr<NoticeDialog>(new RestoreDefaultsDialog(nullptr));
    }
    return nullptr;
}
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int)
{
    if (__argc != 4) return 2;
    ResourceLanguage language(__wargv[1]);
    std::unique_ptr<NoticeDialog> notice = MakeNotice(_wtoi(__wargv[2]));
    if (!language.Handle() || !notice) return 1;
    // Written once the notice is up; the time limit then ends it.
    RunModalWith(*notice, [&](CDialog& dlg) { WriteWindowRect(dlg.m_hWnd, __wargv[3]); }, kShownMs);
    return 0;
}

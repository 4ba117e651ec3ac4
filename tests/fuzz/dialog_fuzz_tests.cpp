// The settings dialog in the test process on random settings and hostile
// folders: it opens, the user plays with what does not store anything, and
// Cancel leaves the product key byte for byte as the opening left it.
#include "tests/config/SettingsDialogFixture.h"
#include "tests/fuzz/FileVanisher.h"
#include "tests/fuzz/PlacedCase.h"
#include "media/MediaIds.h"
#include "res/ids.h"
#include "tests/support/FakePowerPlatform.h"
#include "tests/support/MessagePump.h"
#include <commctrl.h>
#include <wtsapi32.h>

namespace {
const int kDialogMode = 2;

// Changing the folder stores the order of the folder left, and the
// defaults button stores the defaults, both by design: neither is done here.
void ChangeSomething(FuzzCase& input, HWND hDlg, MediaPlayerDouble& preview)
{
    static const int kButtons[] = { IDC_PLAY, IDC_STOP, IDC_VOLUME_UP, IDC_VOLUME_DOWN, IDC_PLAY_ALL, IDC_MOVE_UP,
                                    IDC_MOVE_DOWN };
    switch (input.Pick(0, 5)) {
    case 0: Click(hDlg, kButtons[input.Pick(0, 6)]); break;
    case 1: SelectItem(hDlg, input.Pick(-1, 4)); break;
    case 2:
        ::SendDlgItemMessageW(hDlg, IDC_VOLUME_SLIDER, TBM_SETPOS, TRUE, input.Pick(-5, 110));
        ::SendMessageW(hDlg, WM_HSCROLL, TB_THUMBPOSITION, (LPARAM)::GetDlgItem(hDlg, IDC_VOLUME_SLIDER));
        break;
    case 3: preview.FireClick(1, 0, 5, 5); break;
    case 4: preview.FirePlayStateChange(input.OneIn(2) ? kPlayStateMediaEnded : kPlayStatePlaying); break;
    default:
        ::SendMessageW(hDlg, input.OneIn(2) ? WM_POWERBROADCAST : WM_WTSSESSION_CHANGE,
                       input.OneIn(2) ? PBT_APMQUERYSUSPEND : WTS_SESSION_LOCK, 0);
        break;
    }
}

class DialogFuzzTest : public SettingsDialogTest {
protected:
    void RunCase(FuzzRun& run, int nCase)
    {
        PlacedCase placed(run, kDialogMode, nCase, m_user, m_machine, false);
        FuzzCase& input = placed.Input();
        const RegistryTree expected = AfterSettingsLoad(RegistryTree::Read(HKEY_CURRENT_USER, kProductKeyPath));
        const int nChanges = input.OneIn(3) ? 0 : input.Pick(1, 8);
        SCOPED_TRACE(run.Name(nCase) + ": " + input.Describe() + "; " + std::to_string(nChanges) + " changes");
        run.Step(nCase, "the dialog: " + input.Describe());

        FakePowerPlatform power;
        FileVanisher vanisher(input.VanishingFiles());
        SettingsDialog dlg(nullptr);
        dlg.m_pPowerPlatform = &power;
        const INT_PTR nResult = RunModalWith(dlg, [&](CDialog& shown) {
            for (int i = 0; i < nChanges; ++i) {
                ChangeSomething(input, shown.m_hWnd, Preview());
                if (input.OneIn(3)) PumpMessagesFor(static_cast<DWORD>(input.Pick(0, 10)));
            }
            Click(shown.m_hWnd, IDCANCEL);
        }, 30000);
        EXPECT_EQ(IDCANCEL, nResult);
        EXPECT_EQ("", FirstDifference(expected, RegistryTree::Read(HKEY_CURRENT_USER, kProductKeyPath)))
            << "(expected / found)";
    }
};
}

TEST_F(DialogFuzzTest, OpensOnAnyInputsAndCancelStoresNothing)
{
    FuzzRun run("settings dialog", "DRIFTREEL_FUZZ_CASES", 90, 20000);
    run.Play([&](int nCase) { RunCase(run, nCase); });
}

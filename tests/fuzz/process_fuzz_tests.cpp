// A few cases as the system runs the screen saver, in processes of their
// own: Driftreel.scr /s on random inputs shows its window (or exits
// cleanly) and ends within 5 s of the user's input; /c opens its dialog and
// on Cancel exits within 5 s, the product key as the opening left it.
#include "tests/config/SettingsDialogFixture.h"
#include "tests/fuzz/FileVanisher.h"
#include "tests/fuzz/PlacedCase.h"
#include "res/ids.h"
#include "tests/support/ScreenSaverProcess.h"
#include "tests/support/SystemInput.h"

namespace {
const int kRunMode = 3;
const int kConfigureMode = 4;
const DWORD kWindowTimeout = 15000;
const DWORD kExitLimitMs = 5000;

void EndPlayer(FuzzCase& input, HWND hWnd, const ScreenSaverProcess& saver)
{
    switch (input.Pick(0, 2)) {
    case 0:
        // A key that comes before the control has the focus is the dialog's.
        WaitForFocusInside(hWnd);
        PressKey(VK_SPACE);
        break;
    case 1: PressButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); break;
    default: MoveCursorUntilExit(saver); break;
    }
}

// Waits for the exit. A missing codec ends a single-movie player on its own
// and shows a notice that waits for OK; that notice is answered as a user
// would answer it.
DWORD WaitForExitAnsweringNotice(const ScreenSaverProcess& saver, HWND hPlayer)
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < kExitLimitMs;) {
        if (saver.WaitForExit(50) != STILL_ACTIVE) break;
        HWND hShown = saver.WaitForWindow(0);
        if (hShown && hShown != hPlayer) Click(hShown, IDOK);
    }
    return saver.WaitForExit(0);
}

class ProcessFuzzTest : public ::testing::Test {
protected:
    void RunPlayerProcess(FuzzRun& run, int nCase);
    void RunSettingsProcess(FuzzRun& run, int nCase);

    RegistryTestKey m_user{ HKEY_CURRENT_USER, kProductKeyPath };
    RegistryTestKey m_machine{ HKEY_LOCAL_MACHINE, kProductKeyPath };
};

void ProcessFuzzTest::RunPlayerProcess(FuzzRun& run, int nCase)
{
    PlacedCase placed(run, kRunMode, nCase, m_user, m_machine, true);
    FuzzCase& input = placed.Input();
    SCOPED_TRACE(run.Name(nCase) + ": " + input.Describe());
    run.Step(nCase, "Driftreel.scr /s: " + input.Describe());
    MoveCursor(400, 300);
    FileVanisher vanisher(input.VanishingFiles());
    ScreenSaverProcess saver(L"/s");
    HWND hWnd = saver.WaitForWindow(kWindowTimeout);
    if (!hWnd) {
        EXPECT_EQ(0u, saver.WaitForExit(kExitLimitMs)) << "neither a window nor a clean exit";
        return;
    }
    ::Sleep(static_cast<DWORD>(input.Pick(0, 300)));
    EndPlayer(input, hWnd, saver);
    EXPECT_EQ(0u, WaitForExitAnsweringNotice(saver, hWnd)) << "still running after the input, or a failed exit";
}

void ProcessFuzzTest::RunSettingsProcess(FuzzRun& run, int nCase)
{
    PlacedCase placed(run, kConfigureMode, nCase, m_user, m_machine, false);
    FuzzCase& input = placed.Input();
    const RegistryTree expected = AfterSettingsLoad(RegistryTree::Read(HKEY_CURRENT_USER, kProductKeyPath));
    SCOPED_TRACE(run.Name(nCase) + ": " + input.Describe());
    run.Step(nCase, "Driftreel.scr /c: " + input.Describe());
    FileVanisher vanisher(input.VanishingFiles());
    ScreenSaverProcess saver(L"/c");
    HWND hDlg = saver.WaitForWindow(kWindowTimeout);
    ASSERT_NE(nullptr, hDlg) << "no settings dialog";
    static const int kButtons[] = { IDC_VOLUME_UP, IDC_VOLUME_DOWN, IDC_PLAY_ALL, IDC_MOVE_UP, IDC_MOVE_DOWN };
    for (int i = input.Pick(0, 4); i > 0; --i) Click(hDlg, kButtons[input.Pick(0, 4)]);
    Click(hDlg, IDCANCEL);
    EXPECT_EQ(0u, saver.WaitForExit(kExitLimitMs)) << "still running after Cancel, or a failed exit";
    EXPECT_EQ("", FirstDifference(expected, RegistryTree::Read(HKEY_CURRENT_USER, kProductKeyPath)))
        << "(expected / found)";
}
}

TEST_F(ProcessFuzzTest, RunModeStartsOnAnyInputsAndEndsOnInput)
{
    FuzzRun run("Driftreel.scr /s", "DRIFTREEL_FUZZ_PROCESS_CASES", 4, 30000);
    run.Play([&](int nCase) { RunPlayerProcess(run, nCase); });
}

TEST_F(ProcessFuzzTest, ConfigureModeOpensOnAnyInputsAndCancelStoresNothing)
{
    FuzzRun run("Driftreel.scr /c", "DRIFTREEL_FUZZ_PROCESS_CASES", 4, 30000);
    run.Play([&](int nCase) { RunSettingsProcess(run, nCase); });
}

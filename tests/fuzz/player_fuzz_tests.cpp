// The player in the test process on random settings and hostile folders,
// with files vanishing now and then while it lists them: it starts, takes
// random reports from its control, and ends within 5 s of the user's input.
#include "tests/fuzz/FileVanisher.h"
#include "tests/fuzz/PlacedCase.h"
#include "tests/player/PlayerHarness.h"
#include "media/MediaIds.h"
#include "settings/SettingsRecord.h"
#include "tests/support/MessagePump.h"

namespace {
const int kPlayerMode = 1;
const DWORD kEndLimitMs = 5000;

enum class Ending { Key, Click, Button, Deactivation, DisplayChange };
const char* const kEndingNames[] = { "key", "click", "button", "deactivation", "display change" };

// Reports a control gives at any time; codec acquisition is left out, as
// its notice waits for the user.
void FireRandomReports(FuzzCase& input, MediaPlayerDouble& control)
{
    static const long kPlayStates[] = { kPlayStateReady, kPlayStateMediaEnded, kPlayStatePlaying, kPlayStateStopped,
                                        kPlayStateTransitioning, kPlayStateUndefined, 77 };
    for (int i = input.Pick(0, 6); i > 0; --i) {
        if (input.OneIn(4)) {
            const long nState = input.Pick(0, 20);
            control.FireOpenStateChange(nState == kOpenStateBeginCodecAcquisition ? nState + 1 : nState);
        }
        else control.FirePlayStateChange(kPlayStates[input.Pick(0, 6)]);
        if (input.OneIn(2)) PumpMessagesFor(static_cast<DWORD>(input.Pick(0, 20)));
    }
}

void End(Ending nEnding, PlayerDialog& dlg, MediaPlayerDouble& control)
{
    switch (nEnding) {
    case Ending::Key: control.FireKeyDown('A', 0); break;
    case Ending::Click: control.FireClick(1, 0, 10, 10); break;
    case Ending::Button: dlg.PostMessage(WM_LBUTTONDOWN); break;
    case Ending::Deactivation: dlg.PostMessage(WM_ACTIVATEAPP, FALSE); break;
    case Ending::DisplayChange: dlg.PostMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600)); break;
    }
}

class PlayerFuzzTest : public PlayerTest {
protected:
    void RunCase(FuzzRun& run, int nCase)
    {
        PlacedCase placed(run, kPlayerMode, nCase, m_settings, m_machine, true);
        FuzzCase& input = placed.Input();
        PlayerDialog::m_nCaptureDelay = input.Pick(1, 300);
        const Ending nEnding = static_cast<Ending>(input.Pick(0, 4));
        const std::string strCase = run.Name(nCase) + ": " + input.Describe() + "; ends by " +
                                    kEndingNames[static_cast<int>(nEnding)];
        SCOPED_TRACE(strCase);
        run.Step(nCase, "the player: " + input.Describe());

        MediaDoubleScope doubles;
        FileVanisher vanisher(input.VanishingFiles());
        PlayerDialog dlg(nullptr);
        bool bEnded = false;
        const INT_PTR nResult = Run(dlg, [&](PlayerDialog& shown) {
            PumpMessagesFor(static_cast<DWORD>(input.Pick(0, 60)));
            FireRandomReports(input, *doubles.Last());
            if (!Ended(shown)) End(nEnding, shown, *doubles.Last());
            bEnded = WaitForEnd(shown, kEndLimitMs);
        }, 30000);
        EXPECT_TRUE(bEnded) << "still playing " << kEndLimitMs << " ms after the input";
        EXPECT_EQ(IDCANCEL, nResult);
    }

    RegistryTestKey m_machine{ HKEY_LOCAL_MACHINE, kProductKeyPath };
};
}

TEST_F(PlayerFuzzTest, StartsOnAnyInputsAndEndsOnTheUsersInput)
{
    FuzzRun run("player", "DRIFTREEL_FUZZ_CASES", 90, 20000);
    run.Play([&](int nCase) { RunCase(run, nCase); });
}

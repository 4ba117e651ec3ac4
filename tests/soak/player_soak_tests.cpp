// Starts and ends the player in the test process again and again, at random
// moments and in every way it ends, with its timers firing and re-arming
// every few milliseconds: every run ends within 5 s with the power action
// its ending calls for, no timer posts once the window is gone, and after
// the runs the process holds no more handles, GDI or USER objects than after
// the first few.
#include "tests/player/PlayerHarness.h"
#include "tests/player/TimerPostWatch.h"
#include "tests/support/HangWatchdog.h"
#include "tests/soak/ResourceWatch.h"
#include "tests/support/RunEnvironment.h"
#include "tests/support/MessagePump.h"
#include <algorithm>
#include <cstdio>
#include <random>
#include <sstream>

namespace {
const DWORD kEndLimitMs = 5000;

enum class Ending { MouseMove, Key, Click, Button, Countdown, DisplayChange, MediaEndThenKey, Deactivation, Help, Suspend };
const char* const kEndingNames[] = { "mouse move", "key", "click", "button", "countdown", "display change",
                                     "media end, then key", "deactivation", "F1", "suspend query" };
const int kEndingCount = sizeof(kEndingNames) / sizeof(kEndingNames[0]);

enum class Countdown { None, Running, Overdue };
const char* const kCountdownNames[] = { "no countdown", "countdown", "overdue countdown" };

struct RunPlan {
    Ending nEnding;
    bool bAtCreation;      // the ending comes inside OnInitDialog, before any message
    int nDelayMs;          // else this long after the window shows
    Countdown nCountdown;
    POWER_ACTION nAction;
    int nInterval;         // ms of one countdown interval
    int nCaptureDelay;     // ms
    bool bList;

    std::string Describe() const
    {
        std::ostringstream text;
        text << kEndingNames[static_cast<int>(nEnding)] << (bAtCreation ? " at creation" : " after ")
             << (bAtCreation ? "" : std::to_string(nDelayMs) + " ms") << ", "
             << kCountdownNames[static_cast<int>(nCountdown)] << " (interval " << nInterval << " ms), capture after "
             << nCaptureDelay << " ms, " << (bList ? "list" : "one movie");
        return text.str();
    }
};

class RunPlanner {
public:
    explicit RunPlanner(uint32_t nSeed) : m_random(nSeed) {}

    // The first runs end in every way once, so that the first uses of
    // whatever an ending touches lie behind the resource baseline.
    RunPlan Next(int nRun)
    {
        RunPlan plan;
        plan.nEnding = static_cast<Ending>(nRun <= kEndingCount ? nRun - 1 : Pick(0, kEndingCount - 1));
        plan.bAtCreation = Pick(0, 9) == 0;
        // Mostly early: the first milliseconds are where the races are.
        plan.nDelayMs = Pick(0, 3) == 0 ? Pick(0, 5) : Pick(0, 300);
        plan.nCountdown = static_cast<Countdown>(Pick(plan.nEnding == Ending::Countdown ? 1 : 0, 2));
        plan.nAction = Pick(0, 1) ? PowerActionSleep : PowerActionHibernate;
        plan.nInterval = Pick(2, 60);
        plan.nCaptureDelay = Pick(1, 300);
        plan.bList = Pick(0, 2) == 0;
        return plan;
    }

private:
    int Pick(int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(m_random); }

    std::mt19937 m_random;
};

// The player with one more seam: an action right after its set-up, before
// its window has seen a single message of the modal loop.
class SoakPlayer : public PlayerDialog {
public:
    SoakPlayer() : PlayerDialog(nullptr) {}
    BOOL OnInitDialog() override
    {
        BOOL bResult = PlayerDialog::OnInitDialog();
        if (m_fnAtCreation) m_fnAtCreation(*this);
        return bResult;
    }
    std::function<void(PlayerDialog&)> m_fnAtCreation;
};

class PlayerSoakTest : public PlayerTest {
protected:
    PlayerSoakTest()
    {
        m_strMovie = m_folder.AddFile(L"a.wmv");
        m_folder.AddFile(L"b.wmv");
        m_folder.AddFile(L"c.wmv");
    }

    void Configure(const RunPlan& plan)
    {
        if (plan.bList) PlayList({ L"a", L"missing", L"c" });
        else PlaySingle(m_strMovie);
        PlayerDialog::m_nDelayInterval = plan.nInterval;
        PlayerDialog::m_nCaptureDelay = plan.nCaptureDelay;
        IdleAction(plan.nCountdown == Countdown::None ? PowerActionNone : plan.nAction, 1);
        // Started by the idle machinery after longer than the idle time:
        // the action is due at once.
        m_power.bScreenSaverRunning = plan.nCountdown == Countdown::Overdue;
        m_power.nScreenSaveTimeout = 10;
        m_app.m_nPowerAction = 2;  // an ending by input must clear it
    }

    // Moves the real cursor and fires the control's mouse events until more
    // than 5 pixels across have been seen, whatever base the dialog took.
    void MoveMouse(PlayerDialog& dlg)
    {
        MediaPlayerDouble& control = *m_doubles.Last();
        control.FireMouseMove(0, 0, 100, 100);
        for (int i = 1; i <= 4 && !Ended(dlg); ++i) {
            ::SetCursorPos(i % 2 ? 420 : 400, 300);
            control.FireMouseMove(0, 0, 100 + i, 100 + i);
        }
    }

    void EndAfterMediaEnd(PlayerDialog& dlg, int nDelayMs)
    {
        m_doubles.Last()->FirePlayStateChange(kPlayStateMediaEnded);
        PumpMessagesFor(nDelayMs % 20);
        m_doubles.Last()->FirePlayStateChange(kPlayStateReady);
        m_doubles.Last()->FirePlayStateChange(kPlayStateMediaEnded);
        if (!Ended(dlg)) m_doubles.Last()->FireKeyDown(VK_SPACE, 0);
    }

    void End(PlayerDialog& dlg, const RunPlan& plan)
    {
        static const UINT kButtons[] = { WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN };
        HELPINFO help = { sizeof(help) };
        switch (plan.nEnding) {
        case Ending::MouseMove: MoveMouse(dlg); break;
        case Ending::Key: m_doubles.Last()->FireKeyDown('A', 0); break;
        case Ending::Click: m_doubles.Last()->FireClick(kMouseLeft, 0, 10, 10); break;
        case Ending::Button: dlg.PostMessage(kButtons[plan.nDelayMs % 3]); break;
        case Ending::Countdown: break;
        case Ending::DisplayChange: dlg.PostMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600)); break;
        case Ending::MediaEndThenKey: EndAfterMediaEnd(dlg, plan.nDelayMs); break;
        case Ending::Deactivation: dlg.PostMessage(WM_ACTIVATEAPP, FALSE); break;
        case Ending::Help: dlg.SendMessage(WM_HELP, 0, (LPARAM)&help); break;
        case Ending::Suspend: dlg.PostMessage(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND); break;
        }
    }

    // One start and end; failures name the run and its plan.
    void RunOnce(int nRun, const RunPlan& plan)
    {
        SCOPED_TRACE(::testing::Message() << "run " << nRun << ": " << plan.Describe());
        Configure(plan);
        MediaDoubleScope doubles;  // this run's control, released after it
        SoakPlayer dlg;
        if (plan.bAtCreation) dlg.m_fnAtCreation = [&](PlayerDialog& d) { End(d, plan); };
        m_watch.Reset();
        const DWORD dwStart = ::GetTickCount();
        INT_PTR nResult = Run(dlg, [&](PlayerDialog& d) {
            if (plan.bAtCreation) return;
            PumpMessagesFor(plan.nDelayMs);
            if (!Ended(d)) End(d, plan);
        }, kEndLimitMs);
        const DWORD dwElapsed = ::GetTickCount() - dwStart;
        m_dwLongestMs = std::max(m_dwLongestMs, dwElapsed);
        EXPECT_EQ(IDCANCEL, nResult);
        EXPECT_LT(dwElapsed, kEndLimitMs);
        ExpectPowerAction(dlg, plan);
        EXPECT_EQ(0u, dlg.m_idStandbyTimer + dlg.m_idHibernateTimer + dlg.m_idCaptureTimer);
        ::Sleep(3);
        EXPECT_TRUE(m_watch.SawDestroy());
        EXPECT_EQ(0, m_watch.PostsAfterDestroy());
    }

    // The countdown's action stands only when the countdown ran out, and an
    // ending by the countdown always has it.
    void ExpectPowerAction(const PlayerDialog& dlg, const RunPlan& plan)
    {
        if (plan.nEnding == Ending::Countdown || plan.nCountdown == Countdown::None) {
            EXPECT_EQ(plan.nEnding == Ending::Countdown, !!dlg.m_bPowerExpired);
        }
        if (dlg.m_bPowerExpired) {
            EXPECT_EQ(plan.nAction == PowerActionSleep ? 2 : 3, dlg.m_nPowerAction);
            ++m_nPowerEndings;
        } else {
            EXPECT_EQ(0, dlg.m_nPowerAction);
            EXPECT_EQ(0, m_app.m_nPowerAction);
        }
    }


    CString m_strMovie;
    TimerPostWatch m_watch;
    DWORD m_dwLongestMs = 0;
    int m_nPowerEndings = 0;
};
}

TEST_F(PlayerSoakTest, StartsAndEndsAtRandomMomentsWithoutLeaksOrLateTimers)
{
    const int nRuns = std::max(EnvironmentCount("DRIFTREEL_SOAK_RUNS", 150), kEndingCount + 1);
    const uint32_t nSeed = EnvironmentSeed("DRIFTREEL_SOAK_SEED");
    std::printf("[soak] %d in-process runs, seed %u\n", nRuns, nSeed);
    RunPlanner planner(nSeed);
    HangWatchdog watchdog(30000);
    ResourceWatch resources(nRuns, kEndingCount);
    const DWORD dwStart = ::GetTickCount();
    for (int nRun = 1; nRun <= nRuns; ++nRun) {
        RunPlan plan = planner.Next(nRun);
        watchdog.Step("in-process run " + std::to_string(nRun) + ": " + plan.Describe());
        RunOnce(nRun, plan);
        resources.AfterRun(nRun);
    }
    PumpMessagesFor(100);
    resources.AtEnd();
    std::printf("[soak] %d runs in %lu ms, longest %lu ms, %d ended by the countdown\n", nRuns,
                ::GetTickCount() - dwStart, m_dwLongestMs, m_nPowerEndings);
    EXPECT_EQ(0, m_watch.LateMessages());
}

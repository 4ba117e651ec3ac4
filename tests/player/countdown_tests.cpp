// The power countdown: its intervals, its end with and without a program
// holding the system awake, and the power action handed to the application.
#include "tests/player/PlayerHarness.h"
#include "player/MmTimer.h"
#include "tests/player/TimerPostWatch.h"
#include "tests/support/MessagePump.h"
#include <random>

namespace {
class CountdownTest : public PlayerTest {
protected:
    CountdownTest()
    {
        PlaySingle(m_folder.AddFile(L"a.wmv"));
        PlayerDialog::m_nCaptureDelay = 600000;  // only countdown timers post
    }

    struct Outcome {
        INT_PTR nResult;
        LONG nTimerPosts;
        DWORD dwElapsed;
        int nPowerAction;
        BOOL bExpired;
    };

    // Runs the player until the countdown ends it (or the time runs out).
    Outcome RunCountdown(DWORD dwTimeoutMs)
    {
        PlayerDialog dlg(nullptr);
        LONG nPostsBefore = CountTimerPosts();
        DWORD dwStart = ::GetTickCount();
        INT_PTR nResult = Run(dlg, [](PlayerDialog&) {}, dwTimeoutMs);
        return { nResult, CountTimerPosts() - nPostsBefore, ::GetTickCount() - dwStart, dlg.m_nPowerAction,
                 dlg.m_bPowerExpired };
    }
};
}

TEST_F(CountdownTest, ADelayBelowTwoIntervalsRunsAsOneTimer)
{
    PlayerDialog::m_nDelayInterval = 600;
    IdleAction(PowerActionSleep, 1);  // 1000 ms
    Outcome outcome = RunCountdown(10000);
    EXPECT_EQ(IDCANCEL, outcome.nResult);
    EXPECT_EQ(1, outcome.nTimerPosts);
    EXPECT_GE(outcome.dwElapsed, 990u);
    EXPECT_EQ(2, outcome.nPowerAction);
    EXPECT_TRUE(outcome.bExpired);
    EXPECT_EQ(0, m_app.m_nPowerAction);  // run mode copies it after DoModal, not the player
}

TEST_F(CountdownTest, TwoAndAHalfIntervalsRunAsTwoIntervalsAndAHalf)
{
    PlayerDialog::m_nDelayInterval = 400;
    IdleAction(PowerActionHibernate, 1);  // 1000 ms = 400 + 400 + 200
    Outcome outcome = RunCountdown(10000);
    EXPECT_EQ(IDCANCEL, outcome.nResult);
    EXPECT_EQ(3, outcome.nTimerPosts);
    EXPECT_GE(outcome.dwElapsed, 990u);
    EXPECT_EQ(3, outcome.nPowerAction);
}

TEST_F(CountdownTest, ThreeWholeIntervalsEndWithTheThird)
{
    PlayerDialog::m_nDelayInterval = 400;
    IdleAction(PowerActionSleep, 2);  // 2000 ms = 5 x 400
    Outcome outcome = RunCountdown(10000);
    EXPECT_EQ(5, outcome.nTimerPosts);
    EXPECT_GE(outcome.dwElapsed, 1990u);
    PlayerDialog::m_nDelayInterval = 1000;
    IdleAction(PowerActionSleep, 3);  // 3 x 1000
    outcome = RunCountdown(10000);
    EXPECT_EQ(3, outcome.nTimerPosts);
    EXPECT_GE(outcome.dwElapsed, 2990u);
    EXPECT_EQ(2, outcome.nPowerAction);
}

TEST_F(CountdownTest, NoCountdownRunsForOtherActions)
{
    PlayerDialog::m_nDelayInterval = 100;
    IdleAction(PowerActionShutdown, 1);
    LONG nPostsBefore = CountTimerPosts();
    PlayerDialog dlg(nullptr);
    Run(dlg, [](PlayerDialog& d) {
        PumpMessagesFor(1500);
        EXPECT_FALSE(Ended(d));
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(nPostsBefore, CountTimerPosts());
    EXPECT_EQ(0, dlg.m_nPowerAction);
}

TEST_F(CountdownTest, HeldAwakeThePlayerResumesWhereItWasAndNoActionFollows)
{
    PlayerDialog::m_nDelayInterval = 600;
    IdleAction(PowerActionSleep, 1);
    m_power.dwExecutionState = ES_SYSTEM_REQUIRED;
    m_app.m_nPowerAction = 3;
    PlayerDialog dlg(nullptr);
    INT_PTR nResult = Run(dlg, [&](PlayerDialog& d) {
        m_doubles.Last()->m_dPosition = 12.5;
        ASSERT_TRUE(PumpMessagesUntil([&] { return Calls().back() == L"play"; }, 5000));
        const std::vector<std::wstring> tail(Calls().end() - 4, Calls().end());
        EXPECT_EQ((std::vector<std::wstring>{ L"get currentPosition", L"stop", L"put currentPosition 12.5", L"play" }),
                  tail);
        EXPECT_FALSE(d.m_bStopping);
        PumpMessagesFor(1500);  // no second countdown
        EXPECT_FALSE(Ended(d));
        m_doubles.Last()->FireKeyDown(VK_SPACE, 0);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(0, dlg.m_nPowerAction);
    EXPECT_EQ(0, m_app.m_nPowerAction);
}

// Ends players at random moments while their timers fire and re-arm every
// few milliseconds: once the window is gone, no timer is left and none posts.
TEST_F(CountdownTest, NoTimerOutlivesThePlayer)
{
    PlayerDialog::m_nDelayInterval = 2;
    PlayerDialog::m_nCaptureDelay = 15;
    IdleAction(PowerActionSleep, 1);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> moment(0, 40);
    TimerPostWatch watch;
    for (int run = 0; run < 200; ++run) {
        SCOPED_TRACE(run);
        watch.Reset();
        auto* pDlg = new PlayerDialog(nullptr);
        int nWait = moment(random);
        Run(*pDlg, [&](PlayerDialog& dlg) {
            PumpMessagesFor(nWait);
            dlg.PostMessage(WM_LBUTTONDOWN);
        });
        EXPECT_EQ(0u, pDlg->m_idStandbyTimer + pDlg->m_idHibernateTimer + pDlg->m_idCaptureTimer);
        delete pDlg;
        ::Sleep(8);
        EXPECT_TRUE(watch.SawDestroy());
        EXPECT_EQ(0, watch.PostsAfterDestroy());
    }
    EXPECT_EQ(0, watch.LateMessages());
}

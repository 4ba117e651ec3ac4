#include "power/IdleSleepPolicy.h"
#include "tests/support/FakePowerPlatform.h"
#include <gtest/gtest.h>
#include <climits>
#include <ostream>

namespace {
const BYTE kBattery = 0, kMains = 1, kUnknownLine = 255;

// One situation of the machine and the delay and action it must give. The
// scheme always holds AC and DC values that differ, so a row shows which
// power source was used.
struct DelayRow {
    const char* name;
    BYTE nLine;             // ACLineStatus
    POWER_ACTION acAction;
    ULONG nAcSeconds;
    POWER_ACTION dcAction;
    ULONG nDcSeconds;
    int nSaverSeconds;      // system screen-saver timeout
    BOOL bRunning;          // system screen saver running now
    EXECUTION_STATE dwState;
    int nExpectedDelay;
    int nExpectedAction;
};

std::ostream& operator<<(std::ostream& os, const DelayRow& row) { return os << row.name; }

const DelayRow kRows[] = {
    { "MainsStandbyAfterTheSaverTimeout", kMains, PowerActionSleep, 1800, PowerActionHibernate, 900,
      600, TRUE, 0, 1200000, PowerActionSleep },
    { "SaverTimeoutEqualToIdleTimeoutIsDueAtOnce", kMains, PowerActionSleep, 1800, PowerActionHibernate, 900,
      1800, TRUE, 0, 1, PowerActionSleep },
    { "SaverTimeoutBeyondIdleTimeoutIsDueAtOnce", kMains, PowerActionSleep, 1800, PowerActionHibernate, 900,
      2400, TRUE, ES_CONTINUOUS, 1, PowerActionSleep },
    { "OverdueButHeldAwakeWaitsAWholeIdlePeriod", kMains, PowerActionSleep, 1800, PowerActionHibernate, 900,
      1800, TRUE, ES_SYSTEM_REQUIRED | ES_CONTINUOUS, 1800000, PowerActionSleep },
    { "StartedByHandWaitsTheWholeIdleTime", kMains, PowerActionSleep, 1800, PowerActionHibernate, 900,
      600, FALSE, 0, 1800000, PowerActionSleep },
    { "BatteryUsesTheDcValues", kBattery, PowerActionSleep, 1800, PowerActionHibernate, 900,
      300, TRUE, 0, 600000, PowerActionHibernate },
    { "UnknownLineStatusGivesNothing", kUnknownLine, PowerActionSleep, 1800, PowerActionHibernate, 900,
      600, TRUE, 0, 0, 0 },
    { "ShutdownIsNoIdleAction", kMains, PowerActionShutdown, 1800, PowerActionHibernate, 900,
      600, TRUE, 0, 0, PowerActionShutdown },
    { "NoActionGivesNoDelay", kMains, PowerActionNone, 1800, PowerActionHibernate, 900,
      600, FALSE, 0, 0, PowerActionNone },
    // A timeout of 0 is the scheme's "never sleep": the saver must not
    // put the machine to sleep either.
    { "NeverIdleTimeoutGivesNoCountdown", kMains, PowerActionSleep, 0, PowerActionHibernate, 900,
      600, TRUE, 0, 0, PowerActionSleep },
    // A timeout beyond what 32 bits of milliseconds hold must not wrap
    // into a negative or at-once delay.
    { "HugeIdleTimeoutIsClampedNotWrapped", kMains, PowerActionHibernate, 0xFFFFFFF0, PowerActionSleep, 900,
      600, TRUE, 0, INT_MAX, PowerActionHibernate },
    { "NegativeSaverTimeoutDoesNotOverflow", kMains, PowerActionSleep, 3000000, PowerActionSleep, 900,
      INT_MIN, TRUE, 0, INT_MAX, PowerActionSleep },
};

class IdleSleepDelayTest : public ::testing::TestWithParam<DelayRow> {};

TEST_P(IdleSleepDelayTest, GivesTheDelayAndTheAction)
{
    const DelayRow& row = GetParam();
    FakePowerPlatform platform;
    platform.nACLineStatus = row.nLine;
    platform.SetIdle(row.acAction, row.nAcSeconds, row.dcAction, row.nDcSeconds);
    platform.nScreenSaveTimeout = row.nSaverSeconds;
    platform.bScreenSaverRunning = row.bRunning;
    platform.dwExecutionState = row.dwState;
    IdleSleepPolicy policy(platform);

    int nAction = -1;
    EXPECT_EQ(row.nExpectedDelay, policy.GetIdleSleepDelay(nAction));
    EXPECT_EQ(row.nExpectedAction, nAction);
}

INSTANTIATE_TEST_SUITE_P(Rows, IdleSleepDelayTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<DelayRow>& info) { return std::string(info.param.name); });

// The standard situation of the first row, to vary one failure at a time.
struct StandbySchemeOnMains : public ::testing::Test {
    FakePowerPlatform platform;
    IdleSleepPolicy policy{ platform };
    int nAction = -1;

    StandbySchemeOnMains()
    {
        platform.SetIdle(PowerActionSleep, 1800, PowerActionHibernate, 900);
        platform.nScreenSaveTimeout = 600;
        platform.bScreenSaverRunning = TRUE;
    }
};

TEST_F(StandbySchemeOnMains, FailedStatusQueryGivesNothing)
{
    platform.bStatusAnswers = false;
    EXPECT_EQ(0, policy.GetIdleSleepDelay(nAction));
    EXPECT_EQ(0, nAction);
}

TEST_F(StandbySchemeOnMains, FailedSchemeQueryGivesNothing)
{
    platform.bPoliciesAnswer = false;
    EXPECT_EQ(0, policy.GetIdlePolicy(nAction));
    EXPECT_EQ(0, nAction);
    nAction = -1;
    EXPECT_EQ(0, policy.GetIdleSleepDelay(nAction));
    EXPECT_EQ(0, nAction);
}

TEST_F(StandbySchemeOnMains, FailedParameterQueriesCountAsNotRunning)
{
    platform.bParametersAnswer = false;
    EXPECT_EQ(1800000, policy.GetIdleSleepDelay(nAction));
    EXPECT_EQ(PowerActionSleep, nAction);
}

TEST_F(StandbySchemeOnMains, ExecutionStateIsReadOnlyWhenOverdue)
{
    policy.GetIdleSleepDelay(nAction);
    EXPECT_EQ(0, platform.nExecutionQueries);
    platform.nScreenSaveTimeout = 1800;
    policy.GetIdleSleepDelay(nAction);
    EXPECT_EQ(1, platform.nExecutionQueries);
}

TEST_F(StandbySchemeOnMains, SystemRequiredFollowsTheExecutionState)
{
    platform.dwExecutionState = ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED;
    EXPECT_TRUE(policy.IsSystemRequired());
    EXPECT_EQ(platform.dwExecutionState, policy.m_dwExecutionState);
    platform.dwExecutionState = ES_DISPLAY_REQUIRED | ES_CONTINUOUS;
    EXPECT_FALSE(policy.IsSystemRequired());
    EXPECT_EQ(platform.dwExecutionState, policy.m_dwExecutionState);
}

TEST_F(StandbySchemeOnMains, FailedExecutionQueryKeepsTheLastState)
{
    platform.dwExecutionState = ES_SYSTEM_REQUIRED;
    EXPECT_TRUE(policy.IsSystemRequired());
    platform.nExecutionStatus = (LONG)0xC0000002;  // STATUS_NOT_IMPLEMENTED
    platform.dwExecutionState = 0;
    EXPECT_TRUE(policy.IsSystemRequired());
}
}

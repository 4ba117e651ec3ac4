// The real platform, as far as every system answers it the same way. The
// first test also prints what this system answers (under Wine: no power
// scheme, so no countdown).
#include "power/IdleSleepPolicy.h"
#include "power/PowerStatus.h"
#include <gtest/gtest.h>
#include <cstdio>

namespace {
TEST(SystemPowerTest, QueriesGiveValuesOfTheirRange)
{
    PowerPlatform& platform = SystemPowerPlatform();
    const int nTimeout = GetScreenSaveTimeout(platform);
    const BYTE nLine = GetACLineStatus(platform);
    GLOBAL_POWER_POLICY global = {};
    POWER_POLICY scheme = {};
    const BOOL bScheme = platform.GetPowerPolicies(&global, &scheme);
    IdleSleepPolicy policy(platform);
    int nAction = -1;
    const int nDelay = policy.GetIdleSleepDelay(nAction);
    std::printf("screen-saver timeout %d s, running %d, AC line %u, scheme read %d (idle AC %d/%lu s, DC %d/%lu s), "
                "delay %d ms, action %d\n",
                nTimeout, IsScreenSaverRunning(platform), nLine, bScheme, scheme.user.IdleAc.Action,
                scheme.user.IdleTimeoutAc, scheme.user.IdleDc.Action, scheme.user.IdleTimeoutDc, nDelay, nAction);

    EXPECT_GE(nTimeout, 0);
    EXPECT_TRUE(nLine == 0 || nLine == 1 || nLine == 255) << (int)nLine;
    EXPECT_GE(nDelay, 0);
    EXPECT_GE(nAction, 0);
}

TEST(SystemPowerTest, ExecutionStateIsWrittenOnlyOnSuccess)
{
    EXECUTION_STATE dwState = 0xDEAD0000;
    const LONG nStatus = SystemPowerPlatform().GetExecutionState(&dwState);
    std::printf("execution state: status 0x%08lx, flags 0x%08lx\n", nStatus, dwState);
    if (nStatus != 0) EXPECT_EQ(0xDEAD0000u, dwState);
    else EXPECT_EQ(0u, dwState & 0xDEAD0000u);
}

// Everything of the exit steps but the power call itself.
TEST(SystemPowerTest, ShutdownPrivilegeOfTheOwnToken)
{
    PowerPlatform& platform = SystemPowerPlatform();
    HANDLE hToken = nullptr;
    ASSERT_TRUE(platform.OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken));
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    EXPECT_TRUE(platform.LookupPrivilege(SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid));
    EXPECT_EQ(19u, privileges.Privileges[0].Luid.LowPart);  // SE_SHUTDOWN_PRIVILEGE
    ::SetLastError(ERROR_INVALID_DATA);
    const DWORD dwError = platform.AdjustPrivileges(hToken, &privileges);
    std::printf("AdjustTokenPrivileges: last error %lu\n", dwError);
    EXPECT_TRUE(dwError == ERROR_SUCCESS || dwError == ERROR_NOT_ALL_ASSIGNED) << dwError;
    platform.CloseHandle(hToken);
}
}

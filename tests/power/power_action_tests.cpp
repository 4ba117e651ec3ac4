#include "power/PowerAction.h"
#include "framework/Afx.h"
#include "tests/support/FakePowerPlatform.h"
#include <gtest/gtest.h>

namespace {
TEST(PowerActionTest, StandbyEnablesTheShutdownPrivilegeAndSuspends)
{
    FakePowerPlatform platform;
    EXPECT_TRUE(CarryOutPowerAction(platform, PowerActionSleep));
    EXPECT_EQ((DWORD)(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), platform.dwTokenAccess);
    EXPECT_EQ(L"SeShutdownPrivilege", platform.strPrivilegeName);
    ASSERT_EQ(1u, platform.adjusted.PrivilegeCount);
    EXPECT_EQ(FakePowerPlatform::ShutdownLuid().LowPart, platform.adjusted.Privileges[0].Luid.LowPart);
    EXPECT_EQ((DWORD)SE_PRIVILEGE_ENABLED, platform.adjusted.Privileges[0].Attributes);
    EXPECT_EQ(1, platform.nPowerCalls);
    EXPECT_EQ(TRUE, platform.bSuspend);
    EXPECT_EQ(FALSE, platform.bForce);
    EXPECT_TRUE(platform.bTokenClosed);
}

TEST(PowerActionTest, HibernateAsksForHibernation)
{
    FakePowerPlatform platform;
    EXPECT_TRUE(CarryOutPowerAction(platform, PowerActionHibernate));
    EXPECT_EQ(1, platform.nPowerCalls);
    EXPECT_EQ(FALSE, platform.bSuspend);
    EXPECT_EQ(FALSE, platform.bForce);
}

TEST(PowerActionTest, OtherActionsTouchNothing)
{
    for (int nAction : { -1, 0, 1, 4, 5, 6, 7 }) {
        FakePowerPlatform platform;
        EXPECT_TRUE(CarryOutPowerAction(platform, nAction)) << nAction;
        EXPECT_EQ(0u, platform.dwTokenAccess) << nAction;
        EXPECT_EQ(0, platform.nPowerCalls) << nAction;
    }
}

TEST(PowerActionTest, NoPowerCallWithoutThePrivilege)
{
    struct Failure {
        const char* name;
        void (*apply)(FakePowerPlatform&);
    };
    const Failure failures[] = {
        { "token does not open", [](FakePowerPlatform& p) { p.bTokenOpens = false; } },
        { "privilege not held", [](FakePowerPlatform& p) { p.dwAdjustError = ERROR_NOT_ALL_ASSIGNED; } },
        { "adjustment fails", [](FakePowerPlatform& p) { p.dwAdjustError = ERROR_INVALID_HANDLE; } },
        { "privilege unknown", [](FakePowerPlatform& p) { p.bPrivilegeKnown = false; } },
    };
    for (const Failure& failure : failures) {
        for (int nAction : { (int)PowerActionSleep, (int)PowerActionHibernate }) {
            FakePowerPlatform platform;
            failure.apply(platform);
            EXPECT_FALSE(CarryOutPowerAction(platform, nAction)) << failure.name;
            EXPECT_EQ(0, platform.nPowerCalls) << failure.name;
        }
    }
}

TEST(PowerActionTest, UnknownPrivilegeIsNeverAdjusted)
{
    FakePowerPlatform platform;
    platform.bPrivilegeKnown = false;
    CarryOutPowerAction(platform, PowerActionSleep);
    EXPECT_EQ(0, platform.nAdjustCalls);
    EXPECT_TRUE(platform.bTokenClosed);
}

// The exit steps with a real language library loaded the way the
// application loads it.
class ExitStepsTest : public ::testing::Test {
protected:
    FakePowerPlatform platform;
    HINSTANCE hLanguage = nullptr;
    bool bLoadedAtPowerCall = true;

    void SetUp() override
    {
        ASSERT_EQ(nullptr, ::GetModuleHandleW(L"eng.dll"));
        hLanguage = ::LoadLibraryW(L"eng.dll");
        ASSERT_NE(nullptr, hLanguage);
        AfxSetResourceHandle(hLanguage);
        platform.onPowerCall = [this] { bLoadedAtPowerCall = ::GetModuleHandleW(L"eng.dll") != nullptr; };
    }
    void TearDown() override
    {
        if (hLanguage) ::FreeLibrary(hLanguage);
        AfxSetResourceHandle(AfxGetInstanceHandle());
    }
};

TEST_F(ExitStepsTest, FreeTheLanguageLibraryBeforeThePowerCall)
{
    EXPECT_TRUE(RunExitSteps(platform, hLanguage, PowerActionSleep));
    EXPECT_EQ(1, platform.nPowerCalls);
    EXPECT_FALSE(bLoadedAtPowerCall);
    EXPECT_EQ(nullptr, hLanguage);
    EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle()) << "no resource source left dangling";
}

TEST_F(ExitStepsTest, FreeTheLanguageLibraryAlsoWhenThePrivilegeIsMissing)
{
    platform.dwAdjustError = ERROR_NOT_ALL_ASSIGNED;
    EXPECT_FALSE(RunExitSteps(platform, hLanguage, PowerActionHibernate));
    EXPECT_EQ(0, platform.nPowerCalls);
    EXPECT_EQ(nullptr, ::GetModuleHandleW(L"eng.dll"));
}

TEST_F(ExitStepsTest, FreeTheLanguageLibraryWithoutAnyAction)
{
    EXPECT_TRUE(RunExitSteps(platform, hLanguage, 0));
    EXPECT_EQ(nullptr, ::GetModuleHandleW(L"eng.dll"));
    EXPECT_EQ(0u, platform.dwTokenAccess);
}

TEST(ExitStepsWithoutLanguageTest, CarryOutTheActionAlone)
{
    FakePowerPlatform platform;
    HINSTANCE hNone = nullptr;
    EXPECT_TRUE(RunExitSteps(platform, hNone, PowerActionSleep));
    EXPECT_EQ(1, platform.nPowerCalls);
}
}

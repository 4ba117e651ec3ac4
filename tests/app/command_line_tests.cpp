#include "app/CommandLine.h"
#include <gtest/gtest.h>

TEST(CommandLineTest, OneLeadingDashOrSlashThenOneLetterInAnyCase)
{
    EXPECT_TRUE(IsSwitch(L"/c", L'c'));
    EXPECT_TRUE(IsSwitch(L"-C", L'c'));
    EXPECT_TRUE(IsSwitch(L"c", L'c'));
    EXPECT_TRUE(IsSwitch(L"/c:42", L'c'));
    EXPECT_TRUE(IsSwitch(L"/p 42", L'p'));
    EXPECT_FALSE(IsSwitch(L"//s", L's'));
    EXPECT_FALSE(IsSwitch(L"", L'c'));
    EXPECT_FALSE(IsSwitch(L"/", L'c'));
    EXPECT_FALSE(IsSwitch(nullptr, L'c'));
    EXPECT_FALSE(IsSwitch(L" /c", L'c'));
}

TEST(CommandLineTest, ModesFollowTheDispatchTable)
{
    EXPECT_EQ(RunMode::Settings, ChooseRunMode(1, L""));
    EXPECT_EQ(RunMode::Settings, ChooseRunMode(2, L"/c"));
    EXPECT_EQ(RunMode::Settings, ChooseRunMode(2, L"/c:42"));
    EXPECT_EQ(RunMode::None, ChooseRunMode(2, L"/p"));
    EXPECT_EQ(RunMode::None, ChooseRunMode(3, L"/p 42"));
    EXPECT_EQ(RunMode::Play, ChooseRunMode(2, L"/s"));
    EXPECT_EQ(RunMode::Play, ChooseRunMode(2, L"-S"));
    EXPECT_EQ(RunMode::Play, ChooseRunMode(2, L"/x"));
    EXPECT_EQ(RunMode::Play, ChooseRunMode(2, L"//s"));
    EXPECT_EQ(RunMode::Play, ChooseRunMode(2, L"//c"));
}

#include "settings/SettingsRecord.h"
#include "tests/support/Printers.h"
#include "tests/support/RegistryTestKey.h"
#include <gtest/gtest.h>

namespace {
// Every test runs in the test prefix; the product's keys start and end absent.
class SettingsRecordTest : public ::testing::Test {
protected:
    RegistryTestKey m_user{HKEY_CURRENT_USER, kProductKeyPath};
    RegistryTestKey m_machine{HKEY_LOCAL_MACHINE, kProductKeyPath};
};

TEST_F(SettingsRecordTest, FirstRunWithoutMachineDefaultsCreatesTheUserRecord)
{
    SettingsRecord record = LoadSettingsRecord();
    EXPECT_TRUE(record.m_strFilePath.IsEmpty());
    EXPECT_EQ(0, record.m_nPlayingMethod);
    EXPECT_EQ(50, record.m_nVolume);
    EXPECT_EQ(0, record.m_nInitialize);

    ASSERT_TRUE(m_user.Exists());
    EXPECT_TRUE(m_user.HasValue(nullptr, L"FilePath"));
    EXPECT_EQ(CString(), m_user.GetString(nullptr, L"FilePath"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"PlayingMethod"));
    EXPECT_EQ(50u, m_user.GetDword(nullptr, L"Volume"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"Initialize"));
    EXPECT_FALSE(m_machine.Exists());
}

TEST_F(SettingsRecordTest, EmptyFilePathTakesTheMachineDefaultsEvenWhenInitialized)
{
    m_machine.SetString(nullptr, L"FilePath", L"C:\\Movies\\Sea");
    m_machine.SetDword(nullptr, L"PlayingMethod", 1);
    m_machine.SetDword(nullptr, L"Volume", 70);
    m_user.SetString(nullptr, L"FilePath", L"");
    m_user.SetDword(nullptr, L"Initialize", 1);
    m_user.SetDword(nullptr, L"Volume", 10);

    SettingsRecord record = LoadSettingsRecord();
    EXPECT_EQ(CString(L"C:\\Movies\\Sea"), record.m_strFilePath);
    EXPECT_EQ(1, record.m_nPlayingMethod);
    EXPECT_EQ(70, record.m_nVolume);
    EXPECT_EQ(0, record.m_nInitialize);
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"Initialize"));
}

TEST_F(SettingsRecordTest, SetUpRecordIsUsedAsItStandsWithoutRangeTests)
{
    m_machine.SetString(nullptr, L"FilePath", L"C:\\Default.wmv");
    m_user.SetString(nullptr, L"FilePath", L"C:\\Mine.wmv");
    m_user.SetDword(nullptr, L"PlayingMethod", 7);
    m_user.SetDword(nullptr, L"Volume", 0xFFFFFFFF);
    m_user.SetDword(nullptr, L"Initialize", 1);

    SettingsRecord record = LoadSettingsRecord();
    EXPECT_EQ(CString(L"C:\\Mine.wmv"), record.m_strFilePath);
    EXPECT_EQ(7, record.m_nPlayingMethod);
    EXPECT_EQ(-1, record.m_nVolume);
    EXPECT_EQ(1, record.m_nInitialize);
}

TEST_F(SettingsRecordTest, UnreadableNumbersFallBackToTheirDefaults)
{
    m_user.SetString(nullptr, L"FilePath", L"C:\\Mine.wmv");
    m_user.SetValue(nullptr, L"PlayingMethod", REG_BINARY, "\x01\x02\x03\x04\x05\x06", 6);
    m_user.SetString(nullptr, L"Volume", L"loud");   // 10 bytes: too long for a number
    SettingsRecord record = LoadSettingsRecord();
    EXPECT_EQ(0, record.m_nPlayingMethod);
    EXPECT_EQ(50, record.m_nVolume);
    EXPECT_EQ(0, record.m_nInitialize);
}

TEST_F(SettingsRecordTest, CopyMachineDefaultsOverwritesTheUserChoice)
{
    m_machine.SetString(nullptr, L"FilePath", L"C:\\Default.wmv");
    m_machine.SetDword(nullptr, L"Volume", 20);
    m_user.SetString(nullptr, L"FilePath", L"C:\\Mine.wmv");
    m_user.SetDword(nullptr, L"PlayingMethod", 1);
    m_user.SetDword(nullptr, L"Initialize", 1);
    m_user.SetDword(nullptr, L"Display", 2);

    CopyMachineDefaults();
    EXPECT_EQ(CString(L"C:\\Default.wmv"), m_user.GetString(nullptr, L"FilePath"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"PlayingMethod"));
    EXPECT_EQ(20u, m_user.GetDword(nullptr, L"Volume"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"Initialize"));
    EXPECT_EQ(2u, m_user.GetDword(nullptr, L"Display"));   // not part of the defaults
}

TEST_F(SettingsRecordTest, SaveWritesTheChoiceAndTheListOnlyForFolderPlay)
{
    int nListWrites = 0;
    auto writeList = [&] {
        ++nListWrites;
        // The list is written after the method, before the rest.
        EXPECT_EQ(1u, m_user.GetDword(nullptr, L"PlayingMethod"));
        EXPECT_FALSE(m_user.HasValue(nullptr, L"Initialize"));
    };
    SettingsChoice folder;
    folder.m_strFilePath = L"C:\\Movies\\Sea";
    folder.m_nPlayingMethod = 1;
    folder.m_nDisplay = 1;
    folder.m_nVolume = 33;
    SaveSettingsRecord(folder, writeList);
    EXPECT_EQ(1, nListWrites);
    EXPECT_EQ(CString(L"C:\\Movies\\Sea"), m_user.GetString(nullptr, L"FilePath"));
    EXPECT_EQ(1u, m_user.GetDword(nullptr, L"Display"));
    EXPECT_EQ(33u, m_user.GetDword(nullptr, L"Volume"));
    EXPECT_EQ(1u, m_user.GetDword(nullptr, L"Initialize"));

    SettingsChoice single = folder;
    single.m_strFilePath = L"C:\\Movies\\Sea\\a.wmv";
    single.m_nPlayingMethod = 0;
    SaveSettingsRecord(single, writeList);
    EXPECT_EQ(1, nListWrites);
    EXPECT_EQ(CString(L"C:\\Movies\\Sea\\a.wmv"), m_user.GetString(nullptr, L"FilePath"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"PlayingMethod"));
}

TEST_F(SettingsRecordTest, SaveWithAnUnknownMethodKeepsPathAndMethodButStoresTheRest)
{
    m_user.SetString(nullptr, L"FilePath", L"C:\\Mine.wmv");
    m_user.SetDword(nullptr, L"Display", 0);
    SettingsChoice choice;
    choice.m_strFilePath = L"C:\\Other.wmv";
    choice.m_nPlayingMethod = 5;
    choice.m_nDisplay = 0;   // unchanged, still written
    choice.m_nVolume = 90;
    SaveSettingsRecord(choice, nullptr);
    EXPECT_EQ(CString(L"C:\\Mine.wmv"), m_user.GetString(nullptr, L"FilePath"));
    EXPECT_FALSE(m_user.HasValue(nullptr, L"PlayingMethod"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"Display"));
    EXPECT_EQ(90u, m_user.GetDword(nullptr, L"Volume"));
    EXPECT_EQ(1u, m_user.GetDword(nullptr, L"Initialize"));
}

TEST_F(SettingsRecordTest, SaveIntoAMissingKeyStillStoresEveryChoice)
{
    SettingsChoice choice;
    choice.m_nPlayingMethod = 9;   // writes no path, so nothing else creates the key
    choice.m_nVolume = 44;
    SaveSettingsRecord(choice, nullptr);
    EXPECT_EQ(44u, m_user.GetDword(nullptr, L"Volume"));
    EXPECT_EQ(1u, m_user.GetDword(nullptr, L"Initialize"));
    EXPECT_TRUE(m_user.HasValue(nullptr, L"Display"));
}
}

#include "settings/RegistryKey.h"
#include "tests/support/Printers.h"
#include "tests/support/RegistryTestKey.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
class RegistryKeyTest : public ::testing::Test {
protected:
    RegistryTestKey m_test;
    RegistryKey m_key{m_test.Path(), HKEY_CURRENT_USER};
};

TEST_F(RegistryKeyTest, StringRoundTripStoresTerminatorAndCreatesOnlyWhenAsked)
{
    EXPECT_EQ(-1, m_key.WriteString(nullptr, L"Name", L"text", FALSE));
    EXPECT_FALSE(m_test.Exists());

    EXPECT_EQ(0, m_key.WriteString(nullptr, L"Name", L"text", TRUE));
    DWORD dwType = 0;
    std::vector<BYTE> stored = m_test.GetValue(nullptr, L"Name", &dwType);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), dwType);
    EXPECT_EQ(10u, stored.size());   // 2 x 4 characters + the terminator

    CString text;
    EXPECT_EQ(0, m_key.ReadString(nullptr, L"Name", text));
    EXPECT_EQ(CString(L"text"), text);
}

TEST_F(RegistryKeyTest, WriteStringsStoresEveryValueInOneOpeningAndCreatesOnlyWhenAsked)
{
    const std::vector<RegistryString> values = { { L"1", L"First" }, { L"2", L"" }, { L"3", L"Third one" } };
    EXPECT_EQ(-1, m_key.WriteStrings(L"List", values, FALSE));
    EXPECT_FALSE(m_test.Exists(L"List"));

    EXPECT_EQ(0, m_key.WriteStrings(L"List", values, TRUE));
    EXPECT_EQ(3u, m_test.ValueCount(L"List"));
    for (const RegistryString& value : values) {
        DWORD dwType = 0;
        std::vector<BYTE> stored = m_test.GetValue(L"List", value.m_strName, &dwType);
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), dwType);
        EXPECT_EQ((value.m_strText.GetLength() + 1) * sizeof(wchar_t), stored.size());
        EXPECT_EQ(value.m_strText, m_test.GetString(L"List", value.m_strName));
    }
    EXPECT_EQ(0, m_key.WriteStrings(L"List", {}, FALSE));
}

TEST_F(RegistryKeyTest, ReadStringOfMissingValueOrKeyFailsEmpty)
{
    CString text(L"stale");
    EXPECT_EQ(-1, m_key.ReadString(nullptr, L"Missing", text));
    EXPECT_TRUE(text.IsEmpty());

    m_test.SetString(nullptr, L"Other", L"x");
    text = L"stale";
    EXPECT_EQ(-1, m_key.ReadString(nullptr, L"Missing", text));
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(RegistryKeyTest, ReadStringEndsDataWithoutTerminatorAndOddByteCounts)
{
    m_test.SetValue(nullptr, L"Bare", REG_SZ, L"abcdef", 12);   // no terminator
    m_test.SetValue(nullptr, L"Odd", REG_BINARY, "AbC", 3);      // one and a half characters
    m_test.SetValue(nullptr, L"Inner", REG_SZ, L"ab\0cd", 10);   // a terminator inside
    CString text;
    EXPECT_EQ(0, m_key.ReadString(nullptr, L"Bare", text));
    EXPECT_EQ(CString(L"abcdef"), text);
    EXPECT_EQ(0, m_key.ReadString(nullptr, L"Odd", text));
    EXPECT_EQ(2, text.GetLength());
    EXPECT_EQ(static_cast<wchar_t>(0x6241), text.GetAt(0));
    EXPECT_EQ(static_cast<wchar_t>(0x0043), text.GetAt(1));
    EXPECT_EQ(0, m_key.ReadString(nullptr, L"Inner", text));
    EXPECT_EQ(CString(L"ab"), text);
}

TEST_F(RegistryKeyTest, ReadStringOfHugeAndForeignValues)
{
    std::wstring huge(512 * 1024, L'q');   // 1 MB of text
    m_test.SetString(nullptr, L"Huge", huge.c_str());
    DWORD dwNumber = 0x00410042;
    m_test.SetDword(nullptr, L"Number", dwNumber);
    m_test.SetValue(nullptr, L"Empty", REG_BINARY, nullptr, 0);

    CString text;
    EXPECT_EQ(0, m_key.ReadString(nullptr, L"Huge", text));
    EXPECT_EQ(static_cast<int>(huge.size()), text.GetLength());
    // A short value read while a much longer one sits in the same key.
    EXPECT_EQ(0, m_key.ReadString(nullptr, L"Number", text));
    EXPECT_EQ(CString(L"BA"), text);
    EXPECT_EQ(0, m_key.ReadString(nullptr, L"Empty", text));
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(RegistryKeyTest, ReadDwordCopiesUpToFourBytesOfAnyTypeAndRejectsLonger)
{
    m_test.SetDword(nullptr, L"Dword", 0x12345678);
    m_test.SetValue(nullptr, L"Two", REG_BINARY, "\x01\x02", 2);
    m_test.SetValue(nullptr, L"Five", REG_BINARY, "\x01\x02\x03\x04\x05", 5);
    m_test.SetString(nullptr, L"Text", L"5");   // 4 bytes: '5' and the terminator

    DWORD value = 0;
    EXPECT_EQ(0, m_key.ReadDword(nullptr, L"Dword", value));
    EXPECT_EQ(0x12345678u, value);
    value = 0xAABBCCDD;
    EXPECT_EQ(0, m_key.ReadDword(nullptr, L"Two", value));
    EXPECT_EQ(0xAABB0201u, value);
    value = 7;
    EXPECT_EQ(-1, m_key.ReadDword(nullptr, L"Five", value));
    EXPECT_EQ(7u, value);
    EXPECT_EQ(-1, m_key.ReadDword(nullptr, L"Missing", value));
    EXPECT_EQ(7u, value);
    EXPECT_EQ(0, m_key.ReadDword(nullptr, L"Text", value));
    EXPECT_EQ(static_cast<DWORD>(L'5'), value);
}

TEST_F(RegistryKeyTest, WriteDwordCreatesOnlyWithTheFlag)
{
    EXPECT_EQ(-1, m_key.WriteDword(nullptr, L"N", 5, FALSE));
    EXPECT_FALSE(m_test.Exists());
    EXPECT_EQ(0, m_key.WriteDword(nullptr, L"N", 5, TRUE));
    DWORD dwType = 0;
    EXPECT_EQ(4u, m_test.GetValue(nullptr, L"N", &dwType).size());
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType);
    EXPECT_EQ(5u, m_test.GetDword(nullptr, L"N"));
}

TEST_F(RegistryKeyTest, SubKeyAddressing)
{
    EXPECT_EQ(0, m_key.WriteString(L"Child", L"V", L"below", TRUE));
    EXPECT_EQ(CString(L"below"), m_test.GetString(L"Child", L"V"));
    EXPECT_EQ(1, m_key.KeyExists(L"Child"));
    EXPECT_EQ(0, m_key.KeyExists(L"Absent"));
    EXPECT_EQ(0, m_key.KeyExists(L"Child\\Absent"));

    // A null sub-key is the path itself; an empty one adds a trailing backslash.
    EXPECT_EQ(0, m_key.WriteString(nullptr, L"V", L"self", FALSE));
    EXPECT_EQ(CString(L"self"), m_test.GetString(nullptr, L"V"));
    EXPECT_EQ(1, m_key.KeyExists(nullptr));
    CString text;
    EXPECT_EQ(0, m_key.ReadString(L"", L"V", text));
    EXPECT_EQ(CString(L"self"), text);
}

TEST_F(RegistryKeyTest, NestedSubKeyChainIsCreatedByOneWrite)
{
    EXPECT_EQ(0, m_key.WriteDword(L"D:\\Clips", L"FileCount", 2, TRUE));
    EXPECT_TRUE(m_test.Exists(L"D:"));
    EXPECT_EQ(2u, m_test.GetDword(L"D:\\Clips", L"FileCount"));
}

// A path that does not fit the path field must not be cut down to one that
// does: that would address, and write into, another key.
TEST_F(RegistryKeyTest, PathOfMaxPathCharactersAddressesNoKeyAtAll)
{
    CString base = m_test.Path() + L"\\";
    CString longPath = base + CString(L'k', MAX_PATH - base.GetLength());   // exactly 260 characters
    ASSERT_EQ(MAX_PATH, longPath.GetLength());
    CString truncated = longPath.Left(MAX_PATH - 1);
    RegistryTestKey truncatedKey(HKEY_CURRENT_USER, truncated);
    truncatedKey.SetString(nullptr, L"V", L"keep");

    RegistryKey key(longPath, HKEY_CURRENT_USER);
    EXPECT_EQ(-1, key.WriteString(nullptr, L"V", L"lost", TRUE));
    EXPECT_EQ(-1, key.WriteDword(nullptr, L"N", 1, TRUE));
    EXPECT_EQ(-1, key.WriteString(L"Sub", L"V", L"lost", TRUE));
    EXPECT_EQ(-1, key.WriteStrings(nullptr, { { L"V", L"lost" } }, TRUE));
    EXPECT_EQ(0, key.KeyExists(nullptr));
    CString text;
    EXPECT_EQ(-1, key.ReadString(nullptr, L"V", text));
    DWORD value = 3;
    EXPECT_EQ(-1, key.ReadDword(nullptr, L"V", value));
    EXPECT_EQ(nullptr, key.OpenKey(nullptr, KEY_READ, TRUE));

    EXPECT_EQ(CString(L"keep"), truncatedKey.GetString(nullptr, L"V"));
    EXPECT_EQ(1u, truncatedKey.ValueCount());
    EXPECT_FALSE(truncatedKey.Exists(L"Sub"));
    EXPECT_EQ(0u, m_test.ValueCount());

    // A path of 259 characters still works.
    RegistryKey fits(truncated, HKEY_CURRENT_USER);
    EXPECT_EQ(0, fits.ReadString(nullptr, L"V", text));
    EXPECT_EQ(CString(L"keep"), text);
}

TEST_F(RegistryKeyTest, ReadAllValuesGivesNamesTypesAndBytes)
{
    m_test.SetString(nullptr, L"1", L"a");
    m_test.SetDword(nullptr, L"FileCount", 1);
    std::vector<RegistryValue> values;
    EXPECT_EQ(-1, RegistryKey(m_test.Below(L"Absent"), HKEY_CURRENT_USER).ReadAllValues(nullptr, values));
    ASSERT_EQ(0, m_key.ReadAllValues(nullptr, values));
    ASSERT_EQ(2u, values.size());
    for (const RegistryValue& value : values) {
        if (value.m_strName == L"1") {
            EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.m_dwType);
            EXPECT_EQ(4u, value.m_data.size());
        } else {
            EXPECT_EQ(CString(L"FileCount"), value.m_strName);
            EXPECT_EQ(static_cast<DWORD>(REG_DWORD), value.m_dwType);
        }
    }
}
}

// The helpers the fuzz cases stand on: a registry comparison that always
// said "equal" would make every Cancel check pass, and a temporary folder
// that kept hostile names would fill the disk over a long run.
#include "tests/support/RegistryTestKey.h"
#include "tests/support/RegistryTree.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>

namespace {
bool Exists(const CString& strPath)
{
    return ::GetFileAttributesW(ExtendedLengthPath(strPath)) != INVALID_FILE_ATTRIBUTES;
}

void MakeFile(const CString& strPath)
{
    HANDLE hFile = ::CreateFileW(ExtendedLengthPath(strPath), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    ::CloseHandle(hFile);
}
}

TEST(RegistryTreeTest, WrittenBackReadsEqualAndEveryChangeIsNamed)
{
    RegistryTestKey key;
    const BYTE odd[3] = { 'a', 0, 'b' };
    key.SetValue(nullptr, L"Odd", REG_BINARY, odd, sizeof(odd));
    key.SetValue(L"Sea", L"Empty", REG_MULTI_SZ, nullptr, 0);
    key.SetDword(L"Sea\\Deep", L"FileCount", 3);
    const RegistryTree before = RegistryTree::Read(key.Root(), key.Path().GetString());

    before.Write(key.Root(), key.Path().GetString());
    EXPECT_EQ("", FirstDifference(before, RegistryTree::Read(key.Root(), key.Path().GetString())));

    key.SetString(L"Sea\\Deep", L"FileCount", L"3");
    EXPECT_EQ("\\Sea\\Deep\\FileCount: type 4, 4 bytes / type 1, 4 bytes",
              FirstDifference(before, RegistryTree::Read(key.Root(), key.Path().GetString())));
    before.Write(key.Root(), key.Path().GetString());
    key.SetValue(nullptr, L"Odd", REG_BINARY, odd, 2);
    EXPECT_EQ("\\Odd: type 3, 3 bytes / type 3, 2 bytes",
              FirstDifference(before, RegistryTree::Read(key.Root(), key.Path().GetString())));
    key.Delete();
    EXPECT_EQ("the key: missing", FirstDifference(before, RegistryTree::Read(key.Root(), key.Path().GetString())));
}

TEST(TempFolderTest, RemovesTrailingDotsAndSpacesAndPathsPastMaxPath)
{
    CString strPath;
    {
        TempFolder folder;
        strPath = folder.Path();
        const CString strLong = folder.Path() + L"\\" + CString(L'd', 200) + L"\\" + CString(L'f', 120) + L".wmv";
        ASSERT_TRUE(::CreateDirectoryW(ExtendedLengthPath(folder.Path() + L"\\" + CString(L'd', 200)), nullptr));
        MakeFile(strLong);
        ASSERT_TRUE(::CreateDirectoryW(ExtendedLengthPath(folder.Path() + L"\\Sea. "), nullptr));
        MakeFile(folder.Path() + L"\\Sea. \\a.avi.");
        ASSERT_TRUE(Exists(strLong));
    }
    EXPECT_FALSE(Exists(strPath));
}

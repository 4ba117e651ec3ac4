#include "framework/Afx.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Printers.h"
#include <gtest/gtest.h>
#include <set>

TEST(CFileFindTest, ListsEveryEntryOnceIncludingTheLastOne)
{
    TempFolder dir;
    dir.AddFile(L"my.trip.wmv");
    dir.AddFile(L"noext");
    dir.AddFolder(L"Sea.2005");
    std::set<std::wstring> titles, names;
    CFileFind finder;
    BOOL more = finder.FindFile(dir.Path() + L"\\*.*");
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots()) continue;
        names.insert(finder.GetFileName().GetString());
        titles.insert(finder.GetFileTitle().GetString());
        EXPECT_EQ(dir.Path() + L"\\" + finder.GetFileName(), finder.GetFilePath());
    }
    EXPECT_EQ((std::set<std::wstring>{ L"my.trip.wmv", L"noext", L"Sea.2005" }), names);
    EXPECT_EQ((std::set<std::wstring>{ L"my.trip", L"noext", L"Sea" }), titles);
}

TEST(CFileFindTest, MissingFolderFindsNothing)
{
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile(L"C:\\no\\such\\folder\\*.*"));
    EXPECT_FALSE(finder.FindNextFile());
}

TEST(CFileFindTest, ReportsTheSystemAttribute)
{
    TempFolder dir;
    dir.AddFile(L"a.avi", FILE_ATTRIBUTE_SYSTEM);
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(dir.Path() + L"\\a.avi"));
    finder.FindNextFile();
    EXPECT_TRUE(finder.IsSystem());
    EXPECT_FALSE(finder.IsDirectory());
}

TEST(CFileTest, OpensFilesButNotFolders)
{
    TempFolder dir;
    dir.AddFile(L"a.wmv");
    CFile file;
    EXPECT_TRUE(file.Open(dir.Path() + L"\\a.wmv", CFile::modeRead));
    file.Close();
    EXPECT_FALSE(file.Open(dir.Path(), CFile::modeRead));
    EXPECT_FALSE(file.Open(dir.Path() + L"\\missing.wmv", CFile::modeRead));
}

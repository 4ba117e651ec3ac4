#include "app/LanguageLibrary.h"
#include <gtest/gtest.h>

TEST(LanguageTest, AbbreviationsChooseTheirLibraryExactly)
{
    EXPECT_STREQ(L"eng.dll", LanguageLibraryFor(L"ENZ"));
    EXPECT_STREQ(L"eng.dll", LanguageLibraryFor(L"ENU"));
    EXPECT_STREQ(L"cht.dll", LanguageLibraryFor(L"ZHH"));
    EXPECT_STREQ(L"cht.dll", LanguageLibraryFor(L"CHT"));
    EXPECT_STREQ(L"chs.dll", LanguageLibraryFor(L"CHS"));
    EXPECT_STREQ(L"jpn.dll", LanguageLibraryFor(L"JPN"));
    EXPECT_STREQ(L"deu.dll", LanguageLibraryFor(L"DES"));
    EXPECT_STREQ(L"esp.dll", LanguageLibraryFor(L"ESZ"));
    EXPECT_STREQ(L"fra.dll", LanguageLibraryFor(L"FRM"));
    EXPECT_STREQ(L"ita.dll", LanguageLibraryFor(L"ITS"));
    EXPECT_STREQ(L"kor.dll", LanguageLibraryFor(L"KOR"));
    EXPECT_STREQ(L"nld.dll", LanguageLibraryFor(L"NLD"));
}

TEST(LanguageTest, UnknownOrFailedAbbreviationsFallBackToEnglish)
{
    EXPECT_STREQ(L"eng.dll", LanguageLibraryFor(L"PTB"));
    EXPECT_STREQ(L"eng.dll", LanguageLibraryFor(L""));     // the query failed
    EXPECT_STREQ(L"eng.dll", LanguageLibraryFor(L"jpn"));  // the comparison is case-sensitive
}

TEST(LanguageTest, TheSystemLocaleIsQueried)
{
    wchar_t sz[260];
    QuerySystemLanguage(sz);
    EXPECT_EQ(3u, wcslen(sz));
}

TEST(LanguageTest, LibrariesLoadAsResourcesFromTheProgramFolderOnly)
{
    HINSTANCE h = LoadLanguageLibrary(L"eng.dll");
    ASSERT_NE(nullptr, h);
    EXPECT_NE(nullptr, ::FindResourceW(h, MAKEINTRESOURCEW(130), MAKEINTRESOURCEW(5)));
    ::FreeLibrary(h);
    EXPECT_EQ(nullptr, LoadLanguageLibrary(L"missing.dll"));
}

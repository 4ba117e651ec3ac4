#include "framework/Afx.h"
#include "tests/support/Printers.h"
#include <gtest/gtest.h>

TEST(CStringTest, ReplaceRemovesEveryOccurrenceCaseSensitively)
{
    CString s(L"C:\\Root\\Sea\\C:\\Root\\x c:\\root\\");
    EXPECT_EQ(2, s.Replace(L"C:\\Root\\", L""));
    EXPECT_EQ(CString(L"Sea\\x c:\\root\\"), s);
    EXPECT_EQ(0, s.Replace(L"", L"y"));
}

TEST(CStringTest, SlicesStayInsideTheText)
{
    CString s(L"ocean w");
    EXPECT_EQ(CString(L"oce"), s.Left(3));
    EXPECT_EQ(CString(L""), s.Left(-2));
    EXPECT_EQ(CString(L"ocean w"), s.Left(100));
    EXPECT_EQ(CString(L"w"), s.Mid(6));
    EXPECT_EQ(CString(L""), s.Mid(99));
    EXPECT_EQ(CString(L"an"), s.Mid(3, 2));
    EXPECT_EQ(CString(L" w"), s.Right(2));
    EXPECT_EQ(5, s.ReverseFind(L' '));
    EXPECT_EQ(-1, s.Find(L'z'));
    EXPECT_EQ(-1, s.Find(L"a", 50));
}

TEST(CStringTest, MakeLowerMapsNonLatinLettersAndIsStable)
{
    CString s(L"Sea W \u00c9T\u00c9 \u0416");
    s.MakeLower();
    EXPECT_EQ(CString(L"sea w \u00e9t\u00e9 \u0436"), s);
    CString again(s);
    EXPECT_EQ(s, again.MakeLower());
}

TEST(CStringTest, FormatAndBuffer)
{
    CString s;
    s.Format(L"%d", -2147483647 - 1);
    EXPECT_EQ(CString(L"-2147483648"), s);
    wchar_t* p = s.GetBuffer(300);
    wcscpy(p, L"abc");
    s.ReleaseBuffer();
    EXPECT_EQ(3, s.GetLength());
}

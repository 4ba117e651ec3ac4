#include "catalogue/ContentRoot.h"
#include "catalogue/MovieFile.h"
#include "catalogue/MovieListKey.h"
#include "catalogue/ScreenShape.h"
#include "tests/catalogue/CatalogueFixture.h"
#include <cmath>
#include <shlobj.h>

namespace {
TEST(MovieFileRules, MovieNamesAreASubstringTestAfterTheFirstCharacter)
{
    for (const wchar_t* name : {L"clip.avi", L"CLIP.WMV", L"a.mpg", L"a.MPEG", L"clip.avi.txt", L"x.wmvz", L"..avi"})
        EXPECT_TRUE(IsMovieFileName(name)) << CString(name);
    for (const wchar_t* name : {L".avi", L".wmv", L"clip.mp4", L"clip", L"wmv", L"", L"clip.av i"})
        EXPECT_FALSE(IsMovieFileName(name)) << CString(name);
}

TEST(MovieFileRules, TitleIsTheTextBeforeTheLastDot)
{
    EXPECT_EQ(CString(L"my.trip"), FileTitle(L"my.trip.wmv"));
    EXPECT_EQ(CString(L"Sea"), FileTitle(L"Sea.2005"));
    EXPECT_EQ(CString(L"noext"), FileTitle(L"noext"));
    EXPECT_EQ(CString(), FileTitle(L".hidden"));
}

TEST(MovieFileRules, ShapeTagIsTheTextAfterTheLastSpace)
{
    EXPECT_EQ(CString(L"w"), ShapeTag(LowerText(FileTitle(L"Ocean W.wmv"))));
    EXPECT_EQ(CString(), ShapeTag(L"ocean"));
    EXPECT_EQ(CString(), ShapeTag(L"ocean w "));
    EXPECT_EQ(CString(L"v"), ShapeTag(L"deep blue sea v"));
}

TEST(MovieFileRules, LowercasingIsStableForNonLatinLetters)
{
    CString lower = LowerText(L"ÄÖÜ Ωmega Привет");
    EXPECT_EQ(CString(L"äöü ωmega привет"), lower);
    EXPECT_EQ(lower, LowerText(lower));
}

TEST(ScreenShapeRules, RatioBoundsAndDegenerateScreens)
{
    struct Case { int cx, cy; ScreenShape shape; };
    const Case cases[] = {
        {1024, 768, ScreenShape::Normal},  {1600, 1200, ScreenShape::Normal}, {1024, 1024, ScreenShape::Normal},
        {1280, 1024, ScreenShape::Normal}, {1280, 800, ScreenShape::Wide},    {1280, 720, ScreenShape::Wide},
        {768, 1024, ScreenShape::Vertical}, {0, 600, ScreenShape::Vertical},  {0, 0, ScreenShape::Wide},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<int>(c.shape), static_cast<int>(ClassifyScreenShape(c.cx, c.cy))) << c.cx << "x" << c.cy;
}

TEST(ScreenShapeRules, SizeAndRatioAreHandedBack)
{
    ScreenSize size;
    ClassifyScreenShape(1280, 800, &size);
    EXPECT_EQ(1280, size.m_cxScreen);
    EXPECT_EQ(800, size.m_cyScreen);
    EXPECT_FLOAT_EQ(0.625f, size.m_fAspect);
    ClassifyScreenShape(0, 0, &size);
    EXPECT_TRUE(std::isnan(size.m_fAspect));

    // The test display is 1280x800.
    EXPECT_EQ(static_cast<int>(ScreenShape::Wide), static_cast<int>(ClassifyScreenShape(&size)));
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), size.m_cxScreen);
    EXPECT_STREQ(L"w", ShapeTagOf(ScreenShape::Wide));
    EXPECT_STREQ(L"n", ShapeTagOf(ScreenShape::Normal));
    EXPECT_STREQ(L"v", ShapeTagOf(ScreenShape::Vertical));
}

TEST(ContentRootRules, RootAndPicturesFollowProgramFiles)
{
    wchar_t programFiles[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles);
    CString root = BuildContentRoot();
    EXPECT_EQ(CString(programFiles) + L"\\Velnor\\Driftreel", root);
    EXPECT_EQ(root + L"\\ErrorNoFile.JPG", NoFilePicturePath(root));
    EXPECT_EQ(root + L"\\ErrorNoCodec.JPG", NoCodecPicturePath(root));
}

TEST(ContentRootRules, ListKeyNameDropsEveryRootPrefix)
{
    CString root(L"C:\\Program Files\\Velnor\\Driftreel");
    EXPECT_EQ(CString(L"Sea"), MovieListKeyName(root, root + L"\\Sea"));
    EXPECT_EQ(CString(L"D:\\Clips"), MovieListKeyName(root, L"D:\\Clips"));
    EXPECT_EQ(CString(L"ab"), MovieListKeyName(root, root + L"\\a" + root + L"\\b"));
    // Case-sensitive: another spelling of the root stays.
    EXPECT_EQ(CString(L"c:\\program files\\velnor\\driftreel\\Sea"),
              MovieListKeyName(root, L"c:\\program files\\velnor\\driftreel\\Sea"));
}

TEST(ContentRootRules, ListKeyPathRefusesNamesThatWouldMisaddress)
{
    CString root(L"C:\\R");
    EXPECT_EQ(CString(kProductKeyPath) + L"\\Sea", MovieListKeyPath(root, L"C:\\R\\Sea"));
    EXPECT_TRUE(MovieListKeyPath(root, L"C:\\R\\").IsEmpty());   // would be the settings key
    CString fits = CString(L'x', MAX_PATH - 2 - CString(kProductKeyPath).GetLength());
    EXPECT_EQ(MAX_PATH - 1, MovieListKeyPath(root, fits).GetLength());
    EXPECT_TRUE(MovieListKeyPath(root, fits + L"x").IsEmpty());
}

class MovieFolderListTest : public CatalogueTest {};

TEST_F(MovieFolderListTest, ListsSubFolderTitlesInEnumerationOrder)
{
    m_temp.AddFolder(L"Sea.2005");
    m_temp.AddFolder(L"Forest");
    m_temp.AddFolder(L"Hidden");
    ::SetFileAttributesW(m_strRoot + L"\\Hidden", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    m_temp.AddFile(L"ErrorNoFile.JPG");
    m_temp.AddFile(L"loose.wmv");

    std::vector<CString> expectedTitles, expectedNames, titles, names;
    for (const CString& name : EnumerationOrder(m_strRoot)) {
        if (!(::GetFileAttributesW(m_strRoot + L"\\" + name) & FILE_ATTRIBUTE_DIRECTORY)) continue;
        expectedTitles.push_back(FileTitle(name));
        expectedNames.push_back(name);
    }
    ASSERT_EQ(3u, expectedNames.size());
    for (const MovieFolder& folder : ListMovieFolders(m_strRoot)) {
        titles.push_back(folder.m_strTitle);
        names.push_back(folder.m_strName);
    }
    EXPECT_EQ(expectedTitles, titles);
    EXPECT_EQ(expectedNames, names);
    EXPECT_TRUE(ListMovieFolders(m_strRoot + L"\\Gone").empty());
}
}

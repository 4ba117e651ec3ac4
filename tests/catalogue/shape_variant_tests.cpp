#include "catalogue/MovieFile.h"
#include "catalogue/ShapeVariant.h"
#include "tests/catalogue/CatalogueFixture.h"

namespace {
class ShapeVariantTest : public CatalogueTest {
protected:
    CString Resolve(const CString& strPath, int cx, int cy, bool* pbNoMovie = nullptr)
    {
        ShapeResolution resolution = ResolveShapeVariant(m_strRoot, strPath, ClassifyScreenShape(cx, cy));
        if (pbNoMovie) *pbNoMovie = resolution.m_bNoMovie;
        return resolution.m_strPath;
    }
    // The last of the named files in the folder's enumeration order.
    CString LastEnumerated(const CString& strFolder, std::initializer_list<const wchar_t*> names)
    {
        CString last;
        for (const CString& name : EnumerationOrder(strFolder))
            for (const wchar_t* wanted : names)
                if (name == wanted) last = name;
        return strFolder + L"\\" + last;
    }
};

TEST_F(ShapeVariantTest, EachScreenGetsItsTaggedMovie)
{
    CString sea = AddMovieFolder(L"Sea", {L"sea n.wmv", L"sea w.wmv", L"sea v.wmv"});
    EXPECT_EQ(sea + L"\\sea w.wmv", Resolve(sea, 1280, 800));
    EXPECT_EQ(sea + L"\\sea n.wmv", Resolve(sea, 1024, 768));
    EXPECT_EQ(sea + L"\\sea v.wmv", Resolve(sea, 768, 1024));
}

TEST_F(ShapeVariantTest, FallsBackThroughTheFixedTagOrder)
{
    CString only = AddMovieFolder(L"Only", {L"sea v.wmv"});
    bool bNoMovie = true;
    EXPECT_EQ(only + L"\\sea v.wmv", Resolve(only, 1280, 800, &bNoMovie));
    EXPECT_FALSE(bNoMovie);
    CString two = AddMovieFolder(L"Two", {L"sea v.wmv", L"sea w.wmv"});
    EXPECT_EQ(two + L"\\sea w.wmv", Resolve(two, 1024, 768));   // "n" fails, then "w"
}

TEST_F(ShapeVariantTest, LastEnumeratedWinsAmongEqualTags)
{
    CString tagged = AddMovieFolder(L"Tagged", {L"a n.avi", L"b n.avi"});
    EXPECT_EQ(LastEnumerated(tagged, {L"a n.avi", L"b n.avi"}), Resolve(tagged, 1024, 768));
    CString plain = AddMovieFolder(L"Plain", {L"x.avi", L"y.wmv", L"notes.txt"});
    EXPECT_EQ(LastEnumerated(plain, {L"x.avi", L"y.wmv"}), Resolve(plain, 1280, 800));
}

TEST_F(ShapeVariantTest, SystemFilesAreNeverChosen)
{
    CString sea = AddMovieFolder(L"Sea", {L"sea n.wmv"});
    m_temp.AddFile(L"Sea\\sea w.wmv", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(sea + L"\\sea n.wmv", Resolve(sea, 1280, 800));

    CString lone = m_temp.AddFolder(L"Lone");
    m_temp.AddFile(L"Lone\\sea w.wmv", FILE_ATTRIBUTE_SYSTEM);
    bool bNoMovie = false;
    EXPECT_EQ(lone, Resolve(lone, 1280, 800, &bNoMovie));
    EXPECT_TRUE(bNoMovie);
}

TEST_F(ShapeVariantTest, TagsAreCaseBlindAndThePathKeepsItsSpelling)
{
    CString sea = AddMovieFolder(L"Sea", {L"Sea W.WMV", L"Sea N.WMV"});
    EXPECT_EQ(sea + L"\\Sea W.WMV", Resolve(sea, 1280, 800));
}

TEST_F(ShapeVariantTest, SubFoldersAndNonMoviesAreNotCandidates)
{
    CString sea = AddMovieFolder(L"Sea", {L"readme.txt"});
    m_temp.AddFolder(L"Sea\\inner w.wmv");
    CString found(L"stale");
    EXPECT_FALSE(FindShapeVariant(sea, L"", found));
    EXPECT_TRUE(found.IsEmpty());
}

TEST_F(ShapeVariantTest, PathsThatAreNotFoldersOfMovies)
{
    bool bNoMovie = true;
    EXPECT_EQ(CString(), Resolve(L"", 1280, 800, &bNoMovie));
    EXPECT_FALSE(bNoMovie);
    EXPECT_EQ(m_strRoot, Resolve(m_strRoot, 1280, 800, &bNoMovie));
    EXPECT_FALSE(bNoMovie);

    CString file = AddMovieFolder(L"Sea", {L"a w.wmv"}) + L"\\a w.wmv";
    EXPECT_EQ(file, Resolve(file, 1280, 800, &bNoMovie));
    EXPECT_TRUE(bNoMovie);
    CString gone = m_strRoot + L"\\Gone";
    EXPECT_EQ(gone, Resolve(gone, 1280, 800, &bNoMovie));
    EXPECT_TRUE(bNoMovie);
}

class SettleFirstRunTest : public ShapeVariantTest {
protected:
    void Settle(CString& strPath, int& nMethod) { SettleFirstRunPath(m_strRoot, strPath, nMethod, ScreenShape::Wide); }
};

TEST_F(SettleFirstRunTest, AFolderSettlesOnItsMovieForSingleFilePlay)
{
    CString sea = AddMovieFolder(L"Sea", {L"sea w.wmv", L"sea n.wmv"});
    CString path = sea;
    int nMethod = 1;
    Settle(path, nMethod);
    EXPECT_EQ(sea + L"\\sea w.wmv", path);
    EXPECT_EQ(0, nMethod);
}

TEST_F(SettleFirstRunTest, MethodFollowsWhatThePathNames)
{
    CString path;
    int nMethod = 0;
    Settle(path, nMethod);
    EXPECT_TRUE(path.IsEmpty());
    EXPECT_EQ(0, nMethod);

    path = m_strRoot;
    Settle(path, nMethod);
    EXPECT_EQ(m_strRoot, path);
    EXPECT_EQ(1, nMethod);

    CString file = AddMovieFolder(L"Sea", {L"a.wmv"}) + L"\\a.wmv";
    path = file;
    nMethod = 1;
    Settle(path, nMethod);
    EXPECT_EQ(file, path);
    EXPECT_EQ(0, nMethod);

    CString empty = m_temp.AddFolder(L"Empty");
    path = empty;
    nMethod = 0;
    Settle(path, nMethod);
    EXPECT_EQ(empty, path);
    EXPECT_EQ(1, nMethod);

    CString gone = m_strRoot + L"\\Gone";
    path = gone;
    nMethod = 0;
    Settle(path, nMethod);
    EXPECT_EQ(gone, path);
    EXPECT_EQ(1, nMethod);
}

// A stored path with wildcards is a pattern; settling must not take the first
// thing it happens to match for the file the path names.
TEST_F(SettleFirstRunTest, WildcardPathNamesNothing)
{
    AddMovieFolder(L"Sea", {L"a.wmv"});
    CString pattern = m_strRoot + L"\\Sea\\*";
    CString path = pattern;
    int nMethod = 0;
    Settle(path, nMethod);
    EXPECT_EQ(pattern, path);
    EXPECT_EQ(1, nMethod);
}
}

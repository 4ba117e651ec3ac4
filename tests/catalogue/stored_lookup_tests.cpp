#include "catalogue/ContentRoot.h"
#include "catalogue/MovieList.h"
#include "catalogue/StoredMovieLookup.h"
#include "tests/catalogue/CatalogueFixture.h"

namespace {
class StoredLookupTest : public CatalogueTest {
protected:
    CString PathAt(const CString& strFolder, int nPosition) { return GetStoredMoviePath(m_strRoot, strFolder, nPosition); }
    CString NoFile() const { return NoFilePicturePath(m_strRoot); }
};

TEST_F(StoredLookupTest, RefreshedEntryGivesTheLowercasedFilePath)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"B.WMV", L"c.wmv"});
    StoreList(sea, {L"b", L"a"});
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ(sea + L"\\b.wmv", PathAt(sea, 1));
    EXPECT_EQ(sea + L"\\a.wmv", PathAt(sea, 2));
}

TEST_F(StoredLookupTest, StoredTextIsComparedAsItStands)
{
    CString sea = AddMovieFolder(L"Sea", {L"ocean.wmv"});
    StoreList(sea, {L"Ocean", L"ocean"});
    EXPECT_EQ(CString(), PathAt(sea, 1));
    EXPECT_EQ(sea + L"\\ocean.wmv", PathAt(sea, 2));
}

TEST_F(StoredLookupTest, MissingEntriesGiveThePictureAndUnmatchedOnesNothing)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv"});
    EXPECT_EQ(NoFile(), PathAt(sea, 1));   // no key
    StoreList(sea, {L"gone"});
    EXPECT_EQ(CString(), PathAt(sea, 1));
    EXPECT_EQ(NoFile(), PathAt(sea, 2));
    EXPECT_EQ(NoFile(), PathAt(sea, 0));
    EXPECT_EQ(NoFile(), PathAt(sea, -1));
}

TEST_F(StoredLookupTest, SameTitleGivesTheFirstEnumeratedFile)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.avi", L"a.wmv"});
    StoreList(sea, {L"a"});
    CString first;
    for (const CString& name : EnumerationOrder(sea))
        if (first.IsEmpty()) first = name;
    EXPECT_EQ(sea + L"\\" + first, PathAt(sea, 1));
}

TEST_F(StoredLookupTest, SearchTakesTheFirstUsablePositionFromTheStart)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"c.wmv"});
    StoreList(sea, {L"gone", L"a", L"c"});
    MoviePosition found = FindUsableMovie(m_strRoot, sea, 1, 3);
    EXPECT_TRUE(found.m_bUsable);
    EXPECT_EQ(2, found.m_nFileIndex);
    EXPECT_EQ(sea + L"\\a.wmv", found.m_strMovie);

    found = FindUsableMovie(m_strRoot, sea, 3, 3);
    EXPECT_EQ(3, found.m_nFileIndex);
    EXPECT_EQ(sea + L"\\c.wmv", found.m_strMovie);
}

TEST_F(StoredLookupTest, SearchWithoutUsableEntriesEndsPastTheCountWithTheLastAnswer)
{
    CString sea = AddMovieFolder(L"Sea", {});
    StoreList(sea, {L"x", L"y"});
    MoviePosition found = FindUsableMovie(m_strRoot, sea, 1, 2);
    EXPECT_FALSE(found.m_bUsable);
    EXPECT_TRUE(found.m_strMovie.IsEmpty());
    EXPECT_EQ(3, found.m_nFileIndex);

    found = FindUsableMovie(m_strRoot, sea, 3, 2);   // nothing to try
    EXPECT_FALSE(found.m_bUsable);
    EXPECT_EQ(3, found.m_nFileIndex);
    EXPECT_TRUE(found.m_strMovie.IsEmpty());
}

// A count beyond the stored entries reaches a position without an entry,
// whose answer, the picture, is usable: the search stops there.
TEST_F(StoredLookupTest, CountBeyondTheEntriesStopsAtThePicture)
{
    CString sea = AddMovieFolder(L"Sea", {});
    StoreList(sea, {L"x"});
    MoviePosition found = FindUsableMovie(m_strRoot, sea, 1, 1000000);
    EXPECT_TRUE(found.m_bUsable);
    EXPECT_EQ(2, found.m_nFileIndex);
    EXPECT_EQ(NoFile(), found.m_strMovie);
}

TEST_F(StoredLookupTest, LongPathsAreNotUsable)
{
    EXPECT_FALSE(IsUsableMoviePath(L""));
    EXPECT_FALSE(IsUsableMoviePath(CString(L'p', MAX_PATH)));
    EXPECT_TRUE(IsUsableMoviePath(CString(L'p', MAX_PATH - 1)));
}
}

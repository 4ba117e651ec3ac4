#include "catalogue/ContentRoot.h"
#include "catalogue/MovieFile.h"
#include "catalogue/MovieList.h"
#include "catalogue/MovieListKey.h"
#include "catalogue/StoredMovieLookup.h"
#include "tests/catalogue/CatalogueFixture.h"
#include <climits>
#include <string>

// The registry is the user's to edit and folders change under us: whatever
// they hold, the list operations end, stay within the values really stored,
// and write nowhere but the folder's own list key.
namespace {
using Titles = std::vector<CString>;

class RobustnessTest : public CatalogueTest {
protected:
    void SetCount(const CString& strFolder, DWORD dwType, const void* pData, DWORD cbData)
    {
        m_product.SetValue(ListSubKey(strFolder), L"FileCount", dwType, pData, cbData);
    }
};

// Counts that name far more entries than the key holds behave as the plain
// loops would, which must not take 2^31 steps.
TEST_F(RobustnessTest, HugeCountsStopAtTheStoredEntries)
{
    for (DWORD count : {0x7FFFFFFFu, 0x80000000u, 1000000u}) {
        CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"b.wmv", L"c.wmv"});
        StoreList(sea, {L"b", L"a"});
        SetCount(sea, REG_DWORD, &count, sizeof(count));
        Titles expected = count == 0x80000000u ? EnumerationOrder(sea) : Titles{L"b.wmv", L"a.wmv", L"c.wmv"};
        for (CString& name : expected) name = FileTitle(name);
        EXPECT_EQ(expected, Loaded(sea)) << count;
        RefreshMovieList(m_strRoot, sea);
        EXPECT_EQ(3u, StoredCount(sea));
        for (CString& title : expected) title = LowerText(title);
        EXPECT_EQ(expected, StoredTitles(sea)) << count;
        m_temp.Remove(L"Sea");
        m_product.Delete();
    }
}

TEST_F(RobustnessTest, CountsThatAreNotNumbersOrAreNegative)
{
    struct Count { DWORD dwType; std::string bytes; bool bReadsAsZero; };
    const Count counts[] = {
        {REG_DWORD, std::string("\xff\xff\xff\xff", 4), true},      // -1
        {REG_SZ, std::string("1\0" "2\0" "\0\0", 6), true},          // "12": too long for a number
        {REG_SZ, std::string("2\0\0\0", 4), false},                  // "2": its bytes read as 50
        {REG_BINARY, std::string("\x05\x00\x00\x00\x00\x00\x00\x00", 8), true},
        {REG_BINARY, std::string("\x07", 1), false},
        {REG_DWORD, std::string(), true},
    };
    for (const Count& count : counts) {
        CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"b.wmv"});
        StoreList(sea, {L"b"});
        SetCount(sea, count.dwType, count.bytes.data(), static_cast<DWORD>(count.bytes.size()));
        Titles loaded = Loaded(sea);
        Titles stored;
        if (count.bReadsAsZero) {
            // No stored order counts: every file is listed, in enumeration order.
            for (const CString& name : EnumerationOrder(sea)) stored.push_back(FileTitle(name));
            EXPECT_EQ(stored, loaded);
        } else {
            EXPECT_EQ((Titles{L"b", L"a"}), loaded);
        }
        RefreshMovieList(m_strRoot, sea);
        EXPECT_EQ(count.bReadsAsZero ? stored : (Titles{L"b", L"a"}), StoredTitles(sea));
        m_temp.Remove(L"Sea");
        m_product.Delete();
    }
}

TEST_F(RobustnessTest, EntriesAreFoundByTheNamesReallyStored)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"b.wmv", L"c.wmv"});
    CString key = ListSubKey(sea);
    m_product.SetString(key, L"1000000", L"a");
    m_product.SetString(key, L"1", L"b");
    m_product.SetString(key, L"01", L"c");        // not a position name
    m_product.SetString(key, L"2147483648", L"c"); // past every signed count
    m_product.SetDword(key, L"FileCount", 0x7FFFFFFF);
    EXPECT_EQ((Titles{L"b", L"a", L"c"}), Loaded(sea));
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"b", L"a", L"c"}), StoredTitles(sea));
}

TEST_F(RobustnessTest, EntriesOfEveryTypeAndSizeAreReadAsText)
{
    CString sea = AddMovieFolder(L"Sea", {L"ba.wmv", L"zz.wmv"});
    CString key = ListSubKey(sea);
    m_product.SetDword(key, L"1", 0x00610062);                  // the bytes of "ba"
    m_product.SetValue(key, L"2", REG_BINARY, "\x7a\x00\x7a", 3);  // "z" and half a character
    std::wstring huge(512 * 1024, L'h');
    m_product.SetString(key, L"3", huge.c_str());
    m_product.SetValue(key, L"4", REG_MULTI_SZ, L"x\0zz\0", 12);   // reads as "x"
    m_product.SetDword(key, L"FileCount", 4);
    EXPECT_EQ((Titles{L"ba", L"zz"}), Loaded(sea));
    EXPECT_EQ(sea + L"\\ba.wmv", GetStoredMoviePath(m_strRoot, sea, 1));
    EXPECT_EQ(CString(), GetStoredMoviePath(m_strRoot, sea, 3));
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"ba", L"zz"}), StoredTitles(sea));
}

// A folder whose key path does not fit is handled as a folder without a
// stored list; nothing is written to it nor to any shortened key.
TEST_F(RobustnessTest, KeyPathOfMaxPathCharactersIsNeverWritten)
{
    TempFolder outside;
    CString keyPrefix = CString(kProductKeyPath) + L"\\";
    CString component(L'f', MAX_PATH - keyPrefix.GetLength() - outside.Path().GetLength() - 1);
    CString folder = outside.AddFolder(component);
    outside.AddFile(component + L"\\a.wmv");
    ASSERT_EQ(MAX_PATH, (keyPrefix + MovieListKeyName(m_strRoot, folder)).GetLength());
    ASSERT_TRUE(MovieListKeyPath(m_strRoot, folder).IsEmpty());

    RefreshMovieList(m_strRoot, folder);
    MemoryListView list;
    list.m_items = {L"a"};
    SaveMovieList(m_strRoot, folder, list);
    EXPECT_EQ((Titles{L"a"}), Loaded(folder));
    EXPECT_EQ(NoFilePicturePath(m_strRoot), GetStoredMoviePath(m_strRoot, folder, 1));
    MoviePosition found = FindUsableMovie(m_strRoot, folder, 1, 5);
    EXPECT_EQ(NoFilePicturePath(m_strRoot), found.m_strMovie);
    EXPECT_FALSE(m_product.Exists());
}

TEST_F(RobustnessTest, VanishedFolderKeepsItsListAndAnswersEmpty)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv"});
    StoreList(sea, {L"a"});
    m_temp.Remove(L"Sea");
    EXPECT_TRUE(Loaded(sea).empty());
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"a"}), StoredTitles(sea));
    EXPECT_EQ(CString(), GetStoredMoviePath(m_strRoot, sea, 1));
    MoviePosition found = FindUsableMovie(m_strRoot, sea, 1, 1);
    EXPECT_FALSE(found.m_bUsable);
    EXPECT_EQ(2, found.m_nFileIndex);
}

// With a picture path too long to play, gaps are unusable too; the search
// must still skip them by what is stored, not step through 2^31 positions.
TEST_F(RobustnessTest, SearchSkipsGapsWhenThePictureIsUnusable)
{
    CString longRoot = CString(L"C:\\") + CString(L'r', MAX_PATH);
    TempFolder outside;
    outside.AddFile(L"a.wmv");
    CString key = MovieListKeyName(longRoot, outside.Path());
    m_product.SetString(key, L"1", L"gone");
    m_product.SetString(key, L"500000", L"a");
    MoviePosition found = FindUsableMovie(longRoot, outside.Path(), 1, INT_MAX);
    EXPECT_TRUE(found.m_bUsable);
    EXPECT_EQ(500000, found.m_nFileIndex);
    EXPECT_EQ(outside.Path() + L"\\a.wmv", found.m_strMovie);

    found = FindUsableMovie(longRoot, outside.Path(), 500001, INT_MAX);
    EXPECT_FALSE(found.m_bUsable);
    EXPECT_EQ(INT_MAX, found.m_nFileIndex);
    EXPECT_EQ(NoFilePicturePath(longRoot), found.m_strMovie);

    found = FindUsableMovie(longRoot, outside.Path(), 2, 400000);
    EXPECT_FALSE(found.m_bUsable);
    EXPECT_EQ(400001, found.m_nFileIndex);
}

TEST_F(RobustnessTest, MoviePathsOfMaxPathCharactersAreSkipped)
{
    // A folder below the root whose list key still fits, holding one movie
    // whose path is just too long and one whose path is just short enough.
    int keyRoom = MAX_PATH - 1 - (CString(kProductKeyPath).GetLength() + 1);
    int pathRoom = MAX_PATH - 1 - (m_strRoot.GetLength() + 1) - 6;   // room for "\b.wmv"
    CString component(L'd', keyRoom < pathRoom ? keyRoom : pathRoom);
    CString folder = m_temp.AddFolder(component);
    CString longName = CString(L'l', MAX_PATH - folder.GetLength() - 5) + L".wmv";
    m_temp.AddFile(component + L"\\" + longName);
    m_temp.AddFile(component + L"\\b.wmv");
    ASSERT_EQ(MAX_PATH, (folder + L"\\" + longName).GetLength());
    ASSERT_EQ(2u, EnumerationOrder(folder).size());
    CString key = ListSubKey(folder);
    m_product.SetString(key, L"1", FileTitle(longName));
    m_product.SetString(key, L"2", L"b");
    MoviePosition found = FindUsableMovie(m_strRoot, folder, 1, 2);
    EXPECT_EQ(2, found.m_nFileIndex);
    EXPECT_EQ(folder + L"\\b.wmv", found.m_strMovie);
    EXPECT_EQ(MAX_PATH, GetStoredMoviePath(m_strRoot, folder, 1).GetLength());
}

TEST_F(RobustnessTest, NamesWithPercentSpacesDotsAndNonLatinLetters)
{
    const wchar_t* files[] = {L"%d %s.avi", L"Ünder Wáter.1080p.wmv", L"海 W.mpg", L". .wmv"};
    CString folder = m_temp.AddFolder(L"100% Sea. Ωcean");
    for (const wchar_t* file : files) m_temp.AddFile(CString(L"100% Sea. Ωcean\\") + file);
    Titles expected;
    for (const CString& name : EnumerationOrder(folder)) expected.push_back(FileTitle(name));
    ASSERT_EQ(4u, expected.size());
    EXPECT_EQ(expected, Loaded(folder));

    RefreshMovieList(m_strRoot, folder);
    Titles lowered;
    for (const CString& title : expected) lowered.push_back(LowerText(title));
    EXPECT_EQ(lowered, StoredTitles(folder));
    EXPECT_TRUE(m_product.Exists(L"100% Sea. Ωcean"));
    for (int i = 1; i <= 4; ++i) {
        CString path = GetStoredMoviePath(m_strRoot, folder, i);
        EXPECT_EQ(folder + L"\\" + LowerText(EnumerationOrder(folder)[static_cast<size_t>(i - 1)]), path);
    }
}
}

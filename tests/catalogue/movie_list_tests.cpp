#include "catalogue/MovieFile.h"
#include "catalogue/MovieList.h"
#include "catalogue/MovieListKey.h"
#include "tests/catalogue/CatalogueFixture.h"

namespace {
using Titles = std::vector<CString>;

// Titles of a folder's movie files in enumeration order, optionally lowercased.
Titles FileTitles(const CString& strFolder, bool bLower)
{
    Titles titles;
    for (const CString& name : EnumerationOrder(strFolder))
        if (IsMovieFileName(name) && !(::GetFileAttributesW(strFolder + L"\\" + name) & FILE_ATTRIBUTE_DIRECTORY))
            titles.push_back(bLower ? LowerText(FileTitle(name)) : FileTitle(name));
    return titles;
}

class MovieListTest : public CatalogueTest {
protected:
    void Save(const CString& strFolder, std::initializer_list<const wchar_t*> items)
    {
        MemoryListView list;
        for (const wchar_t* item : items) list.m_items.push_back(item);
        SaveMovieList(m_strRoot, strFolder, list);
    }
};

TEST_F(MovieListTest, NeverSavedFolderListsEveryFileAndSavesThemAll)
{
    CString sea = AddMovieFolder(L"Sea", {L"b.wmv", L"a.avi", L"a.wmv", L"notes.txt"});
    m_temp.AddFolder(L"Sea\\sub.wmv");
    Titles shown = Loaded(sea);
    EXPECT_EQ(FileTitles(sea, false), shown);
    ASSERT_EQ(3u, shown.size());

    MemoryListView list;
    list.m_items = shown;
    SaveMovieList(m_strRoot, sea, list);
    EXPECT_EQ(3u, StoredCount(sea));
    EXPECT_EQ(shown, StoredTitles(sea));
}

TEST_F(MovieListTest, StoredOrderComesFirstThenNewFiles)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"b.wmv", L"c.wmv"});
    StoreList(sea, {L"b", L"a"});
    EXPECT_EQ((Titles{L"b", L"a", L"c"}), Loaded(sea));

    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"b", L"a", L"c"}), StoredTitles(sea));
}

TEST_F(MovieListTest, StoredTitlesMatchWhateverTheirCase)
{
    CString sea = AddMovieFolder(L"Sea", {L"ocean.wmv", L"Wave.AVI"});
    StoreList(sea, {L"Ocean", L"WAVE"});
    // The dialog shows the file system's spelling.
    EXPECT_EQ((Titles{L"ocean", L"Wave"}), Loaded(sea));
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"ocean", L"wave"}), StoredTitles(sea));
}

TEST_F(MovieListTest, OneTitleForTwoFilesIsShownAndKeptOnce)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.avi", L"a.wmv"});
    StoreList(sea, {L"a"});
    EXPECT_EQ((Titles{L"a"}), Loaded(sea));
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"a"}), StoredTitles(sea));
}

TEST_F(MovieListTest, EntriesWithoutFilesAreHiddenAndDropped)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"c.wmv", L"d.wmv"});
    StoreList(sea, {L"a", L"x", L"c"});
    EXPECT_EQ((Titles{L"a", L"c", L"d"}), Loaded(sea));
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"a", L"c", L"d"}), StoredTitles(sea));   // "3" overwritten by d
}

TEST_F(MovieListTest, RefreshLeavesStaleValuesPastTheCount)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv", L"c.wmv"});
    StoreList(sea, {L"a", L"b", L"c"});
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ(2u, StoredCount(sea));
    EXPECT_EQ((Titles{L"a", L"c"}), StoredTitles(sea));
    EXPECT_EQ(CString(L"c"), m_product.GetString(ListSubKey(sea), L"3"));
}

TEST_F(MovieListTest, RefreshWritesNothingWhenNothingSurvivesOrArrives)
{
    CString sea = AddMovieFolder(L"Sea", {L"notes.txt"});
    StoreList(sea, {L"a", L"b"});
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ(2u, StoredCount(sea));
    EXPECT_EQ((Titles{L"a", L"b"}), StoredTitles(sea));
    EXPECT_TRUE(Loaded(sea).empty());
}

TEST_F(MovieListTest, RefreshOfAnUnlistedFolderStoresEveryFileOrNothing)
{
    CString sea = AddMovieFolder(L"Sea", {L"B.wmv", L"a.avi", L"a.wmv"});
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ(FileTitles(sea, true), StoredTitles(sea));   // duplicates included
    EXPECT_EQ(3u, StoredCount(sea));

    CString empty = m_temp.AddFolder(L"Empty");
    RefreshMovieList(m_strRoot, empty);
    EXPECT_FALSE(m_product.Exists(ListSubKey(empty)));
    RefreshMovieList(m_strRoot, L"");
    EXPECT_EQ(0u, m_product.ValueCount());
}

// New files are compared with the first "FileCount" positions as they stand
// while the list is rebuilt, so a duplicate title is kept out only while it
// lands within them.
TEST_F(MovieListTest, RefreshComparesNewFilesWithTheOldCountOfPositions)
{
    CString sea = AddMovieFolder(L"Sea", {L"k.wmv", L"a.avi", L"a.wmv"});
    StoreList(sea, {L"k", L"gone1", L"gone2"});
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ((Titles{L"k", L"a"}), StoredTitles(sea));

    CString wide = AddMovieFolder(L"Wide", {L"k.wmv", L"a.avi", L"a.wmv"});
    StoreList(wide, {L"k"});
    RefreshMovieList(m_strRoot, wide);
    EXPECT_EQ((Titles{L"k", L"a", L"a"}), StoredTitles(wide));
}

TEST_F(MovieListTest, SystemFilesAreListedAndStored)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv"});
    m_temp.AddFile(L"Sea\\s.wmv", FILE_ATTRIBUTE_SYSTEM);
    Titles shown = Loaded(sea);
    EXPECT_EQ(2u, shown.size());
    RefreshMovieList(m_strRoot, sea);
    EXPECT_EQ(FileTitles(sea, true), StoredTitles(sea));
}

TEST_F(MovieListTest, SavingAnEmptyListChangesNothing)
{
    CString sea = AddMovieFolder(L"Sea", {L"a.wmv"});
    Save(sea, {});
    EXPECT_FALSE(m_product.Exists(ListSubKey(sea)));
    StoreList(sea, {L"a"});
    Save(sea, {});
    EXPECT_EQ((Titles{L"a"}), StoredTitles(sea));
}

TEST_F(MovieListTest, SavingOverwritesFromOneUpAndLeavesLongerTails)
{
    CString sea = AddMovieFolder(L"Sea", {});
    StoreList(sea, {L"x", L"y", L"z"});
    Save(sea, {L"Ocean", L"Wave"});
    EXPECT_EQ((Titles{L"Ocean", L"Wave"}), StoredTitles(sea));
    EXPECT_EQ(CString(L"z"), m_product.GetString(ListSubKey(sea), L"3"));
}

TEST_F(MovieListTest, FolderOutsideTheRootGetsANestedKey)
{
    TempFolder outside;
    outside.AddFile(L"clip.wmv");
    Save(outside.Path(), {L"clip"});
    CString name = MovieListKeyName(m_strRoot, outside.Path());
    EXPECT_TRUE(m_product.Exists(name.Left(name.Find(L'\\'))));
    EXPECT_EQ(CString(L"clip"), m_product.GetString(name, L"1"));
}

TEST_F(MovieListTest, AppendingKeepsTheDialogBookkeeping)
{
    CString longTitle(L'L', 45);
    CString longer(L'M', 50);
    CString sea = AddMovieFolder(L"Sea", {L"short.wmv"});
    m_temp.AddFile(CString(L"Sea\\") + longTitle + L".wmv");
    m_temp.AddFile(CString(L"Sea\\") + longer + L".wmv");
    MemoryListView list;
    list.m_items = {L"kept"};   // not compared with: no stored list
    TitleAppendState state;
    state.m_nInsertIndex = 5;
    state.m_nWideWidth = 460;
    LoadMovieList(m_strRoot, sea, list, state);
    EXPECT_EQ(8, state.m_nInsertIndex);
    EXPECT_TRUE(state.m_bWideTitles);
    EXPECT_EQ(510, state.m_nWideWidth);   // the 50-character title, + 10
    EXPECT_EQ(4u, list.m_items.size());
    EXPECT_EQ(CString(L"kept"), list.m_items[0]);

    TitleAppendState narrow;
    MemoryListView shortList;
    CString plain = AddMovieFolder(L"Plain", {L"a.wmv"});
    LoadMovieList(m_strRoot, plain, shortList, narrow);
    EXPECT_FALSE(narrow.m_bWideTitles);
    EXPECT_EQ(0, narrow.m_nWideWidth);
}
}

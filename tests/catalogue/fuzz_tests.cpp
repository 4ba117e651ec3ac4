#include "catalogue/MovieFile.h"
#include "catalogue/MovieList.h"
#include "catalogue/MovieListKey.h"
#include "catalogue/ShapeVariant.h"
#include "catalogue/StoredMovieLookup.h"
#include "settings/SettingsRecord.h"
#include "tests/catalogue/CatalogueFixture.h"
#include <climits>
#include <random>
#include <set>
#include <string>

// Random settings records and list keys, of random types, sizes and counts
// (fixed seed), through every operation that reads them. Each must end, and
// the lists it builds may hold only titles of the folder's movie files.
namespace {
class FuzzTest : public CatalogueTest {
protected:
    std::mt19937 m_random{20261207};

    int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    std::string RandomBytes()
    {
        static const int kSizes[] = {0, 1, 2, 3, 4, 5, 7, 8, 16, 255, 4096, 70000};
        std::string bytes(static_cast<size_t>(kSizes[Below(12)]), '\0');
        // Mostly letters of the folder's titles, so that some entries match.
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = i % 2 ? '\0' : "abcAB. %"[Below(8)];
        if (Below(4) == 0)
            for (char& byte : bytes) byte = static_cast<char>(m_random());
        return bytes;
    }

    void SetRandomValue(RegistryTestKey& key, const wchar_t* pszSubKey, const wchar_t* pszName)
    {
        static const DWORD kTypes[] = {REG_SZ, REG_DWORD, REG_BINARY, REG_EXPAND_SZ, REG_MULTI_SZ, REG_QWORD};
        DWORD dwType = kTypes[Below(6)];
        if (Below(3) == 0) {
            static const DWORD kNumbers[] = {0, 1, 2, 3, 50, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 1000000};
            DWORD number = Below(2) ? kNumbers[Below(9)] : static_cast<DWORD>(m_random());
            key.SetValue(pszSubKey, pszName, dwType, &number, sizeof(number));
            return;
        }
        std::string bytes = RandomBytes();
        key.SetValue(pszSubKey, pszName, dwType, bytes.data(), static_cast<DWORD>(bytes.size()));
    }

    void WriteRandomRecord()
    {
        for (const wchar_t* name : {L"FilePath", L"PlayingMethod", L"Volume", L"Initialize"})
            if (Below(3)) SetRandomValue(m_product, nullptr, name);
        if (Below(2)) m_product.SetString(nullptr, L"FilePath", m_strFolder);
    }

    void WriteRandomList()
    {
        CString key = ListSubKey(m_strFolder);
        if (Below(5) == 0) return;   // no list key at all
        if (Below(4)) SetRandomValue(m_product, key, L"FileCount");
        int entries = Below(12);
        for (int i = 0; i < entries; ++i) {
            static const int kFar[] = {INT_MAX, 1000000, 0, -1};
            int position = Below(6) ? 1 + Below(10) : kFar[Below(4)];
            if (Below(2)) m_product.SetString(key, PositionValueName(position), Below(2) ? L"a" : L"AB");
            else SetRandomValue(m_product, key, PositionValueName(position));
        }
    }

    // Every text in a built list must be a title of the folder (lowercased
    // when bLower).
    void ExpectOnlyFolderTitles(const std::vector<CString>& titles, bool bLower)
    {
        std::set<std::wstring> allowed;
        for (const CString& name : EnumerationOrder(m_strFolder))
            if (IsMovieFileName(name)) allowed.insert((bLower ? LowerText(FileTitle(name)) : FileTitle(name)).GetString());
        for (const CString& title : titles) EXPECT_TRUE(allowed.count(title.GetString())) << ::testing::PrintToString(title);
    }

    CString m_strFolder;
};

TEST_F(FuzzTest, RandomRecordsAndListKeysNeverBreakTheOperations)
{
    m_strFolder = AddMovieFolder(L"Sea", {L"a.wmv", L"AB.avi", L"ab.mpg", L"c w.wmv", L"notes.txt"});
    m_temp.AddFile(L"Sea\\s.wmv", FILE_ATTRIBUTE_SYSTEM);
    for (int round = 0; round < 1000; ++round) {
        m_product.Delete();
        WriteRandomRecord();
        WriteRandomList();

        SettingsRecord record = LoadSettingsRecord();
        ResolveShapeVariant(m_strRoot, record.m_strFilePath, ScreenShape::Wide);
        ExpectOnlyFolderTitles(Loaded(m_strFolder), false);

        RefreshMovieList(m_strRoot, m_strFolder);
        // The folder has movies, so the refresh always rewrites the list.
        ExpectOnlyFolderTitles(StoredTitles(m_strFolder), true);
        StoredMovieList stored(MovieListKeyPath(m_strRoot, m_strFolder));
        int count = stored.FileCount();
        MoviePosition found = FindUsableMovie(m_strRoot, m_strFolder, 1, count);
        if (found.m_bUsable) {
            EXPECT_EQ(found.m_strMovie, GetStoredMoviePath(m_strRoot, m_strFolder, found.m_nFileIndex));
        }
        FindUsableMovie(m_strRoot, m_strFolder, Below(20) - 5, INT_MAX);
        for (int position : {1, 2, count, INT_MAX}) GetStoredMoviePath(m_strRoot, m_strFolder, position);
        if (HasFailure()) FAIL() << "round " << round;
    }
}
}

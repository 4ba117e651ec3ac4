#include "catalogue/ContentRoot.h"
#include "catalogue/MovieFile.h"
#include "catalogue/MovieList.h"
#include "catalogue/MovieListKey.h"
#include "catalogue/StoredMovieLookup.h"
#include "settings/RegistryKey.h"
#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/RegistryCallCounter.h"
#include <random>

// The list operations read the key and the folder once; the plain algorithm
// reads them once per entry. Both must leave the same registry state and
// give the same answers. The plain one is written here step by step, small
// counts only, and both run on the same random folders and lists.
namespace {
void ForEachMovie(const CString& strFolder, const std::function<bool(const CFileFind&)>& visit)
{
    CFileFind finder;
    BOOL bMore = finder.FindFile(strFolder + L"\\*.*");
    while (bMore) {
        bMore = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory() || !IsMovieFileName(finder.GetFileName())) continue;
        if (!visit(finder)) return;
    }
}

bool HasMovieTitled(const CString& strFolder, const CString& strLower)
{
    bool found = false;
    ForEachMovie(strFolder, [&](const CFileFind& file) { return !(found = LowerText(file.GetFileTitle()) == strLower); });
    return found;
}

int ReadCount(RegistryKey& key)
{
    DWORD count = 0;
    key.ReadDword(nullptr, L"FileCount", count);
    return static_cast<int>(count);
}

CString ReadLower(RegistryKey& key, int nPosition)
{
    CString text;
    key.ReadString(nullptr, PositionValueName(nPosition), text);
    return LowerText(text);
}

void PlainRefresh(RegistryKey& key, const CString& strFolder)
{
    if (!key.KeyExists(nullptr)) {
        int m = 0;
        ForEachMovie(strFolder, [&](const CFileFind& file) {
            key.WriteString(nullptr, PositionValueName(++m), LowerText(file.GetFileTitle()), TRUE);
            key.WriteDword(nullptr, L"FileCount", static_cast<DWORD>(m), TRUE);
            return true;
        });
        return;
    }
    int n = ReadCount(key), count = 0;
    for (int i = 1; i <= n; ++i) {
        CString text = ReadLower(key, i);
        if (!HasMovieTitled(strFolder, text)) continue;
        key.WriteString(nullptr, PositionValueName(++count), text, TRUE);
        key.WriteDword(nullptr, L"FileCount", static_cast<DWORD>(count), TRUE);
    }
    ForEachMovie(strFolder, [&](const CFileFind& file) {
        CString t = LowerText(file.GetFileTitle());
        for (int i = 1; i <= n; ++i)
            if (ReadLower(key, i) == t) return true;
        key.WriteString(nullptr, PositionValueName(++count), t, TRUE);
        key.WriteDword(nullptr, L"FileCount", static_cast<DWORD>(count), TRUE);
        return true;
    });
}

std::vector<CString> PlainLoad(RegistryKey& key, const CString& strFolder)
{
    std::vector<CString> list;
    int n = key.KeyExists(nullptr) ? ReadCount(key) : 0;
    for (int i = 1; i <= n; ++i) {
        CString text = ReadLower(key, i);
        ForEachMovie(strFolder, [&](const CFileFind& file) {
            if (LowerText(file.GetFileTitle()) != text) return true;
            list.push_back(file.GetFileTitle());
            return false;
        });
    }
    ForEachMovie(strFolder, [&](const CFileFind& file) {
        CString t = LowerText(file.GetFileTitle());
        for (int i = 0; i < n; ++i)
            if (i < static_cast<int>(list.size()) && LowerText(list[static_cast<size_t>(i)]) == t) return true;
        list.push_back(file.GetFileTitle());
        return true;
    });
    return list;
}

class LiteralReferenceTest : public CatalogueTest {
protected:
    std::mt19937 m_random{4242};
    int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    void RandomFolder()
    {
        static const wchar_t* const kNames[] = {L"a.wmv", L"A.avi", L"b.wmv", L"c.mpg", L"C.mpeg", L"d.avi",
                                                L"e w.wmv", L"notes.txt", L"f.avi.txt", L"g.WMV"};
        m_temp.Remove(L"Sea");
        m_strFolder = m_temp.AddFolder(L"Sea");
        for (const wchar_t* name : kNames)
            if (Below(2)) m_temp.AddFile(CString(L"Sea\\") + name, Below(5) ? 0 : FILE_ATTRIBUTE_SYSTEM);
    }

    void RandomList()
    {
        static const wchar_t* const kTitles[] = {L"a", L"A", L"b", L"B", L"c", L"x", L"e w", L"f.avi", L"G", L""};
        m_product.Delete();
        if (Below(5) == 0) return;
        CString key = ListSubKey(m_strFolder);
        for (int i = 1; i <= 8; ++i)
            if (Below(4)) m_product.SetString(key, PositionValueName(i), kTitles[Below(10)]);
        DWORD count = static_cast<DWORD>(Below(11));
        int form = Below(12);
        // Mostly a number; now and then a count of another type or size,
        // which a refresh must replace even where its number is right.
        if (form > 3) m_product.SetDword(key, L"FileCount", count);
        else if (form == 3) m_product.SetValue(key, L"FileCount", REG_BINARY, &count, sizeof(count));
        else if (form == 2) m_product.SetValue(key, L"FileCount", REG_DWORD, &count, 2);
        else if (form == 1) m_product.SetString(key, L"filecount", L"3");
        else m_product.SetString(nullptr, L"Other", L"keeps the product key");
    }

    std::vector<RegistryValue> Snapshot()
    {
        std::vector<RegistryValue> values;
        RegistryKey(MovieListKeyPath(m_strRoot, m_strFolder), HKEY_CURRENT_USER).ReadAllValues(nullptr, values);
        std::sort(values.begin(), values.end(), [](const RegistryValue& a, const RegistryValue& b) {
            return a.m_strName.Compare(b.m_strName) < 0;
        });
        return values;
    }

    void Restore(const std::vector<RegistryValue>& values, bool bKeyExisted)
    {
        CString key = ListSubKey(m_strFolder);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(kProductKeyPath) + L"\\" + key);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, CString(kProductKeyPath) + L"\\" + key);
        if (bKeyExisted) m_product.SetDword(nullptr, L"Other", 0);
        for (const RegistryValue& value : values)
            m_product.SetValue(key, value.m_strName, value.m_dwType, value.m_data.data(),
                               static_cast<DWORD>(value.m_data.size()));
        if (bKeyExisted && values.empty()) m_product.SetValue(key, L"Other", REG_NONE, nullptr, 0);
    }

    CString m_strFolder;
};

bool SameValues(const std::vector<RegistryValue>& a, const std::vector<RegistryValue>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].m_strName != b[i].m_strName || a[i].m_dwType != b[i].m_dwType || a[i].m_data != b[i].m_data)
            return false;
    return true;
}

TEST_F(LiteralReferenceTest, OnePassOperationsMatchThePlainAlgorithm)
{
    RegistryCallCounter::Install();
    for (int round = 0; round < 300; ++round) {
        RandomFolder();
        RandomList();
        CString keyPath = MovieListKeyPath(m_strRoot, m_strFolder);
        RegistryKey key(keyPath, HKEY_CURRENT_USER);
        bool bKeyExisted = key.KeyExists(nullptr) != 0;
        std::vector<RegistryValue> before = Snapshot();

        EXPECT_EQ(PlainLoad(key, m_strFolder), Loaded(m_strFolder)) << "round " << round;

        PlainRefresh(key, m_strFolder);
        std::vector<RegistryValue> plain = Snapshot();
        bool bPlainKey = key.KeyExists(nullptr) != 0;
        Restore(before, bKeyExisted);
        ASSERT_TRUE(SameValues(before, Snapshot()));
        RefreshMovieList(m_strRoot, m_strFolder);
        EXPECT_TRUE(SameValues(plain, Snapshot())) << "round " << round;
        EXPECT_EQ(bPlainKey, key.KeyExists(nullptr) != 0) << "round " << round;
        // Refreshed once, the list is in line with the folder: another
        // refresh finds nothing to write.
        RegistryCallCounter::Reset();
        RefreshMovieList(m_strRoot, m_strFolder);
        EXPECT_EQ(0, RegistryCallCounter::Writes()) << "round " << round;
        EXPECT_TRUE(SameValues(plain, Snapshot())) << "round " << round;

        int count = ReadCount(key);
        for (int start = 1; start <= count + 1; ++start) {
            MoviePosition expected;
            expected.m_nFileIndex = start;
            for (int i = start; i <= count; ++i) {
                expected.m_strMovie = GetStoredMoviePath(m_strRoot, m_strFolder, i);
                expected.m_nFileIndex = i + 1;
                if (IsUsableMoviePath(expected.m_strMovie)) {
                    expected.m_nFileIndex = i;
                    break;
                }
            }
            MoviePosition found = FindUsableMovie(m_strRoot, m_strFolder, start, count);
            EXPECT_EQ(expected.m_nFileIndex, found.m_nFileIndex) << "round " << round << " start " << start;
            EXPECT_EQ(expected.m_strMovie, found.m_strMovie) << "round " << round << " start " << start;
        }
        if (HasFailure()) FAIL() << "round " << round;
    }
}
}

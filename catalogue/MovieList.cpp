#include "catalogue/MovieList.h"
#include "catalogue/FolderScan.h"
#include "catalogue/MovieFile.h"
#include "catalogue/MovieListKey.h"
#include "settings/RegistryKey.h"
#include "settings/SettingsRecord.h"
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Each operation lists the folder once and reads the key once; matching goes
// through the listing's title index, so the work grows with entries plus files.

namespace {
const int kWideTitleLength = 40;

int AppendTitle(MovieListView& list, TitleAppendState& state, const CString& strTitle)
{
    int position = list.InsertItem(state.m_nInsertIndex, strTitle);
    ++state.m_nInsertIndex;
    if (strTitle.GetLength() > kWideTitleLength) {
        int width = list.GetStringWidth(strTitle);
        if (state.m_nWideWidth < width) state.m_nWideWidth = width + 10;
        state.m_bWideTitles = TRUE;
    }
    return position;
}

// Lowercased texts of the first nCount items: what a new title is compared with.
std::unordered_set<std::wstring> LeadingTitles(const MovieListView& list, int nCount)
{
    std::unordered_set<std::wstring> titles;
    int limit = nCount < list.GetItemCount() ? nCount : list.GetItemCount();
    for (int i = 0; i < limit; ++i) titles.insert(LowerText(list.GetItemText(i)).GetString());
    return titles;
}

// The refreshed order in memory: surviving entries, then files not among the
// first nCount stored positions as they stand while the list is rebuilt.
std::vector<CString> RefreshedTitles(const StoredMovieList& stored, const MovieFolderScan& scan)
{
    int nCount = stored.KeyExists() ? stored.FileCount() : 0;
    std::vector<CString> titles;
    // Views of the scan's own titles, which outlive this function's work.
    std::unordered_set<std::wstring_view> listed;
    for (const auto& entry : stored.Entries()) {
        if (entry.first > nCount) break;
        const MovieFile* file = scan.FirstWithLowerTitle(LowerText(entry.second.m_strText));
        if (!file) continue;
        titles.push_back(file->m_strLowerTitle);
        listed.insert(TitleView(file->m_strLowerTitle));
    }
    for (const MovieFile& file : scan.Files()) {
        if (listed.count(TitleView(file.m_strLowerTitle))) continue;
        titles.push_back(file.m_strLowerTitle);
        // A title appended within the first nCount positions is compared with
        // later files; one appended beyond them is not.
        if (static_cast<long long>(titles.size()) <= nCount) listed.insert(TitleView(file.m_strLowerTitle));
    }
    return titles;
}
}

void LoadMovieList(const CString& strContentRoot, const CString& strFolderPath, MovieListView& list,
                   TitleAppendState& state)
{
    if (strFolderPath.IsEmpty()) return;
    StoredMovieList stored(MovieListKeyPath(strContentRoot, strFolderPath));
    MovieFolderScan scan(strFolderPath);
    int nCount = stored.KeyExists() ? stored.FileCount() : 0;
    for (const auto& entry : stored.Entries()) {
        if (entry.first > nCount) break;
        const MovieFile* file = scan.FirstWithLowerTitle(LowerText(entry.second.m_strText));
        if (file) AppendTitle(list, state, file->m_strTitle);
    }
    std::unordered_set<std::wstring> shown = LeadingTitles(list, nCount);
    for (const MovieFile& file : scan.Files()) {
        if (shown.count(file.m_strLowerTitle.GetString())) continue;
        int position = AppendTitle(list, state, file.m_strTitle);
        if (position >= 0 && position < nCount) shown.insert(file.m_strLowerTitle.GetString());
    }
}

void SaveMovieList(const CString& strContentRoot, const CString& strFolderPath, const MovieListView& list)
{
    // A list key the loaders could not read back is not written either.
    if (list.GetItemCount() == 0 || MovieListKeyPath(strContentRoot, strFolderPath).IsEmpty()) return;
    RegistryKey key(kProductKeyPath, HKEY_CURRENT_USER);
    CString subKey = MovieListKeyName(strContentRoot, strFolderPath);
    std::vector<RegistryString> entries;
    for (int i = 0; i < list.GetItemCount(); ++i) entries.push_back({ PositionValueName(i + 1), list.GetItemText(i) });
    key.WriteStrings(subKey, entries, TRUE);
    key.WriteDword(subKey, L"FileCount", static_cast<DWORD>(list.GetItemCount()), TRUE);
}

void RefreshMovieList(const CString& strContentRoot, const CString& strFolderPath)
{
    if (strFolderPath.IsEmpty()) return;
    CString keyPath = MovieListKeyPath(strContentRoot, strFolderPath);
    if (keyPath.IsEmpty()) return;
    StoredMovieList stored(keyPath);
    std::vector<CString> titles = RefreshedTitles(stored, MovieFolderScan(strFolderPath));
    // "FileCount" is only written along with an entry: with nothing to store
    // the old list stays as it was.
    if (titles.empty()) return;
    // Only what differs from the stored bytes is written, so an unchanged
    // folder costs no write at all and the key ends as a full rewrite leaves it.
    std::vector<RegistryString> changed;
    for (size_t i = 0; i < titles.size(); ++i) {
        int position = static_cast<int>(i) + 1;
        if (!stored.HoldsExactly(position, titles[i])) changed.push_back({ PositionValueName(position), titles[i] });
    }
    DWORD count = static_cast<DWORD>(titles.size());
    RegistryKey key(keyPath, HKEY_CURRENT_USER);
    if (!changed.empty()) key.WriteStrings(nullptr, changed, TRUE);
    if (!stored.HoldsCount(count)) key.WriteDword(nullptr, L"FileCount", count, TRUE);
}

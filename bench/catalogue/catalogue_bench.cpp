// Time and registry calls of the stored-list operations for folders of 100,
// 1 000 and 10 000 movies. The stored list is the dialog's: mixed case, in
// reverse order, with a tenth of its titles gone and a tenth of the files new.
// The refresh is timed twice beside its floor, the two in turns and medians
// of five: rewriting that list, and again once it is in line with the folder.
#include "tests/support/RegistryCallCounter.h"
#include "bench/support/BenchReport.h"
#include "catalogue/MovieList.h"
#include "catalogue/MovieListKey.h"
#include "catalogue/StoredMovieLookup.h"
#include "settings/SettingsRecord.h"
#include "tests/support/BenchClock.h"
#include "tests/support/MemoryListView.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TempFolder.h"
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {
CString Title(int n)
{
    CString title;
    title.Format(L"Movie %05d", n);
    return title;
}

struct Measure {
    double dMs;
    long nCalls;
    long nWrites;
};

const int kTurns = 5;

Measure Run(const std::function<void()>& operation)
{
    RegistryCallCounter::Reset();
    double start = NowMs();
    operation();
    return {NowMs() - start, RegistryCallCounter::Calls(), RegistryCallCounter::Writes()};
}

// One row of the table; pszKey, when given, names the figure for the summary.
void Report(int nMovies, const char* pszOperation, const Measure& measure, const char* pszKey = nullptr)
{
    std::printf("%6d  %-30s %10.1f ms %10ld registry calls %8ld writes\n", nMovies, pszOperation, measure.dMs,
                measure.nCalls, measure.nWrites);
    if (pszKey) ReportFigure(pszKey, nMovies, measure.dMs);
}

// The median time of the runs, with the calls of the last.
Measure MedianOf(const std::vector<Measure>& runs)
{
    std::vector<double> times;
    for (const Measure& run : runs) times.push_back(run.dMs);
    return {Median(times), runs.back().nCalls, runs.back().nWrites};
}

// The operation and its floor in turns, each prepared (untimed) before it runs.
void RunInTurns(int nMovies, const char* pszFloor, const char* pszFloorKey, const std::function<void()>& floor,
                const char* pszOperation, const char* pszKey, const std::function<void()>& operation,
                const std::function<void()>& prepare)
{
    std::vector<Measure> floors, operations;
    for (int i = 0; i < kTurns; ++i) {
        prepare();
        floors.push_back(Run(floor));
        prepare();
        operations.push_back(Run(operation));
    }
    Report(nMovies, pszFloor, MedianOf(floors), pszFloorKey);
    Measure measure = MedianOf(operations);
    Report(nMovies, pszOperation, measure, pszKey);
    ReportFigure((std::string(pszKey) + ".writes").c_str(), nMovies, static_cast<double>(measure.nWrites));
}

// Calls visit for every name the folder lists, with the system's calls only.
void ListFolder(const CString& strFolder, const std::function<void(const wchar_t*)>& visit)
{
    WIN32_FIND_DATAW data;
    HANDLE hFind = ::FindFirstFileW(strFolder + L"\\*", &data);
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = ::FindNextFileW(hFind, &data))
        visit(data.cFileName);
    if (hFind != INVALID_HANDLE_VALUE) ::FindClose(hFind);
}

// One pass over a key's values, as the refresh reads a stored list.
void ReadValues(const CString& strKeyPath)
{
    HKEY hKey;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, strKeyPath, 0, KEY_READ, &hKey)) return;
    DWORD nValues = 0, cchMaxName = 0, cbMaxData = 0;
    ::RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nValues, &cchMaxName, &cbMaxData,
                       nullptr, nullptr);
    std::vector<wchar_t> name(cchMaxName + 1);
    std::vector<BYTE> data(cbMaxData + 2);
    for (DWORD i = 0; i < nValues; ++i) {
        DWORD cchName = cchMaxName + 1, cbData = cbMaxData, dwType = 0;
        ::RegEnumValueW(hKey, i, name.data(), &cchName, nullptr, &dwType, data.data(), &cbData);
    }
    ::RegCloseKey(hKey);
}

// The platform's floor under a refresh that rewrites the list: one listing
// of the folder, one pass over the stored list, and one value written per
// file into a fresh key, and nothing else.
void RewriteFloor(const CString& strFolder, const CString& strListKey, const CString& strFloorKey)
{
    ReadValues(strListKey);
    HKEY hKey;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, strFloorKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr))
        return;
    ListFolder(strFolder, [hKey](const wchar_t* pszName) {
        DWORD cbName = DWORD((wcslen(pszName) + 1) * sizeof(wchar_t));
        ::RegSetValueExW(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszName), cbName);
    });
    ::RegCloseKey(hKey);
}

// The floor under a refresh that finds the list in line with the folder: one
// listing of the folder and one pass over the list key's values.
void ReadFloor(const CString& strFolder, const CString& strKeyPath)
{
    ListFolder(strFolder, [](const wchar_t*) {});
    ReadValues(strKeyPath);
}

void BenchFolder(const CString& strRoot, int nMovies)
{
    TempFolder files;
    int tenth = nMovies / 10;
    for (int n = tenth; n < nMovies + tenth; ++n) files.AddFile(Title(n) + L".wmv");
    MemoryListView stored;
    for (int n = nMovies - 1; n >= 0; --n) stored.m_items.push_back(Title(n));
    CString folder = files.Path();
    SaveMovieList(strRoot, folder, stored);

    CString strFloorKey = CString(kProductKeyPath) + L"\\Floor";
    CString strListKey = MovieListKeyPath(strRoot, folder);
    RunInTurns(nMovies, "floor: list + read + write all", "refresh.floor",
               [&] { RewriteFloor(folder, strListKey, strFloorKey); },
               "RefreshMovieList (rewrite)", "refresh", [&] { RefreshMovieList(strRoot, folder); }, [&] {
                   ::RegDeleteTreeW(HKEY_CURRENT_USER, strFloorKey);
                   SaveMovieList(strRoot, folder, stored);
               });
    ::RegDeleteTreeW(HKEY_CURRENT_USER, strFloorKey);
    RunInTurns(nMovies, "floor: list + one read of values", "refresh.readfloor", [&] { ReadFloor(folder, strListKey); },
               "RefreshMovieList (unchanged)", "refresh.unchanged", [&] { RefreshMovieList(strRoot, folder); }, [] {});
    MemoryListView shown;
    TitleAppendState state;
    Report(nMovies, "LoadMovieList", Run([&] { LoadMovieList(strRoot, folder, shown, state); }), "load");
    Report(nMovies, "SaveMovieList", Run([&] { SaveMovieList(strRoot, folder, shown); }));
    // The dialog stores titles as spelled, which the player's lookup does not
    // match until a refresh lowercases them: every position is tried.
    Report(nMovies, "FindUsableMovie (none usable)", Run([&] { FindUsableMovie(strRoot, folder, 1, nMovies); }));
    RefreshMovieList(strRoot, folder);
    Report(nMovies, "FindUsableMovie (first usable)", Run([&] { FindUsableMovie(strRoot, folder, 1, nMovies); }));
    Report(nMovies, "GetStoredMoviePath", Run([&] { GetStoredMoviePath(strRoot, folder, nMovies / 2); }));
}
}

int main()
{
    RegistryCallCounter::Install();
    RegistryTestKey product(HKEY_CURRENT_USER, kProductKeyPath);
    TempFolder root;
    std::printf("movies  operation                            time      registry calls      writes\n");
    for (int nMovies : {100, 1000, 10000}) BenchFolder(root.Path(), nMovies);
    return 0;
}

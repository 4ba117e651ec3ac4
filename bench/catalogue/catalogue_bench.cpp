// Time and registry calls of the stored-list operations for folders of 100,
// 1 000 and 10 000 movies. The stored list is the dialog's: mixed case, in
// reverse order, with a tenth of its titles gone and a tenth of the files new.
#include "bench/catalogue/RegistryCallCounter.h"
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
};

Measure Run(const std::function<void()>& operation)
{
    RegistryCallCounter::Reset();
    double start = NowMs();
    operation();
    return {NowMs() - start, RegistryCallCounter::Calls()};
}

// One row of the table; pszKey, when given, names the figure for the summary.
void Report(int nMovies, const char* pszOperation, const Measure& measure, const char* pszKey = nullptr)
{
    std::printf("%6d  %-30s %10.1f ms %10ld registry calls\n", nMovies, pszOperation, measure.dMs, measure.nCalls);
    if (pszKey) ReportFigure(pszKey, nMovies, measure.dMs);
}

// The platform's floor under a refresh: one listing of the folder and one
// value written per file into a fresh key, and nothing else.
void WriteFloor(const CString& strFolder, const CString& strKeyPath)
{
    HKEY hKey;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, strKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr))
        return;
    WIN32_FIND_DATAW data;
    HANDLE hFind = ::FindFirstFileW(strFolder + L"\\*", &data);
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = ::FindNextFileW(hFind, &data)) {
        DWORD cbName = DWORD((wcslen(data.cFileName) + 1) * sizeof(wchar_t));
        ::RegSetValueExW(hKey, data.cFileName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.cFileName), cbName);
    }
    if (hFind != INVALID_HANDLE_VALUE) ::FindClose(hFind);
    ::RegCloseKey(hKey);
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
    Report(nMovies, "floor: list + one value a file", Run([&] { WriteFloor(folder, strFloorKey); }), "refresh.floor");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, strFloorKey);
    Report(nMovies, "RefreshMovieList (rewrite)", Run([&] { RefreshMovieList(strRoot, folder); }), "refresh");
    Report(nMovies, "RefreshMovieList (unchanged)", Run([&] { RefreshMovieList(strRoot, folder); }));
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
    std::printf("movies  operation                          time      registry\n");
    for (int nMovies : {100, 1000, 10000}) BenchFolder(root.Path(), nMovies);
    return 0;
}

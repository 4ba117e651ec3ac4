// Start-up: from CreateProcess to the window the user sees (the player's
// covering the screen, the settings dialog's first showing), beside a bare
// topmost window program, and the settings dialog beside the platform
// showing its template alone. The programs take turns, run after run, so that
// whatever else the machine does weighs on all of them alike.
//
// A second round runs with content: the settings dialog on a folder of three
// movies, and the player from its start to the first picture of a folder
// whose stored list is in line with 3 movies and with 10 000, so that the
// refresh of an unchanged list is part of what is measured.
#include "bench/support/BenchProcess.h"
#include "bench/support/BenchReport.h"
#include "catalogue/MovieList.h"
#include "settings/SettingsRecord.h"
#include "tests/support/BenchClock.h"
#include "tests/support/ContentRootScope.h"
#include "tests/support/RegistryTestKey.h"
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const int kRuns = 21;
const int kContentRuns = 11;

struct Program {
    const char* pszName;
    const char* pszKey;
    CString strExe;
    const wchar_t* pszArguments;
    std::function<HWND(const ScreenSaverProcess&)> waitForShown;
    // Runs before each start: the stored choice this program starts with.
    std::function<void()> prepare;
    std::vector<double> samples;
};

HWND WaitForFirstWindow(const ScreenSaverProcess& process) { return process.WaitForWindow(15000); }
HWND WaitForCovered(const ScreenSaverProcess& process) { return WaitForCover(process); }
HWND WaitForFirstPicture(const ScreenSaverProcess& process) { return WaitForPicture(process); }

// Runs the programs in turns and prints each median beside the first one's.
void RunInTurns(const char* pszTitle, std::vector<Program>& programs, int nRuns)
{
    for (int i = 0; i < nRuns; ++i)
        for (Program& program : programs) {
            if (program.prepare) program.prepare();
            const wchar_t* pszExe = program.strExe.IsEmpty() ? nullptr : (const wchar_t*)program.strExe;
            double dMs = TimeStart(program.pszArguments, pszExe, program.waitForShown);
            if (dMs >= 0) program.samples.push_back(dMs);
        }
    double dBase = Median(programs[0].samples);
    std::printf("%s, median of %d runs taken in turns under Wine\n", pszTitle, nRuns);
    std::printf("%-44s %10s %8s\n", "program", "ms", "ratio");
    for (const Program& program : programs) {
        double dMs = Median(program.samples);
        std::printf("%-44s %10.1f %8.2f\n", program.pszName, dMs, dMs / dBase);
        ReportFigure(program.pszKey, dMs);
    }
    // A later round that fails leaves this one's figures.
    std::fflush(stdout);
}

// A folder of nMovies whose first movie plays (a copy of the test movie) and
// whose others are empty files, with a stored list that a refresh leaves as
// it is: the playing movie first, then the others in enumeration order.
CString AddListedFolder(ContentRootScope& root, RegistryTestKey& user, const wchar_t* pszName, int nMovies)
{
    CString folder = root.AddFolder(pszName, {});
    root.CopyFile(ProgramFolder() + L"\\media_test.wmv", CString(pszName) + L"\\first.wmv");
    for (int n = 1; n < nMovies; ++n) {
        CString name;
        name.Format(L"\\movie %05d.wmv", n);
        HANDLE hFile = ::CreateFileW(folder + name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) ::CloseHandle(hFile);
    }
    user.SetString(pszName, L"1", L"first");
    user.SetDword(pszName, L"FileCount", 1);
    RefreshMovieList(root.Path(), folder);
    return folder;
}

void StoreChoice(RegistryTestKey& user, const CString& strFilePath, DWORD nPlayingMethod)
{
    user.SetString(nullptr, L"FilePath", strFilePath);
    user.SetDword(nullptr, L"PlayingMethod", nPlayingMethod);
    user.SetDword(nullptr, L"Volume", 50);
    user.SetDword(nullptr, L"Initialize", 1);
}

void RunWithContent(const CString& strBare)
{
    ContentRootScope root;
    RegistryTestKey user(HKEY_CURRENT_USER, kProductKeyPath);
    CString few = AddListedFolder(root, user, L"Few", 3);
    CString many = AddListedFolder(root, user, L"Many", 10000);
    std::vector<Program> programs = {
        { "bare topmost window", "startup.content.bare", strBare, L"", WaitForCovered, nullptr, {} },
        { "Driftreel.scr /c, 3 movies, dialog shown", "startup.settings.3", CString(), L"/c", WaitForFirstWindow,
          [&] { StoreChoice(user, few + L"\\first.wmv", 0); }, {} },
        { "Driftreel.scr /s, 3 stored, first picture", "firstpicture.3", CString(), L"/s", WaitForFirstPicture,
          [&] { StoreChoice(user, few, 1); }, {} },
        { "Driftreel.scr /s, 10000 stored, first picture", "firstpicture.10000", CString(), L"/s",
          WaitForFirstPicture, [&] { StoreChoice(user, many, 1); }, {} },
    };
    RunInTurns("with content: start-up to the window shown", programs, kContentRuns);
}
}

int main()
{
    CString bare = ProgramFolder() + L"\\bare_window.exe";
    std::vector<Program> programs = {
        { "bare topmost window", "startup.bare", bare, L"", WaitForCovered, nullptr, {} },
        { "Driftreel.scr /s, screen covered", "startup.player", CString(), L"/s", WaitForCovered, nullptr, {} },
        { "Driftreel.scr /c, dialog shown", "startup.settings", CString(), L"/c", WaitForFirstWindow, nullptr, {} },
        { "bare settings template shown", "startup.dialogfloor", ProgramFolder() + L"\\bare_dialog.exe", L"",
          WaitForFirstWindow, nullptr, {} },
    };
    RunInTurns("start-up to the window shown", programs, kRuns);
    RunWithContent(bare);
    return 0;
}

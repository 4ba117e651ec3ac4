// Memory: the player's private bytes while it plays a movie, beside the bare
// topmost window program and the same window hosting the media control and
// playing the same movie. Each program runs 3 seconds, 5 times, the three
// in turns; a run's figure is the largest of the samples taken in its last
// second (decoding buffers come and go), the program's the median of its
// runs. Wine leaves PrivateUsage
// at zero and reports the private commit in PagefileUsage, which is what
// private bytes count on Windows.
#include "bench/support/BenchProcess.h"
#include "bench/support/BenchReport.h"
#include "settings/SettingsRecord.h"
#include "tests/support/RegistryTestKey.h"
#include <psapi.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const DWORD kRunMs = 3000;
const int kSamples = 10;
const int kRuns = 5;

double PrivateKb(HANDLE hProcess)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
        return -1;
    SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return double(bytes) / 1024.0;
}

// Peak private kilobytes in the last second of a 3-second run; negative
// when the program showed no full-screen window.
double PeakPrivateKb(const wchar_t* pszArguments, const wchar_t* pszExe)
{
    ScreenSaverProcess process(pszArguments, pszExe);
    HWND hWnd = WaitForCover(process);
    if (!hWnd) return -1;
    ::Sleep(kRunMs - 1000);
    double dPeak = -1;
    HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.ProcessId());
    for (int i = 0; hProcess && i < kSamples; ++i) {
        dPeak = std::max(dPeak, PrivateKb(hProcess));
        ::Sleep(1000 / kSamples);
    }
    if (hProcess) ::CloseHandle(hProcess);
    CloseAndWait(process, hWnd);
    return dPeak;
}
}

int main()
{
    CString strMovie = ProgramFolder() + L"\\media_test.wmv";
    // The player plays the same single movie on repeat, from the user's settings.
    RegistryTestKey user(HKEY_CURRENT_USER, kProductKeyPath);
    user.SetString(nullptr, L"FilePath", strMovie);
    user.SetDword(nullptr, L"PlayingMethod", 0);
    user.SetDword(nullptr, L"Initialize", 1);

    std::vector<double> bare, host, player;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(PeakPrivateKb(L"", ProgramFolder() + L"\\bare_window.exe"));
        host.push_back(PeakPrivateKb(strMovie, ProgramFolder() + L"\\media_host.exe"));
        player.push_back(PeakPrivateKb(L"/s", nullptr));
    }
    double dBare = Median(bare), dHost = Median(host), dPlayer = Median(player);
    double dLimit = 2 * dBare + (dHost - dBare);
    std::printf("private bytes while playing %ls, peak of the last second, median of %d runs under Wine\n",
                (const wchar_t*)strMovie.Mid(strMovie.ReverseFind(L'\\') + 1), kRuns);
    std::printf("%-44s %10s\n", "program", "KiB");
    std::printf("%-44s %10.0f\n", "bare topmost window", dBare);
    std::printf("%-44s %10.0f\n", "bare window hosting the media control", dHost);
    std::printf("%-44s %10.0f\n", "Driftreel.scr /s", dPlayer);
    std::printf("%-44s %10.0f\n", "limit: 2 x bare + the media control's", dLimit);
    ReportFigure("memory.bare", dBare);
    ReportFigure("memory.host", dHost);
    ReportFigure("memory.player", dPlayer);
    return 0;
}

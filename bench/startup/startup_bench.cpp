// Start-up time: from CreateProcess to the first visible window of the new
// process, median of 20 runs, for the screen saver's modes and a bare window.
#include "tests/support/BenchClock.h"
#include "tests/support/ScreenSaverProcess.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const int kRuns = 20;

// Median milliseconds to the first window; negative when no window came.
double MedianStartMs(const wchar_t* pszArguments, const wchar_t* pszExe)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        double start = NowMs();
        ScreenSaverProcess process(pszArguments, pszExe);
        HWND hWnd = process.WaitForWindow(15000);
        if (!hWnd) return -1;
        times.push_back(NowMs() - start);
        ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
        process.WaitForExit(15000);
    }
    std::sort(times.begin(), times.end());
    return (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
}
}

int main()
{
    CString bare = ProgramFolder() + L"\\bare_window.exe";
    double dBare = MedianStartMs(L"", bare);
    double dSettings = MedianStartMs(L"/c", nullptr);
    double dPlayer = MedianStartMs(L"/s", nullptr);
    std::printf("start-up to first window, median of %d runs under Wine\n", kRuns);
    std::printf("%-28s %10s %8s\n", "program", "ms", "ratio");
    std::printf("%-28s %10.1f %8.2f\n", "bare topmost window", dBare, 1.0);
    std::printf("%-28s %10.1f %8.2f\n", "Driftreel.scr /c (settings)", dSettings, dSettings / dBare);
    std::printf("%-28s %10.1f %8.2f\n", "Driftreel.scr /s (player)", dPlayer, dPlayer / dBare);
    return 0;
}

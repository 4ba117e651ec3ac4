// Input to exit: from a 6-pixel mouse move over the running player to its
// window's hiding and to the process's end, beside a bare topmost window
// ended by WM_CLOSE. Medians of 20 runs.
#include "bench/support/BenchProcess.h"
#include "bench/support/BenchReport.h"
#include "tests/support/BenchClock.h"
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const int kRuns = 20;

struct EndTimes {
    std::vector<double> hidden;
    std::vector<double> exited;
};

// Runs the program past its first second, then times end(hWnd) to the
// window's hiding and to the process's exit.
EndTimes TimeEnds(const wchar_t* pszArguments, const wchar_t* pszExe, const std::function<void(HWND)>& end)
{
    EndTimes times;
    for (int i = 0; i < kRuns; ++i) {
        SendMoves({ { 400, 300 } });
        ScreenSaverProcess process(pszArguments, pszExe);
        HWND hWnd = WaitForCover(process);
        if (!hWnd) break;
        ::Sleep(1400);  // past the player's first second
        SendMoves({ { 400, 310 } });  // the player takes its first movement as the base
        ::Sleep(100);
        double dStart = NowMs();
        end(hWnd);
        while (::IsWindowVisible(hWnd) && NowMs() - dStart < 15000) ::Sleep(0);
        times.hidden.push_back(NowMs() - dStart);
        if (process.WaitForExit(15000) == STILL_ACTIVE) break;
        times.exited.push_back(NowMs() - dStart);
    }
    return times;
}

void MoveSixPixels(HWND)
{
    // One sweep, 6 pixels across and on, at a mouse's 125 reports a second.
    SendMoves({ { 406, 312 } });
    ::Sleep(8);
    SendMoves({ { 407, 314 } });
    ::Sleep(8);
    SendMoves({ { 408, 316 } });
}

void Close(HWND hWnd) { ::PostMessageW(hWnd, WM_CLOSE, 0, 0); }

void PrintRow(const char* pszMeasure, const char* pszKey, double dMs)
{
    std::printf("%-44s %10.1f\n", pszMeasure, dMs);
    ReportFigure(pszKey, dMs);
}
}

int main()
{
    CString bare = ProgramFolder() + L"\\bare_window.exe";
    EndTimes bareTimes = TimeEnds(L"", bare, Close);
    EndTimes playerTimes = TimeEnds(L"/s", nullptr, MoveSixPixels);
    std::printf("input to exit, median of %d runs under Wine\n", kRuns);
    std::printf("%-44s %10s\n", "measure", "ms");
    PrintRow("WM_CLOSE to exit: bare topmost window", "exit.bare", Median(bareTimes.exited));
    PrintRow("6-pixel move to hidden: Driftreel.scr /s", "exit.player.hidden", Median(playerTimes.hidden));
    PrintRow("6-pixel move to exit: Driftreel.scr /s", "exit.player", Median(playerTimes.exited));
    return 0;
}

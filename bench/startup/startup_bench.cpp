// Start-up: from CreateProcess to the window the user sees (the player's
// covering the screen, the settings dialog's first showing), beside a bare
// topmost window program. The three programs take turns, run after run, so
// that whatever else the machine does weighs on all of them alike.
#include "bench/support/BenchProcess.h"
#include "bench/support/BenchReport.h"
#include "tests/support/BenchClock.h"
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const int kRuns = 21;
// After a program ends, Wine goes on tearing down its windows and process for
// a while; the next start waits that out so it is measured on a quiet system.
const DWORD kSettleMs = 300;

struct Program {
    const char* pszName;
    const char* pszKey;
    CString strExe;
    const wchar_t* pszArguments;
    std::function<HWND(const ScreenSaverProcess&)> waitForShown;
    std::vector<double> samples;
};

HWND WaitForFirstWindow(const ScreenSaverProcess& process) { return process.WaitForWindow(15000); }

// Milliseconds to the program's window, or negative when none came.
double TimeOneStart(Program& program)
{
    double dStart = NowMs();
    ScreenSaverProcess process(program.pszArguments, program.strExe.IsEmpty() ? nullptr : (const wchar_t*)program.strExe);
    HWND hWnd = program.waitForShown(process);
    double dMs = NowMs() - dStart;
    CloseAndWait(process, hWnd);
    ::Sleep(kSettleMs);
    return hWnd ? dMs : -1;
}
}

int main()
{
    std::vector<Program> programs = {
        { "bare topmost window", "startup.bare", ProgramFolder() + L"\\bare_window.exe", L"",
          [](const ScreenSaverProcess& p) { return WaitForCover(p); }, {} },
        { "Driftreel.scr /s, screen covered", "startup.player", CString(), L"/s",
          [](const ScreenSaverProcess& p) { return WaitForCover(p); }, {} },
        { "Driftreel.scr /c, dialog shown", "startup.settings", CString(), L"/c", WaitForFirstWindow, {} },
    };
    for (int i = 0; i < kRuns; ++i)
        for (Program& program : programs) {
            double dMs = TimeOneStart(program);
            if (dMs >= 0) program.samples.push_back(dMs);
        }
    double dBare = Median(programs[0].samples);
    std::printf("start-up to the window shown, median of %d runs taken in turns under Wine\n", kRuns);
    std::printf("%-36s %10s %8s\n", "program", "ms", "ratio");
    for (const Program& program : programs) {
        double dMs = Median(program.samples);
        std::printf("%-36s %10.1f %8.2f\n", program.pszName, dMs, dMs / dBare);
        ReportFigure(program.pszKey, dMs);
    }
    return 0;
}

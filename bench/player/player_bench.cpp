// The player's two speeds that the user feels: from start to the window
// covering the screen, and from a 6-pixel mouse move to the process's exit.
// Medians of 20 runs, beside a bare topmost window (bench/startup).
#include "tests/support/ScreenSaverProcess.h"
#include "tests/support/BenchClock.h"
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const int kRuns = 20;

double Median(std::vector<double> times)
{
    if (times.size() < kRuns) return -1;
    std::sort(times.begin(), times.end());
    return (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
}

bool CoversScreen(HWND hWnd)
{
    RECT rc;
    return ::GetWindowRect(hWnd, &rc) && rc.left <= 0 && rc.top <= 0 &&
           rc.right >= ::GetSystemMetrics(SM_CXSCREEN) && rc.bottom >= ::GetSystemMetrics(SM_CYSCREEN);
}

// The window of the process once it covers the screen, or null.
HWND WaitForCover(const ScreenSaverProcess& process)
{
    HWND hWnd = process.WaitForWindow(15000);
    double dStart = NowMs();
    while (hWnd && !CoversScreen(hWnd) && NowMs() - dStart < 15000) ::Sleep(1);
    return hWnd && CoversScreen(hWnd) ? hWnd : nullptr;
}

void SendMoves(std::initializer_list<POINT> points)
{
    std::vector<INPUT> inputs;
    for (const POINT& pt : points) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = pt.x * 65536 / ::GetSystemMetrics(SM_CXSCREEN) + 1;
        input.mi.dy = pt.y * 65536 / ::GetSystemMetrics(SM_CYSCREEN) + 1;
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(input);
    }
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

double MedianStartMs(const wchar_t* pszArguments, const wchar_t* pszExe)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        double dStart = NowMs();
        ScreenSaverProcess process(pszArguments, pszExe);
        HWND hWnd = WaitForCover(process);
        if (!hWnd) break;
        times.push_back(NowMs() - dStart);
        ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
        process.WaitForExit(15000);
    }
    return Median(times);
}

// Milliseconds from end(hWnd) to the process's exit, once it has run for a
// while; pHidden, when given, receives the times to the window's hiding.
double MedianEndMs(const wchar_t* pszArguments, const wchar_t* pszExe, const std::function<void(HWND)>& end,
                   std::vector<double>* pHidden = nullptr)
{
    std::vector<double> times;
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
        if (pHidden) {
            while (::IsWindowVisible(hWnd) && NowMs() - dStart < 15000) ::Sleep(0);
            pHidden->push_back(NowMs() - dStart);
        }
        if (process.WaitForExit(15000) == STILL_ACTIVE) break;
        times.push_back(NowMs() - dStart);
    }
    return Median(times);
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
}

int main()
{
    CString bare = ProgramFolder() + L"\\bare_window.exe";
    double dBareStart = MedianStartMs(L"", bare);
    double dPlayerStart = MedianStartMs(L"/s", nullptr);
    double dBareEnd = MedianEndMs(L"", bare, Close);
    std::vector<double> hidden;
    double dPlayerEnd = MedianEndMs(L"/s", nullptr, MoveSixPixels, &hidden);
    double dPlayerHidden = Median(hidden);
    std::printf("player speeds, median of %d runs under Wine\n", kRuns);
    std::printf("%-44s %10s %8s\n", "measure", "ms", "ratio");
    std::printf("%-44s %10.1f %8.2f\n", "start to full screen: bare topmost window", dBareStart, 1.0);
    std::printf("%-44s %10.1f %8.2f\n", "start to full screen: Driftreel.scr /s", dPlayerStart, dPlayerStart / dBareStart);
    std::printf("%-44s %10.1f %8s\n", "WM_CLOSE to exit: bare topmost window", dBareEnd, "");
    std::printf("%-44s %10.1f %8s\n", "6-pixel move to hidden: Driftreel.scr /s", dPlayerHidden, "");
    std::printf("%-44s %10.1f %8s\n", "6-pixel move to exit: Driftreel.scr /s", dPlayerEnd, "");
    return 0;
}

#include "bench/support/BenchProcess.h"
#include "tests/support/BenchClock.h"
#include <vector>

namespace {
bool CoversScreen(HWND hWnd)
{
    RECT rc;
    return ::GetWindowRect(hWnd, &rc) && rc.left <= 0 && rc.top <= 0 &&
           rc.right >= ::GetSystemMetrics(SM_CXSCREEN) && rc.bottom >= ::GetSystemMetrics(SM_CYSCREEN);
}
}

HWND WaitForCover(const ScreenSaverProcess& process, DWORD dwTimeoutMs)
{
    double dStart = NowMs();
    HWND hWnd = process.WaitForWindow(dwTimeoutMs);
    while (hWnd && !CoversScreen(hWnd) && NowMs() - dStart < dwTimeoutMs) ::Sleep(1);
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

void CloseAndWait(const ScreenSaverProcess& process, HWND hWnd)
{
    if (hWnd) ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
    process.WaitForExit(15000);
}

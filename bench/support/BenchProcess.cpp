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

namespace {
bool ShowsPicture()
{
    HDC hScreen = ::GetDC(nullptr);
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    bool bPicture = false;
    for (int i = 1; i <= 3 && !bPicture; ++i) {
        COLORREF colour = ::GetPixel(hScreen, cx * i / 4, cy / 2);
        bPicture = colour != CLR_INVALID && colour != RGB(0, 0, 0);
    }
    ::ReleaseDC(nullptr, hScreen);
    return bPicture;
}
}

HWND WaitForPicture(const ScreenSaverProcess& process, DWORD dwTimeoutMs)
{
    double dStart = NowMs();
    HWND hWnd = WaitForCover(process, dwTimeoutMs);
    while (hWnd && !ShowsPicture()) {
        if (NowMs() - dStart >= dwTimeoutMs) return nullptr;
        ::Sleep(1);
    }
    return hWnd;
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

double TimeStart(const wchar_t* pszArguments, const wchar_t* pszExe,
                 const std::function<HWND(const ScreenSaverProcess&)>& waitForShown)
{
    // After a program ends, Wine goes on tearing down its windows and process
    // for a while; the next start waits that out.
    const DWORD kSettleMs = 300;
    double dStart = NowMs();
    ScreenSaverProcess process(pszArguments, pszExe);
    HWND hWnd = waitForShown(process);
    double dMs = NowMs() - dStart;
    CloseAndWait(process, hWnd);
    ::Sleep(kSettleMs);
    return hWnd ? dMs : -1;
}

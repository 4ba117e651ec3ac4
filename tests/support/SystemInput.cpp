#include "tests/support/SystemInput.h"
#include "tests/support/RunEnvironment.h"

void MoveCursor(int x, int y)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Over the whole desktop, so that a point on any monitor can be reached.
    input.mi.dx = (x - ::GetSystemMetrics(SM_XVIRTUALSCREEN)) * 65536 / ::GetSystemMetrics(SM_CXVIRTUALSCREEN) + 1;
    input.mi.dy = (y - ::GetSystemMetrics(SM_YVIRTUALSCREEN)) * 65536 / ::GetSystemMetrics(SM_CYVIRTUALSCREEN) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    ::SendInput(1, &input, sizeof(input));
    ::Sleep(60);
}

void PressButton(DWORD dwDown, DWORD dwUp)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = dwDown;
    input[1].mi.dwFlags = dwUp;
    ::SendInput(2, input, sizeof(INPUT));
}

void PressKey(WORD wVk)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = wVk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

void ActivateAnotherWindow()
{
    HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST, L"Static", L"other", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(hWnd);
    MSG msg;
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 300;)
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::DestroyWindow(hWnd);
}

namespace {
// Polls the GUI state of hWnd's thread until holds(info) or the stretched time runs out.
template <class Test> bool WaitForThreadState(HWND hWnd, DWORD dwTimeoutMs, Test holds)
{
    const DWORD dwThreadId = ::GetWindowThreadProcessId(hWnd, nullptr);
    const DWORD dwLimit = TestTime(dwTimeoutMs);
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < dwLimit; ::Sleep(5)) {
        GUITHREADINFO info = { sizeof(info) };
        if (::GetGUIThreadInfo(dwThreadId, &info) && holds(info)) return true;
    }
    return false;
}
}

bool WaitForFocusInside(HWND hWnd, DWORD dwTimeoutMs)
{
    return WaitForThreadState(hWnd, dwTimeoutMs, [hWnd](const GUITHREADINFO& info) {
        return info.hwndFocus && ::IsChild(hWnd, info.hwndFocus);
    });
}

bool WaitForCaptureBy(HWND hWnd, DWORD dwTimeoutMs)
{
    return WaitForThreadState(hWnd, dwTimeoutMs, [hWnd](const GUITHREADINFO& info) { return info.hwndCapture == hWnd; });
}

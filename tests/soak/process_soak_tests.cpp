// Starts Driftreel.scr /s again and again, as the system does, and ends it at
// a random moment in one of the ways a user or the system ends it: every
// process exits within 5 s of its ending, without a power action, and
// leaves no process and no window behind.
#include "tests/support/HangWatchdog.h"
#include "tests/soak/ResourceWatch.h"
#include "tests/support/RunEnvironment.h"
#include "tests/support/Printers.h"
#include "tests/support/ScreenSaverProcess.h"
#include "tests/support/SystemInput.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {
const DWORD kWindowTimeout = 15000;
const DWORD kExitLimitMs = 5000;

enum class ProcessEnding { Key, Button, MouseMove, DisplayChange, Suspend, AnotherWindow };
const char* const kProcessEndingNames[] = { "key", "button", "mouse move", "display change", "suspend query",
                                            "another window" };
const int kProcessEndingCount = sizeof(kProcessEndingNames) / sizeof(kProcessEndingNames[0]);

void End(ProcessEnding nEnding, HWND hWnd, const ScreenSaverProcess& saver)
{
    switch (nEnding) {
    case ProcessEnding::Key: PressKey(VK_SPACE); break;
    case ProcessEnding::Button: PressButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); break;
    case ProcessEnding::MouseMove: MoveCursorUntilExit(saver); break;
    case ProcessEnding::DisplayChange: ::PostMessageW(hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600)); break;
    case ProcessEnding::Suspend: ::PostMessageW(hWnd, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0); break;
    case ProcessEnding::AnotherWindow: ActivateAnotherWindow(); break;
    }
}

ULONGLONG Now()
{
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    return (ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

// Whether the process runs still and began at ullSince or later: process
// identifiers come round again, so an older process that has the saver's
// old identifier as its parent's is no child of the saver.
bool RunsSince(DWORD dwProcessId, ULONGLONG ullSince)
{
    HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwProcessId);
    if (!hProcess) return false;
    FILETIME ftCreated, ftExited, ftKernel, ftUser;
    DWORD dwCode = 0;
    bool bRuns = ::GetProcessTimes(hProcess, &ftCreated, &ftExited, &ftKernel, &ftUser) &&
                 ::GetExitCodeProcess(hProcess, &dwCode) && dwCode == STILL_ACTIVE &&
                 ((ULONGLONG(ftCreated.dwHighDateTime) << 32) | ftCreated.dwLowDateTime) >= ullSince;
    ::CloseHandle(hProcess);
    return bRuns;
}

bool IsLeftover(const PROCESSENTRY32W& entry, DWORD dwProcessId, ULONGLONG ullLaunched)
{
    if (::lstrcmpiW(entry.szExeFile, L"Driftreel.scr") == 0) return true;
    return (entry.th32ProcessID == dwProcessId || entry.th32ParentProcessID == dwProcessId) &&
           RunsSince(entry.th32ProcessID, ullLaunched);
}

// The processes still running that are the saver launched at ullLaunched,
// its children, or another copy of the screen saver: "name (id, parent id)".
std::string FindLeftovers(DWORD dwProcessId, ULONGLONG ullLaunched)
{
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE) return "(no process list)";
    std::string strLeft;
    PROCESSENTRY32W entry = { sizeof(entry) };
    for (BOOL bMore = ::Process32FirstW(hSnapshot, &entry); bMore; bMore = ::Process32NextW(hSnapshot, &entry)) {
        if (!IsLeftover(entry, dwProcessId, ullLaunched)) continue;
        strLeft += Utf8(entry.szExeFile) + " (" + std::to_string(entry.th32ProcessID) + ", " +
                   std::to_string(entry.th32ParentProcessID) + ") ";
    }
    ::CloseHandle(hSnapshot);
    return strLeft;
}

BOOL CALLBACK CountProcessWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<std::pair<DWORD, int>*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == pSearch->first) ++pSearch->second;
    return TRUE;
}

int CountWindowsOf(DWORD dwProcessId)
{
    std::pair<DWORD, int> search(dwProcessId, 0);
    ::EnumWindows(CountProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

}

TEST(ProcessSoakTest, EveryScreenSaverProcessEndsInTimeAndLeavesNothingBehind)
{
    const int nRuns = std::max(EnvironmentCount("DRIFTREEL_SOAK_PROCESS_RUNS", 40), kProcessEndingCount + 1);
    std::mt19937 random(EnvironmentSeed("DRIFTREEL_SOAK_SEED"));
    auto pick = [&](int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(random); };
    std::printf("[soak] %d screen saver processes, seed %u\n", nRuns, EnvironmentSeed("DRIFTREEL_SOAK_SEED"));
    HangWatchdog watchdog(60000);
    ResourceWatch resources(nRuns, kProcessEndingCount);
    DWORD dwLongestExit = 0, dwLongestStart = 0;
    const DWORD dwStart = ::GetTickCount();
    for (int nRun = 1; nRun <= nRuns; ++nRun) {
        // The first processes end in every way once (first uses on this side
        // lie behind the resource baseline), the others at random.
        const ProcessEnding nEnding =
            static_cast<ProcessEnding>(nRun <= kProcessEndingCount ? nRun - 1 : pick(0, kProcessEndingCount - 1));
        const int nDelayMs = pick(0, 3) == 0 ? 0 : pick(0, 300);
        const std::string strPlan = std::string(kProcessEndingNames[static_cast<int>(nEnding)]) + " after " +
                                    std::to_string(nDelayMs) + " ms";
        SCOPED_TRACE("process " + std::to_string(nRun) + ": " + strPlan);
        watchdog.Step("process " + std::to_string(nRun) + ": " + strPlan);
        MoveCursor(400, 300);
        DWORD dwProcessId = 0;
        const ULONGLONG ullLaunched = Now();
        {
            ScreenSaverProcess saver(L"/s");
            dwProcessId = saver.ProcessId();
            const DWORD dwLaunch = ::GetTickCount();
            HWND hWnd = saver.WaitForWindow(kWindowTimeout);
            ASSERT_NE(nullptr, hWnd);
            dwLongestStart = std::max(dwLongestStart, ::GetTickCount() - dwLaunch);
            // A key goes to the focus, and another window only ends a player
            // that is active: both wait until the player has the focus, which
            // can come late where 32-bit code runs emulated.
            if (nEnding == ProcessEnding::Key || nEnding == ProcessEnding::AnotherWindow) {
                EXPECT_TRUE(WaitForFocusInside(hWnd));
            }
            ::Sleep(nDelayMs);
            const DWORD dwEnding = ::GetTickCount();
            End(nEnding, hWnd, saver);
            EXPECT_EQ(0u, saver.WaitForExit(kExitLimitMs)) << "still running, or a power action";
            dwLongestExit = std::max(dwLongestExit, ::GetTickCount() - dwEnding);
        }
        EXPECT_EQ("", FindLeftovers(dwProcessId, ullLaunched));
        EXPECT_EQ(0, CountWindowsOf(dwProcessId));
        resources.AfterRun(nRun);
    }
    resources.AtEnd();
    std::printf("[soak] %d processes in %lu ms, longest start %lu ms, longest exit after its ending %lu ms\n", nRuns,
                ::GetTickCount() - dwStart, dwLongestStart, dwLongestExit);
}

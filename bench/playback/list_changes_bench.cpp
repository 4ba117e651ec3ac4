// Long runs: the media control, hosted over a bare full-screen window as the
// player hosts it, changes movies as the player does (close, next URL,
// ready, play, a few frames): one movie over and over, then a list going
// round two movies. Private bytes, handles, GDI and USER objects after 10
// changes and after 1 000 (DRIFTREEL_BENCH_CHANGES changes the count).
// Then the settings preview's use: a folder of 20 copies of a 4-second
// 1280x720 movie, each selection handing the control the next one (URL,
// volume) and Play playing it for a moment; 200 such changes against 10.
// With the argument "preview" only that run.
#include "bench/support/BenchReport.h"
#include "bench/support/CoveringWindow.h"
#include "framework/AfxState.h"
#include "framework/CWnd.h"
#include "media/CWMPControls3.h"
#include "media/CWMPPlayer4.h"
#include "media/CWMPSettings.h"
#include "media/MediaFactory.h"
#include "tests/soak/ResourceCounts.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScreenSaverProcess.h"
#include <psapi.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Holdings {
    double dPrivateKiB;
    ResourceCounts counts;
};

// Wine leaves PrivateUsage at zero and reports the private commit in
// PagefileUsage.
Holdings Take()
{
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    SIZE_T bytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    return { bytes / 1024.0, ResourceCounts::Take() };
}

void Report(const char* pszRun, int nChanges, const Holdings& held)
{
    std::printf("%-7s %6d changes  %10.0f KiB private  %6lu handles  %6lu GDI  %6lu USER\n", pszRun, nChanges,
                held.dPrivateKiB, held.counts.m_dwHandles, held.counts.m_dwGdiObjects, held.counts.m_dwUserObjects);
    std::string key = std::string("changes.") + pszRun;
    ReportFigure((key + ".private").c_str(), nChanges, held.dPrivateKiB);
    ReportFigure((key + ".handles").c_str(), nChanges, held.counts.m_dwHandles);
    ReportFigure((key + ".gdi").c_str(), nChanges, held.counts.m_dwGdiObjects);
    ReportFigure((key + ".user").c_str(), nChanges, held.counts.m_dwUserObjects);
}

const int kPreviewMovies = 20;
const int kPreviewChanges = 200;

// Copies of the preview movie in a folder of the temporary folder.
std::vector<CString> MakePreviewFolder()
{
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    CString strFolder = CString(szTemp) + L"driftreel-preview-bench";
    ::CreateDirectoryW(strFolder, nullptr);
    std::vector<CString> movies;
    for (int i = 1; i <= kPreviewMovies; ++i) {
        CString strPath;
        strPath.Format(L"%s\\movie %02d.wmv", (const wchar_t*)strFolder, i);
        ::CopyFileW(ProgramFolder() + L"\\preview_bench.wmv", strPath, FALSE);
        movies.push_back(strPath);
    }
    return movies;
}

// As the settings dialog does at a change of selection and at Play.
void RunPreviewChanges(CWMPPlayer4& player, const std::vector<CString>& movies)
{
    for (int i = 1; i <= kPreviewChanges; ++i) {
        player.put_URL(movies[i % movies.size()]);
        CWMPSettings(player.get_settings()).put_volume(50);
        PumpMessagesFor(100);
        CWMPControls3(player.get_controls()).play();
        PumpMessagesFor(300);
        if (i == 10 || i == kPreviewChanges) Report("preview", i, Take());
    }
}

void RunChanges(CWMPPlayer4& player, const char* pszRun, const std::vector<CString>& movies, int nChanges)
{
    for (int i = 1; i <= nChanges; ++i) {
        player.close();
        player.put_URL(movies[i % movies.size()]);
        CWMPControls3(player.get_controls()).play();
        PumpMessagesFor(60);
        if (i == 10 || i == nChanges) Report(pszRun, i, Take());
    }
}
}

int wmain(int argc, wchar_t** argv)
{
    const bool bPreviewOnly = argc > 1 && wcscmp(argv[1], L"preview") == 0;
    const char* pszChanges = std::getenv("DRIFTREEL_BENCH_CHANGES");
    const int nChanges = pszChanges && std::atoi(pszChanges) > 10 ? std::atoi(pszChanges) : 1000;
    HWND hWnd = CreateCoveringWindow(::GetModuleHandleW(nullptr), L"ListChanges");
    AfxEnableControlContainer();
    CWnd host;
    host.Attach(hWnd);
    CWMPPlayer4 player;
    IUnknown* pObject = CreateMediaObject();
    if (!pObject) return 1;
    RECT rc = { 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN) };
    player.CreateControl(pObject, WS_CHILD | WS_VISIBLE, rc, &host, 1000);
    pObject->Release();
    const CString wmv = ProgramFolder() + L"\\media_test.wmv", mpg = ProgramFolder() + L"\\media_test.mpg";
    if (!bPreviewOnly) {
        std::printf("movie changes of the media control (close, URL, play, 60 ms of frames)\n");
        RunChanges(player, "repeat", { wmv }, nChanges);
        RunChanges(player, "list", { wmv, mpg }, nChanges);
    }
    std::printf("preview selections of %d movies (URL, volume, play, 300 ms of frames)\n", kPreviewMovies);
    RunPreviewChanges(player, MakePreviewFolder());
    player.close();
    player.DestroyWindow();
    host.Detach();
    ::DestroyWindow(hWnd);
    return 0;
}

// Floor for playback smoothness: a plain DirectShow graph with one chosen
// video renderer, its window owned by a bare full-screen window and stretched
// over it. Prints the renderer's own frame figures and the CPU time taken.
// With "present" its window has the player's 10 ms timer, which under Wine
// brings every frame the renderer draws to the screen.
// Usage: playback_floor MOVIE [gdi|vmr7|vmr9|evr|auto] [SECONDS] [present]
#include "bench/support/CoveringWindow.h"
#include <dshow.h>
#include <amvideo.h>
#include <cstdio>
#include <cwchar>

namespace {
const CLSID* RendererClass(const wchar_t* pszName)
{
    static const CLSID kEvr = { 0xfa10746c, 0x9b63, 0x4b6c, { 0xbc, 0x49, 0xfc, 0x30, 0x0e, 0xa5, 0xf2, 0x56 } };
    if (!wcscmp(pszName, L"gdi")) return &CLSID_VideoRenderer;
    if (!wcscmp(pszName, L"vmr7")) return &CLSID_VideoMixingRenderer;
    if (!wcscmp(pszName, L"vmr9")) return &CLSID_VideoMixingRenderer9;
    if (!wcscmp(pszName, L"evr")) return &kEvr;
    return nullptr;
}

double CpuSeconds()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ::GetProcessTimes(::GetCurrentProcess(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    auto seconds = [](const FILETIME& ft) { return (((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime) / 1e7; };
    return seconds(ftKernel) + seconds(ftUser);
}

void PumpFor(DWORD dwMs)
{
    DWORD dwEnd = ::GetTickCount() + dwMs;
    for (DWORD dwNow; (dwNow = ::GetTickCount()) < dwEnd;) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwEnd - dwNow, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
}
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    const wchar_t* pszRenderer = argc > 2 ? argv[2] : L"gdi";
    DWORD dwSeconds = argc > 3 ? _wtoi(argv[3]) : 10;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND hWnd = CreateCoveringWindow(::GetModuleHandleW(nullptr), L"PlaybackFloor");
    IGraphBuilder* pGraph = nullptr;
    ::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, (void**)&pGraph);
    IBaseFilter* pRenderer = nullptr;
    if (const CLSID* pClass = RendererClass(pszRenderer))
        if (SUCCEEDED(::CoCreateInstance(*pClass, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                         (void**)&pRenderer)))
            pGraph->AddFilter(pRenderer, L"Video Renderer");
    HRESULT hr = pGraph->RenderFile(argv[1], nullptr);
    if (FAILED(hr)) {
        std::printf("render failed %08lx\n", hr);
        return 1;
    }
    IVideoWindow* pVideo = nullptr;
    pGraph->QueryInterface(IID_IVideoWindow, (void**)&pVideo);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    if (pVideo) {
        pVideo->put_Owner((OAHWND)hWnd);
        pVideo->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS);
        pVideo->SetWindowPosition(0, 0, rc.right, rc.bottom);
        pVideo->put_Visible(OATRUE);
    }
    IMediaControl* pControl = nullptr;
    pGraph->QueryInterface(IID_IMediaControl, (void**)&pControl);
    if (argc > 4 && !wcscmp(argv[4], L"present")) ::SetTimer(hWnd, 1, 10, nullptr);
    double dCpu = CpuSeconds();
    pControl->Run();
    PumpFor(dwSeconds * 1000);
    dCpu = CpuSeconds() - dCpu;
    int nDrawn = -1, nDropped = -1, nRate = -1;
    IQualProp* pQuality = nullptr;
    if (pRenderer && SUCCEEDED(pRenderer->QueryInterface(IID_IQualProp, (void**)&pQuality))) {
        pQuality->get_FramesDrawn(&nDrawn);
        pQuality->get_FramesDroppedInRenderer(&nDropped);
        pQuality->get_AvgFrameRate(&nRate);
        pQuality->Release();
    }
    std::printf("renderer %ls video %s drawn %d dropped %d avgrate %.2f cpu %.2f s per s\n", pszRenderer,
                pVideo ? "window" : "none", nDrawn, nDropped, nRate / 100.0, dCpu / dwSeconds);
    pControl->Stop();
    if (pVideo) {
        pVideo->put_Visible(OAFALSE);
        pVideo->put_Owner(0);
        pVideo->Release();
    }
    pControl->Release();
    if (pRenderer) pRenderer->Release();
    pGraph->Release();
    ::DestroyWindow(hWnd);
    return 0;
}

// Baseline for the player's memory: the bare topmost window with the media
// control over it, playing the movie named on the command line, and nothing
// else of the screen saver. Ended by WM_CLOSE.
#include "framework/AfxState.h"
#include "framework/CWnd.h"
#include "media/CWMPControls3.h"
#include "media/CWMPPlayer4.h"
#include "media/MediaFactory.h"

static LRESULT CALLBACK HostWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR pszMovie, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostWndProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = (HBRUSH)::GetStockObject(BLACK_BRUSH);
    wc.lpszClassName = L"MediaHost";
    ::RegisterClassW(&wc);
    RECT rc = { 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN) };
    HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"Media host", WS_POPUP | WS_VISIBLE, 0, 0,
                                  rc.right, rc.bottom, nullptr, nullptr, hInstance, nullptr);
    AfxEnableControlContainer();
    CWnd host;
    host.Attach(hWnd);
    CWMPPlayer4 player;
    if (IUnknown* pObject = CreateMediaObject()) {
        player.CreateControl(pObject, WS_CHILD | WS_VISIBLE, rc, &host, 1000);
        pObject->Release();
        player.put_URL(pszMovie);
        CWMPControls3(player.get_controls()).play();
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    host.Detach();
    return 0;
}

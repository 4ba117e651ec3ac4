// Baseline for the player's memory: the bare topmost window with the media
// control over it, playing the movie named on the command line, and nothing
// else of the screen saver. Ended by WM_CLOSE.
#include "bench/support/CoveringWindow.h"
#include "framework/AfxState.h"
#include "framework/CWnd.h"
#include "media/CWMPControls3.h"
#include "media/CWMPPlayer4.h"
#include "media/MediaFactory.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR pszMovie, int)
{
    HWND hWnd = CreateCoveringWindow(hInstance, L"MediaHost");
    AfxEnableControlContainer();
    CWnd host;
    host.Attach(hWnd);
    CWMPPlayer4 player;
    if (IUnknown* pObject = CreateMediaObject()) {
        RECT rc = { 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN) };
        player.CreateControl(pObject, WS_CHILD | WS_VISIBLE, rc, &host, 1000);
        pObject->Release();
        player.put_URL(pszMovie);
        CWMPControls3(player.get_controls()).play();
    }
    RunMessageLoop();
    host.Detach();
    return 0;
}

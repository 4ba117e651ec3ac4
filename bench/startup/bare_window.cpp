// Baseline for start-up timing: the least a screen saver must do, one
// topmost window over the whole screen, ended by WM_CLOSE.
#include "bench/support/CoveringWindow.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    CreateCoveringWindow(hInstance, L"BareWindow");
    RunMessageLoop();
    return 0;
}

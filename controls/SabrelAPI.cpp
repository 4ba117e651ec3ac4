#include "controls/SabrelAPI.h"
#include <uxtheme.h>

namespace {
bool g_bLuna = true;
}

bool SabrelAPI::EnableLuna(bool bEnable)
{
    bool bPrevious = g_bLuna;
    g_bLuna = bEnable;
    return bPrevious;
}

bool SabrelAPI::IsLunaEnabled() { return g_bLuna; }

void SabrelAPI::ApplyLuna(HWND hWnd)
{
    // Empty names switch visual styles off for this window only.
    if (!g_bLuna && hWnd) ::SetWindowTheme(hWnd, L"", L"");
}

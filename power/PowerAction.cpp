#include "power/PowerAction.h"
#include "framework/Afx.h"

namespace {
bool EnableShutdownPrivilege(PowerPlatform& platform, HANDLE hToken)
{
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // Without the LUID the adjustment would enable whatever the stack held.
    if (!platform.LookupPrivilege(SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return false;
    return platform.AdjustPrivileges(hToken, &privileges) == ERROR_SUCCESS;
}

void FreeLanguageLibrary(HINSTANCE& hLanguageDll)
{
    if (!hLanguageDll) return;
    if (AfxGetResourceHandle() == hLanguageDll) AfxSetResourceHandle(AfxGetInstanceHandle());
    AfxFreeLibrary(hLanguageDll);
    hLanguageDll = nullptr;
}
}

bool IsPowerAction(int nPowerAction)
{
    return nPowerAction == PowerActionSleep || nPowerAction == PowerActionHibernate;
}

bool CarryOutPowerAction(PowerPlatform& platform, int nPowerAction)
{
    if (!IsPowerAction(nPowerAction)) return true;
    HANDLE hToken = nullptr;
    if (!platform.OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken)) return false;
    const bool bEnabled = EnableShutdownPrivilege(platform, hToken);
    platform.CloseHandle(hToken);
    if (!bEnabled) return false;
    platform.SetSystemPowerState(nPowerAction == PowerActionSleep, FALSE);
    return true;
}

bool RunExitSteps(PowerPlatform& platform, HINSTANCE& hLanguageDll, int nPowerAction)
{
    FreeLanguageLibrary(hLanguageDll);
    return CarryOutPowerAction(platform, nPowerAction);
}

#include "power/PowerStatus.h"

namespace {
int QueryParameter(PowerPlatform& platform, UINT uiAction)
{
    int nValue = 0;
    if (!platform.GetSystemParameter(uiAction, &nValue)) return 0;
    return nValue;
}
}

int GetScreenSaveTimeout(PowerPlatform& platform) { return QueryParameter(platform, SPI_GETSCREENSAVETIMEOUT); }

bool IsScreenSaverRunning(PowerPlatform& platform)
{
    return QueryParameter(platform, SPI_GETSCREENSAVERRUNNING) != 0;
}

BYTE GetACLineStatus(PowerPlatform& platform)
{
    SYSTEM_POWER_STATUS status = {};
    if (!platform.GetPowerStatus(&status)) return kLineStatusQueryFailed;
    return status.ACLineStatus;
}

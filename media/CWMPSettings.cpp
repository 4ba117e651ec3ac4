#include "media/CWMPSettings.h"
#include "media/MediaIds.h"

void CWMPSettings::put_volume(long newValue) { SetProperty(MediaDispid::Volume, VT_I4, newValue); }

void CWMPSettings::put_enableErrorDialogs(BOOL newValue)
{
    SetProperty(MediaDispid::EnableErrorDialogs, VT_BOOL, newValue);
}

// Standby or hibernation at the end of the run, once every window of the
// program is gone.
#pragma once
#include "power/PowerPlatform.h"

// Only PowerActionSleep (2) and PowerActionHibernate (3) are carried out.
bool IsPowerAction(int nPowerAction);

// Enables the shutdown privilege and asks the system to sleep or hibernate;
// any other action does nothing. False when the privilege could not be
// enabled: exit processing then ends at once.
bool CarryOutPowerAction(PowerPlatform& platform, int nPowerAction);

// The exit steps of the application: the language library is freed (and no
// longer the resource source) before the power call. False as above.
bool RunExitSteps(PowerPlatform& platform, HINSTANCE& hLanguageDll, int nPowerAction);

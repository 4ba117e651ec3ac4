// Readings of the system's screen-saver and power state, each falling back to
// a fixed value when the system cannot answer.
#pragma once
#include "power/PowerPlatform.h"

// The ACLineStatus values, and ours for a failed query.
const BYTE kOnBattery = 0;
const BYTE kOnMains = 1;
const BYTE kLineStatusQueryFailed = 2;

// The system screen-saver timeout in seconds; 0 when the query fails.
int GetScreenSaveTimeout(PowerPlatform& platform);
// Whether the system's screen saver is running now; false when the query fails.
bool IsScreenSaverRunning(PowerPlatform& platform);
// 0 on battery, 1 on mains, 255 when the system cannot tell, 2 when the
// query fails.
BYTE GetACLineStatus(PowerPlatform& platform);

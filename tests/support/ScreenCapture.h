// What the screen shows, read back through the screen's device context.
#pragma once
#include "framework/Afx.h"
#include <vector>

// Pixels of a screen rectangle, top-down, 0x00RRGGBB.
std::vector<DWORD> CaptureScreen(const CRect& rc);

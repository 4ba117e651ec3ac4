// WM_SETCURSOR for windows shown while the player keeps the cursor hidden:
// each message raises the cursor display count by one.
#pragma once
#include "framework/Afx.h"

// ShowCursor(TRUE) once, then the window's default processing, whose result
// is returned. Call it from the window's OnSetCursor.
BOOL ShowCursorThenDefault(CWnd& wnd);

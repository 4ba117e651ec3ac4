// The cursor as the user sees it: the display count of the calling thread's
// input queue, and whether the system shows the cursor.
#pragma once
#include <windows.h>

int CursorCount();
// Raises or lowers the count to nCount.
void SetCursorCount(int nCount);
bool IsCursorShowing();

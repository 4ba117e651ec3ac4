#include "tests/support/CursorCount.h"

int CursorCount()
{
    const int nCount = ::ShowCursor(FALSE) + 1;
    ::ShowCursor(TRUE);
    return nCount;
}

void SetCursorCount(int nCount)
{
    while (CursorCount() < nCount) ::ShowCursor(TRUE);
    while (CursorCount() > nCount) ::ShowCursor(FALSE);
}

bool IsCursorShowing()
{
    CURSORINFO info = { sizeof(info) };
    return ::GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING);
}

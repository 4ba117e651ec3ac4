#include "notices/CursorDisplay.h"

BOOL ShowCursorThenDefault(CWnd& wnd)
{
    ::ShowCursor(TRUE);
    return (BOOL)wnd.Default();
}

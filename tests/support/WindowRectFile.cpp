#include "tests/support/WindowRectFile.h"
#include <cstdio>

void WriteWindowRect(HWND hWnd, const wchar_t* pszFile)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    if (FILE* f = _wfopen(pszFile, L"w")) {
        std::fprintf(f, "%ldx%ld+%ld+%ld\n", rc.right - rc.left, rc.bottom - rc.top, rc.left, rc.top);
        std::fclose(f);
    }
}

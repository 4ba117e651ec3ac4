// Writes a window's screen rectangle to a file as WxH+X+Y, the geometry that
// ImageMagick's -crop takes; the screenshot scripts wait for that file.
#pragma once
#include <windows.h>

void WriteWindowRect(HWND hWnd, const wchar_t* pszFile);

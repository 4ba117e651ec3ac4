// Export/import of the framework DLL. The executable, Sbl.dll and the tests
// all import the one copy, so there is one handle map, one application
// object and one resource handle in the process.
#pragma once
#include <windows.h>

#ifdef AFX_BUILDING_DLL
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

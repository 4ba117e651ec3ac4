// Export/import of the skinned control library Sbl.dll.
#pragma once
#include "framework/Afx.h"

#ifdef SBL_BUILDING_DLL
#define SBL_API __declspec(dllexport)
#else
#define SBL_API __declspec(dllimport)
#endif

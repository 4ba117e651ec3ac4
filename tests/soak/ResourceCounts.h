// What the test process holds at one moment: kernel handles, GDI objects and
// USER objects. Where the system answers 0 (Wine does for GetProcessHandleCount
// and both kinds of GetGuiResources), they are counted by hand: the handle
// values that GetHandleInformation accepts, the live entries of the process's
// GDI handle table, and this process's windows, menus and icons.
#pragma once
#include <windows.h>
#include <string>

struct ResourceCounts {
    DWORD m_dwHandles = 0;
    DWORD m_dwGdiObjects = 0;
    DWORD m_dwUserObjects = 0;
    bool m_bHandlesCountedByHand = false;
    bool m_bGdiCountedByHand = false;
    bool m_bUserCountedByHand = false;

    static ResourceCounts Take();
    // "handles 52, GDI 31 (by hand), USER 12 (by hand)".
    std::string Describe() const;
    // One line of the soak's log: "[soak] at start      handles 52, ...".
    void Print(const char* pszWhen) const;
};

// The platform's own media player control (CLSID_MediaPlayerControl) as
// control 1000 hosts it, for tests that run the dialogs with it. Wine ships
// the control with its IDispatch left as stubs; the tests reach it through a
// standard dispatch made from the control's own type library over its dual
// interfaces, and the controls and settings objects it returns are wrapped
// the same way. Every other interface is the control's own, except that the
// in-place object passes through a recorder of the rectangles it is given.
//
//   PlatformControlScope control;        // control 1000 now hosts it
//   ... control.Log() holds "put URL C:\\a.wmv", "event 5101:3", ...
#pragma once
#include "media/MediaFactory.h"
#include <windows.h>
#include <oaidl.h>
#include <string>
#include <vector>

class PlatformControlScope {
public:
    PlatformControlScope();
    ~PlatformControlScope();
    PlatformControlScope(const PlatformControlScope&) = delete;
    PlatformControlScope& operator=(const PlatformControlScope&) = delete;

    // What the hosted control was asked and what it reported, in order:
    // "put URL <path>", "call play", "get playState failed", "event 5101:3".
    static const std::vector<std::wstring>& Log();
    // The entries from nMark on, one line.
    static std::wstring LogSince(size_t nMark);
    static size_t CountSince(size_t nMark, const std::wstring& strEntry);
    // The last rectangle the container gave through SetObjectRects, empty
    // when it gave none.
    static RECT LastObjectRects();
    // Wrapped control objects still alive.
    static long LiveObjects();

private:
    MediaObjectFactory m_pfnPrevious;
};

// Null when the control can be created and its type library loaded in this
// process, or else why not.
const wchar_t* PlatformControlMissing();
// The DISPID of a member of the control's iid interface in its type library.
DISPID PlatformMemberDispid(REFIID iid, const wchar_t* pszName);
// Windows of this process of the given class, message-only ones included.
int CountWindowsOfClass(const wchar_t* pszClass);

// Library-wide switches of the skinned controls.
#pragma once
#include "controls/SblExport.h"

class SBL_API SabrelAPI {
public:
    // Luna is the system's visual style. The library paints the face of
    // every control it skins in its own look either way; the switch decides
    // who paints the parts it leaves to the control itself (a combo box's
    // drop-down list, a list's header and scroll bars, a slider's parts when
    // printed by the system): with Luna on the system's theme, with Luna off
    // the classic look, which matches the skin's flat colours. Takes effect
    // for controls attached afterwards; returns the previous setting.
    static bool EnableLuna(bool bEnable);
    static bool IsLunaEnabled();
    // Applies the setting to one window; the controls call it when attached.
    static void ApplyLuna(HWND hWnd);
};

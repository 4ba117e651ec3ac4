// The skin over a button-class control: its look follows BM_GETSTATE
// (checked, pushed, focused) besides the style.
#pragma once
#include "controls/SkinnedWindow.h"

class SkinnedButton : public SkinnedWindow<CButton> {
protected:
    ULONGLONG VisualState() override { return SkinnedWindow::VisualState() | (ULONGLONG)Ask(BM_GETSTATE); }
};

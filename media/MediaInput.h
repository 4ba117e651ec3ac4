// Turns the control window's mouse and keyboard messages into the control's
// input events: Click, DoubleClick, MouseMove and KeyDown.
#pragma once
#include <windows.h>
#include <oaidl.h>

struct MediaInputEvent {
    DISPID dispid;
    short nButton;     // mouse events: the button (1 left, 2 right, 4 middle); KeyDown: the key code
    short nShiftState; // 1 shift, 2 control, 4 alt
    long x, y;         // mouse events: client coordinates
};

// Double clicks are told from the presses themselves: over a movie the
// input comes from the video window, whose class has no double clicks.
class MediaInputTranslator {
public:
    // False for messages that are no input event. The shift state and the
    // message time are passed in so that the result depends on nothing else.
    bool Translate(UINT message, WPARAM wParam, LPARAM lParam, short nShiftState, DWORD dwTime,
                   MediaInputEvent& event);

private:
    bool IsSecondPress(short nButton, POINT pt, DWORD dwTime) const;

    short m_nPressedButton = 0;
    DWORD m_dwPressTime = 0;
    POINT m_ptPress = {};
};

// The shift state of the keyboard now.
short CurrentShiftState();

#include "media/MediaInput.h"
#include "media/MediaIds.h"
#include <cstdlib>

namespace {
// The buttons held down, from the key flags of a mouse message.
short ButtonsOf(WPARAM wParam)
{
    short n = 0;
    if (wParam & MK_LBUTTON) n |= kMouseLeft;
    if (wParam & MK_RBUTTON) n |= kMouseRight;
    if (wParam & MK_MBUTTON) n |= kMouseMiddle;
    return n;
}

short ButtonOf(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return kMouseLeft;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return kMouseRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return kMouseMiddle;
    default: return 0;
    }
}

MediaInputEvent MouseEvent(DISPID dispid, short nButton, short nShiftState, LPARAM lParam)
{
    return { dispid, nButton, nShiftState, (short)LOWORD(lParam), (short)HIWORD(lParam) };
}
}

bool MediaInputTranslator::Translate(UINT message, WPARAM wParam, LPARAM lParam, short nShiftState, DWORD dwTime,
                                     MediaInputEvent& event)
{
    switch (message) {
    // A click is reported when the button is released over the control.
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        event = MouseEvent(MediaDispid::Click, ButtonOf(message), nShiftState, lParam);
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        short nButton = ButtonOf(message);
        POINT pt = { (short)LOWORD(lParam), (short)HIWORD(lParam) };
        bool bDouble = IsSecondPress(nButton, pt, dwTime);
        m_nPressedButton = bDouble ? 0 : nButton;
        m_dwPressTime = dwTime;
        m_ptPress = pt;
        if (bDouble) event = MouseEvent(MediaDispid::DoubleClick, nButton, nShiftState, lParam);
        return bDouble;
    }
    case WM_MOUSEMOVE: event = MouseEvent(MediaDispid::MouseMove, ButtonsOf(wParam), nShiftState, lParam); return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: event = { MediaDispid::KeyDown, (short)wParam, nShiftState, 0, 0 }; return true;
    default: return false;
    }
}

bool MediaInputTranslator::IsSecondPress(short nButton, POINT pt, DWORD dwTime) const
{
    return nButton == m_nPressedButton && dwTime - m_dwPressTime <= ::GetDoubleClickTime() &&
           std::abs(pt.x - m_ptPress.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(pt.y - m_ptPress.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

short CurrentShiftState()
{
    short n = 0;
    if (::GetKeyState(VK_SHIFT) < 0) n |= kShiftKey;
    if (::GetKeyState(VK_CONTROL) < 0) n |= kControlKey;
    if (::GetKeyState(VK_MENU) < 0) n |= kAltKey;
    return n;
}

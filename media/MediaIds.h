// The media player control's automation contract: the DISPIDs of its
// members and events, its event interface and the state numbers it reports.
#pragma once
#include <windows.h>
#include <oaidl.h>

namespace MediaDispid {
enum : DISPID {
    // player
    URL = 1,
    Close = 3,
    Controls = 4,
    Settings = 5,
    PlayState = 10,
    // controls
    Play = 51,
    Stop = 52,
    CurrentPosition = 56,
    // settings
    Volume = 107,
    EnableErrorDialogs = 112,
    // events
    OpenStateChange = 5001,
    PlayStateChange = 5101,
    Click = 6505,
    DoubleClick = 6506,
    KeyDown = 6507,
    MouseMove = 6511,
};
}

// Play states.
enum : long {
    kPlayStateUndefined = 0,
    kPlayStateStopped = 1,
    kPlayStatePlaying = 3,
    kPlayStateMediaEnded = 8,
    kPlayStateTransitioning = 9,
    kPlayStateReady = 10,
};

// Open states.
enum : long {
    kOpenStateUndefined = 0,
    kOpenStateNoMedia = 6,
    kOpenStateMediaChanging = 8,
    kOpenStateMediaOpening = 12,
    kOpenStateMediaOpen = 13,
    kOpenStateEndCodecAcquisition = 15,
    kOpenStateBeginCodecAcquisition = 14,
    kOpenStateMediaWaiting = 20,
};

// Mouse buttons and shift states of the input events.
enum : short {
    kMouseLeft = 1,
    kMouseRight = 2,
    kMouseMiddle = 4,
    kShiftKey = 1,
    kControlKey = 2,
    kAltKey = 4,
};

// The player control's class and its event interface.
// {6BF52A52-394A-11D3-B153-00C04F79FAA6}
const CLSID CLSID_MediaPlayerControl = { 0x6bf52a52, 0x394a, 0x11d3, { 0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6 } };
// {6BF52A51-394A-11D3-B153-00C04F79FAA6}
const IID DIID_MediaPlayerEvents = { 0x6bf52a51, 0x394a, 0x11d3, { 0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6 } };

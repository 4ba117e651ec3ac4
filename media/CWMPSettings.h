// The player's settings sub-object, for one use: construct it from
// CWMPPlayer4::get_settings(); it releases the object when it goes.
#pragma once
#include "framework/COleDispatchDriver.h"

class CWMPSettings : public COleDispatchDriver {
public:
    explicit CWMPSettings(LPDISPATCH pDispatch) : COleDispatchDriver(pDispatch) {}

    // 0..100.
    void put_volume(long newValue);
    void put_enableErrorDialogs(BOOL newValue);
};

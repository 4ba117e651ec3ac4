// The player's controls sub-object, for one use: construct it from
// CWMPPlayer4::get_controls(); it releases the object when it goes.
#pragma once
#include "framework/COleDispatchDriver.h"

class CWMPControls3 : public COleDispatchDriver {
public:
    explicit CWMPControls3(LPDISPATCH pDispatch) : COleDispatchDriver(pDispatch) {}

    void play();
    void stop();
    // In seconds from the start of the movie.
    double get_currentPosition();
    void put_currentPosition(double newValue);
};

#include "media/CWMPControls3.h"
#include "media/MediaIds.h"

void CWMPControls3::play() { InvokeHelper(MediaDispid::Play, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }

void CWMPControls3::stop() { InvokeHelper(MediaDispid::Stop, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }

double CWMPControls3::get_currentPosition()
{
    double dResult = 0.0;
    GetProperty(MediaDispid::CurrentPosition, VT_R8, &dResult);
    return dResult;
}

void CWMPControls3::put_currentPosition(double newValue) { SetProperty(MediaDispid::CurrentPosition, VT_R8, newValue); }

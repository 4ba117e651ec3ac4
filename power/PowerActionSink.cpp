#include "power/PowerActionSink.h"
#include "framework/Afx.h"

PowerActionSink* GetPowerActionSink() { return dynamic_cast<PowerActionSink*>(AfxGetApp()); }

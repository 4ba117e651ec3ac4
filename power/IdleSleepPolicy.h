// How long the power scheme still lets the computer idle while the screen
// saver plays, and what it then does (standby or hibernation).
#pragma once
#include "power/PowerPlatform.h"

class IdleSleepPolicy {
public:
    explicit IdleSleepPolicy(PowerPlatform& platform = SystemPowerPlatform());
    virtual ~IdleSleepPolicy() = default;

    // Whether some program is asking the system to stay awake right now.
    bool IsSystemRequired();
    // The idle timeout in seconds of the current power source and that
    // source's idle action; 0 and action 0 when either cannot be read.
    int GetIdlePolicy(int& nAction);
    // Milliseconds until the idle action is due, and the action (given in
    // every case). 0 means no countdown.
    int GetIdleSleepDelay(int& nAction);

    EXECUTION_STATE m_dwExecutionState;  // as last read

private:
    PowerPlatform* m_pPlatform;
};

// The program's one policy object.
IdleSleepPolicy& GetIdleSleepPolicy();

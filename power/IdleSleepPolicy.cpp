#include "power/IdleSleepPolicy.h"
#include "power/PowerAction.h"
#include "power/PowerStatus.h"
#include <climits>

namespace {
IdleSleepPolicy thePolicy;

// Timeouts and delays are 32-bit signed; a scheme's timeout of more than
// about 24 days must not wrap into a negative (or "due at once") delay.
int ClampToInt(long long nValue) { return nValue > INT_MAX ? INT_MAX : (int)nValue; }
int ToMilliseconds(long long nSeconds) { return ClampToInt(nSeconds * 1000); }
}

IdleSleepPolicy& GetIdleSleepPolicy() { return thePolicy; }

IdleSleepPolicy::IdleSleepPolicy(PowerPlatform& platform) : m_dwExecutionState(0), m_pPlatform(&platform) {}

bool IdleSleepPolicy::IsSystemRequired()
{
    m_pPlatform->GetExecutionState(&m_dwExecutionState);
    return (m_dwExecutionState & ES_SYSTEM_REQUIRED) != 0;
}

int IdleSleepPolicy::GetIdlePolicy(int& nAction)
{
    const BYTE nLineStatus = GetACLineStatus(*m_pPlatform);
    nAction = PowerActionNone;
    GLOBAL_POWER_POLICY global = {};
    POWER_POLICY policy = {};
    if (!m_pPlatform->GetPowerPolicies(&global, &policy)) return 0;
    switch (nLineStatus) {
    case kOnMains:
        nAction = policy.user.IdleAc.Action;
        return ClampToInt(policy.user.IdleTimeoutAc);
    case kOnBattery:
        nAction = policy.user.IdleDc.Action;
        return ClampToInt(policy.user.IdleTimeoutDc);
    default:
        return 0;
    }
}

int IdleSleepPolicy::GetIdleSleepDelay(int& nAction)
{
    const int nSaverSeconds = GetScreenSaveTimeout(*m_pPlatform);
    const int nIdleSeconds = GetIdlePolicy(nAction);
    const bool bSaverRunning = IsScreenSaverRunning(*m_pPlatform);
    // An idle timeout of 0 is the scheme's "never": no countdown at all.
    if (!IsPowerAction(nAction) || nIdleSeconds == 0) return 0;
    // Started by hand: the whole idle time lies ahead.
    if (!bSaverRunning) return ToMilliseconds(nIdleSeconds);
    // Started by the idle machinery: the system has idled for the
    // screen-saver timeout already.
    const long long nSecondsLeft = (long long)nIdleSeconds - nSaverSeconds;
    if (nSecondsLeft > 0) return ToMilliseconds(nSecondsLeft);
    // Overdue: at once, unless a program holds the system awake, in which
    // case a whole new idle period begins.
    return IsSystemRequired() ? ToMilliseconds(nIdleSeconds) : 1;
}

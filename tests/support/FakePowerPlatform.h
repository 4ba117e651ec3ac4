// A power platform whose answers a test sets, and which records the calls
// that change something: the token steps and the power call.
#pragma once
#include "power/PowerPlatform.h"
#include <functional>
#include <string>

class FakePowerPlatform : public PowerPlatform {
public:
    // Answers. A failed query writes nothing.
    bool bParametersAnswer = true;
    int nScreenSaveTimeout = 0;
    BOOL bScreenSaverRunning = FALSE;
    bool bStatusAnswers = true;
    BYTE nACLineStatus = 1;
    bool bPoliciesAnswer = true;
    POWER_POLICY policy = {};
    LONG nExecutionStatus = 0;
    EXECUTION_STATE dwExecutionState = 0;
    bool bTokenOpens = true;
    bool bPrivilegeKnown = true;
    DWORD dwAdjustError = ERROR_SUCCESS;

    // What was asked.
    int nExecutionQueries = 0;
    DWORD dwTokenAccess = 0;
    std::wstring strPrivilegeName;
    TOKEN_PRIVILEGES adjusted = {};
    int nAdjustCalls = 0;
    bool bTokenClosed = false;
    int nPowerCalls = 0;
    BOOL bSuspend = -1;
    BOOL bForce = -1;
    std::function<void()> onPowerCall;

    static HANDLE Token() { return reinterpret_cast<HANDLE>(0x5A4); }
    static LUID ShutdownLuid() { return LUID{ 19, 0 }; }

    void SetIdle(POWER_ACTION acAction, ULONG nAcSeconds, POWER_ACTION dcAction, ULONG nDcSeconds)
    {
        policy.user.IdleAc.Action = acAction;
        policy.user.IdleTimeoutAc = nAcSeconds;
        policy.user.IdleDc.Action = dcAction;
        policy.user.IdleTimeoutDc = nDcSeconds;
    }

    BOOL GetSystemParameter(UINT uiAction, int* pValue) override
    {
        if (!bParametersAnswer) return FALSE;
        if (uiAction == SPI_GETSCREENSAVETIMEOUT) *pValue = nScreenSaveTimeout;
        else if (uiAction == SPI_GETSCREENSAVERRUNNING) *pValue = bScreenSaverRunning;
        else return FALSE;
        return TRUE;
    }
    BOOL GetPowerStatus(SYSTEM_POWER_STATUS* pStatus) override
    {
        if (!bStatusAnswers) return FALSE;
        pStatus->ACLineStatus = nACLineStatus;
        return TRUE;
    }
    BOOL GetPowerPolicies(GLOBAL_POWER_POLICY*, POWER_POLICY* pPolicy) override
    {
        if (!bPoliciesAnswer) return FALSE;
        *pPolicy = policy;
        return TRUE;
    }
    LONG GetExecutionState(EXECUTION_STATE* pState) override
    {
        ++nExecutionQueries;
        if (nExecutionStatus == 0) *pState = dwExecutionState;
        return nExecutionStatus;
    }
    BOOL OpenProcessToken(DWORD dwDesiredAccess, HANDLE* phToken) override
    {
        dwTokenAccess = dwDesiredAccess;
        if (!bTokenOpens) return FALSE;
        *phToken = Token();
        return TRUE;
    }
    BOOL LookupPrivilege(const wchar_t* pszName, LUID* pLuid) override
    {
        strPrivilegeName = pszName;
        if (!bPrivilegeKnown) return FALSE;
        *pLuid = ShutdownLuid();
        return TRUE;
    }
    DWORD AdjustPrivileges(HANDLE hToken, TOKEN_PRIVILEGES* pNewState) override
    {
        ++nAdjustCalls;
        if (hToken == Token()) adjusted = *pNewState;
        return dwAdjustError;
    }
    BOOL SetSystemPowerState(BOOL bSuspendArg, BOOL bForceArg) override
    {
        ++nPowerCalls;
        bSuspend = bSuspendArg;
        bForce = bForceArg;
        if (onPowerCall) onPowerCall();
        return TRUE;
    }
    void CloseHandle(HANDLE hObject) override { bTokenClosed = bTokenClosed || hObject == Token(); }
};

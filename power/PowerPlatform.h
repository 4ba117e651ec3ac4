// The system calls behind the idle-sleep timing and the power action at exit.
// The program uses the real ones; tests answer them and see which were made.
#pragma once
#include <windows.h>
#include <powrprof.h>

class PowerPlatform {
public:
    virtual ~PowerPlatform() = default;

    // SystemParametersInfoW for a query that fills one 32-bit value.
    virtual BOOL GetSystemParameter(UINT uiAction, int* pValue) = 0;
    virtual BOOL GetPowerStatus(SYSTEM_POWER_STATUS* pStatus) = 0;
    virtual BOOL GetPowerPolicies(GLOBAL_POWER_POLICY* pGlobal, POWER_POLICY* pPolicy) = 0;
    // CallNtPowerInformation(SystemExecutionState): the NTSTATUS, 0 on
    // success. *pState is written only on success.
    virtual LONG GetExecutionState(EXECUTION_STATE* pState) = 0;

    // OpenProcessToken of the current process.
    virtual BOOL OpenProcessToken(DWORD dwDesiredAccess, HANDLE* phToken) = 0;
    // LookupPrivilegeValueW on the local system.
    virtual BOOL LookupPrivilege(const wchar_t* pszName, LUID* pLuid) = 0;
    // AdjustTokenPrivileges without a previous-state buffer; answers the
    // thread's last error right after the call, which is ERROR_NOT_ALL_ASSIGNED
    // when the call succeeds but the token does not hold the privilege.
    virtual DWORD AdjustPrivileges(HANDLE hToken, TOKEN_PRIVILEGES* pNewState) = 0;
    virtual BOOL SetSystemPowerState(BOOL bSuspend, BOOL bForce) = 0;
    virtual void CloseHandle(HANDLE hObject) = 0;
};

// The one real platform, usable from static initialisation on.
PowerPlatform& SystemPowerPlatform();

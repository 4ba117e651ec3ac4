#include "power/PowerPlatform.h"

namespace {
class SystemPower : public PowerPlatform {
public:
    BOOL GetSystemParameter(UINT uiAction, int* pValue) override
    {
        return ::SystemParametersInfoW(uiAction, 0, pValue, 0);
    }

    BOOL GetPowerStatus(SYSTEM_POWER_STATUS* pStatus) override { return ::GetSystemPowerStatus(pStatus); }

    BOOL GetPowerPolicies(GLOBAL_POWER_POLICY* pGlobal, POWER_POLICY* pPolicy) override
    {
        return ::GetCurrentPowerPolicies(pGlobal, pPolicy);
    }

    LONG GetExecutionState(EXECUTION_STATE* pState) override
    {
        EXECUTION_STATE state = 0;
        LONG nStatus = ::CallNtPowerInformation(SystemExecutionState, nullptr, 0, &state, sizeof(state));
        if (nStatus == 0) *pState = state;
        return nStatus;
    }

    BOOL OpenProcessToken(DWORD dwDesiredAccess, HANDLE* phToken) override
    {
        return ::OpenProcessToken(::GetCurrentProcess(), dwDesiredAccess, phToken);
    }

    BOOL LookupPrivilege(const wchar_t* pszName, LUID* pLuid) override
    {
        return ::LookupPrivilegeValueW(nullptr, pszName, pLuid);
    }

    DWORD AdjustPrivileges(HANDLE hToken, TOKEN_PRIVILEGES* pNewState) override
    {
        ::AdjustTokenPrivileges(hToken, FALSE, pNewState, 0, nullptr, nullptr);
        return ::GetLastError();
    }

    BOOL SetSystemPowerState(BOOL bSuspend, BOOL bForce) override { return ::SetSystemPowerState(bSuspend, bForce); }

    void CloseHandle(HANDLE hObject) override { ::CloseHandle(hObject); }
};
}

PowerPlatform& SystemPowerPlatform()
{
    static SystemPower platform;
    return platform;
}

#include "framework/CCmdTarget.h"

namespace {
const AFX_MSGMAP_ENTRY g_noMessages[] = { { 0, 0, 0, 0, nullptr, nullptr } };
const AFX_MSGMAP g_cmdTargetMap = { nullptr, g_noMessages };
const AFX_EVENTSINKMAP_ENTRY g_noEvents[] = { { 0, 0, nullptr, nullptr, nullptr } };
const AFX_EVENTSINKMAP g_cmdTargetSinkMap = { nullptr, g_noEvents };
}

const CRuntimeClass CCmdTarget::classCCmdTarget = { "CCmdTarget", sizeof(CCmdTarget), nullptr };
const CRuntimeClass* CCmdTarget::GetThisClass() { return &classCCmdTarget; }
const CRuntimeClass* CCmdTarget::GetRuntimeClass() const { return &classCCmdTarget; }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() { return &g_cmdTargetMap; }
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return &g_cmdTargetMap; }
const AFX_EVENTSINKMAP* CCmdTarget::GetThisEventSinkMap() { return &g_cmdTargetSinkMap; }
const AFX_EVENTSINKMAP* CCmdTarget::GetEventSinkMap() const { return &g_cmdTargetSinkMap; }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                     UINT nCode, UINT nID)
{
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfnInvoke; ++e) {
            if (e->nMessage == nMessage && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode)
{
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), WM_COMMAND, (UINT)nCode, nID);
    if (!e) return FALSE;
    e->pfnInvoke(this, e->pfn, WM_COMMAND, MAKEWPARAM(nID, nCode), 0);
    return TRUE;
}

BOOL CCmdTarget::OnEvent(UINT nCtlID, DISPID dispid, DISPPARAMS* pParams)
{
    for (const AFX_EVENTSINKMAP* pMap = GetEventSinkMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* e = pMap->lpEntries; e->pfnInvoke; ++e) {
            if (e->nCtlID == nCtlID && e->dispid == dispid) {
                e->pfnInvoke(this, e->pfn, pParams);
                return TRUE;
            }
        }
    }
    return FALSE;
}

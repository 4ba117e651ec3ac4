// Base of every object that has a message map or an event-sink map.
#pragma once
#include "framework/AfxMsgMap.h"
#include "framework/CRuntimeClass.h"

class AFX_API CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    static const AFX_MSGMAP* GetThisMessageMap();
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();

    // The root of the run-time class records.
    static const CRuntimeClass classCCmdTarget;
    static const CRuntimeClass* GetThisClass();
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

    // Runs the handler of a command (WM_COMMAND with this ID and code).
    virtual BOOL OnCmdMsg(UINT nID, int nCode);
    // Runs the handler that the event-sink map names for an event of a
    // hosted control; FALSE when the map has none.
    BOOL OnEvent(UINT nCtlID, DISPID dispid, DISPPARAMS* pParams);

    // Finds the entry for a message along the map chain.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                    UINT nCode, UINT nID);

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const;
};

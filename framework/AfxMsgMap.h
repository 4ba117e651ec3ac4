// Message maps and event-sink maps: static tables of entries, each map chained
// to the map of the base class. Lookup walks the chain from the most derived.
#pragma once
#include "framework/AfxExport.h"
#include "framework/AfxMsgCrackers.h"
#include <oaidl.h>
#include <utility>

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

// Calls an entry's handler with the message's arguments and gives the
// message's result.
typedef LRESULT (*AFX_PMSGINVOKE)(CCmdTarget* pTarget, AFX_PMSG pfn, UINT message, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;    // notification code (WM_COMMAND, WM_NOTIFY)
    UINT nID;      // control ID, 0 for window messages
    UINT nLastID;
    AFX_PMSG pfn;
    AFX_PMSGINVOKE pfnInvoke;   // nullptr ends the map
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The entry keeps the handler's own type: its invoker turns the handler back
// into it and calls it through the cracker of its kind of message.
template <template <class> class Crack, class C>
LRESULT AfxInvokeMsg(CCmdTarget* pTarget, AFX_PMSG pfn, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto pfnTyped = reinterpret_cast<typename Crack<C>::Handler>(pfn);
    return Crack<C>::Call(static_cast<C*>(pTarget), pfnTyped, message, wParam, lParam);
}

template <template <class> class Crack, class C>
AFX_MSGMAP_ENTRY AfxMsgEntry(UINT nMessage, UINT nCode, UINT nID, typename Crack<C>::Handler pfn)
{
    return { nMessage, nCode, nID, nID, reinterpret_cast<AFX_PMSG>(pfn), &AfxInvokeMsg<Crack, C> };
}

// Messages a control receives back from its parent ("reflected").
#define WM_REFLECT_BASE 0xBC00
// The framework's old-style colour message: one entry for every WM_CTLCOLORxxx.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

#define DECLARE_MESSAGE_MAP() \
public: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
protected: \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, nullptr, nullptr } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, _messageEntries }; \
        return &messageMap; \
    }

#define AFX_MSG_ENTRY(msg, code, id, crack, fn) AfxMsgEntry<crack, ThisClass>(msg, code, id, &ThisClass::fn),

#define ON_MESSAGE(msg, fn)          AFX_MSG_ENTRY(msg, 0, 0, AfxCrackRaw, fn)
#define ON_COMMAND(id, fn)           AFX_MSG_ENTRY(WM_COMMAND, 0, id, AfxCrackNoArgs, fn)
#define ON_CONTROL(code, id, fn)     AFX_MSG_ENTRY(WM_COMMAND, code, id, AfxCrackNoArgs, fn)
#define ON_BN_CLICKED(id, fn)        ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn)     ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn)      AFX_MSG_ENTRY(WM_NOTIFY, (UINT)(code), id, AfxCrackNotify, fn)
#define ON_NOTIFY_REFLECT(code, fn)  AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, AfxCrackNotify, fn)
#define ON_CONTROL_REFLECT(code, fn) AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, AfxCrackNoArgs, fn)

#define ON_WM_PAINT()           AFX_MSG_ENTRY(WM_PAINT, 0, 0, AfxCrackNoArgs, OnPaint)
#define ON_WM_DESTROY()         AFX_MSG_ENTRY(WM_DESTROY, 0, 0, AfxCrackNoArgs, OnDestroy)
#define ON_WM_SYSCOMMAND()      AFX_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, AfxCrackSysCommand, OnSysCommand)
#define ON_WM_QUERYDRAGICON()   AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, AfxCrackQueryDragIcon, OnQueryDragIcon)
#define ON_WM_MOUSEMOVE()       AFX_MSG_ENTRY(WM_MOUSEMOVE, 0, 0, AfxCrackMouse, OnMouseMove)
#define ON_WM_LBUTTONDOWN()     AFX_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, AfxCrackMouse, OnLButtonDown)
#define ON_WM_LBUTTONUP()       AFX_MSG_ENTRY(WM_LBUTTONUP, 0, 0, AfxCrackMouse, OnLButtonUp)
#define ON_WM_CAPTURECHANGED()  AFX_MSG_ENTRY(WM_CAPTURECHANGED, 0, 0, AfxCrackWndInLParam, OnCaptureChanged)
#define ON_WM_KILLFOCUS()       AFX_MSG_ENTRY(WM_KILLFOCUS, 0, 0, AfxCrackWndInWParam, OnKillFocus)
#define ON_WM_SETFOCUS()        AFX_MSG_ENTRY(WM_SETFOCUS, 0, 0, AfxCrackWndInWParam, OnSetFocus)
#define ON_WM_CTLCOLOR()        AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0, AfxCrackCtlColor, OnCtlColor)
#define ON_WM_HELPINFO()        AFX_MSG_ENTRY(WM_HELP, 0, 0, AfxCrackHelpInfo, OnHelpInfo)
#define ON_WM_SETCURSOR()       AFX_MSG_ENTRY(WM_SETCURSOR, 0, 0, AfxCrackSetCursor, OnSetCursor)
#define ON_WM_ERASEBKGND()      AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, AfxCrackEraseBkgnd, OnEraseBkgnd)
#define ON_WM_ENABLE()          AFX_MSG_ENTRY(WM_ENABLE, 0, 0, AfxCrackFlag, OnEnable)
#define ON_WM_SHOWWINDOW()      AFX_MSG_ENTRY(WM_SHOWWINDOW, 0, 0, AfxCrackShowWindow, OnShowWindow)
#define ON_WM_SIZE()            AFX_MSG_ENTRY(WM_SIZE, 0, 0, AfxCrackSize, OnSize)
#define ON_WM_HSCROLL()         AFX_MSG_ENTRY(WM_HSCROLL, 0, 0, AfxCrackScroll, OnHScroll)
#define ON_WM_GETMINMAXINFO()   AFX_MSG_ENTRY(WM_GETMINMAXINFO, 0, 0, AfxCrackMinMaxInfo, OnGetMinMaxInfo)
#define ON_WM_QUERYENDSESSION() AFX_MSG_ENTRY(WM_QUERYENDSESSION, 0, 0, AfxCrackQuery, OnQueryEndSession)
#define ON_WM_ENDSESSION()      AFX_MSG_ENTRY(WM_ENDSESSION, 0, 0, AfxCrackFlag, OnEndSession)
#define ON_WM_KEYDOWN()         AFX_MSG_ENTRY(WM_KEYDOWN, 0, 0, AfxCrackKey, OnKeyDown)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, AfxCrackMeasureItem, MeasureItem)

// ---------------------------------------------------------------------------
// Event-sink maps: (control ID, DISPID) to a handler. The entry keeps the
// handler's own parameter types and converts the event's arguments to them.

typedef void (*AFX_PEVENTINVOKE)(CCmdTarget* pTarget, AFX_PMSG pfn, DISPPARAMS* pParams);

struct AFX_EVENTSINKMAP_ENTRY {
    UINT nCtlID;
    DISPID dispid;
    const char* pszParams;   // the declared types, VTS_ strings
    AFX_PMSG pfn;
    AFX_PEVENTINVOKE pfnInvoke;
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

#define VTS_NONE ""
#define VTS_I2   "\x02"
#define VTS_I4   "\x03"
#define VTS_R8   "\x05"
#define VTS_BOOL "\x0B"

// Reads one event argument as the handler's parameter type.
template <class T> struct AfxEventArg;
template <> struct AfxEventArg<short> {
    static const VARTYPE vt = VT_I2;
    static short From(const VARIANT& v) { return v.iVal; }
};
template <> struct AfxEventArg<long> {
    static const VARTYPE vt = VT_I4;
    static long From(const VARIANT& v) { return v.lVal; }
};
template <> struct AfxEventArg<double> {
    static const VARTYPE vt = VT_R8;
    static double From(const VARIANT& v) { return v.dblVal; }
};

template <class T>
T AfxEventArgAt(DISPPARAMS* pParams, UINT nIndex)
{
    // Arguments arrive last first.
    VARIANT converted;
    ::VariantInit(&converted);
    VARIANTARG* pArg = &pParams->rgvarg[pParams->cArgs - 1 - nIndex];
    if (FAILED(::VariantChangeType(&converted, pArg, 0, AfxEventArg<T>::vt))) return T();
    return AfxEventArg<T>::From(converted);
}

template <class C, class... A, size_t... I>
void AfxInvokeEventWith(CCmdTarget* pTarget, AFX_PMSG pfn, DISPPARAMS* pParams, std::index_sequence<I...>)
{
    auto pfnTyped = reinterpret_cast<void (C::*)(A...)>(pfn);
    (static_cast<C*>(pTarget)->*pfnTyped)(AfxEventArgAt<A>(pParams, I)...);
}

template <class C, class... A>
void AfxInvokeEvent(CCmdTarget* pTarget, AFX_PMSG pfn, DISPPARAMS* pParams)
{
    if (!pParams || pParams->cArgs < sizeof...(A)) return;  // malformed event: ignored
    AfxInvokeEventWith<C, A...>(pTarget, pfn, pParams, std::index_sequence_for<A...>());
}

template <class C, class... A>
AFX_EVENTSINKMAP_ENTRY AfxSinkEntry(UINT nCtlID, DISPID dispid, const char* pszParams, void (C::*pfn)(A...))
{
    return { nCtlID, dispid, pszParams, reinterpret_cast<AFX_PMSG>(pfn), &AfxInvokeEvent<C, A...> };
}

#define DECLARE_EVENTSINK_MAP() \
public: \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap(); \
protected: \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override;

#define BEGIN_EVENTSINK_MAP(theClass, baseClass) \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const { return GetThisEventSinkMap(); } \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap() \
    { \
        typedef baseClass TheBaseClass; \
        static const AFX_EVENTSINKMAP_ENTRY _sinkEntries[] = {

#define ON_EVENT(theClass, id, dispid, pfnHandler, vtsParams) \
            AfxSinkEntry(id, dispid, vtsParams, &theClass::pfnHandler),

#define END_EVENTSINK_MAP() \
            { 0, 0, nullptr, nullptr, nullptr } \
        }; \
        static const AFX_EVENTSINKMAP sinkMap = { &TheBaseClass::GetThisEventSinkMap, _sinkEntries }; \
        return &sinkMap; \
    }

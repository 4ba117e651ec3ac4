// Message maps and event-sink maps: static tables of entries, each map chained
// to the map of the base class. Lookup walks the chain from the most derived.
#pragma once
#include "framework/AfxApi.h"
#include <oaidl.h>
#include <utility>

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

// How a handler's arguments are taken from the message.
enum AfxSig : UINT {
    AfxSig_end = 0,
    AfxSig_vv,          // void ()
    AfxSig_lwl,         // LRESULT (WPARAM, LPARAM)
    AfxSig_vwl,         // void (UINT, LPARAM)                 WM_SYSCOMMAND
    AfxSig_hv,          // HCURSOR ()                          WM_QUERYDRAGICON
    AfxSig_vwp,         // void (UINT, CPoint)                 mouse messages
    AfxSig_vWl,         // void (CWnd*) from lParam            WM_CAPTURECHANGED
    AfxSig_vWw,         // void (CWnd*) from wParam            WM_KILLFOCUS, WM_SETFOCUS
    AfxSig_hDWw,        // HBRUSH (CDC*, CWnd*, UINT)          WM_CTLCOLOR
    AfxSig_bHELPINFO,   // BOOL (HELPINFO*)                    WM_HELP
    AfxSig_bWww,        // BOOL (CWnd*, UINT, UINT)            WM_SETCURSOR
    AfxSig_bD,          // BOOL (CDC*)                         WM_ERASEBKGND
    AfxSig_vb,          // void (BOOL)                         WM_ENABLE, WM_ENDSESSION
    AfxSig_vbw,         // void (BOOL, UINT)                   WM_SHOWWINDOW
    AfxSig_vwii,        // void (UINT, int, int)               WM_SIZE
    AfxSig_vwwW,        // void (UINT, UINT, CWnd*)            WM_HSCROLL, WM_VSCROLL
    AfxSig_vMINMAX,     // void (MINMAXINFO*)                  WM_GETMINMAXINFO
    AfxSig_bv,          // BOOL ()                             WM_QUERYENDSESSION
    AfxSig_vMEASURE,    // void (LPMEASUREITEMSTRUCT)          WM_MEASUREITEM (reflected)
    AfxSig_vNMHDRpl,    // void (NMHDR*, LRESULT*)             WM_NOTIFY
    AfxSig_vwww,        // void (UINT, UINT, UINT)             WM_KEYDOWN, WM_CHAR
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;    // notification code (WM_COMMAND, WM_NOTIFY)
    UINT nID;      // control ID, 0 for window messages
    UINT nLastID;
    UINT nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

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
            { 0, 0, 0, 0, AfxSig_end, nullptr } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, _messageEntries }; \
        return &messageMap; \
    }

#define AFX_MSG_ENTRY(msg, code, id, sig, type, fn) \
    { msg, code, id, id, sig, reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn)) },

#define ON_MESSAGE(msg, fn)       AFX_MSG_ENTRY(msg, 0, 0, AfxSig_lwl, LRESULT (CWnd::*)(WPARAM, LPARAM), fn)
#define ON_COMMAND(id, fn)        AFX_MSG_ENTRY(WM_COMMAND, 0, id, AfxSig_vv, void (CCmdTarget::*)(), fn)
#define ON_CONTROL(code, id, fn)  AFX_MSG_ENTRY(WM_COMMAND, code, id, AfxSig_vv, void (CCmdTarget::*)(), fn)
#define ON_BN_CLICKED(id, fn)     ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn)  ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn) \
    AFX_MSG_ENTRY(WM_NOTIFY, (UINT)(code), id, AfxSig_vNMHDRpl, void (CCmdTarget::*)(NMHDR*, LRESULT*), fn)
#define ON_NOTIFY_REFLECT(code, fn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, AfxSig_vNMHDRpl, void (CCmdTarget::*)(NMHDR*, LRESULT*), fn)
#define ON_CONTROL_REFLECT(code, fn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, AfxSig_vv, void (CCmdTarget::*)(), fn)

#define ON_WM_PAINT()          AFX_MSG_ENTRY(WM_PAINT, 0, 0, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_DESTROY()        AFX_MSG_ENTRY(WM_DESTROY, 0, 0, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_SYSCOMMAND()     AFX_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_QUERYDRAGICON()  AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, AfxSig_hv, HCURSOR (CWnd::*)(), OnQueryDragIcon)
#define ON_WM_MOUSEMOVE()      AFX_MSG_ENTRY(WM_MOUSEMOVE, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN()    AFX_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()      AFX_MSG_ENTRY(WM_LBUTTONUP, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, 0, 0, AfxSig_vWl, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_KILLFOCUS()      AFX_MSG_ENTRY(WM_KILLFOCUS, 0, 0, AfxSig_vWw, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_SETFOCUS()       AFX_MSG_ENTRY(WM_SETFOCUS, 0, 0, AfxSig_vWw, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_CTLCOLOR()       AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_HELPINFO()       AFX_MSG_ENTRY(WM_HELP, 0, 0, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_SETCURSOR()      AFX_MSG_ENTRY(WM_SETCURSOR, 0, 0, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_ERASEBKGND()     AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_ENABLE()         AFX_MSG_ENTRY(WM_ENABLE, 0, 0, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_SHOWWINDOW()     AFX_MSG_ENTRY(WM_SHOWWINDOW, 0, 0, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_SIZE()           AFX_MSG_ENTRY(WM_SIZE, 0, 0, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_HSCROLL()        AFX_MSG_ENTRY(WM_HSCROLL, 0, 0, AfxSig_vwwW, void (CWnd::*)(UINT, UINT, CWnd*), OnHScroll)
#define ON_WM_GETMINMAXINFO()  AFX_MSG_ENTRY(WM_GETMINMAXINFO, 0, 0, AfxSig_vMINMAX, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_QUERYENDSESSION() AFX_MSG_ENTRY(WM_QUERYENDSESSION, 0, 0, AfxSig_bv, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_ENDSESSION()     AFX_MSG_ENTRY(WM_ENDSESSION, 0, 0, AfxSig_vb, void (CWnd::*)(BOOL), OnEndSession)
#define ON_WM_KEYDOWN()        AFX_MSG_ENTRY(WM_KEYDOWN, 0, 0, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, AfxSig_vMEASURE, void (CWnd::*)(LPMEASUREITEMSTRUCT), MeasureItem)

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

// How each kind of message reaches its handler. A cracker names the handler's
// type, takes the message's arguments apart for it and gives what the message
// returns. C is the class whose message map holds the entry; for window
// messages it is a window class, so C::FromHandle is CWnd's.
#pragma once
#include "framework/AfxTypes.h"

// void (): commands, WM_PAINT, WM_DESTROY.
template <class C> struct AfxCrackNoArgs {
    typedef void (C::*Handler)();
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM) { (p->*pfn)(); return 0; }
};

// LRESULT (WPARAM, LPARAM): a message handled as it comes.
template <class C> struct AfxCrackRaw {
    typedef LRESULT (C::*Handler)(WPARAM, LPARAM);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l) { return (p->*pfn)(w, l); }
};

// void (NMHDR*, LRESULT*): WM_NOTIFY, direct or reflected.
template <class C> struct AfxCrackNotify {
    typedef void (C::*Handler)(NMHDR*, LRESULT*);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM l)
    {
        LRESULT lResult = 0;
        (p->*pfn)(reinterpret_cast<NMHDR*>(l), &lResult);
        return lResult;
    }
};

// void (UINT, LPARAM): WM_SYSCOMMAND.
template <class C> struct AfxCrackSysCommand {
    typedef void (C::*Handler)(UINT, LPARAM);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l) { (p->*pfn)((UINT)w, l); return 0; }
};

// HCURSOR (): WM_QUERYDRAGICON.
template <class C> struct AfxCrackQueryDragIcon {
    typedef HCURSOR (C::*Handler)();
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM) { return (LRESULT)(p->*pfn)(); }
};

// BOOL (): WM_QUERYENDSESSION.
template <class C> struct AfxCrackQuery {
    typedef BOOL (C::*Handler)();
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM) { return (p->*pfn)(); }
};

// void (UINT nFlags, CPoint): mouse messages.
template <class C> struct AfxCrackMouse {
    typedef void (C::*Handler)(UINT, CPoint);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l) { (p->*pfn)((UINT)w, CPoint(l)); return 0; }
};

// void (UINT nChar, UINT nRepCnt, UINT nFlags): WM_KEYDOWN.
template <class C> struct AfxCrackKey {
    typedef void (C::*Handler)(UINT, UINT, UINT);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l)
    {
        (p->*pfn)((UINT)w, LOWORD(l), HIWORD(l));
        return 0;
    }
};

// void (CWnd*) from lParam: WM_CAPTURECHANGED.
template <class C> struct AfxCrackWndInLParam {
    typedef void (C::*Handler)(CWnd*);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM l)
    {
        (p->*pfn)(C::FromHandle(reinterpret_cast<HWND>(l)));
        return 0;
    }
};

// void (CWnd*) from wParam: WM_KILLFOCUS, WM_SETFOCUS.
template <class C> struct AfxCrackWndInWParam {
    typedef void (C::*Handler)(CWnd*);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM)
    {
        (p->*pfn)(C::FromHandle(reinterpret_cast<HWND>(w)));
        return 0;
    }
};

// HBRUSH (CDC*, CWnd*, UINT nCtlColor): every WM_CTLCOLORxxx, and the old
// WM_CTLCOLOR that carries the kind in lParam's high word.
template <class C> struct AfxCrackCtlColor {
    typedef HBRUSH (C::*Handler)(CDC*, CWnd*, UINT);
    static LRESULT Call(C* p, Handler pfn, UINT message, WPARAM w, LPARAM l)
    {
        CDC dc(reinterpret_cast<HDC>(w));
        UINT nCtlColor = message >= WM_CTLCOLORMSGBOX ? message - WM_CTLCOLORMSGBOX : (UINT)HIWORD(l);
        return (LRESULT)(p->*pfn)(&dc, C::FromHandle(reinterpret_cast<HWND>(l)), nCtlColor);
    }
};

// BOOL (HELPINFO*): WM_HELP.
template <class C> struct AfxCrackHelpInfo {
    typedef BOOL (C::*Handler)(HELPINFO*);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM l) { return (p->*pfn)(reinterpret_cast<HELPINFO*>(l)); }
};

// BOOL (CWnd*, UINT nHitTest, UINT message): WM_SETCURSOR.
template <class C> struct AfxCrackSetCursor {
    typedef BOOL (C::*Handler)(CWnd*, UINT, UINT);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l)
    {
        return (p->*pfn)(C::FromHandle(reinterpret_cast<HWND>(w)), LOWORD(l), HIWORD(l));
    }
};

// BOOL (CDC*): WM_ERASEBKGND.
template <class C> struct AfxCrackEraseBkgnd {
    typedef BOOL (C::*Handler)(CDC*);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM)
    {
        CDC dc(reinterpret_cast<HDC>(w));
        return (p->*pfn)(&dc);
    }
};

// void (BOOL): WM_ENABLE, WM_ENDSESSION.
template <class C> struct AfxCrackFlag {
    typedef void (C::*Handler)(BOOL);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM) { (p->*pfn)((BOOL)w); return 0; }
};

// void (BOOL bShow, UINT nStatus): WM_SHOWWINDOW.
template <class C> struct AfxCrackShowWindow {
    typedef void (C::*Handler)(BOOL, UINT);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l) { (p->*pfn)((BOOL)w, (UINT)l); return 0; }
};

// void (UINT nType, int cx, int cy): WM_SIZE.
template <class C> struct AfxCrackSize {
    typedef void (C::*Handler)(UINT, int, int);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l)
    {
        (p->*pfn)((UINT)w, (short)LOWORD(l), (short)HIWORD(l));
        return 0;
    }
};

// void (UINT nSBCode, UINT nPos, CWnd* pScrollBar): WM_HSCROLL.
template <class C> struct AfxCrackScroll {
    typedef void (C::*Handler)(UINT, UINT, CWnd*);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM w, LPARAM l)
    {
        (p->*pfn)(LOWORD(w), HIWORD(w), C::FromHandle(reinterpret_cast<HWND>(l)));
        return 0;
    }
};

// void (MINMAXINFO*): WM_GETMINMAXINFO.
template <class C> struct AfxCrackMinMaxInfo {
    typedef void (C::*Handler)(MINMAXINFO*);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM l)
    {
        (p->*pfn)(reinterpret_cast<MINMAXINFO*>(l));
        return 0;
    }
};

// void (LPMEASUREITEMSTRUCT): WM_MEASUREITEM reflected to the control; TRUE
// tells the parent that the item is measured.
template <class C> struct AfxCrackMeasureItem {
    typedef void (C::*Handler)(LPMEASUREITEMSTRUCT);
    static LRESULT Call(C* p, Handler pfn, UINT, WPARAM, LPARAM l)
    {
        (p->*pfn)(reinterpret_cast<LPMEASUREITEMSTRUCT>(l));
        return TRUE;
    }
};

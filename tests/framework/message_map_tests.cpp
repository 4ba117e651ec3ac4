#include "framework/Afx.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
// A plain window whose handlers record what they were given.
class ProbeWnd : public CWnd {
public:
    std::vector<INT_PTR> args;   // what the last handler was given
    template <class... A> void Record(A... a) { args = { (INT_PTR)a... }; }

    void OnMouseMove(UINT nFlags, CPoint pt) { Record(nFlags, pt.x, pt.y); }
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        Record(pWnd, nHitTest, message);
        return 77;
    }
    LRESULT OnCustom(WPARAM w, LPARAM l) { Record(w, l); return (LRESULT)(w + l); }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        Record(pDC->GetSafeHdc(), pWnd, nCtlColor);
        return (HBRUSH)::GetStockObject(BLACK_BRUSH);
    }
    void OnSize(UINT nType, int cx, int cy) { Record(nType, cx, cy); }
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pBar) { Record(nSBCode, nPos, pBar); }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Record(nChar, nRepCnt, nFlags); }
    void OnCaptureChanged(CWnd* pWnd) { Record(pWnd); }
    void OnKillFocus(CWnd* pWnd) { Record(pWnd); }
    void OnShowWindow(BOOL bShow, UINT nStatus) { Record(bShow, nStatus); }
    BOOL OnEraseBkgnd(CDC* pDC) { Record(pDC->GetSafeHdc()); return TRUE; }
    BOOL OnQueryEndSession() { return 55; }
    void OnItemClicked(NMHDR* pNMHDR, LRESULT* pResult) { Record(pNMHDR->idFrom); *pResult = 9; }
    void OnCommandEight() { Record(8); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeWnd, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_APP + 5, OnCustom)
    ON_WM_CTLCOLOR()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_KEYDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_KILLFOCUS()
    ON_WM_SHOWWINDOW()
    ON_WM_ERASEBKGND()
    ON_WM_QUERYENDSESSION()
    ON_NOTIFY(NM_CLICK, 7, OnItemClicked)
    ON_COMMAND(8, OnCommandEight)
END_MESSAGE_MAP()

// Derived map: overrides one entry, inherits the others through the chain.
class DerivedProbeWnd : public ProbeWnd {
public:
    int derivedMoves = 0;
    void OnMouseMove(UINT, CPoint) { ++derivedMoves; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedProbeWnd, ProbeWnd)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

HWND MakeWindow()
{
    return ::CreateWindowExW(0, L"Static", L"probe", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
}
}

TEST(MessageMapTest, HandlersReceiveDecodedArguments)
{
    ProbeWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(MakeWindow())) << "the probe takes over its window";
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    HWND hOther = MakeWindow();
    const INT_PTR pOther = (INT_PTR)CWnd::FromHandle(hOther);
    HDC hDC = ::GetDC(wnd.m_hWnd);
    NMHDR nm = { hOther, 7, (UINT)NM_CLICK };
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT lResult;
        std::vector<INT_PTR> args;
    } cases[] = {
        { WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 40), 0, { MK_LBUTTON, -3, 40 } },
        { WM_SETCURSOR, (WPARAM)hOther, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), 77, { pOther, HTCLIENT, WM_MOUSEMOVE } },
        { WM_APP + 5, 5, 7, 12, { 5, 7 } },
        { WM_CTLCOLORDLG, (WPARAM)hDC, (LPARAM)hOther, (LRESULT)::GetStockObject(BLACK_BRUSH),
          { (INT_PTR)hDC, pOther, CTLCOLOR_DLG } },
        { WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(-2, 300), 0, { SIZE_MAXIMIZED, -2, 300 } },
        { WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42), (LPARAM)hOther, 0, { SB_THUMBTRACK, 42, pOther } },
        { WM_KEYDOWN, 'K', MAKELPARAM(3, 0x25), 0, { 'K', 3, 0x25 } },
        { WM_CAPTURECHANGED, 0, (LPARAM)hOther, 0, { pOther } },
        { WM_KILLFOCUS, (WPARAM)hOther, 0, 0, { pOther } },
        { WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, 0, { TRUE, SW_PARENTOPENING } },
        { WM_ERASEBKGND, (WPARAM)hDC, 0, TRUE, { (INT_PTR)hDC } },
        { WM_QUERYENDSESSION, 0, 0, 55, {} },
        { WM_NOTIFY, 7, (LPARAM)&nm, 9, { 7 } },
        { WM_COMMAND, MAKEWPARAM(8, 0), 0, 0, { 8 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message);
        wnd.args.clear();
        EXPECT_EQ(c.lResult, ::SendMessageW(wnd.m_hWnd, c.message, c.wParam, c.lParam));
        EXPECT_EQ(c.args, wnd.args);
    }
    ::ReleaseDC(wnd.m_hWnd, hDC);
    ::DestroyWindow(hOther);
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
}

TEST(MessageMapTest, UnmappedMessagesGetDefaultProcessing)
{
    ProbeWnd wnd;
    wnd.SubclassWindow(MakeWindow());
    ::SendMessageW(wnd.m_hWnd, WM_SETTEXT, 0, (LPARAM)L"changed");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(CString(L"changed"), text);
    wnd.DestroyWindow();
}

TEST(MessageMapTest, DerivedEntriesComeFirstAndBaseEntriesStillApply)
{
    DerivedProbeWnd wnd;
    wnd.SubclassWindow(MakeWindow());
    ::SendMessageW(wnd.m_hWnd, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(1, wnd.derivedMoves);
    EXPECT_TRUE(wnd.args.empty()) << "the base's handler of the overridden entry is not called";
    EXPECT_EQ(3, ::SendMessageW(wnd.m_hWnd, WM_APP + 5, 1, 2));
    wnd.DestroyWindow();
}

TEST(MessageMapTest, ObjectDestroyedBeforeItsWindowLeavesTheWindowWorking)
{
    HWND hWnd = MakeWindow();
    {
        ProbeWnd wnd;
        wnd.SubclassWindow(hWnd);
    }
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, 0);  // must not reach the dead object
    EXPECT_TRUE(::DestroyWindow(hWnd)) << "the window outlives its object and is destroyed normally";
}

TEST(MessageMapTest, TemporaryObjectsStandInForUnknownWindows)
{
    HWND hWnd = MakeWindow();
    CWnd* p = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(p, CWnd::FromHandle(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    ::DestroyWindow(hWnd);
}

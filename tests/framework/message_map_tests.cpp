#include "framework/Afx.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
// A plain window whose handlers record what they were given.
class ProbeWnd : public CWnd {
public:
    std::vector<UINT> calls;
    CPoint lastPoint;
    UINT lastFlags = 0;
    int customResult = 0;

    void OnPaint() { calls.push_back(WM_PAINT); CWnd::OnPaint(); }
    void OnMouseMove(UINT nFlags, CPoint pt) { calls.push_back(WM_MOUSEMOVE); lastFlags = nFlags; lastPoint = pt; }
    BOOL OnSetCursor(CWnd*, UINT nHitTest, UINT message) { calls.push_back(WM_SETCURSOR); lastFlags = nHitTest; return 77; }
    LRESULT OnCustom(WPARAM w, LPARAM l) { calls.push_back(WM_APP + 5); return (LRESULT)(w + l); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor) { lastFlags = nCtlColor; return (HBRUSH)::GetStockObject(BLACK_BRUSH); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_APP + 5, OnCustom)
    ON_WM_CTLCOLOR()
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
    ASSERT_TRUE(wnd.SubclassWindow(MakeWindow()));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    ::SendMessageW(wnd.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 40));
    EXPECT_EQ((UINT)MK_LBUTTON, wnd.lastFlags);
    EXPECT_EQ(-3, wnd.lastPoint.x);
    EXPECT_EQ(40, wnd.lastPoint.y);
    EXPECT_EQ(77, ::SendMessageW(wnd.m_hWnd, WM_SETCURSOR, (WPARAM)wnd.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ((UINT)HTCLIENT, wnd.lastFlags);
    EXPECT_EQ(12, ::SendMessageW(wnd.m_hWnd, WM_APP + 5, 5, 7));
    EXPECT_EQ((LRESULT)::GetStockObject(BLACK_BRUSH), ::SendMessageW(wnd.m_hWnd, WM_CTLCOLORDLG, 0, 0));
    EXPECT_EQ((UINT)CTLCOLOR_DLG, wnd.lastFlags);
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
    EXPECT_TRUE(wnd.calls.empty());
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
    EXPECT_TRUE(::DestroyWindow(hWnd));
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

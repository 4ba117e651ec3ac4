// The binding of control 1000 with the test double: dispatch calls with
// their DISPIDs and types, events through the event-sink map, the life of
// the hosted control, and a control that cannot be created.
#include "tests/media/MediaHostDialog.h"
#include "tests/support/MediaPlayerDouble.h"
#include "tests/support/Printers.h"
#include "media/EventConnectionPoint.h"
#include "media/MediaIds.h"
#include <gtest/gtest.h>
#include <olectl.h>

namespace {
class BindingTest : public ::testing::Test {
protected:
    void SetUp() override { AfxEnableControlContainer(); }
    MediaDoubleScope m_doubles;
};

using Calls = std::vector<std::wstring>;
using Protocol = std::vector<std::wstring>;
const Protocol kTeardown = { L"deactivate with window", L"window destroyed", L"close" };

// An automation object that cannot be embedded.
class PlainObject : public DispatchObject {
protected:
    HRESULT OnInvoke(DISPID, WORD, DISPPARAMS*, VARIANT*) override { return S_OK; }
};
IUnknown* CreateNothing() { return nullptr; }
ULONG RefsOf(IUnknown* p)
{
    p->AddRef();
    return p->Release();
}
IUnknown* CreatePlainObject() { return new PlainObject; }
}

TEST_F(BindingTest, TheControlTakesThePlaceholdersPlaceIdAndRectangle)
{
    MediaHostDialog dlg;
    CRect rcPlaceholder;
    dlg.Run([&](MediaHostDialog& d) {
        ASSERT_NE(nullptr, m_doubles.Last());
        HWND hControl = ::GetDlgItem(d, 1000);
        EXPECT_EQ(m_doubles.Last()->GetWindow(), hControl);
        EXPECT_EQ(hControl, d.m_player.GetSafeHwnd());
        EXPECT_EQ(d.GetSafeHwnd(), ::GetParent(hControl));
        EXPECT_TRUE(::IsWindowVisible(hControl)) << "the control is shown";
        // The template's item: 200 x 140 dialog units at 10,10.
        RECT rcUnits = { 10, 10, 210, 150 };
        ::MapDialogRect(d, &rcUnits);
        CRect rc;
        ::GetWindowRect(hControl, &rc);
        ::MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(rcUnits.left, rc.left);
        EXPECT_EQ(rcUnits.top, rc.top);
        EXPECT_EQ(rcUnits.right, rc.right);
        EXPECT_EQ(rcUnits.bottom, rc.bottom);
        // No static placeholder is left behind.
        wchar_t szClass[64];
        ::GetClassNameW(hControl, szClass, 64);
        EXPECT_STRNE(L"Static", szClass);
        d.m_player.MoveWindow(0, 0, 100, 50);
        ::GetClientRect(hControl, &rc);
        EXPECT_EQ(100, rc.Width());
        EXPECT_EQ(50, rc.Height());
        d.m_player.SetWindowPos(nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    });
    // The persisted properties come before activation; every move goes
    // through the site with the control's rectangle in the dialog.
    const Protocol& protocol = m_doubles.Last()->m_protocol;
    ASSERT_LE(4u, protocol.size());
    EXPECT_EQ((Protocol{ L"properties uiMode=none stretchToFit=true enableContextMenu=false autoStart=false", L"activate",
                         L"rects 0,0,100,50", L"rects 5,6,105,56" }),
              Protocol(protocol.begin(), protocol.begin() + 4));
}

TEST_F(BindingTest, CallsReachTheControlWithTheirArguments)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        MediaPlayerDouble* pDouble = m_doubles.Last();
        ASSERT_NE(nullptr, pDouble);
        pDouble->m_nPlayState = kPlayStatePlaying;
        pDouble->m_dPosition = 12.25;
        d.m_player.put_URL(L"C:\\Movies\\a b.wmv");
        EXPECT_EQ(kPlayStatePlaying, d.m_player.get_playState());
        CWMPControls3(d.m_player.get_controls()).play();
        CWMPControls3(d.m_player.get_controls()).put_currentPosition(1.5);
        EXPECT_DOUBLE_EQ(12.25, CWMPControls3(d.m_player.get_controls()).get_currentPosition());
        CWMPControls3(d.m_player.get_controls()).stop();
        CWMPSettings(d.m_player.get_settings()).put_volume(75);
        CWMPSettings(d.m_player.get_settings()).put_enableErrorDialogs(FALSE);
        d.m_player.close();
        Calls expected = { L"put URL C:\\Movies\\a b.wmv", L"get playState", L"play", L"put currentPosition 1.5",
                           L"get currentPosition", L"stop", L"put volume 75", L"put enableErrorDialogs 0", L"close" };
        EXPECT_EQ(expected, pDouble->m_calls);
    });
}

TEST_F(BindingTest, SubObjectsAreReleasedAfterEachUse)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        MediaPlayerDouble* pDouble = m_doubles.Last();
        ULONG nBefore = pDouble->RefCount();
        {
            CWMPControls3 controls(d.m_player.get_controls());
            ASSERT_NE(nullptr, controls.m_lpDispatch);
            EXPECT_EQ(nBefore + 1, pDouble->RefCount());
        }
        CWMPSettings(d.m_player.get_settings()).put_volume(1);
        EXPECT_EQ(nBefore, pDouble->RefCount());
    });
}

TEST_F(BindingTest, EventsArriveWithTheDeclaredParameterTypes)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        MediaPlayerDouble* pDouble = m_doubles.Last();
        pDouble->FireOpenStateChange(kOpenStateBeginCodecAcquisition);
        pDouble->FirePlayStateChange(kPlayStateMediaEnded);
        pDouble->FireClick(2, 4, 300, -40);
        pDouble->FireDoubleClick(1, 0, 7, 8);
        pDouble->FireKeyDown(VK_ESCAPE, 1);
        pDouble->FireMouseMove(0, 2, 70000, 5);
        ASSERT_EQ(6u, d.m_events.size());
        EXPECT_EQ(MediaDispid::OpenStateChange, d.m_events[0].dispid);
        EXPECT_EQ(kOpenStateBeginCodecAcquisition, d.m_events[0].nState);
        EXPECT_EQ(MediaDispid::PlayStateChange, d.m_events[1].dispid);
        EXPECT_EQ(kPlayStateMediaEnded, d.m_events[1].nState);
        const ReceivedEvent& click = d.m_events[2];
        EXPECT_EQ(MediaDispid::Click, click.dispid);
        EXPECT_EQ(2, click.nButton);
        EXPECT_EQ(4, click.nShift);
        EXPECT_EQ(300, click.x);
        EXPECT_EQ(-40, click.y);
        EXPECT_EQ(MediaDispid::DoubleClick, d.m_events[3].dispid);
        EXPECT_EQ(7, d.m_events[3].x);
        const ReceivedEvent& key = d.m_events[4];
        EXPECT_EQ(MediaDispid::KeyDown, key.dispid);
        EXPECT_EQ(VK_ESCAPE, key.nButton);
        EXPECT_EQ(1, key.nShift);
        const ReceivedEvent& move = d.m_events[5];
        EXPECT_EQ(MediaDispid::MouseMove, move.dispid);
        EXPECT_EQ(2, move.nShift);
        EXPECT_EQ(70000, move.x);  // a long, not cut to 16 bits
    });
}

TEST_F(BindingTest, EventsFiredInsideACallArriveBeforeItReturns)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        MediaPlayerDouble* pDouble = m_doubles.Last();
        pDouble->m_onCall = [pDouble](const std::wstring& call) {
            if (call.rfind(L"put URL", 0) == 0) pDouble->FirePlayStateChange(kPlayStateReady);
            if (call == L"play") pDouble->FirePlayStateChange(kPlayStatePlaying);
        };
        d.m_player.put_URL(L"x.wmv");
        EXPECT_TRUE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStateReady)) << "ready arrived inside put URL";
        CWMPControls3(d.m_player.get_controls()).play();
        EXPECT_TRUE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStatePlaying)) << "playing arrived inside play";
    });
}

TEST_F(BindingTest, TheControlGoesWithItsDialog)
{
    HWND hControl = nullptr;
    {
        MediaHostDialog dlg;
        dlg.Run([&](MediaHostDialog& d) { hControl = d.m_player.GetSafeHwnd(); });
        EXPECT_EQ(nullptr, dlg.m_player.GetSafeHwnd());
        EXPECT_EQ(nullptr, dlg.m_player.GetControlUnknown());
    }
    MediaPlayerDouble* pDouble = m_doubles.Last();
    ASSERT_NE(nullptr, pDouble);
    EXPECT_FALSE(::IsWindow(hControl)) << "the control window is destroyed with the dialog";
    EXPECT_EQ(nullptr, pDouble->GetWindow());
    // Only the scope holds it now, and events reach no one.
    EXPECT_EQ(1u, pDouble->RefCount());
    pDouble->FirePlayStateChange(kPlayStateMediaEnded);
    // Closed while its window was there: the control destroyed it itself.
    ASSERT_LE(kTeardown.size(), pDouble->m_protocol.size());
    EXPECT_EQ(kTeardown, Protocol(pDouble->m_protocol.end() - kTeardown.size(), pDouble->m_protocol.end()));
}

TEST_F(BindingTest, DestroyingTheControlsWindowClosesTheControlFirst)
{
    MediaHostDialog dlg;
    dlg.Run([&](MediaHostDialog& d) {
        EXPECT_TRUE(d.m_player.DestroyWindow()) << "the control's window can be destroyed";
        EXPECT_EQ(nullptr, d.m_player.GetSafeHwnd());
        EXPECT_EQ(nullptr, ::GetDlgItem(d, 1000));
        EXPECT_EQ(kTeardown, Protocol(m_doubles.Last()->m_protocol.end() - kTeardown.size(),
                                      m_doubles.Last()->m_protocol.end()));
    });
    EXPECT_EQ(1u, m_doubles.Last()->RefCount());
}

TEST(EventPointTest, HoldsEachSinkUntilItIsUnadvised)
{
    EventConnectionPoint* pPoint = new EventConnectionPoint(nullptr, IID_IDispatch);
    PlainObject* pSink = new PlainObject;
    DWORD dwFirst = 0, dwSecond = 0;
    ASSERT_EQ(S_OK, pPoint->Advise(pSink, &dwFirst));
    ASSERT_EQ(S_OK, pPoint->Advise(pSink, &dwSecond));
    EXPECT_EQ(3u, RefsOf(pSink)) << "each connection holds the sink once";
    pPoint->Fire(MediaDispid::PlayStateChange, { EventArgI4(kPlayStatePlaying) });
    EXPECT_EQ(3u, RefsOf(pSink)) << "a fired event gives back what it held";
    EXPECT_EQ(S_OK, pPoint->Unadvise(dwFirst));
    EXPECT_EQ(CONNECT_E_NOCONNECTION, pPoint->Unadvise(dwFirst)) << "a cookie is unadvised once";
    EXPECT_EQ(2u, RefsOf(pSink)) << "an unadvised connection lets go of the sink";
    pPoint->Release();
    EXPECT_EQ(1u, RefsOf(pSink)) << "the point's last release lets go of every sink";
    pSink->Release();
}

TEST_F(BindingTest, EachDialogHostsItsOwnControl)
{
    MediaHostDialog first, second;
    first.Run([](MediaHostDialog&) {});
    second.Run([&](MediaHostDialog& d) {
        m_doubles.Last()->FirePlayStateChange(kPlayStatePlaying);
        EXPECT_TRUE(d.HasEvent(MediaDispid::PlayStateChange, kPlayStatePlaying)) << "the dialog hears its control";
    });
    EXPECT_EQ(2u, m_doubles.Count());
    EXPECT_TRUE(first.m_events.empty()) << "the first dialog hears nothing of the second's control";
}

class UncreatableControlTest : public ::testing::TestWithParam<MediaObjectFactory> {
protected:
    void SetUp() override
    {
        AfxEnableControlContainer();
        m_pfnPrevious = SetMediaObjectFactory(GetParam());
    }
    void TearDown() override { SetMediaObjectFactory(m_pfnPrevious); }
    MediaObjectFactory m_pfnPrevious = nullptr;
};

TEST_P(UncreatableControlTest, LeavesAnEmptyControlAndAWorkingDialog)
{
    MediaHostDialog dlg;
    bool bRan = false;
    INT_PTR nResult = dlg.Run([&](MediaHostDialog& d) {
        bRan = true;
        HWND hItem = ::GetDlgItem(d, 1000);
        ASSERT_NE(nullptr, hItem);
        EXPECT_EQ(hItem, d.m_player.GetSafeHwnd());
        EXPECT_EQ(nullptr, d.m_player.GetControlUnknown());
        // Every call is silently nothing.
        d.m_player.put_URL(L"C:\\a.wmv");
        d.m_player.close();
        EXPECT_EQ(0, d.m_player.get_playState());
        EXPECT_EQ(nullptr, d.m_player.get_controls());
        CWMPControls3 controls(d.m_player.get_controls());
        controls.play();
        EXPECT_EQ(0.0, controls.get_currentPosition());
        CWMPSettings(d.m_player.get_settings()).put_volume(50);
        d.m_player.MoveWindow(0, 0, 40, 30);
        d.m_player.SetCapture();
        EXPECT_EQ(d.m_player.GetSafeHwnd(), ::GetCapture());
        ::ReleaseCapture();
    });
    EXPECT_TRUE(bRan) << "the dialog ran";
    EXPECT_EQ(IDOK, nResult);
}

INSTANTIATE_TEST_SUITE_P(NoObjectOrNoEmbedding, UncreatableControlTest,
                         ::testing::Values(&CreateNothing, &CreatePlainObject));

#include "framework/Afx.h"
#include <gtest/gtest.h>

namespace {
class SinkProbe : public CCmdTarget {
public:
    short nButton = -1, nShift = -1;
    long x = -1, y = -1, nState = -1;
    int nCalls = 0;
    void OnClick(short button, short shift, long fx, long fy) { ++nCalls; nButton = button; nShift = shift; x = fx; y = fy; }
    void OnState(long state) { ++nCalls; nState = state; }
    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(SinkProbe, CCmdTarget)
    ON_EVENT(SinkProbe, 1000, 6505, OnClick, VTS_I2 VTS_I2 VTS_I4 VTS_I4)
    ON_EVENT(SinkProbe, 1000, 5101, OnState, VTS_I4)
END_EVENTSINK_MAP()

VARIANT I4(long v) { VARIANT r; ::VariantInit(&r); r.vt = VT_I4; r.lVal = v; return r; }
}

TEST(EventSinkTest, ArgumentsArriveInOrderConvertedToTheHandlersTypes)
{
    SinkProbe probe;
    // Dispatch arguments are stored last first.
    VARIANT args[4] = { I4(40), I4(30), I4(4), I4(1) };
    DISPPARAMS params = { args, nullptr, 4, 0 };
    EXPECT_TRUE(probe.OnEvent(1000, 6505, &params));
    EXPECT_EQ(1, probe.nButton);
    EXPECT_EQ(4, probe.nShift);
    EXPECT_EQ(30, probe.x);
    EXPECT_EQ(40, probe.y);
}

TEST(EventSinkTest, StringArgumentsAreConverted)
{
    SinkProbe probe;
    VARIANT arg;
    ::VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = ::SysAllocString(L"8");
    DISPPARAMS params = { &arg, nullptr, 1, 0 };
    EXPECT_TRUE(probe.OnEvent(1000, 5101, &params));
    EXPECT_EQ(8, probe.nState);
    ::VariantClear(&arg);
}

TEST(EventSinkTest, UnknownEventsAndShortArgumentListsAreIgnored)
{
    SinkProbe probe;
    VARIANT arg = I4(3);
    DISPPARAMS params = { &arg, nullptr, 1, 0 };
    EXPECT_FALSE(probe.OnEvent(1000, 9999, &params));
    EXPECT_FALSE(probe.OnEvent(1001, 5101, &params));
    EXPECT_TRUE(probe.OnEvent(1000, 6505, &params));  // handled, but too few arguments to call
    EXPECT_EQ(0, probe.nCalls);
}

// The player's one-shot timers on their own, with a window of the test.
#include "player/MmTimer.h"
#include "tests/support/MessagePump.h"
#include <gtest/gtest.h>

namespace {
class OneShotTimerTest : public ::testing::Test {
protected:
    OneShotTimerTest()
        : m_hWnd(::CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
    {
    }
    ~OneShotTimerTest() override { ::DestroyWindow(m_hWnd); }

    // Arms a 1 ms timer and waits for its post.
    bool FiresOnce()
    {
        const LONG nBefore = CountTimerPosts();
        UINT nTimerID = SetOneShotTimer(1, m_hWnd);
        return nTimerID && PumpMessagesUntil([&] { return CountTimerPosts() > nBefore; }, 1000);
    }

    HWND m_hWnd;
};
}

// Timer identifiers come round again (Wine's after 4096 timers): a timer
// killed before it fired must leave nothing that silences a later timer
// which gets its identifier.
TEST_F(OneShotTimerTest, TimersKilledBeforeTheyFiredSilenceNoLaterTimer)
{
    for (int i = 0; i < 5000; ++i) {
        UINT nTimerID = SetOneShotTimer(60000, m_hWnd);
        ASSERT_NE(0u, nTimerID);
        KillOneShotTimer(nTimerID);
        EXPECT_EQ(0u, nTimerID);
    }
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(FiresOnce()) << i;
}

// A timer that fires as the window goes, after the kill can no longer reach
// it, must not post to the window once it has ended the posts.
TEST_F(OneShotTimerTest, NoTimerPostsToAWindowThatEndedItsPosts)
{
    for (int i = 0; i < 200; ++i) {
        UINT nTimerID = SetOneShotTimer(1, m_hWnd);
        ASSERT_NE(0u, nTimerID);
        ::Sleep(static_cast<DWORD>(i % 3));
        KillOneShotTimer(nTimerID);
        EndTimerPosts(m_hWnd);
        const LONG nEnded = CountTimerPosts();
        ::Sleep(5);
        EXPECT_EQ(nEnded, CountTimerPosts()) << i;
    }
    EXPECT_TRUE(FiresOnce());
}

// Holds the player timers' posts against the life of the window they serve,
// on the calling thread: a post counted after a top-level window's WM_DESTROY
// has been handled, or a timer message taken from the queue for a window
// that no longer exists, comes too late. One watch at a time.
#pragma once
#include <windows.h>

class TimerPostWatch {
public:
    TimerPostWatch();
    ~TimerPostWatch();
    TimerPostWatch(const TimerPostWatch&) = delete;
    TimerPostWatch& operator=(const TimerPostWatch&) = delete;

    // Watches for the next top-level window to be destroyed.
    void Reset();
    bool SawDestroy() const { return m_bDestroyed; }
    // Timer posts since that WM_DESTROY was handled; 0 before it.
    LONG PostsAfterDestroy() const;
    // Timer messages taken from the queue for windows that were gone.
    LONG LateMessages() const { return m_nLateMessages; }

private:
    static LRESULT CALLBACK OnCallWndProcRet(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK m_hDestroyHook;
    HHOOK m_hMessageHook;
    bool m_bDestroyed;
    LONG m_nPostsAtDestroy;
    LONG m_nLateMessages;
};

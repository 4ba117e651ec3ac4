#include "tests/player/TimerPostWatch.h"
#include "player/MmTimer.h"

namespace {
TimerPostWatch* g_pWatch = nullptr;

bool IsTopLevel(HWND hWnd) { return ::GetAncestor(hWnd, GA_PARENT) == ::GetDesktopWindow(); }
}

TimerPostWatch::TimerPostWatch()
    : m_hDestroyHook(::SetWindowsHookExW(WH_CALLWNDPROCRET, OnCallWndProcRet, nullptr, ::GetCurrentThreadId())),
      m_hMessageHook(::SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, ::GetCurrentThreadId())),
      m_bDestroyed(false), m_nPostsAtDestroy(0), m_nLateMessages(0)
{
    g_pWatch = this;
}

TimerPostWatch::~TimerPostWatch()
{
    ::UnhookWindowsHookEx(m_hMessageHook);
    ::UnhookWindowsHookEx(m_hDestroyHook);
    g_pWatch = nullptr;
}

void TimerPostWatch::Reset() { m_bDestroyed = false; }

LONG TimerPostWatch::PostsAfterDestroy() const { return m_bDestroyed ? CountTimerPosts() - m_nPostsAtDestroy : 0; }

LRESULT CALLBACK TimerPostWatch::OnCallWndProcRet(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pCall = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pWatch && !g_pWatch->m_bDestroyed && pCall->message == WM_DESTROY &&
        IsTopLevel(pCall->hwnd)) {
        g_pWatch->m_nPostsAtDestroy = CountTimerPosts();
        g_pWatch->m_bDestroyed = true;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK TimerPostWatch::OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && g_pWatch && pMsg->message == WM_APP_MMTIMER &&
        !::IsWindow(pMsg->hwnd))
        ++g_pWatch->m_nLateMessages;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

#include "tests/support/MessagePump.h"
#include "tests/support/RunEnvironment.h"

namespace {
void DispatchPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        HWND hDialog = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (hDialog && ::IsDialogMessageW(hDialog, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD dwTimeoutMs)
{
    const DWORD dwStart = ::GetTickCount(), dwLimit = TestTime(dwTimeoutMs);
    for (;;) {
        DispatchPending();
        if (done()) return true;
        if (::GetTickCount() - dwStart >= dwLimit) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpMessagesFor(DWORD dwMs)
{
    PumpMessagesUntil([] { return false; }, dwMs);
}

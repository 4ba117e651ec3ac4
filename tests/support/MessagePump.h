// Runs the thread's messages (inside a dialog's modal loop, say) until a
// condition holds or the time runs out.
#pragma once
#include <windows.h>
#include <functional>

// True when done() held before dwTimeoutMs passed.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD dwTimeoutMs);
// Runs the messages for dwMs.
void PumpMessagesFor(DWORD dwMs);

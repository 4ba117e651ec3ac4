// Runs a dialog modally and acts on it from inside its own modal loop once it
// is on the screen, the way a user meets it.
#pragma once
#include "framework/Afx.h"
#include <functional>

// The result of a dialog that was still open when the time ran out.
const INT_PTR kModalTimedOut = -2;

// Calls action once, as soon as the dialog is visible; ends the dialog with
// kModalTimedOut if it is still open after dwTimeoutMs.
INT_PTR RunModalWith(CDialog& dlg, std::function<void(CDialog&)> action, DWORD dwTimeoutMs = 10000);

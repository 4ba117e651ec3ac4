// Which window classes a dialog template names. The common controls library
// costs start-up time, so a dialog made of the system's own classes only (the
// full-screen player, say) is created without it.
#pragma once
#include "framework/AfxExport.h"
#include <windows.h>

// Whether every control of the template, and the dialog itself, is of a class
// that user32 registers (button, edit, static, list box, scroll bar, combo
// box). A template that cannot be read within cbTemplate bytes answers false,
// so that the caller prepares for any class.
AFX_API bool AfxTemplateUsesSystemClassesOnly(const DLGTEMPLATE* pTemplate, DWORD cbTemplate);

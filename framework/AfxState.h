// The framework's process-wide state and its global helpers.
#pragma once
#include "framework/AfxExport.h"

class CWinApp;
class CWnd;

AFX_API CWinApp* AfxGetApp();
AFX_API CWnd* AfxGetMainWnd();
AFX_API HINSTANCE AfxGetInstanceHandle();
// The module that dialog templates and strings are loaded from.
AFX_API HINSTANCE AfxGetResourceHandle();
AFX_API void AfxSetResourceHandle(HINSTANCE hResource);
AFX_API BOOL AfxFreeLibrary(HINSTANCE hInstLib);
// Prepares the process for hosting ActiveX controls in dialogs.
AFX_API void AfxEnableControlContainer();
// Initialises OLE on this thread before its first control; false when
// control hosting is not enabled or OLE cannot start.
AFX_API bool AfxEnsureOleInitialized();

// The window being created by the framework is attached to pWnd as soon as
// the system creates it, so that pWnd sees its very first messages.
AFX_API void AfxHookWindowCreate(CWnd* pWnd);
AFX_API BOOL AfxUnhookWindowCreate();
void AfxAttachCreatingWindow(HWND hWnd);

// Used by the application object.
void AfxRegisterApp(CWinApp* pApp);
void AfxInitInstanceHandle(HINSTANCE hInstance);
// Registers the common control classes that dialog templates use.
AFX_API void AfxEnsureCommonControls();

// The message being dispatched on this thread, for CWnd::Default.
struct AfxCurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
AfxCurrentMessage* AfxGetCurrentMessage();

#include "framework/AfxState.h"
#include "framework/CWinApp.h"
#include <ole2.h>
#include <commctrl.h>

namespace {
struct AfxModuleState {
    CWinApp* pApp = nullptr;
    HINSTANCE hInstance = ::GetModuleHandleW(nullptr);
    HINSTANCE hResource = ::GetModuleHandleW(nullptr);
    bool bContainerEnabled = false;
};

AfxModuleState& State()
{
    static AfxModuleState state;
    return state;
}

thread_local AfxCurrentMessage t_currentMessage{};
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCreate = nullptr;

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && t_pWndInit) {
        AfxAttachCreatingWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(t_hHookCreate, nCode, wParam, lParam);
}
}

// Subclasses the window that the system is creating for t_pWndInit.
void AfxAttachCreatingWindow(HWND hWnd)
{
    CWnd* pWnd = t_pWndInit;
    t_pWndInit = nullptr;
    pWnd->Attach(hWnd);
    pWnd->m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
}

CWinApp* AfxGetApp() { return State().pApp; }

CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = State().pApp;
    return pApp ? pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() { return State().hInstance; }
HINSTANCE AfxGetResourceHandle() { return State().hResource; }
void AfxSetResourceHandle(HINSTANCE hResource) { State().hResource = hResource; }
BOOL AfxFreeLibrary(HINSTANCE hInstLib) { return hInstLib ? ::FreeLibrary(hInstLib) : FALSE; }

void AfxEnableControlContainer() { State().bContainerEnabled = true; }

bool AfxEnsureOleInitialized()
{
    // OLE starts with the thread's first control rather than with the
    // process: loading COM costs start-up time the player's window waits for.
    thread_local const bool t_bReady = State().bContainerEnabled && SUCCEEDED(::OleInitialize(nullptr));
    return t_bReady;
}

void AfxRegisterApp(CWinApp* pApp) { State().pApp = pApp; }

void AfxInitInstanceHandle(HINSTANCE hInstance)
{
    State().hInstance = hInstance;
    State().hResource = hInstance;
}

void AfxEnsureCommonControls()
{
    static const BOOL bDone = [] {
        INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES };
        return ::InitCommonControlsEx(&icc);
    }();
    (void)bDone;
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    t_pWndInit = pWnd;
    if (!t_hHookCreate)
        t_hHookCreate = ::SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
}

BOOL AfxUnhookWindowCreate()
{
    if (t_hHookCreate) {
        ::UnhookWindowsHookEx(t_hHookCreate);
        t_hHookCreate = nullptr;
    }
    BOOL bAttached = t_pWndInit == nullptr;
    t_pWndInit = nullptr;
    return bAttached;
}

AfxCurrentMessage* AfxGetCurrentMessage() { return &t_currentMessage; }

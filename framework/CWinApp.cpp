#include "framework/CWinApp.h"
#include "framework/AfxState.h"

CWinApp::CWinApp(const wchar_t* pszAppName) : m_pszAppName(pszAppName) { AfxRegisterApp(this); }

CWinApp::~CWinApp()
{
    if (AfxGetApp() == this) AfxRegisterApp(nullptr);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    HINSTANCE hRes = AfxGetResourceHandle();
    if (!::FindResourceW(hRes, MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(14)))
        hRes = AfxGetInstanceHandle();
    return ::LoadIconW(hRes, MAKEINTRESOURCEW(nIDResource));
}

// The product ships no help file, so the help command has nothing to open.
void CWinApp::OnHelp() {}

int AfxWinMain(HINSTANCE hInstance, wchar_t* lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return -1;
    AfxInitInstanceHandle(hInstance);
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitInstance()) return pApp->ExitInstance();
    return pApp->Run();
}

const AFX_MSGMAP* CWinApp::GetThisMessageMap() { return CCmdTarget::GetThisMessageMap(); }
const AFX_MSGMAP* CWinApp::GetMessageMap() const { return GetThisMessageMap(); }

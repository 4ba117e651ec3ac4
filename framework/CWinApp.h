// The application object and the entry point that drives it.
#pragma once
#include "framework/CWnd.h"

// The framework's help command.
#define ID_HELP 0xE146

class AFX_API CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const wchar_t* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();

    BOOL Enable3dControls() { return TRUE; }  // the system draws 3-D controls itself
    // Loads an icon group from the resource module, else from the program.
    HICON LoadIcon(UINT nIDResource) const;
    void OnHelp();

    HINSTANCE m_hInstance = nullptr;
    wchar_t* m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    const wchar_t* m_pszAppName;

    DECLARE_MESSAGE_MAP()
};

// Called by the program's wWinMain.
AFX_API int AfxWinMain(HINSTANCE hInstance, wchar_t* lpCmdLine, int nCmdShow);

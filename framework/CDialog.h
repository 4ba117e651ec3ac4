// Modal dialogs from a template of the current resource module.
#pragma once
#include "framework/CWnd.h"

class CDialog;

// Binds controls to members (no values are exchanged in this program).
class AFX_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Subclasses dialog item nIDC with rControl, once.
AFX_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class AFX_API CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog; -1 when its template is not in the resource module
    // or the window cannot be created. Without a parent the dialog belongs
    // to the application's main window, which takes no input meanwhile.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    UINT GetTemplateID() const { return m_nIDTemplate; }

    DECLARE_DYNAMIC(CDialog)
    DECLARE_MESSAGE_MAP()

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};

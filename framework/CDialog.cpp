#include "framework/CDialog.h"
#include "framework/AfxState.h"
#include "framework/DialogTemplateClasses.h"

namespace {
// The dialog manager's own procedure: every message has already been through
// the dialog object's WindowProc, so there is nothing left to do here.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The template and its size in bytes.
const DLGTEMPLATE* FindDialogTemplate(UINT nIDTemplate, DWORD& cbTemplate)
{
    HINSTANCE hRes = AfxGetResourceHandle();
    HRSRC hResInfo = ::FindResourceW(hRes, MAKEINTRESOURCEW(nIDTemplate), MAKEINTRESOURCEW(5));
    if (!hResInfo) return nullptr;
    HGLOBAL hData = ::LoadResource(hRes, hResInfo);
    cbTemplate = ::SizeofResource(hRes, hResInfo);
    return hData ? static_cast<const DLGTEMPLATE*>(::LockResource(hData)) : nullptr;
}

// The window a modal dialog belongs to: its parent, or without one the
// application's main window; a popup cannot be owned by a child window, so
// the top-level window of either. None before a main window exists.
HWND FindOwner(CWnd* pParentWnd)
{
    CWnd* pOwner = pParentWnd ? pParentWnd : AfxGetMainWnd();
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    while (hOwner && (::GetWindowLongW(hOwner, GWL_STYLE) & WS_CHILD)) hOwner = ::GetParent(hOwner);
    return hOwner;
}
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd) rControl.SubclassDlgItem((UINT)nIDC, pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal()
{
    DWORD cbTemplate = 0;
    const DLGTEMPLATE* pTemplate = FindDialogTemplate(m_nIDTemplate, cbTemplate);
    if (!pTemplate) return -1;
    if (!AfxTemplateUsesSystemClassesOnly(pTemplate, cbTemplate)) AfxEnsureCommonControls();
    // The system's modal loop disables the owner until the dialog ends, then
    // enables it again and gives it back the activation.
    HWND hOwner = FindOwner(m_pParentWnd);
    AfxHookWindowCreate(this);
    INT_PTR nResult = ::DialogBoxIndirectParamW(AfxGetInstanceHandle(), pTemplate, hOwner, AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return nResult;
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_INITDIALOG) {
        *pResult = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

// CWnd has no record of its own: the nearest base that has one is CCmdTarget.
IMPLEMENT_DYNAMIC(CDialog, CCmdTarget)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

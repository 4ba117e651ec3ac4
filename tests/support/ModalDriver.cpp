#include "tests/support/ModalDriver.h"
#include "tests/support/RunEnvironment.h"

namespace {
struct ModalDrive {
    CDialog* pDlg;
    std::function<void(CDialog&)> action;
    bool bActed;
    DWORD dwStart;
    DWORD dwTimeoutMs;
};
thread_local ModalDrive* t_pDrive = nullptr;

// A thread timer: the dialog's modal loop dispatches it like any message.
void CALLBACK OnDriveTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ModalDrive* pDrive = t_pDrive;
    HWND hDlg = pDrive ? pDrive->pDlg->m_hWnd : nullptr;
    if (!hDlg) return;
    if (::GetTickCount() - pDrive->dwStart > pDrive->dwTimeoutMs) {
        ::EndDialog(hDlg, kModalTimedOut);
        return;
    }
    if (pDrive->bActed || !::IsWindowVisible(hDlg)) return;
    pDrive->bActed = true;
    pDrive->action(*pDrive->pDlg);
}
}

INT_PTR RunModalWith(CDialog& dlg, std::function<void(CDialog&)> action, DWORD dwTimeoutMs)
{
    ModalDrive drive{ &dlg, std::move(action), false, ::GetTickCount(), TestTime(dwTimeoutMs) };
    t_pDrive = &drive;
    const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 20, OnDriveTimer);
    const INT_PTR nResult = dlg.DoModal();
    ::KillTimer(nullptr, idTimer);
    t_pDrive = nullptr;
    return nResult;
}

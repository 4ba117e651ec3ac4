#include "controls/AbstractDialog.h"
#include "controls/SkinColors.h"

BEGIN_MESSAGE_MAP(AbstractDialog, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

AbstractDialog::AbstractDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_hbrBackground(::CreateSolidBrush(SkinColors::kDialog)) {}

AbstractDialog::~AbstractDialog() { ::DeleteObject(m_hbrBackground); }

BOOL AbstractDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}

void AbstractDialog::OnPaint()
{
    CPaintDC dc(this);
    PaintBackground(dc);
}

HBRUSH AbstractDialog::OnCtlColor(CDC* pDC, CWnd*, UINT nCtlColor)
{
    // Edit fields and lists keep their own white background.
    if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC && nCtlColor != CTLCOLOR_BTN)
        return (HBRUSH)Default();
    ::SetBkColor(*pDC, SkinColors::kDialog);
    ::SetTextColor(*pDC, SkinColors::kText);
    return m_hbrBackground;
}

LRESULT AbstractDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The background is painted here rather than by the map, so that it is
    // there for printing (WM_PRINTCLIENT) whatever a derived map routes.
    if (message == WM_ERASEBKGND) {
        PaintBackground((HDC)wParam);
        return TRUE;
    }
    if (message == WM_PRINTCLIENT && (lParam & PRF_ERASEBKGND)) PaintBackground((HDC)wParam);
    return CDialog::WindowProc(message, wParam, lParam);
}

void AbstractDialog::PaintBackground(HDC hdc)
{
    CRect rc;
    GetClientRect(&rc);
    ::FillRect(hdc, &rc, m_hbrBackground);
}

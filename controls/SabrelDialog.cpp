#include "controls/SabrelDialog.h"

BEGIN_MESSAGE_MAP(SabrelDialog, AbstractDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

SabrelDialog::SabrelDialog(UINT nIDTemplate, CWnd* pParentWnd) : AbstractDialog(nIDTemplate, pParentWnd) {}
SabrelDialog::~SabrelDialog() = default;

void SabrelDialog::DoDataExchange(CDataExchange* pDX) { AbstractDialog::DoDataExchange(pDX); }

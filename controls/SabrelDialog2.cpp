#include "controls/SabrelDialog2.h"

// AbstractDialog has no record of its own.
IMPLEMENT_DYNAMIC(SabrelDialog2, CDialog)

BEGIN_MESSAGE_MAP(SabrelDialog2, AbstractDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

SabrelDialog2::SabrelDialog2(UINT nIDTemplate, CWnd* pParentWnd) : AbstractDialog(nIDTemplate, pParentWnd) {}
SabrelDialog2::~SabrelDialog2() = default;

void SabrelDialog2::DoDataExchange(CDataExchange* pDX) { AbstractDialog::DoDataExchange(pDX); }

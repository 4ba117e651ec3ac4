#include "app/DisplayRequiredDialog.h"
#include "res/ids.h"

DisplayRequiredDialog::DisplayRequiredDialog(CWnd* pParent) : CDialog(IDD_DISPLAY_REQUIRED, pParent) {}

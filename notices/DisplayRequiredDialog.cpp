#include "notices/DisplayRequiredDialog.h"
#include "res/ids.h"

DisplayRequiredDialog::DisplayRequiredDialog(CWnd* pParent) : NoticeDialog(IDD_DISPLAY_REQUIRED, pParent) {}

#include "notices/MissingCodecDialog.h"
#include "res/ids.h"

MissingCodecDialog::MissingCodecDialog(CWnd* pParent) : NoticeDialog(IDD_MISSING_CODEC, pParent) {}

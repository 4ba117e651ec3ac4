#include "player/AboutDialog.h"
#include "res/ids.h"

AboutDialog::AboutDialog() : CDialog(IDD_ABOUTBOX) {}

// The text the settings dialog's title label shows for a movie title.
#pragma once
#include "framework/Afx.h"

// Titles are read with at most 40 characters. When those take more than 41
// bytes in the system's ANSI code page (terminator included), the label
// shows their first 21 characters; otherwise all of them. A cut never splits
// a surrogate pair.
CString TitleLabelText(const CString& strTitle);

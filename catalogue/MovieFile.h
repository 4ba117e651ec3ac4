// The rules by which a file name counts as a movie, and its title and shape tag.
#pragma once
#include "framework/Afx.h"

// The one lowercase mapping used for every comparison of titles.
CString LowerText(const CString& strText);

// True when the name, lowercased, holds ".wmv", ".mpg", ".mpeg" or ".avi"
// anywhere after its first character (a substring test, not the ending).
bool IsMovieFileName(const CString& strName);

// The name without its extension: the text before the last '.'.
CString FileTitle(const CString& strName);

// The text after the last space of a lowercased title; empty without a space.
CString ShapeTag(const CString& strLowerTitle);

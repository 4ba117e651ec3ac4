// Where the stock content lies: the content root, its movie folders and the
// pictures shown in place of a movie.
#pragma once
#include "framework/Afx.h"
#include <vector>

// The Program Files folder followed by "\Velnor\Driftreel". When the folder
// query fails the root is the bare suffix, and later lookups find nothing.
CString BuildContentRoot();

// The picture played when there is no movie to play.
CString NoFilePicturePath(const CString& strContentRoot);
// The picture the preview plays when a movie needs a missing codec.
CString NoCodecPicturePath(const CString& strContentRoot);

// A movie folder: the title it is offered by ("Sea" for "Sea.2005") and
// the real name that its path is built from.
struct MovieFolder {
    CString m_strTitle;
    CString m_strName;
};

// The root's direct sub-folders, in enumeration order (hidden and system
// folders included).
std::vector<MovieFolder> ListMovieFolders(const CString& strContentRoot);

// The player's questions to a folder's stored play order.
#pragma once
#include "framework/Afx.h"

// The movie file stored at a 1-based position: folder + "\" + its name in
// lowercase; empty when no movie file has the stored title; the no-file
// picture when the position holds no entry or the folder has no list key.
// The stored text is compared as it stands: the player refreshes the list,
// which stores every title lowercased, before asking.
CString GetStoredMoviePath(const CString& strContentRoot, const CString& strFolderPath, int nPosition);

// A path the player can hand to the control: not empty, under MAX_PATH.
bool IsUsableMoviePath(const CString& strPath);

struct MoviePosition {
    int m_nFileIndex = 1;   // the usable position, or one past the last tried
    CString m_strMovie;     // its path, or what the last position tried gave
    bool m_bUsable = false;
};

// The first usable position from nStart up to nFileCount, answering exactly
// as asking GetStoredMoviePath for each position in turn would, but trying
// only the positions the key really holds: a count far beyond the stored
// entries costs nothing. Nothing tried leaves m_strMovie empty and
// m_nFileIndex at nStart; one past INT_MAX stays at INT_MAX.
MoviePosition FindUsableMovie(const CString& strContentRoot, const CString& strFolderPath, int nStart,
                              int nFileCount);

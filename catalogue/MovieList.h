// A movie folder's stored play order: the settings dialog's load and save,
// and the player's refresh against the folder's files.
#pragma once
#include "catalogue/MovieListView.h"

// Appends the folder's titles to the list: the stored order first (entries
// without a file are left out), then the movie files not yet shown.
void LoadMovieList(const CString& strContentRoot, const CString& strFolderPath, MovieListView& list,
                   TitleAppendState& state);

// Stores the list's order as the folder's entries 1 to n and "FileCount" n.
// An empty list leaves the stored order as it was.
void SaveMovieList(const CString& strContentRoot, const CString& strFolderPath, const MovieListView& list);

// Rewrites the stored order in line with the folder: entries whose file is
// gone are dropped, the rest move up in order, new movie files are appended
// in enumeration order; every title is stored lowercased.
void RefreshMovieList(const CString& strContentRoot, const CString& strFolderPath);

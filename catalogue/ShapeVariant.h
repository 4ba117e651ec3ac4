// First-run choice of the movie that suits the screen's shape.
#pragma once
#include "catalogue/ScreenShape.h"

// The last movie file of the folder in enumeration order whose shape tag is
// strWantedTag (any movie when the tag is empty); files with the system
// attribute are never chosen. The path keeps the file system's spelling.
bool FindShapeVariant(const CString& strFolder, const CString& strWantedTag, CString& strPath);

struct ShapeResolution {
    CString m_strPath;
    bool m_bNoMovie = false;   // the path holds no movie to choose
};

// Tries the tags of the given shape, "n", "w", "v" and then any tag. An empty
// path, or the content root itself, comes back unchanged.
ShapeResolution ResolveShapeVariant(const CString& strContentRoot, const CString& strPath, ScreenShape shape);
// The same for the shape of the screen as it is now.
ShapeResolution ResolveShapeVariant(const CString& strContentRoot, const CString& strPath);

// The settings dialog's first-run settling of "FilePath" and "PlayingMethod"
// (in memory only): the resolved movie, and the method that fits what the
// result names (kPlayFolder for a folder, kPlayOneMovie for a file).
void SettleFirstRunPath(const CString& strContentRoot, CString& strFilePath, int& nPlayingMethod, ScreenShape shape);
void SettleFirstRunPath(const CString& strContentRoot, CString& strFilePath, int& nPlayingMethod);

// A real temporary folder for a test, removed with everything in it.
#pragma once
#include "framework/CString.h"

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const CString& Path() const { return m_strPath; }
    // Creates an empty file (or one of nBytes) below the folder; returns its path.
    CString AddFile(const wchar_t* pszRelative, DWORD dwAttributes = 0, DWORD nBytes = 0);
    CString AddFolder(const wchar_t* pszRelative);
    void Remove(const wchar_t* pszRelative);

private:
    CString m_strPath;
};

// strPath in the \\?\ form, which the system takes as it stands: names
// ending in dots or spaces, and paths of MAX_PATH characters or more.
CString ExtendedLengthPath(const CString& strPath);
// Removes a folder with everything in it, such names included.
void RemoveFolderTree(const CString& strPath);

// Enumerates the entries that match a pattern, in the file system's order.
#pragma once
#include "framework/CString.h"

class AFX_API CFileFind {
public:
    CFileFind() = default;
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts the search; TRUE when at least one entry matches. Call
    // FindNextFile before reading the first entry.
    BOOL FindFile(const wchar_t* pszPattern = L"*.*");
    // Moves to the next entry; FALSE when the current one is the last (it is
    // still valid to read).
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    // The folder part of the pattern as given (not normalised) plus the name.
    CString GetFilePath() const;
    // The name without its extension: the text before the last '.'.
    CString GetFileTitle() const;
    BOOL IsDots() const;
    BOOL IsDirectory() const;
    BOOL IsSystem() const;
    DWORD GetAttributes() const { return m_found.dwFileAttributes; }

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW m_found{};
    WIN32_FIND_DATAW m_next{};
    bool m_bHaveNext = false;
    CString m_strRoot;
};

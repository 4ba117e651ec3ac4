#include "framework/CFileFind.h"

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bHaveNext = false;
}

BOOL CFileFind::FindFile(const wchar_t* pszPattern)
{
    Close();
    m_found = WIN32_FIND_DATAW{};
    CString pattern(pszPattern ? pszPattern : L"*.*");
    int slash = pattern.ReverseFind(L'\\');
    m_strRoot = slash >= 0 ? pattern.Left(slash + 1) : CString();
    m_hFind = ::FindFirstFileW(pattern, &m_next);
    m_bHaveNext = m_hFind != INVALID_HANDLE_VALUE;
    return m_bHaveNext ? TRUE : FALSE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHaveNext) return FALSE;
    m_found = m_next;
    m_bHaveNext = ::FindNextFileW(m_hFind, &m_next) != FALSE;
    return m_bHaveNext ? TRUE : FALSE;
}

CString CFileFind::GetFileName() const { return CString(m_found.cFileName); }

CString CFileFind::GetFilePath() const { return m_strRoot + m_found.cFileName; }

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot >= 0 ? name.Left(dot) : name;
}

BOOL CFileFind::IsDots() const
{
    const wchar_t* n = m_found.cFileName;
    return IsDirectory() && n[0] == L'.' && (n[1] == 0 || (n[1] == L'.' && n[2] == 0));
}

BOOL CFileFind::IsDirectory() const { return (m_found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

BOOL CFileFind::IsSystem() const { return (m_found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0; }

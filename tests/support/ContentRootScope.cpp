#include "tests/support/ContentRootScope.h"
#include <shlobj.h>

namespace {
CString ProgramFiles()
{
    wchar_t szPath[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, szPath);
    return szPath;
}
}

ContentRootScope::ContentRootScope(bool bCreate)
{
    CString strParent = ProgramFiles() + L"\\Velnor";
    m_strRoot = strParent + L"\\Driftreel";
    m_bCreatedParent = ::CreateDirectoryW(strParent, nullptr) != FALSE;
    CString strSaved = m_trash.Path() + L"\\saved";
    if (::MoveFileW(m_strRoot, strSaved)) m_strSaved = strSaved;
    if (bCreate) ::CreateDirectoryW(m_strRoot, nullptr);
}

ContentRootScope::~ContentRootScope()
{
    ::MoveFileW(m_strRoot, m_trash.Path() + L"\\used");
    if (!m_strSaved.IsEmpty()) ::MoveFileW(m_strSaved, m_strRoot);
    if (m_bCreatedParent) ::RemoveDirectoryW(ProgramFiles() + L"\\Velnor");
}

CString ContentRootScope::AddFolder(const wchar_t* pszName, std::initializer_list<const wchar_t*> files)
{
    CString strFolder = m_strRoot + L"\\" + pszName;
    ::CreateDirectoryW(strFolder, nullptr);
    for (const wchar_t* pszFile : files) {
        HANDLE hFile = ::CreateFileW(strFolder + L"\\" + pszFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) ::CloseHandle(hFile);
    }
    return strFolder;
}

CString ContentRootScope::CopyFile(const wchar_t* pszFrom, const wchar_t* pszRelative)
{
    CString strTo = m_strRoot + L"\\" + pszRelative;
    ::CopyFileW(pszFrom, strTo, FALSE);
    return strTo;
}

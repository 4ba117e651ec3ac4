#include "tests/support/TempFolder.h"
#include <atomic>
#include <string>
#include <vector>

namespace {
// path is already in the \\?\ form, so names with trailing dots or spaces
// and paths past MAX_PATH are removed too.
void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(child);
            else ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(path.c_str());
}
}

CString ExtendedLengthPath(const CString& strPath)
{
    if (strPath.Left(2) == L"\\\\") return strPath;
    return CString(L"\\\\?\\") + strPath;
}

void RemoveFolderTree(const CString& strPath) { RemoveTree(ExtendedLengthPath(strPath).GetString()); }

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    CString name;
    name.Format(L"drift%lu_%d", ::GetCurrentProcessId(), counter++);
    m_strPath = CString(base) + name;
    ::CreateDirectoryW(m_strPath, nullptr);
}

TempFolder::~TempFolder() { RemoveFolderTree(m_strPath); }

CString TempFolder::AddFile(const wchar_t* pszRelative, DWORD dwAttributes, DWORD nBytes)
{
    CString path = m_strPath + L"\\" + pszRelative;
    HANDLE h = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        std::vector<char> data(nBytes, 'x');
        DWORD written = 0;
        if (nBytes) ::WriteFile(h, data.data(), nBytes, &written, nullptr);
        ::CloseHandle(h);
    }
    if (dwAttributes) ::SetFileAttributesW(path, dwAttributes);
    return path;
}

CString TempFolder::AddFolder(const wchar_t* pszRelative)
{
    CString path = m_strPath + L"\\" + pszRelative;
    ::CreateDirectoryW(path, nullptr);
    return path;
}

void TempFolder::Remove(const wchar_t* pszRelative)
{
    CString path = m_strPath + L"\\" + pszRelative;
    DWORD attrs = ::GetFileAttributesW(ExtendedLengthPath(path));
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY)) RemoveFolderTree(path);
    else ::DeleteFileW(ExtendedLengthPath(path));
}

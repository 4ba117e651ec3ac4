#include "framework/CFile.h"

CFile::~CFile() { Close(); }

BOOL CFile::Open(const wchar_t* pszFileName, UINT nOpenFlags)
{
    Close();
    DWORD share = (nOpenFlags & shareDenyNone) ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    m_hFile = ::CreateFileW(pszFileName, GENERIC_READ, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

void CFile::Close()
{
    if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

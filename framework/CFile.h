// A file handle; the program only checks that a file can be opened for reading.
#pragma once
#include "framework/AfxExport.h"

class AFX_API CFile {
public:
    enum OpenFlags { modeRead = 0x0000, shareDenyNone = 0x0040 };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL Open(const wchar_t* pszFileName, UINT nOpenFlags);
    void Close();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};

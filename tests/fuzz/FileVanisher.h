// Deletes files on a thread of its own while the program lists their
// folder, one after the other, from its creation until they are gone or the
// object ends.
#pragma once
#include "framework/CString.h"
#include <atomic>
#include <vector>

class FileVanisher {
public:
    explicit FileVanisher(std::vector<CString> files);
    ~FileVanisher();
    FileVanisher(const FileVanisher&) = delete;
    FileVanisher& operator=(const FileVanisher&) = delete;

private:
    static DWORD WINAPI Run(void* pParam);

    std::vector<CString> m_files;
    std::atomic<bool> m_bStop{ false };
    HANDLE m_hThread = nullptr;
};

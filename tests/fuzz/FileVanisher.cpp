#include "tests/fuzz/FileVanisher.h"
#include "tests/support/TempFolder.h"

FileVanisher::FileVanisher(std::vector<CString> files) : m_files(std::move(files))
{
    if (!m_files.empty()) m_hThread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

FileVanisher::~FileVanisher()
{
    if (!m_hThread) return;
    m_bStop = true;
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
}

DWORD WINAPI FileVanisher::Run(void* pParam)
{
    auto* pVanisher = static_cast<FileVanisher*>(pParam);
    for (size_t i = 0; i < pVanisher->m_files.size() && !pVanisher->m_bStop; ++i) {
        ::DeleteFileW(ExtendedLengthPath(pVanisher->m_files[i]));
        // Spread over the first milliseconds, where the listing runs.
        ::Sleep(i % 4 == 0 ? 1 : 0);
    }
    return 0;
}

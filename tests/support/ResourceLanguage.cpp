#include "tests/support/ResourceLanguage.h"
#include "framework/Afx.h"

const wchar_t* const kLanguageCodes[10] = { L"jpn", L"eng", L"fra", L"deu", L"ita",
                                            L"esp", L"chs", L"cht", L"kor", L"nld" };

namespace {
// The libraries lie beside the test program, as beside the screen saver.
CString LibraryPath(const wchar_t* pszCode)
{
    wchar_t szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    if (wchar_t* pSlash = wcsrchr(szPath, L'\\')) pSlash[1] = L'\0';
    return CString(szPath) + pszCode + L".dll";
}
}

ResourceLanguage::ResourceLanguage(const wchar_t* pszCode)
    : m_hModule(::LoadLibraryExW(LibraryPath(pszCode), nullptr,
                                 LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE)),
      m_hPrevious(AfxGetResourceHandle())
{
    if (m_hModule) AfxSetResourceHandle(m_hModule);
}

ResourceLanguage::~ResourceLanguage()
{
    AfxSetResourceHandle(m_hPrevious);
    if (m_hModule) ::FreeLibrary(m_hModule);
}

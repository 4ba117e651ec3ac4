#include "tests/lang/LanguageLibrary.h"

const Language kLanguages[10] = {
    { L"jpn", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), Script::Kana },
    { L"eng", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), Script::Ascii },
    { L"fra", MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), Script::AccentedLatin },
    { L"deu", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), Script::AccentedLatin },
    { L"ita", MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN), Script::AccentedLatin },
    { L"esp", MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH), Script::AccentedLatin },
    { L"chs", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), Script::Ideographs },
    { L"cht", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), Script::Ideographs },
    { L"kor", MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN), Script::Hangul },
    { L"nld", MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH), Script::AccentedLatin },
};

std::ostream& operator<<(std::ostream& os, const Language& language)
{
    for (const wchar_t* c = language.code; *c; ++c) os << static_cast<char>(*c);
    return os;
}

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

LanguageLibrary::LanguageLibrary(const wchar_t* code)
    : m_module(LoadLibraryExW((ProgramFolder() + code + L".dll").c_str(), nullptr,
                              LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE))
{
}

LanguageLibrary::~LanguageLibrary()
{
    if (m_module) FreeLibrary(m_module);
}

std::wstring LoadText(HMODULE module, UINT id)
{
    wchar_t text[512] = {};
    const int length = LoadStringW(module, id, text, 512);
    return std::wstring(text, length > 0 ? length : 0);
}

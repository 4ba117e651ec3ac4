#include "app/LanguageLibrary.h"
#include <cwchar>

namespace {
struct LanguageRow {
    const wchar_t* pszFile;
    const wchar_t* const* ppszAbbreviations;
};

const wchar_t* const g_jpn[] = { L"JPN", nullptr };
const wchar_t* const g_eng[] = { L"ENA", L"ENB", L"ENC", L"ENG", L"ENJ", L"ENL", L"ENP", L"ENS",
                                 L"ENT", L"ENU", L"ENW", L"ENZ", L"ENI", nullptr };
const wchar_t* const g_fra[] = { L"FRA", L"FRB", L"FRC", L"FRL", L"FRM", L"FRS", nullptr };
const wchar_t* const g_deu[] = { L"DEA", L"DEU", L"DES", nullptr };
const wchar_t* const g_ita[] = { L"ITA", L"ITS", nullptr };
const wchar_t* const g_esp[] = { L"ESA", L"ESB", L"ESC", L"ESD", L"ESE", L"ESF", L"ESG", L"ESH", L"ESI", L"ESL",
                                 L"ESM", L"ESN", L"ESO", L"ESP", L"ESR", L"ESS", L"ESU", L"ESV", L"ESY", L"ESZ",
                                 nullptr };
const wchar_t* const g_chs[] = { L"CHS", nullptr };
const wchar_t* const g_cht[] = { L"ZHH", L"CHT", nullptr };
const wchar_t* const g_kor[] = { L"KOR", nullptr };
const wchar_t* const g_nld[] = { L"NLD", nullptr };

const LanguageRow g_languages[] = {
    { L"jpn.dll", g_jpn }, { L"eng.dll", g_eng }, { L"fra.dll", g_fra }, { L"deu.dll", g_deu },
    { L"ita.dll", g_ita }, { L"esp.dll", g_esp }, { L"chs.dll", g_chs }, { L"cht.dll", g_cht },
    { L"kor.dll", g_kor }, { L"nld.dll", g_nld },
};
}

const wchar_t* LanguageLibraryFor(const wchar_t* pszAbbreviation)
{
    for (const LanguageRow& row : g_languages) {
        for (const wchar_t* const* pp = row.ppszAbbreviations; *pp; ++pp) {
            if (std::wcscmp(*pp, pszAbbreviation) == 0) return row.pszFile;
        }
    }
    return L"eng.dll";
}

void QuerySystemLanguage(wchar_t (&szAbbreviation)[260])
{
    if (!::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SABBREVLANGNAME, szAbbreviation, 260))
        szAbbreviation[0] = 0;
}

HINSTANCE LoadLanguageLibrary(const wchar_t* pszFileName)
{
    wchar_t szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    wchar_t* pSlash = std::wcsrchr(szPath, L'\\');
    if (!pSlash) return nullptr;
    size_t nFolder = static_cast<size_t>(pSlash - szPath) + 1;
    if (nFolder + std::wcslen(pszFileName) >= MAX_PATH) return nullptr;
    std::wcscpy(pSlash + 1, pszFileName);
    return ::LoadLibraryExW(szPath, nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
}

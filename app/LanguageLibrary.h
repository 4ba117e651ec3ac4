// The user-interface language library chosen by the system locale.
#pragma once
#include <windows.h>

// The library file for a three-letter language abbreviation ("ENU", "JPN");
// "eng.dll" for any abbreviation that has no library of its own.
const wchar_t* LanguageLibraryFor(const wchar_t* pszAbbreviation);

// The system default locale's abbreviation; empty when the query fails.
void QuerySystemLanguage(wchar_t (&szAbbreviation)[260]);

// Loads the library from the program's own folder, as resources only: no
// code of it runs, and a same-named file elsewhere on the search path is
// never picked up. Null when it cannot be loaded.
HINSTANCE LoadLanguageLibrary(const wchar_t* pszFileName);

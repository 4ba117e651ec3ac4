// The ten language libraries as the tests see them: loaded as resource data
// from the folder of the test program, where the build puts them.
#pragma once
#include <windows.h>
#include <ostream>
#include <string>

// Which characters a language's texts must contain.
enum class Script { Ascii, AccentedLatin, Kana, Ideographs, Hangul };

struct Language {
    const wchar_t* code;  // file name without ".dll"
    LANGID langid;        // of the LANGUAGE statement
    Script script;
};

extern const Language kLanguages[10];

// For readable names of parameterised tests.
std::ostream& operator<<(std::ostream& os, const Language& language);

// The folder of the test program, with a trailing backslash.
std::wstring ProgramFolder();

// Maps the library of `code` as an image resource; null when it is missing.
// Unmaps it on destruction.
class LanguageLibrary {
public:
    explicit LanguageLibrary(const wchar_t* code);
    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    HMODULE module() const { return m_module; }

private:
    HMODULE m_module;
};

// String resource `id` of `module`; empty when it is missing.
std::wstring LoadText(HMODULE module, UINT id);

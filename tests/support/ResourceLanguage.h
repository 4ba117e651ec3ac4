// A language library of the build folder as the framework's resource source,
// for the life of the object, the way the application sets it up at start.
#pragma once
#include <windows.h>

// The file names (without ".dll") of the ten language libraries.
extern const wchar_t* const kLanguageCodes[10];

class ResourceLanguage {
public:
    explicit ResourceLanguage(const wchar_t* pszCode);
    ~ResourceLanguage();
    ResourceLanguage(const ResourceLanguage&) = delete;
    ResourceLanguage& operator=(const ResourceLanguage&) = delete;

    // Null when the library could not be loaded.
    HINSTANCE Handle() const { return m_hModule; }

private:
    HINSTANCE m_hModule;
    HINSTANCE m_hPrevious;
};

// Whole-value access to one registry key. No handle is held between calls:
// every operation opens the key, does one thing and closes it again.
#pragma once
#include "framework/Afx.h"
#include <vector>

// One value of a key as an enumeration returns it: name, type and raw bytes.
struct RegistryValue {
    CString m_strName;
    DWORD m_dwType = REG_NONE;
    std::vector<BYTE> m_data;
};

// One string value to write: its name and its text.
struct RegistryString {
    CString m_strName;
    CString m_strText;
};

class RegistryKey {
public:
    RegistryKey(const wchar_t* pszPath, HKEY hRoot);

    // A path of MAX_PATH characters or more does not fit the path field; the
    // object then addresses no key at all and every operation fails, so that
    // nothing is ever read from or written to a truncated key name.
    void SetPath(const wchar_t* pszPath, HKEY hRoot);

    HKEY OpenKey(const wchar_t* pszSubKey, REGSAM samDesired, BOOL bCreate);
    void CloseKey(HKEY hKey);

    int KeyExists(const wchar_t* pszSubKey);
    int ReadString(const wchar_t* pszSubKey, const wchar_t* pszValueName, CString& strValue);
    int WriteString(const wchar_t* pszSubKey, const wchar_t* pszValueName, const wchar_t* pszText, BOOL bCreate);
    // Several string values as one operation: one opening of the key and one
    // flush for them all, so a long list costs one call a value rather than
    // four. Fails when the key cannot be opened or any value is not stored.
    int WriteStrings(const wchar_t* pszSubKey, const std::vector<RegistryString>& values, BOOL bCreate);
    int ReadDword(const wchar_t* pszSubKey, const wchar_t* pszValueName, DWORD& dwValue);
    int WriteDword(const wchar_t* pszSubKey, const wchar_t* pszValueName, DWORD dwValue, BOOL bCreate);

    // Every value of the key in one pass, for callers that would otherwise
    // probe value names one by one. A value that changes size while it is
    // being listed is left out.
    int ReadAllValues(const wchar_t* pszSubKey, std::vector<RegistryValue>& values);

private:
    CString FullName(const wchar_t* pszSubKey) const;

    wchar_t m_szPath[MAX_PATH];
    HKEY m_hRoot;
};

// The text that ReadString gives for raw value bytes: UTF-16 up to the first
// terminator; an odd last byte counts as a character of its own.
CString TextFromValueBytes(const BYTE* pData, DWORD cbData);

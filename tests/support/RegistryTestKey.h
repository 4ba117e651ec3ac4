// A registry key that a test owns: removed with everything below it when the
// test starts and again when it ends. Without a path it is a unique key below
// HKEY_CURRENT_USER\Software\DriftreelTests.
#pragma once
#include "framework/CString.h"
#include <vector>

class RegistryTestKey {
public:
    RegistryTestKey();
    RegistryTestKey(HKEY hRoot, const wchar_t* pszPath);
    ~RegistryTestKey();
    RegistryTestKey(const RegistryTestKey&) = delete;
    RegistryTestKey& operator=(const RegistryTestKey&) = delete;

    HKEY Root() const { return m_hRoot; }
    const CString& Path() const { return m_strPath; }
    // The path of a key below this one.
    CString Below(const wchar_t* pszSubKey) const { return m_strPath + L"\\" + pszSubKey; }

    // Raw writes and reads; pszSubKey null means this key itself. Writes
    // create the key.
    void SetValue(const wchar_t* pszSubKey, const wchar_t* pszName, DWORD dwType, const void* pData, DWORD cbData);
    void SetString(const wchar_t* pszSubKey, const wchar_t* pszName, const wchar_t* pszText);
    void SetDword(const wchar_t* pszSubKey, const wchar_t* pszName, DWORD dwValue);
    bool Exists(const wchar_t* pszSubKey = nullptr) const;
    bool HasValue(const wchar_t* pszSubKey, const wchar_t* pszName) const;
    // Data of a value (empty when missing) and its type.
    std::vector<BYTE> GetValue(const wchar_t* pszSubKey, const wchar_t* pszName, DWORD* pdwType = nullptr,
                               bool* pbFound = nullptr) const;
    CString GetString(const wchar_t* pszSubKey, const wchar_t* pszName) const;
    DWORD GetDword(const wchar_t* pszSubKey, const wchar_t* pszName) const;
    // How many values the key holds.
    DWORD ValueCount(const wchar_t* pszSubKey = nullptr) const;
    void Delete();

private:
    CString KeyName(const wchar_t* pszSubKey) const;

    HKEY m_hRoot;
    CString m_strPath;
};

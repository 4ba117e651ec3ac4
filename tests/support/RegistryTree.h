// Everything below one registry key, read whole: each value's name, type
// and bytes, and every sub-key in the same way. Two trees compare equal only
// when they hold the same values byte for byte; a tree written back puts a
// key exactly as it was.
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>

struct RegistryTree {
    struct Value {
        DWORD m_dwType = REG_NONE;
        std::vector<BYTE> m_data;
        bool operator==(const Value& other) const { return m_dwType == other.m_dwType && m_data == other.m_data; }
    };

    bool m_bExists = false;
    std::map<std::wstring, Value> m_values;
    std::map<std::wstring, RegistryTree> m_subKeys;

    static RegistryTree Read(HKEY hRoot, const std::wstring& strPath);
    // Replaces the key at strPath, and all below it, with this tree; a tree
    // of a missing key leaves no key.
    void Write(HKEY hRoot, const std::wstring& strPath) const;

    bool operator==(const RegistryTree& other) const;
    bool operator!=(const RegistryTree& other) const { return !(*this == other); }
};

// The first place where two trees differ, for a test's message:
// "Sea\FileCount: type 4, 4 bytes / type 1, 6 bytes"; empty when equal.
std::string FirstDifference(const RegistryTree& expected, const RegistryTree& actual);

// Keeps a key as it stood when the object was made and puts it back when
// the object goes, whatever was done to it in between.
class KeptRegistryKey {
public:
    KeptRegistryKey(HKEY hRoot, const wchar_t* pszPath);
    ~KeptRegistryKey();
    KeptRegistryKey(const KeptRegistryKey&) = delete;
    KeptRegistryKey& operator=(const KeptRegistryKey&) = delete;

private:
    HKEY m_hRoot;
    std::wstring m_strPath;
    RegistryTree m_kept;
};

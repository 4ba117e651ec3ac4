#include "tests/support/RegistryTestKey.h"
#include <atomic>
#include <cstring>
#include <cwchar>
#include <string>

RegistryTestKey::RegistryTestKey() : m_hRoot(HKEY_CURRENT_USER)
{
    static std::atomic<int> counter{0};
    m_strPath.Format(L"Software\\DriftreelTests\\%lu_%d", ::GetCurrentProcessId(), counter++);
    Delete();
}

RegistryTestKey::RegistryTestKey(HKEY hRoot, const wchar_t* pszPath) : m_hRoot(hRoot), m_strPath(pszPath)
{
    Delete();
}

RegistryTestKey::~RegistryTestKey() { Delete(); }

void RegistryTestKey::Delete()
{
    ::RegDeleteTreeW(m_hRoot, m_strPath);
    ::RegDeleteKeyW(m_hRoot, m_strPath);
}

CString RegistryTestKey::KeyName(const wchar_t* pszSubKey) const { return pszSubKey ? Below(pszSubKey) : m_strPath; }

void RegistryTestKey::SetValue(const wchar_t* pszSubKey, const wchar_t* pszName, DWORD dwType, const void* pData,
                               DWORD cbData)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(m_hRoot, KeyName(pszSubKey), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExW(hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), cbData);
    ::RegCloseKey(hKey);
}

void RegistryTestKey::SetString(const wchar_t* pszSubKey, const wchar_t* pszName, const wchar_t* pszText)
{
    SetValue(pszSubKey, pszName, REG_SZ, pszText, static_cast<DWORD>((std::wcslen(pszText) + 1) * sizeof(wchar_t)));
}

void RegistryTestKey::SetDword(const wchar_t* pszSubKey, const wchar_t* pszName, DWORD dwValue)
{
    SetValue(pszSubKey, pszName, REG_DWORD, &dwValue, sizeof(dwValue));
}

bool RegistryTestKey::Exists(const wchar_t* pszSubKey) const
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(m_hRoot, KeyName(pszSubKey), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    ::RegCloseKey(hKey);
    return true;
}

bool RegistryTestKey::HasValue(const wchar_t* pszSubKey, const wchar_t* pszName) const
{
    bool found = false;
    GetValue(pszSubKey, pszName, nullptr, &found);
    return found;
}

std::vector<BYTE> RegistryTestKey::GetValue(const wchar_t* pszSubKey, const wchar_t* pszName, DWORD* pdwType,
                                            bool* pbFound) const
{
    // The bytes exactly as stored: RegQueryValueExW adds no terminator.
    std::vector<BYTE> data;
    DWORD dwType = REG_NONE, cbData = 0;
    bool found = false;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(m_hRoot, KeyName(pszSubKey), 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
        if (::RegQueryValueExW(hKey, pszName, nullptr, &dwType, nullptr, &cbData) == ERROR_SUCCESS) {
            data.resize(cbData);
            found = ::RegQueryValueExW(hKey, pszName, nullptr, &dwType, data.data(), &cbData) == ERROR_SUCCESS;
            data.resize(found ? cbData : 0);
        }
        ::RegCloseKey(hKey);
    }
    if (pdwType) *pdwType = dwType;
    if (pbFound) *pbFound = found;
    return data;
}

CString RegistryTestKey::GetString(const wchar_t* pszSubKey, const wchar_t* pszName) const
{
    std::vector<BYTE> data = GetValue(pszSubKey, pszName);
    data.resize(data.size() + 2, 0);
    std::wstring text(data.size() / 2, L'\0');
    std::memcpy(&text[0], data.data(), text.size() * 2);
    return CString(text.c_str());
}

DWORD RegistryTestKey::GetDword(const wchar_t* pszSubKey, const wchar_t* pszName) const
{
    std::vector<BYTE> data = GetValue(pszSubKey, pszName);
    DWORD value = 0;
    std::memcpy(&value, data.data(), data.size() < sizeof(value) ? data.size() : sizeof(value));
    return value;
}

DWORD RegistryTestKey::ValueCount(const wchar_t* pszSubKey) const
{
    HKEY hKey = nullptr;
    DWORD nValues = 0;
    if (::RegOpenKeyExW(m_hRoot, KeyName(pszSubKey), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return 0;
    ::RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nValues, nullptr, nullptr, nullptr,
                       nullptr);
    ::RegCloseKey(hKey);
    return nValues;
}

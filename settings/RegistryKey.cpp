#include "settings/RegistryKey.h"
#include <cstring>
#include <cwchar>
#include <memory>
#include <new>

RegistryKey::RegistryKey(const wchar_t* pszPath, HKEY hRoot) { SetPath(pszPath, hRoot); }

void RegistryKey::SetPath(const wchar_t* pszPath, HKEY hRoot)
{
    const wchar_t* path = pszPath ? pszPath : L"";
    size_t length = std::wcslen(path);
    bool fits = length < MAX_PATH;
    m_hRoot = fits ? hRoot : nullptr;
    std::wmemcpy(m_szPath, path, fits ? length : 0);
    m_szPath[fits ? length : 0] = L'\0';
}

CString RegistryKey::FullName(const wchar_t* pszSubKey) const
{
    CString name(m_szPath);
    if (pszSubKey) name += CString(L"\\") + pszSubKey;
    return name;
}

HKEY RegistryKey::OpenKey(const wchar_t* pszSubKey, REGSAM samDesired, BOOL bCreate)
{
    if (!m_hRoot) return nullptr;
    CString name = FullName(pszSubKey);
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(m_hRoot, name, 0, samDesired, &hKey) == ERROR_SUCCESS) return hKey;
    if (!bCreate) return nullptr;
    if (::RegCreateKeyExW(m_hRoot, name, 0, nullptr, 0, samDesired, nullptr, &hKey, nullptr) == ERROR_SUCCESS)
        return hKey;
    return nullptr;
}

void RegistryKey::CloseKey(HKEY hKey) { ::RegCloseKey(hKey); }

int RegistryKey::KeyExists(const wchar_t* pszSubKey)
{
    HKEY hKey = OpenKey(pszSubKey, KEY_READ, FALSE);
    if (!hKey) return 0;
    CloseKey(hKey);
    return 1;
}

CString TextFromValueBytes(const BYTE* pData, DWORD cbData)
{
    // Characters are copied out with memcpy: the bytes need not be aligned.
    size_t chars = (static_cast<size_t>(cbData) + 1) / 2;
    std::wstring text(chars, L'\0');
    if (cbData) std::memcpy(&text[0], pData, cbData);
    return CString(text.c_str());
}

namespace {
// Zero-filled storage for value data, or null when memory runs out.
std::unique_ptr<BYTE[]> AllocateZeroed(DWORD cbSize)
{
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[cbSize]);
    if (buffer) std::memset(buffer.get(), 0, cbSize);
    return buffer;
}
}

int RegistryKey::ReadString(const wchar_t* pszSubKey, const wchar_t* pszValueName, CString& strValue)
{
    strValue.Empty();
    HKEY hKey = OpenKey(pszSubKey, KEY_READ, FALSE);
    if (!hKey) return -1;
    // The value's own size, not the key's largest: the system finds the
    // largest by visiting every value, which a long list makes slow.
    DWORD cbSize = 0;
    int result = -1;
    if (::RegQueryValueExW(hKey, pszValueName, nullptr, nullptr, nullptr, &cbSize) == ERROR_SUCCESS) {
        std::unique_ptr<BYTE[]> buffer = AllocateZeroed(cbSize + 2);
        DWORD cbData = cbSize;
        if (buffer && ::RegQueryValueExW(hKey, pszValueName, nullptr, nullptr, buffer.get(), &cbData) == ERROR_SUCCESS) {
            strValue = TextFromValueBytes(buffer.get(), cbData);
            result = 0;
        }
    }
    CloseKey(hKey);
    return result;
}

int RegistryKey::WriteString(const wchar_t* pszSubKey, const wchar_t* pszValueName, const wchar_t* pszText,
                             BOOL bCreate)
{
    return WriteStrings(pszSubKey, { { CString(pszValueName), CString(pszText) } }, bCreate);
}

int RegistryKey::WriteStrings(const wchar_t* pszSubKey, const std::vector<RegistryString>& values, BOOL bCreate)
{
    HKEY hKey = OpenKey(pszSubKey, KEY_WRITE, bCreate);
    if (!hKey) return -1;
    bool bAllStored = true;
    for (const RegistryString& value : values) {
        const CString& text = value.m_strText;
        DWORD cbText = static_cast<DWORD>((text.GetLength() + 1) * sizeof(wchar_t));
        bAllStored = ::RegSetValueExW(hKey, value.m_strName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                                      cbText) == ERROR_SUCCESS && bAllStored;
    }
    ::RegFlushKey(hKey);
    CloseKey(hKey);
    return bAllStored ? 0 : -1;
}

int RegistryKey::ReadDword(const wchar_t* pszSubKey, const wchar_t* pszValueName, DWORD& dwValue)
{
    HKEY hKey = OpenKey(pszSubKey, KEY_READ, FALSE);
    if (!hKey) return -1;
    // A shorter value replaces only its own bytes; a failed read none at all.
    DWORD value = dwValue;
    DWORD cbData = sizeof(value);
    LONG read = ::RegQueryValueExW(hKey, pszValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &cbData);
    CloseKey(hKey);
    if (read != ERROR_SUCCESS) return -1;
    dwValue = value;
    return 0;
}

int RegistryKey::WriteDword(const wchar_t* pszSubKey, const wchar_t* pszValueName, DWORD dwValue, BOOL bCreate)
{
    HKEY hKey = OpenKey(pszSubKey, KEY_WRITE, bCreate);
    if (!hKey) return -1;
    LONG stored = ::RegSetValueExW(hKey, pszValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                                   sizeof(dwValue));
    CloseKey(hKey);
    return stored == ERROR_SUCCESS ? 0 : -1;
}

int RegistryKey::ReadAllValues(const wchar_t* pszSubKey, std::vector<RegistryValue>& values)
{
    values.clear();
    HKEY hKey = OpenKey(pszSubKey, KEY_READ, FALSE);
    if (!hKey) return -1;
    DWORD nValues = 0, cchMaxName = 0, cbMaxData = 0;
    int result = -1;
    if (::RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nValues, &cchMaxName,
                           &cbMaxData, nullptr, nullptr) == ERROR_SUCCESS) {
        std::unique_ptr<BYTE[]> data = AllocateZeroed(cbMaxData + 2);
        std::wstring name(cchMaxName + 1, L'\0');
        for (DWORD i = 0; data && i < nValues; ++i) {
            DWORD cchName = cchMaxName + 1, cbData = cbMaxData, dwType = REG_NONE;
            if (::RegEnumValueW(hKey, i, &name[0], &cchName, nullptr, &dwType, data.get(), &cbData) != ERROR_SUCCESS)
                continue;
            RegistryValue value;
            value.m_strName = CString(name.c_str(), static_cast<int>(cchName));
            value.m_dwType = dwType;
            value.m_data.assign(data.get(), data.get() + cbData);
            values.push_back(std::move(value));
        }
        result = data ? 0 : -1;
    }
    CloseKey(hKey);
    return result;
}

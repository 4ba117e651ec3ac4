#include "tests/support/RegistryTree.h"
#include "tests/support/Printers.h"

namespace {
void ReadValues(HKEY hKey, DWORD cchMaxName, DWORD cbMaxData, RegistryTree& tree)
{
    std::vector<wchar_t> name(cchMaxName + 1);
    std::vector<BYTE> data(cbMaxData + 1);
    for (DWORD i = 0;; ++i) {
        DWORD cchName = cchMaxName + 1, cbData = cbMaxData + 1, dwType = REG_NONE;
        if (::RegEnumValueW(hKey, i, name.data(), &cchName, nullptr, &dwType, data.data(), &cbData) != ERROR_SUCCESS)
            break;
        RegistryTree::Value& value = tree.m_values[std::wstring(name.data(), cchName)];
        value.m_dwType = dwType;
        value.m_data.assign(data.begin(), data.begin() + cbData);
    }
}

std::vector<std::wstring> SubKeyNames(HKEY hKey, DWORD cchMaxSubKey)
{
    std::vector<std::wstring> names;
    std::vector<wchar_t> name(cchMaxSubKey + 1);
    for (DWORD i = 0;; ++i) {
        DWORD cchName = cchMaxSubKey + 1;
        if (::RegEnumKeyExW(hKey, i, name.data(), &cchName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name.data(), cchName);
    }
    return names;
}

void WriteValues(HKEY hKey, const RegistryTree& tree)
{
    for (const auto& entry : tree.m_values)
        ::RegSetValueExW(hKey, entry.first.c_str(), 0, entry.second.m_dwType, entry.second.m_data.data(),
                         static_cast<DWORD>(entry.second.m_data.size()));
}

std::string Describe(const RegistryTree::Value* pValue)
{
    if (!pValue) return "missing";
    return "type " + std::to_string(pValue->m_dwType) + ", " + std::to_string(pValue->m_data.size()) + " bytes";
}

template <typename T>
const T* Find(const std::map<std::wstring, T>& items, const std::wstring& name)
{
    auto found = items.find(name);
    return found == items.end() ? nullptr : &found->second;
}

// Every name of either map, once.
template <typename T>
std::vector<std::wstring> AllNames(const std::map<std::wstring, T>& a, const std::map<std::wstring, T>& b)
{
    std::map<std::wstring, bool> names;
    for (const auto& entry : a) names[entry.first] = true;
    for (const auto& entry : b) names[entry.first] = true;
    std::vector<std::wstring> result;
    for (const auto& entry : names) result.push_back(entry.first);
    return result;
}

std::string DifferenceBelow(const std::wstring& strWhere, const RegistryTree& expected, const RegistryTree& actual)
{
    const std::string where = Utf8(strWhere.c_str());
    if (expected.m_bExists != actual.m_bExists)
        return (where.empty() ? "the key" : where) + (expected.m_bExists ? ": missing" : ": not expected");
    for (const std::wstring& name : AllNames(expected.m_values, actual.m_values)) {
        const RegistryTree::Value* pExpected = Find(expected.m_values, name);
        const RegistryTree::Value* pActual = Find(actual.m_values, name);
        if (pExpected && pActual && *pExpected == *pActual) continue;
        std::string detail = Describe(pExpected) + " / " + Describe(pActual);
        if (pExpected && pActual && pExpected->m_dwType == pActual->m_dwType &&
            pExpected->m_data.size() == pActual->m_data.size())
            detail += " (other bytes)";
        return where + "\\" + Utf8(name.c_str()) + ": " + detail;
    }
    static const RegistryTree kMissing;
    for (const std::wstring& name : AllNames(expected.m_subKeys, actual.m_subKeys)) {
        const RegistryTree* pExpected = Find(expected.m_subKeys, name);
        const RegistryTree* pActual = Find(actual.m_subKeys, name);
        std::string difference = DifferenceBelow(strWhere + L"\\" + name, pExpected ? *pExpected : kMissing,
                                                 pActual ? *pActual : kMissing);
        if (!difference.empty()) return difference;
    }
    return std::string();
}
}

RegistryTree RegistryTree::Read(HKEY hRoot, const std::wstring& strPath)
{
    RegistryTree tree;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hRoot, strPath.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return tree;
    tree.m_bExists = true;
    DWORD cchMaxSubKey = 0, cchMaxName = 0, cbMaxData = 0;
    ::RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, nullptr, &cchMaxSubKey, nullptr, nullptr, &cchMaxName,
                       &cbMaxData, nullptr, nullptr);
    ReadValues(hKey, cchMaxName, cbMaxData, tree);
    for (const std::wstring& name : SubKeyNames(hKey, cchMaxSubKey))
        tree.m_subKeys[name] = Read(hRoot, strPath + L"\\" + name);
    ::RegCloseKey(hKey);
    return tree;
}

void RegistryTree::Write(HKEY hRoot, const std::wstring& strPath) const
{
    ::RegDeleteTreeW(hRoot, strPath.c_str());
    ::RegDeleteKeyW(hRoot, strPath.c_str());
    if (!m_bExists) return;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(hRoot, strPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return;
    WriteValues(hKey, *this);
    ::RegCloseKey(hKey);
    for (const auto& entry : m_subKeys) entry.second.Write(hRoot, strPath + L"\\" + entry.first);
}

bool RegistryTree::operator==(const RegistryTree& other) const
{
    return m_bExists == other.m_bExists && m_values == other.m_values && m_subKeys == other.m_subKeys;
}

std::string FirstDifference(const RegistryTree& expected, const RegistryTree& actual)
{
    return DifferenceBelow(std::wstring(), expected, actual);
}

KeptRegistryKey::KeptRegistryKey(HKEY hRoot, const wchar_t* pszPath)
    : m_hRoot(hRoot), m_strPath(pszPath), m_kept(RegistryTree::Read(hRoot, pszPath))
{
}

KeptRegistryKey::~KeptRegistryKey() { m_kept.Write(m_hRoot, m_strPath); }

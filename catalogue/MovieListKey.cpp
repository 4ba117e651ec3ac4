#include "catalogue/MovieListKey.h"
#include "settings/SettingsRecord.h"
#include <climits>
#include <cstring>
#include <cwchar>

CString MovieListKeyName(const CString& strContentRoot, const CString& strFolderPath)
{
    CString name(strFolderPath);
    name.Replace(strContentRoot + L"\\", L"");
    return name;
}

CString MovieListKeyPath(const CString& strContentRoot, const CString& strFolderPath)
{
    CString name = MovieListKeyName(strContentRoot, strFolderPath);
    if (name.IsEmpty()) return CString();
    CString path = CString(kProductKeyPath) + L"\\" + name;
    return path.GetLength() < MAX_PATH ? path : CString();
}

CString PositionValueName(int nPosition)
{
    CString name;
    name.Format(L"%d", nPosition);
    return name;
}

namespace {
// The position a value name stands for when it is written as "%d" writes a
// number from 1 up; 0 for every other name.
int PositionOfName(const CString& strName)
{
    int length = strName.GetLength();
    if (length < 1 || length > 10 || strName.GetAt(0) == L'0') return 0;
    long long position = 0;
    for (int i = 0; i < length; ++i) {
        wchar_t ch = strName.GetAt(i);
        if (ch < L'0' || ch > L'9') return 0;
        position = position * 10 + (ch - L'0');
    }
    return position <= INT_MAX ? static_cast<int>(position) : 0;
}

bool IsExactString(const RegistryValue& value, const CString& strText)
{
    size_t cbText = (static_cast<size_t>(strText.GetLength()) + 1) * sizeof(wchar_t);
    return value.m_dwType == REG_SZ && value.m_data.size() == cbText &&
           std::wmemcmp(reinterpret_cast<const wchar_t*>(value.m_data.data()), strText.GetString(),
                        strText.GetLength() + 1) == 0;
}
}

StoredMovieList::StoredMovieList(const CString& strKeyPath)
{
    if (strKeyPath.IsEmpty()) return;
    RegistryKey key(strKeyPath, HKEY_CURRENT_USER);
    std::vector<RegistryValue> values;
    m_bKeyExists = key.ReadAllValues(nullptr, values) == 0;
    if (!m_bKeyExists) return;
    for (const RegistryValue& value : values) {
        // Value names are matched without regard to case, as the registry does.
        if (value.m_strName.CompareNoCase(L"FileCount") == 0) ReadCount(value);
        int position = PositionOfName(value.m_strName);
        if (!position) continue;
        StoredEntry entry;
        entry.m_strText = TextFromValueBytes(value.m_data.data(), static_cast<DWORD>(value.m_data.size()));
        entry.m_bExactText = IsExactString(value, entry.m_strText);
        m_entries[position] = std::move(entry);
    }
}

// As ReadDword reads it: up to four bytes of any type over a zero, and a
// longer value not at all.
void StoredMovieList::ReadCount(const RegistryValue& value)
{
    DWORD count = 0;
    if (value.m_data.size() <= sizeof(count)) std::memcpy(&count, value.m_data.data(), value.m_data.size());
    m_nFileCount = static_cast<int>(count);
    m_bExactCount = value.m_dwType == REG_DWORD && value.m_data.size() == sizeof(count);
}

bool StoredMovieList::HoldsCount(DWORD dwCount) const
{
    return m_bExactCount && static_cast<DWORD>(m_nFileCount) == dwCount;
}

bool StoredMovieList::HoldsExactly(int nPosition, const CString& strText) const
{
    auto found = m_entries.find(nPosition);
    return found != m_entries.end() && found->second.m_bExactText && found->second.m_strText == strText;
}

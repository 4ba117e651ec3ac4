#include "tests/catalogue/CatalogueFixture.h"
#include "catalogue/MovieList.h"
#include "catalogue/MovieListKey.h"

std::vector<CString> EnumerationOrder(const CString& strFolder)
{
    std::vector<CString> names;
    WIN32_FIND_DATAW found;
    HANDLE hFind = ::FindFirstFileW(strFolder + L"\\*.*", &found);
    if (hFind == INVALID_HANDLE_VALUE) return names;
    do {
        CString name(found.cFileName);
        if (name != L"." && name != L"..") names.push_back(name);
    } while (::FindNextFileW(hFind, &found));
    ::FindClose(hFind);
    return names;
}

CString CatalogueTest::AddMovieFolder(const wchar_t* pszName, std::initializer_list<const wchar_t*> files)
{
    CString folder = m_temp.AddFolder(pszName);
    for (const wchar_t* file : files) m_temp.AddFile(CString(pszName) + L"\\" + file);
    return folder;
}

CString CatalogueTest::ListSubKey(const CString& strFolder) const { return MovieListKeyName(m_strRoot, strFolder); }

void CatalogueTest::StoreList(const CString& strFolder, std::initializer_list<const wchar_t*> titles)
{
    int n = 0;
    for (const wchar_t* title : titles) m_product.SetString(ListSubKey(strFolder), PositionValueName(++n), title);
    m_product.SetDword(ListSubKey(strFolder), L"FileCount", static_cast<DWORD>(n));
}

DWORD CatalogueTest::StoredCount(const CString& strFolder) const
{
    return m_product.GetDword(ListSubKey(strFolder), L"FileCount");
}

std::vector<CString> CatalogueTest::StoredTitles(const CString& strFolder) const
{
    std::vector<CString> titles;
    DWORD count = StoredCount(strFolder);
    for (DWORD i = 1; i <= count; ++i)
        titles.push_back(m_product.GetString(ListSubKey(strFolder), PositionValueName(static_cast<int>(i))));
    return titles;
}

std::vector<CString> CatalogueTest::Loaded(const CString& strFolder)
{
    MemoryListView list;
    TitleAppendState state;
    LoadMovieList(m_strRoot, strFolder, list, state);
    return list.m_items;
}

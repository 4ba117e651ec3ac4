// What the catalogue tests share: a content root in a real temporary folder,
// the product key cleared around each test.
#pragma once
#include "settings/SettingsRecord.h"
#include "tests/support/MemoryListView.h"
#include "tests/support/Printers.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <vector>

// Names of a folder's entries in the file system's own order.
std::vector<CString> EnumerationOrder(const CString& strFolder);

class CatalogueTest : public ::testing::Test {
protected:
    // A movie folder below the content root, holding the given files.
    CString AddMovieFolder(const wchar_t* pszName, std::initializer_list<const wchar_t*> files);
    // The list key of a folder below the product key.
    CString ListSubKey(const CString& strFolder) const;
    // Stores a list as the settings dialog would: the titles as given, and a count.
    void StoreList(const CString& strFolder, std::initializer_list<const wchar_t*> titles);
    // Entries 1 to "FileCount" as stored.
    std::vector<CString> StoredTitles(const CString& strFolder) const;
    DWORD StoredCount(const CString& strFolder) const;
    // What the settings dialog would show for the folder.
    std::vector<CString> Loaded(const CString& strFolder);

    TempFolder m_temp;
    CString m_strRoot = m_temp.Path();
    RegistryTestKey m_product{HKEY_CURRENT_USER, kProductKeyPath};
};

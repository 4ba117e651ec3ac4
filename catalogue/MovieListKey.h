// Where a movie folder's stored play order lives, and one read of it.
#pragma once
#include "framework/Afx.h"
#include "settings/RegistryKey.h"
#include <map>

// The folder path with every occurrence of content root + "\" removed.
CString MovieListKeyName(const CString& strContentRoot, const CString& strFolderPath);

// The whole key path below HKEY_CURRENT_USER, or empty when the folder has no
// usable list key: an empty name (it would address the settings record
// itself) or a path too long for RegistryKey.
CString MovieListKeyPath(const CString& strContentRoot, const CString& strFolderPath);

// The value name of a 1-based list position.
CString PositionValueName(int nPosition);

struct StoredEntry {
    CString m_strText;          // as ReadString gives it
    bool m_bExactText = false;  // a REG_SZ of exactly this text and its terminator
};

// A folder's list key read in one pass: "FileCount" and every value whose
// name is a list position. Positions are known from the values the key
// really holds, so a count of any size costs nothing beyond them; the count
// comes from the same pass, so the key is opened once.
class StoredMovieList {
public:
    explicit StoredMovieList(const CString& strKeyPath);

    bool KeyExists() const { return m_bKeyExists; }
    // "FileCount" as a signed number; 0 when it is missing or unreadable.
    int FileCount() const { return m_nFileCount; }
    // Stored positions in ascending order, with their entries.
    const std::map<int, StoredEntry>& Entries() const { return m_entries; }
    // True when the position already holds exactly what WriteString would store.
    bool HoldsExactly(int nPosition, const CString& strText) const;
    // True when "FileCount" already holds exactly what WriteDword would store.
    bool HoldsCount(DWORD dwCount) const;

private:
    void ReadCount(const RegistryValue& value);

    bool m_bKeyExists = false;
    int m_nFileCount = 0;
    bool m_bExactCount = false;  // a REG_DWORD of four bytes
    std::map<int, StoredEntry> m_entries;
};

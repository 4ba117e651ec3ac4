// One pass over a folder's entries, kept for the lookups that follow.
#pragma once
#include "framework/Afx.h"
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

// Calls visit for each entry matching the pattern, in the file system's
// order, "." and ".." left out. A pattern that matches nothing (or a folder
// that cannot be listed) visits nothing.
void ForEachEntry(const CString& strPattern, const std::function<void(const CFileFind&)>& visit);

// The text of a string, without a copy.
inline std::wstring_view TitleView(const CString& strText)
{
    return std::wstring_view(strText.GetString(), static_cast<size_t>(strText.GetLength()));
}

struct MovieFile {
    CString m_strName;        // as the file system spells it
    CString m_strTitle;
    CString m_strLowerTitle;
    bool m_bSystem = false;
};

// The movie files directly in a folder (sub-folders are not searched), in
// enumeration order.
class MovieFolderScan {
public:
    explicit MovieFolderScan(const CString& strFolder);
    // The index views the files' own strings: a copy would view the original's.
    MovieFolderScan(const MovieFolderScan&) = delete;
    MovieFolderScan& operator=(const MovieFolderScan&) = delete;

    const std::vector<MovieFile>& Files() const { return m_files; }
    // The first file in enumeration order with this lowercased title, or null.
    const MovieFile* FirstWithLowerTitle(const CString& strLowerTitle) const;

private:
    std::vector<MovieFile> m_files;
    // Views of the files' own lowercased titles: a long folder costs no copy.
    std::unordered_map<std::wstring_view, size_t> m_firstByTitle;
};

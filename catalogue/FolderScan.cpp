#include "catalogue/FolderScan.h"
#include "catalogue/MovieFile.h"

void ForEachEntry(const CString& strPattern, const std::function<void(const CFileFind&)>& visit)
{
    CFileFind finder;
    BOOL bMore = finder.FindFile(strPattern);
    while (bMore) {
        bMore = finder.FindNextFile();
        if (!finder.IsDots()) visit(finder);
    }
}

MovieFolderScan::MovieFolderScan(const CString& strFolder)
{
    ForEachEntry(strFolder + L"\\*.*", [this](const CFileFind& entry) {
        CString name = entry.GetFileName();
        if (entry.IsDirectory() || !IsMovieFileName(name)) return;
        MovieFile file;
        file.m_strName = name;
        file.m_strTitle = FileTitle(name);
        file.m_strLowerTitle = LowerText(file.m_strTitle);
        file.m_bSystem = entry.IsSystem() != FALSE;
        m_firstByTitle.emplace(file.m_strLowerTitle.GetString(), m_files.size());
        m_files.push_back(file);
    });
}

const MovieFile* MovieFolderScan::FirstWithLowerTitle(const CString& strLowerTitle) const
{
    auto found = m_firstByTitle.find(strLowerTitle.GetString());
    return found == m_firstByTitle.end() ? nullptr : &m_files[found->second];
}

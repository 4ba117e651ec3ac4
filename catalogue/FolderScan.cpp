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
        m_files.push_back(std::move(file));
    });
    // Indexed once the list is complete, so that the views stay valid.
    for (size_t i = 0; i < m_files.size(); ++i) m_firstByTitle.emplace(TitleView(m_files[i].m_strLowerTitle), i);
}

const MovieFile* MovieFolderScan::FirstWithLowerTitle(const CString& strLowerTitle) const
{
    auto found = m_firstByTitle.find(TitleView(strLowerTitle));
    return found == m_firstByTitle.end() ? nullptr : &m_files[found->second];
}

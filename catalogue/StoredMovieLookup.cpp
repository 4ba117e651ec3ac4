#include "catalogue/StoredMovieLookup.h"
#include "catalogue/ContentRoot.h"
#include "catalogue/FolderScan.h"
#include "catalogue/MovieFile.h"
#include "catalogue/MovieListKey.h"
#include "settings/RegistryKey.h"
#include <climits>
#include <memory>

namespace {
CString PathOfStoredTitle(const MovieFolderScan& scan, const CString& strFolderPath, const CString& strStored)
{
    const MovieFile* file = scan.FirstWithLowerTitle(strStored);
    return file ? strFolderPath + L"\\" + LowerText(file->m_strName) : CString();
}

// Answers position by position for one search. The first position is read
// alone, as it is mostly usable; a search that goes on lists the key once
// (reading a value costs a pass over the whole key on some systems) and the
// folder at most once.
class PositionSearch {
public:
    PositionSearch(const CString& strContentRoot, const CString& strFolderPath)
        : m_strRoot(strContentRoot), m_strFolder(strFolderPath),
          m_strKeyPath(MovieListKeyPath(strContentRoot, strFolderPath)), m_key(m_strKeyPath, HKEY_CURRENT_USER)
    {
    }

    // The answer for one position; bStored tells whether the key holds it.
    CString PathAt(int nPosition, bool& bStored)
    {
        CString stored;
        bStored = ReadEntry(nPosition, stored);
        if (!bStored) return NoFilePicturePath(m_strRoot);
        if (!m_scan) m_scan.reset(new MovieFolderScan(m_strFolder));
        return PathOfStoredTitle(*m_scan, m_strFolder, stored);
    }

    // The next stored position after nPosition, or 0 when there is none.
    int NextStored(int nPosition)
    {
        auto next = List().Entries().upper_bound(nPosition);
        return next == List().Entries().end() ? 0 : next->first;
    }

private:
    bool ReadEntry(int nPosition, CString& strText)
    {
        // An empty key path means the folder has no list key; it must not
        // address the root itself.
        if (m_strKeyPath.IsEmpty()) return false;
        if (!m_bReadOne) {
            m_bReadOne = true;
            return m_key.ReadString(nullptr, PositionValueName(nPosition), strText) == 0;
        }
        auto found = List().Entries().find(nPosition);
        if (found == List().Entries().end()) return false;
        strText = found->second.m_strText;
        return true;
    }

    const StoredMovieList& List()
    {
        if (!m_list) m_list.reset(new StoredMovieList(m_strKeyPath));
        return *m_list;
    }

    CString m_strRoot;
    CString m_strFolder;
    CString m_strKeyPath;
    RegistryKey m_key;
    bool m_bReadOne = false;
    std::unique_ptr<MovieFolderScan> m_scan;
    std::unique_ptr<StoredMovieList> m_list;
};
}

CString GetStoredMoviePath(const CString& strContentRoot, const CString& strFolderPath, int nPosition)
{
    bool bStored = false;
    return PositionSearch(strContentRoot, strFolderPath).PathAt(nPosition, bStored);
}

bool IsUsableMoviePath(const CString& strPath) { return !strPath.IsEmpty() && strPath.GetLength() < MAX_PATH; }

MoviePosition FindUsableMovie(const CString& strContentRoot, const CString& strFolderPath, int nStart,
                              int nFileCount)
{
    MoviePosition result;
    result.m_nFileIndex = nStart;
    PositionSearch search(strContentRoot, strFolderPath);
    long long position = nStart;
    while (position <= nFileCount) {
        bool bStored = false;
        result.m_strMovie = search.PathAt(static_cast<int>(position), bStored);
        if (IsUsableMoviePath(result.m_strMovie)) {
            result.m_nFileIndex = static_cast<int>(position);
            result.m_bUsable = true;
            return result;
        }
        // Every position without an entry answers alike, so one unusable gap
        // stands for all of them up to the next stored position.
        int next = bStored ? 0 : search.NextStored(static_cast<int>(position));
        if (bStored) ++position;
        else if (next && next <= nFileCount) position = next;
        else {
            // The plain loop would end on the last position, which is a gap too
            // (same answer as this one), one past the count.
            position = static_cast<long long>(nFileCount) + 1;
        }
    }
    if (position > nStart) result.m_nFileIndex = position > INT_MAX ? INT_MAX : static_cast<int>(position);
    return result;
}

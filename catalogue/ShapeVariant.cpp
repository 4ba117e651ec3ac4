#include "catalogue/ShapeVariant.h"
#include "catalogue/FolderScan.h"
#include "catalogue/MovieFile.h"
#include "settings/SettingsRecord.h"

namespace {
// The last qualifying file of an existing scan; the enumeration order decides.
bool FindShapeVariantIn(const MovieFolderScan& scan, const CString& strFolder, const CString& strWantedTag,
                        CString& strPath)
{
    CString candidate;
    for (const MovieFile& file : scan.Files()) {
        if (file.m_bSystem) continue;
        if (strWantedTag.IsEmpty() || ShapeTag(file.m_strLowerTitle) == strWantedTag)
            candidate = strFolder + L"\\" + file.m_strName;
    }
    strPath = candidate;
    return !candidate.IsEmpty();
}

bool HasWildcards(const CString& strPath) { return strPath.Find(L'*') >= 0 || strPath.Find(L'?') >= 0; }

// The playing method that fits what an exact path names, a folder or a file;
// -1 when it names nothing. A path with wildcards is a pattern, not a path,
// and names nothing.
int ExactPathKind(const CString& strPath)
{
    if (HasWildcards(strPath)) return -1;
    CFileFind finder;
    if (!finder.FindFile(strPath)) return -1;
    finder.FindNextFile();
    if (finder.IsDots()) return -1;
    return finder.IsDirectory() ? kPlayFolder : kPlayOneMovie;
}
}

bool FindShapeVariant(const CString& strFolder, const CString& strWantedTag, CString& strPath)
{
    return FindShapeVariantIn(MovieFolderScan(strFolder), strFolder, strWantedTag, strPath);
}

ShapeResolution ResolveShapeVariant(const CString& strContentRoot, const CString& strPath, ScreenShape shape)
{
    ShapeResolution resolution;
    resolution.m_strPath = strPath;
    if (strPath.IsEmpty() || strPath == strContentRoot) return resolution;
    // One listing serves every try; the folder does not change between them.
    MovieFolderScan scan(strPath);
    const wchar_t* const tags[] = {ShapeTagOf(shape), L"n", L"w", L"v", L""};
    for (const wchar_t* tag : tags) {
        CString found;
        if (FindShapeVariantIn(scan, strPath, tag, found)) {
            resolution.m_strPath = found;
            return resolution;
        }
    }
    resolution.m_bNoMovie = true;
    return resolution;
}

ShapeResolution ResolveShapeVariant(const CString& strContentRoot, const CString& strPath)
{
    return ResolveShapeVariant(strContentRoot, strPath, ClassifyScreenShape());
}

void SettleFirstRunPath(const CString& strContentRoot, CString& strFilePath, int& nPlayingMethod, ScreenShape shape)
{
    ShapeResolution resolution = ResolveShapeVariant(strContentRoot, strFilePath, shape);
    if (resolution.m_bNoMovie) nPlayingMethod = kPlayFolder;
    if (resolution.m_strPath.IsEmpty()) {
        strFilePath.Empty();
        return;
    }
    int kind = ExactPathKind(resolution.m_strPath);
    if (kind < 0) return;
    strFilePath = resolution.m_strPath;
    nPlayingMethod = kind;
}

void SettleFirstRunPath(const CString& strContentRoot, CString& strFilePath, int& nPlayingMethod)
{
    SettleFirstRunPath(strContentRoot, strFilePath, nPlayingMethod, ClassifyScreenShape());
}

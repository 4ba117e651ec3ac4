#include "catalogue/ContentRoot.h"
#include "catalogue/FolderScan.h"
#include "catalogue/MovieFile.h"
#include <shlobj.h>

CString BuildContentRoot()
{
    wchar_t szProgramFiles[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, szProgramFiles);
    szProgramFiles[MAX_PATH - 1] = L'\0';
    return CString(szProgramFiles) + L"\\Velnor\\Driftreel";
}

CString NoFilePicturePath(const CString& strContentRoot) { return strContentRoot + L"\\ErrorNoFile.JPG"; }

CString NoCodecPicturePath(const CString& strContentRoot) { return strContentRoot + L"\\ErrorNoCodec.JPG"; }

std::vector<MovieFolder> ListMovieFolders(const CString& strContentRoot)
{
    std::vector<MovieFolder> folders;
    ForEachEntry(strContentRoot + L"\\*.*", [&folders](const CFileFind& entry) {
        if (entry.IsDirectory()) folders.push_back({ FileTitle(entry.GetFileName()), entry.GetFileName() });
    });
    return folders;
}

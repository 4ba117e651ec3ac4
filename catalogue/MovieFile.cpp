#include "catalogue/MovieFile.h"

CString LowerText(const CString& strText)
{
    CString lower(strText);
    lower.MakeLower();
    return lower;
}

bool IsMovieFileName(const CString& strName)
{
    static const wchar_t* const kMovieMarks[] = {L".wmv", L".mpg", L".mpeg", L".avi"};
    CString lower = LowerText(strName);
    for (const wchar_t* mark : kMovieMarks)
        if (lower.Find(mark, 1) >= 0) return true;
    return false;
}

CString FileTitle(const CString& strName)
{
    int dot = strName.ReverseFind(L'.');
    return dot >= 0 ? strName.Left(dot) : strName;
}

CString ShapeTag(const CString& strLowerTitle)
{
    int space = strLowerTitle.ReverseFind(L' ');
    return space >= 0 ? strLowerTitle.Mid(space + 1) : CString();
}

#include "config/TitleLabel.h"

namespace {
const int kMaxTitleChars = 40;
const int kMaxAnsiBytes = 41;
const int kShortTitleChars = 21;

// The first nChars characters, one fewer when the last would be the first
// half of a surrogate pair.
CString LeadingChars(const CString& strText, int nChars)
{
    if (strText.GetLength() <= nChars) return strText;
    if (IS_HIGH_SURROGATE(strText.GetAt(nChars - 1))) --nChars;
    return strText.Left(nChars);
}
}

CString TitleLabelText(const CString& strTitle)
{
    CString strRead = LeadingChars(strTitle, kMaxTitleChars);
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, strRead, -1, nullptr, 0, nullptr, nullptr);
    return nBytes > kMaxAnsiBytes ? LeadingChars(strRead, kShortTitleChars) : strRead;
}

// Lets test failures show framework strings as text.
#pragma once
#include "framework/CString.h"
#include <ostream>
#include <string>

// Text for a test's messages.
inline std::string Utf8(const wchar_t* pszText)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, pszText, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) ::WideCharToMultiByte(CP_UTF8, 0, pszText, -1, &utf8[0], n, nullptr, nullptr);
    return utf8;
}

inline void PrintTo(const CString& s, std::ostream* os) { *os << '"' << Utf8(s) << '"'; }

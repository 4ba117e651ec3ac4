#include "app/CommandLine.h"

namespace {
wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }
}

bool IsSwitch(const wchar_t* pszCmdLine, wchar_t cLetter)
{
    if (!pszCmdLine) return false;
    const wchar_t* p = pszCmdLine;
    if (*p == L'-' || *p == L'/') ++p;
    return *p != 0 && AsciiLower(*p) == AsciiLower(cLetter);
}

RunMode ChooseRunMode(int nArgc, const wchar_t* pszCmdLine)
{
    if (nArgc == 1) return RunMode::Settings;
    if (IsSwitch(pszCmdLine, L'c')) return RunMode::Settings;
    if (IsSwitch(pszCmdLine, L'p')) return RunMode::None;
    return RunMode::Play;
}

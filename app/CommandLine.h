// The screen-saver switch on the command line and the mode it selects.
#pragma once

enum class RunMode { Settings, None, Play };

// True when the switch letter of the argument text (the command line after
// the program name) is cLetter: one leading '-' or '/' is skipped, then one
// character is compared without regard to ASCII case.
bool IsSwitch(const wchar_t* pszCmdLine, wchar_t cLetter);

// Settings with no argument or "c", nothing for "p", playback otherwise.
RunMode ChooseRunMode(int nArgc, const wchar_t* pszCmdLine);

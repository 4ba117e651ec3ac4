// The user's settings record and its machine-wide first-run defaults, shared
// by the settings dialog and the player.
#pragma once
#include "framework/Afx.h"
#include <functional>

// Key of the record below HKEY_CURRENT_USER (the user's record) and
// HKEY_LOCAL_MACHINE (the defaults, only ever read).
extern const wchar_t kProductKeyPath[];

// "PlayingMethod": what "FilePath" names and how it plays. The record holds
// the stored number as it is, so it may be neither.
enum PlayingMethod {
    kPlayOneMovie = 0,   // one movie file, repeated
    kPlayFolder = 1,     // every movie of a folder, in its stored order
};

// The record as loaded; the numbers are used as they stand, without range tests.
struct SettingsRecord {
    CString m_strFilePath;       // the movie file (kPlayOneMovie) or the movie folder (kPlayFolder)
    int m_nPlayingMethod = kPlayOneMovie;
    int m_nVolume = 50;
    int m_nInitialize = 0;       // 0: still defaults, so the caller derives what to play
};

// What OK decided to store. With a playing method other than the two above
// neither the path nor the method is written.
struct SettingsChoice {
    CString m_strFilePath;
    int m_nPlayingMethod = kPlayOneMovie;
    int m_nDisplay = 0;
    int m_nVolume = 50;
};

// Copies the machine defaults into the user's record and marks it as not yet
// set up by the user.
void CopyMachineDefaults();

// Reads the user's record, copying the machine defaults first when it names
// no file yet. Nothing else is written.
SettingsRecord LoadSettingsRecord();

// Writes the choice; writeMovieList runs right after the method when the
// choice is to play a whole folder, so that its list is stored with it.
void SaveSettingsRecord(const SettingsChoice& choice, const std::function<void()>& writeMovieList);

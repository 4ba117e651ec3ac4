#include "settings/SettingsRecord.h"
#include "settings/RegistryKey.h"

const wchar_t kProductKeyPath[] = L"Software\\Velnor Corporation\\Driftreel";

namespace {
// A number of the record, or the fallback when it cannot be read.
int ReadNumber(RegistryKey& key, const wchar_t* pszName, int nFallback)
{
    DWORD value = static_cast<DWORD>(nFallback);
    key.ReadDword(nullptr, pszName, value);
    return static_cast<int>(value);
}
}

void CopyMachineDefaults()
{
    RegistryKey machine(kProductKeyPath, HKEY_LOCAL_MACHINE);
    int nMethod = ReadNumber(machine, L"PlayingMethod", kPlayOneMovie);
    int nVolume = ReadNumber(machine, L"Volume", 50);
    CString strFilePath;
    machine.ReadString(nullptr, L"FilePath", strFilePath);

    RegistryKey user(kProductKeyPath, HKEY_CURRENT_USER);
    user.WriteString(nullptr, L"FilePath", strFilePath, TRUE);
    user.WriteDword(nullptr, L"PlayingMethod", static_cast<DWORD>(nMethod), FALSE);
    user.WriteDword(nullptr, L"Volume", static_cast<DWORD>(nVolume), FALSE);
    user.WriteDword(nullptr, L"Initialize", 0, FALSE);
}

SettingsRecord LoadSettingsRecord()
{
    RegistryKey user(kProductKeyPath, HKEY_CURRENT_USER);
    SettingsRecord record;
    user.ReadString(nullptr, L"FilePath", record.m_strFilePath);
    if (record.m_strFilePath.IsEmpty()) {
        CopyMachineDefaults();
        user.ReadString(nullptr, L"FilePath", record.m_strFilePath);
    }
    record.m_nPlayingMethod = ReadNumber(user, L"PlayingMethod", kPlayOneMovie);
    record.m_nVolume = ReadNumber(user, L"Volume", 50);
    record.m_nInitialize = ReadNumber(user, L"Initialize", 0);
    return record;
}

void SaveSettingsRecord(const SettingsChoice& choice, const std::function<void()>& writeMovieList)
{
    RegistryKey user(kProductKeyPath, HKEY_CURRENT_USER);
    bool bKnownMethod = choice.m_nPlayingMethod == kPlayOneMovie || choice.m_nPlayingMethod == kPlayFolder;
    if (bKnownMethod) {
        user.WriteString(nullptr, L"FilePath", choice.m_strFilePath, TRUE);
        user.WriteDword(nullptr, L"PlayingMethod", static_cast<DWORD>(choice.m_nPlayingMethod), FALSE);
        if (choice.m_nPlayingMethod == kPlayFolder && writeMovieList) writeMovieList();
    }
    // Created when missing, so that OK never silently drops the user's choices.
    user.WriteDword(nullptr, L"Display", static_cast<DWORD>(choice.m_nDisplay), TRUE);
    user.WriteDword(nullptr, L"Volume", static_cast<DWORD>(choice.m_nVolume), TRUE);
    user.WriteDword(nullptr, L"Initialize", 1, TRUE);
}

// The inputs of one fuzz case, all drawn from one generator seeded with the
// run's seed, the mode and the case number, so that a case comes out the
// same when it is run alone: movie folders with hostile names below the
// content root, and a settings record and list keys of random types, sizes
// and counts under the product key.
#pragma once
#include "framework/CString.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/RegistryTree.h"
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class FuzzCase {
public:
    FuzzCase(uint32_t nSeed, int nMode, int nCase);

    // A number from nLow to nHigh, both included.
    int Pick(int nLow, int nHigh);
    bool OneIn(int n) { return Pick(1, n) == 1; }

    // Movie folders below strRoot: names with %, brackets, trailing dots and
    // spaces, Japanese, Cyrillic and Arabic letters, paths past MAX_PATH,
    // and now and then thousands of files.
    void BuildContent(const CString& strRoot);
    // The user's record and the folders' list keys, in the product key.
    void WriteSettings(RegistryTestKey& user);
    // Random machine defaults, which a record without a file path copies.
    void WriteMachineDefaults(RegistryTestKey& machine);

    // Files to delete while the program lists them; empty in most cases.
    const std::vector<CString>& VanishingFiles() const { return m_vanishing; }
    // What the case holds, for messages.
    const std::string& Describe() const { return m_strNotes; }

private:
    std::wstring HostileName(int nMaxLength);
    std::wstring MovieFileName();
    void BuildFolder(const CString& strFolder);
    void AddFiles(const CString& strFolder, int nFiles);
    void ChooseVanishing(const CString& strFolder);
    CString RandomFolderPath();
    CString RandomFilePath();
    std::vector<BYTE> RandomBytes(DWORD dwType);
    std::vector<BYTE> TextBytes(const std::wstring& text);
    void SetRandomValue(RegistryTestKey& key, const wchar_t* pszSubKey, const wchar_t* pszName);
    void WriteFilePath(RegistryTestKey& user);
    void WriteNumber(RegistryTestKey& user, const wchar_t* pszName, std::initializer_list<DWORD> likely);
    void WriteList(RegistryTestKey& user, const CString& strFolder);
    void Note(const std::string& strNote);

    std::mt19937 m_random;
    CString m_strRoot;
    std::vector<CString> m_folders;
    std::vector<CString> m_files;
    std::vector<CString> m_vanishing;
    std::string m_strNotes;
};

// The product key as the settings dialog leaves it when it is cancelled:
// unchanged, except that a record whose file path reads as empty gets the
// machine defaults copied in (here none: an empty path, method 0, volume 50,
// not set up).
RegistryTree AfterSettingsLoad(RegistryTree before);

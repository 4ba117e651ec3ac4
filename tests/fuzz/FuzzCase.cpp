#include "tests/fuzz/FuzzCase.h"
#include "tests/support/Printers.h"
#include "tests/support/TempFolder.h"

namespace {
const wchar_t* const kPercentNames[] = { L"100%", L"%s%n%d", L"%USERPROFILE%", L"50% off", L"%" };
const wchar_t* const kPunctuationNames[] = { L"[abc]", L"a[1]b", L"{x}", L"~$tmp", L"#&;'^!@=+,", L"a  b",
                                             L"(1) [2]" };
const wchar_t* const kForeignNames[] = { L"映画の夜", L"Фильмы", L"أفلام", L"海 w", L"Море n", L"עברית",
                                         L"e\u0301t\u00E9", L"\U0001F3AC clip", L"ﾌｨﾙﾑ" };
const wchar_t* const kPlainNames[] = { L"Sea", L"Sea.2005", L".hidden", L"a.wmv", L"Sea W", L"a" };
const wchar_t* const kEndings[] = { L".", L" ", L"...", L". .", L" ." };
const wchar_t* const kExtensions[] = { L".wmv", L".WMV", L".mpg", L".mpeg", L".avi", L".wmv.txt", L".txt",
                                       L".avi.", L"", L" .wmv", L".wmv ", L".Avi" };
const wchar_t* const kShortTitles[] = { L"a", L"b", L"sea w", L"sea n", L"sea v", L"A", L"", L"Sea W" };
const DWORD kValueTypes[] = { REG_SZ, REG_DWORD, REG_BINARY, REG_EXPAND_SZ, REG_MULTI_SZ, REG_QWORD, REG_NONE };
const DWORD kExtremeNumbers[] = { 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 1000000, 0xFFFFFFFE };
const wchar_t* const kFarPositions[] = { L"0", L"-1", L"2147483647", L"4294967295", L"007", L"" };

template <typename T, size_t N>
const T& OneOf(const T (&items)[N], int nIndex)
{
    return items[static_cast<size_t>(nIndex) % N];
}

bool CreateFolder(const CString& strPath) { return ::CreateDirectoryW(ExtendedLengthPath(strPath), nullptr) != FALSE; }

bool CreateEmptyFile(const CString& strPath)
{
    HANDLE hFile = ::CreateFileW(ExtendedLengthPath(strPath), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(hFile);
    return true;
}

// The file name's title as the catalogue reads it: up to the last dot.
CString TitleOf(const CString& strPath)
{
    CString strName = strPath.Mid(strPath.ReverseFind(L'\\') + 1);
    int nDot = strName.ReverseFind(L'.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

// Long names are cut short in messages.
std::string Shown(const CString& strText)
{
    std::string text = Utf8(strText);
    return text.size() <= 40 ? text : text.substr(0, 20) + "...(" + std::to_string(strText.GetLength()) + " chars)";
}

RegistryTree::Value DwordValue(DWORD dwValue)
{
    RegistryTree::Value value;
    value.m_dwType = REG_DWORD;
    value.m_data.assign(reinterpret_cast<const BYTE*>(&dwValue), reinterpret_cast<const BYTE*>(&dwValue) + 4);
    return value;
}

// Up to the first UTF-16 terminator nothing is left; an odd last byte is a
// character of its own.
bool ReadsAsEmptyText(const std::vector<BYTE>& data)
{
    return data.empty() || (data[0] == 0 && (data.size() == 1 || data[1] == 0));
}
}

FuzzCase::FuzzCase(uint32_t nSeed, int nMode, int nCase)
{
    std::seed_seq seeds{ nSeed, static_cast<uint32_t>(nMode), static_cast<uint32_t>(nCase) };
    m_random.seed(seeds);
}

int FuzzCase::Pick(int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(m_random); }

void FuzzCase::Note(const std::string& strNote) { m_strNotes += (m_strNotes.empty() ? "" : "; ") + strNote; }

std::wstring FuzzCase::HostileName(int nMaxLength)
{
    std::wstring name;
    switch (Pick(0, 5)) {
    case 0: name = OneOf(kPercentNames, Pick(0, 99)); break;
    case 1: name = OneOf(kPunctuationNames, Pick(0, 99)); break;
    case 2: name = std::wstring(OneOf(kPlainNames, Pick(0, 99))) + OneOf(kEndings, Pick(0, 99)); break;
    case 3: name = OneOf(kForeignNames, Pick(0, 99)); break;
    case 4:
        name.assign(static_cast<size_t>(Pick(nMaxLength / 2, nMaxLength)), static_cast<wchar_t>(L'a' + Pick(0, 25)));
        break;
    default: name = OneOf(kPlainNames, Pick(0, 99)); break;
    }
    if (OneIn(5)) name += OneOf(kForeignNames, Pick(0, 99));
    return name;
}

std::wstring FuzzCase::MovieFileName()
{
    std::wstring title = OneIn(3) ? HostileName(120) : OneOf(kShortTitles, Pick(0, 99));
    return title + OneOf(kExtensions, Pick(0, 99));
}

void FuzzCase::BuildContent(const CString& strRoot)
{
    m_strRoot = strRoot;
    const int nFolders = OneIn(8) ? 0 : Pick(1, 3);
    for (int i = 0; i < nFolders; ++i) {
        CString strFolder = strRoot + L"\\" + HostileName(230).c_str();
        // Now and then one level deeper, so that the paths pass MAX_PATH.
        if (OneIn(6) && CreateFolder(strFolder)) strFolder += CString(L"\\") + HostileName(200).c_str();
        if (!CreateFolder(strFolder)) continue;
        m_folders.push_back(strFolder);
        Note("folder " + Shown(strFolder.Mid(strRoot.GetLength() + 1)));
        BuildFolder(strFolder);
    }
    if (OneIn(3)) CreateEmptyFile(strRoot + L"\\ErrorNoFile.JPG");
    if (OneIn(6)) CreateEmptyFile(strRoot + L"\\ErrorNoCodec.JPG");
}

void FuzzCase::BuildFolder(const CString& strFolder)
{
    const int nFiles = OneIn(40) ? Pick(1000, 3000) : Pick(0, 12);
    AddFiles(strFolder, nFiles);
    if (OneIn(8)) CreateFolder(strFolder + L"\\inner.wmv");
    if (OneIn(6)) ChooseVanishing(strFolder);
}

void FuzzCase::AddFiles(const CString& strFolder, int nFiles)
{
    int nMade = 0;
    for (int i = 0; i < nFiles; ++i) {
        CString strName;
        // Thousands of files are mostly plain movies, which every pass has to visit.
        if (nFiles > 100 && !OneIn(20)) strName.Format(L"m%05d%s", i, OneOf(kExtensions, Pick(0, 4)));
        else strName = MovieFileName().c_str();
        CString strPath = strFolder + L"\\" + strName;
        if (!CreateEmptyFile(strPath)) continue;
        m_files.push_back(strPath);
        ++nMade;
    }
    Note(std::to_string(nMade) + " files");
}

void FuzzCase::ChooseVanishing(const CString& strFolder)
{
    for (const CString& strFile : m_files)
        if (strFile.Left(strFolder.GetLength() + 1) == strFolder + L"\\" && !OneIn(3)) m_vanishing.push_back(strFile);
    Note(std::to_string(m_vanishing.size()) + " vanishing");
}

CString FuzzCase::RandomFolderPath()
{
    if (m_folders.empty()) return m_strRoot;
    return m_folders[static_cast<size_t>(Pick(0, static_cast<int>(m_folders.size()) - 1))];
}

CString FuzzCase::RandomFilePath()
{
    if (m_files.empty() || OneIn(4)) return m_strRoot + L"\\nowhere\\gone.wmv";
    return m_files[static_cast<size_t>(Pick(0, static_cast<int>(m_files.size()) - 1))];
}

std::vector<BYTE> FuzzCase::TextBytes(const std::wstring& text)
{
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(pBytes, pBytes + (text.size() + 1) * sizeof(wchar_t));
}

std::vector<BYTE> FuzzCase::RandomBytes(DWORD dwType)
{
    std::vector<BYTE> data;
    switch (Pick(0, 8)) {
    case 0: break;
    case 1: data.resize(static_cast<size_t>(Pick(0, 3) * 2 + 1)); break;
    case 2: data.resize(dwType == REG_QWORD ? 8 : 4); break;
    case 3: data = TextBytes(HostileName(60)); break;
    case 4: data = TextBytes(HostileName(60)); data.resize(data.size() - 2); break;   // no terminator
    case 5: data.assign(70000, 'a'); break;                                           // nor here
    case 6: data = TextBytes(std::wstring(L"a") + L'\0' + L"b" + L'\0'); break;
    case 7: data = TextBytes(std::wstring(static_cast<size_t>(Pick(258, 262)), L'x')); break;
    default: data.resize(static_cast<size_t>(Pick(1, 600))); break;
    }
    const bool bRandom = data.size() < 9 || OneIn(4);
    for (size_t i = 0; bRandom && i < data.size(); ++i) data[i] = static_cast<BYTE>(m_random());
    return data;
}

void FuzzCase::SetRandomValue(RegistryTestKey& key, const wchar_t* pszSubKey, const wchar_t* pszName)
{
    const DWORD dwType = OneOf(kValueTypes, Pick(0, 99));
    std::vector<BYTE> data = RandomBytes(dwType);
    key.SetValue(pszSubKey, pszName, dwType, data.data(), static_cast<DWORD>(data.size()));
    Note(Utf8(pszName) + " type " + std::to_string(dwType) + " " + std::to_string(data.size()) + " bytes");
}

void FuzzCase::WriteFilePath(RegistryTestKey& user)
{
    CString strPath;
    switch (Pick(0, 11)) {
    case 0: Note("no FilePath"); return;
    case 1: SetRandomValue(user, nullptr, L"FilePath"); return;
    case 2: strPath = RandomFolderPath(); break;
    case 3: strPath = RandomFilePath(); break;
    case 4: strPath = m_strRoot; break;
    case 5: strPath = ExtendedLengthPath(RandomFilePath()); break;
    case 6: strPath = m_strRoot + L"\\" + CString(std::wstring(300, L'z').c_str()); break;
    case 7: strPath = TitleOf(RandomFilePath()); break;                       // a bare name
    case 8: strPath = RandomFilePath() + L"\\"; break;
    case 9: strPath = L"D:\\Clips"; break;
    case 10: {
        std::vector<BYTE> data = TextBytes(RandomFilePath().GetString());
        data.resize(data.size() - 2);                                          // no terminator
        user.SetValue(nullptr, L"FilePath", REG_SZ, data.data(), static_cast<DWORD>(data.size()));
        Note("FilePath without terminator");
        return;
    }
    default: strPath = L""; break;
    }
    user.SetString(nullptr, L"FilePath", strPath);
    Note("FilePath " + Shown(strPath));
}

void FuzzCase::WriteNumber(RegistryTestKey& user, const wchar_t* pszName, std::initializer_list<DWORD> likely)
{
    DWORD dwValue = 0;
    switch (Pick(0, 4)) {
    case 0: return;
    case 1: SetRandomValue(user, nullptr, pszName); return;
    case 2: dwValue = OneOf(kExtremeNumbers, Pick(0, 99)); break;
    default: dwValue = likely.begin()[Pick(0, static_cast<int>(likely.size()) - 1)]; break;
    }
    user.SetDword(nullptr, pszName, dwValue);
    Note(Utf8(pszName) + " " + std::to_string(dwValue));
}

void FuzzCase::WriteList(RegistryTestKey& user, const CString& strFolder)
{
    CString strKey = strFolder;
    strKey.Replace(m_strRoot + L"\\", L"");
    const int nEntries = OneIn(30) ? Pick(500, 2500) : Pick(0, 12);
    DWORD dwCount = static_cast<DWORD>(nEntries);
    switch (Pick(0, 5)) {
    case 0: break;
    case 1: SetRandomValue(user, strKey, L"FileCount"); break;
    case 2: user.SetDword(strKey, L"FileCount", OneOf(kExtremeNumbers, Pick(0, 99))); break;
    case 3: user.SetDword(strKey, L"FileCount", dwCount + Pick(1, 20)); break;
    default: user.SetDword(strKey, L"FileCount", dwCount); break;
    }
    for (int i = 1; i <= nEntries; ++i) {
        CString strName;
        strName.Format(L"%d", i);
        if (OneIn(6)) continue;                                                  // a gap
        if (OneIn(5)) {
            SetRandomValue(user, strKey, strName);
            continue;
        }
        std::wstring title = TitleOf(RandomFilePath()).GetString();
        if (OneIn(2)) ::CharUpperBuffW(&title[0], static_cast<DWORD>(title.size()));
        user.SetString(strKey, strName, title.c_str());
    }
    for (int i = Pick(-2, 2); i > 0; --i) SetRandomValue(user, strKey, OneOf(kFarPositions, Pick(0, 99)));
    Note("list of " + std::to_string(nEntries));
}

void FuzzCase::WriteSettings(RegistryTestKey& user)
{
    WriteFilePath(user);
    WriteNumber(user, L"PlayingMethod", { 0, 1, 1, 2 });
    WriteNumber(user, L"Volume", { 1, 50, 100, 0, 101 });
    WriteNumber(user, L"Initialize", { 0, 1, 1, 7 });
    WriteNumber(user, L"Display", { 0, 1, 2 });
    for (const CString& strFolder : m_folders)
        if (!OneIn(4)) WriteList(user, strFolder);
    if (OneIn(5)) WriteList(user, OneIn(2) ? CString(L"D:\\Clips") : m_strRoot + L"\\" + HostileName(100).c_str());
    if (OneIn(6)) SetRandomValue(user, nullptr, OneIn(2) ? L"" : L"Unknown");
}

void FuzzCase::WriteMachineDefaults(RegistryTestKey& machine)
{
    Note("machine defaults:");
    WriteFilePath(machine);
    WriteNumber(machine, L"PlayingMethod", { 0, 1 });
    WriteNumber(machine, L"Volume", { 1, 50, 100 });
}

RegistryTree AfterSettingsLoad(RegistryTree tree)
{
    auto found = tree.m_values.find(L"FilePath");
    if (found != tree.m_values.end() && !ReadsAsEmptyText(found->second.m_data)) return tree;
    tree.m_bExists = true;
    RegistryTree::Value& path = tree.m_values[L"FilePath"];
    path.m_dwType = REG_SZ;
    path.m_data.assign(2, 0);
    tree.m_values[L"PlayingMethod"] = DwordValue(0);
    tree.m_values[L"Volume"] = DwordValue(50);
    tree.m_values[L"Initialize"] = DwordValue(0);
    return tree;
}

#include "framework/DialogTemplateClasses.h"
#include <string>

namespace {
// Reads a template front to back and never past its end: any read that
// would leave it marks the reader failed and answers zeros.
class TemplateReader {
public:
    TemplateReader(const BYTE* pBegin, DWORD cbSize) : m_pBegin(pBegin), m_cbSize(cbSize) {}

    bool Failed() const { return m_bFailed; }

    WORD Word() { return static_cast<WORD>(Bytes(2)); }
    DWORD Dword() { return Bytes(4); }
    void Skip(DWORD cb)
    {
        if (Fits(cb)) m_cbAt += cb;
    }
    void AlignToDword() { Skip((4 - m_cbAt % 4) % 4); }

    // A name or an ordinal: true when it is empty, an ordinal of the system's
    // predefined classes, or one of their names.
    bool SystemClass()
    {
        WORD wFirst = Word();
        if (wFirst == 0) return true;
        if (wFirst == 0xFFFF) {
            WORD wOrdinal = Word();
            return wOrdinal >= 0x80 && wOrdinal <= 0x85;
        }
        std::wstring strName = static_cast<wchar_t>(wFirst) + RestOfString();
        return !m_bFailed && IsSystemClassName(strName.c_str());
    }
    // Skips a name or an ordinal (a menu or a title).
    void SkipNameOrOrdinal()
    {
        WORD wFirst = Word();
        if (wFirst == 0xFFFF) Word();
        else if (wFirst != 0) RestOfString();
    }
    void SkipString() { RestOfString(); }

private:
    // The characters up to the terminator, which is read too.
    std::wstring RestOfString()
    {
        std::wstring str;
        for (WORD w = Word(); w != 0 && !m_bFailed; w = Word()) str += static_cast<wchar_t>(w);
        return str;
    }
    static bool IsSystemClassName(const wchar_t* pszName)
    {
        static const wchar_t* const kNames[] = { L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox" };
        for (const wchar_t* pszSystem : kNames)
            if (::lstrcmpiW(pszName, pszSystem) == 0) return true;
        return false;
    }
    bool Fits(DWORD cb)
    {
        if (m_bFailed || cb > m_cbSize - m_cbAt) m_bFailed = true;
        return !m_bFailed;
    }
    DWORD Bytes(DWORD cb)
    {
        if (!Fits(cb)) return 0;
        DWORD dwValue = 0;
        for (DWORD i = 0; i < cb; ++i) dwValue |= DWORD(m_pBegin[m_cbAt + i]) << (8 * i);
        m_cbAt += cb;
        return dwValue;
    }

    const BYTE* m_pBegin;
    DWORD m_cbSize;
    DWORD m_cbAt = 0;
    bool m_bFailed = false;
};

// Reads the header up to the first control and answers the control
// count, or -1 when the dialog itself is of a class of its own.
int ReadHeader(TemplateReader& reader, bool bExtended)
{
    DWORD dwStyle = 0;
    if (bExtended) {
        reader.Skip(4 + 4 + 4);      // version and signature, help id, extended style
        dwStyle = reader.Dword();
    } else {
        dwStyle = reader.Dword();
        reader.Skip(4);              // extended style
    }
    int nItems = reader.Word();
    reader.Skip(4 * 2);              // position and size
    reader.SkipNameOrOrdinal();      // menu
    if (!reader.SystemClass()) return -1;
    reader.SkipString();             // title
    if (dwStyle & DS_SETFONT) {
        reader.Skip(bExtended ? 2 + 2 + 1 + 1 : 2);
        reader.SkipString();
    }
    return nItems;
}

// Reads one control and answers whether its class is a system one.
bool ReadItemOfSystemClass(TemplateReader& reader, bool bExtended)
{
    reader.AlignToDword();
    reader.Skip(bExtended ? 4 + 4 + 4 + 4 * 2 + 4 : 4 + 4 + 4 * 2 + 2);
    bool bSystem = reader.SystemClass();
    reader.SkipNameOrOrdinal();      // title
    reader.Skip(reader.Word());      // creation data
    return bSystem;
}
}

bool AfxTemplateUsesSystemClassesOnly(const DLGTEMPLATE* pTemplate, DWORD cbTemplate)
{
    if (!pTemplate) return false;
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(pTemplate);
    TemplateReader reader(pBytes, cbTemplate);
    const bool bExtended = cbTemplate >= 4 && pBytes[0] == 1 && pBytes[1] == 0 && pBytes[2] == 0xFF && pBytes[3] == 0xFF;
    int nItems = ReadHeader(reader, bExtended);
    for (int i = 0; i < nItems && !reader.Failed(); ++i)
        if (!ReadItemOfSystemClass(reader, bExtended)) return false;
    return nItems >= 0 && !reader.Failed();
}

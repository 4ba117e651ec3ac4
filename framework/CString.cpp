#include "framework/CString.h"
#include "framework/AfxState.h"
#include <cstdarg>
#include <cwchar>

CString::CString(const wchar_t* psz) : m_str(psz ? psz : L"") {}
CString::CString(const wchar_t* pch, int nLength) : m_str(pch, nLength > 0 ? nLength : 0) {}
CString::CString(wchar_t ch, int nRepeat) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}

CString& CString::operator=(const wchar_t* psz)
{
    m_str = psz ? psz : L"";
    return *this;
}

CString& CString::operator+=(const CString& str) { m_str += str.m_str; return *this; }
CString& CString::operator+=(const wchar_t* psz) { if (psz) m_str += psz; return *this; }
CString& CString::operator+=(wchar_t ch) { m_str += ch; return *this; }

int CString::Compare(const wchar_t* psz) const { return std::wcscmp(m_str.c_str(), psz ? psz : L""); }

int CString::CompareNoCase(const wchar_t* psz) const
{
    return ::lstrcmpiW(m_str.c_str(), psz ? psz : L"");
}

CString CString::Left(int nCount) const
{
    if (nCount < 0) nCount = 0;
    return CString(m_str.substr(0, static_cast<size_t>(nCount)).c_str());
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0) nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0) return CString();
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)).c_str());
}

CString CString::Right(int nCount) const
{
    if (nCount >= GetLength()) return *this;
    return Mid(GetLength() - (nCount > 0 ? nCount : 0));
}

int CString::Find(wchar_t ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength()) return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength()) return -1;
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew)
{
    std::wstring from(pszOld ? pszOld : L"");
    std::wstring to(pszNew ? pszNew : L"");
    if (from.empty()) return 0;
    std::wstring result;
    int count = 0;
    size_t start = 0, pos;
    while ((pos = m_str.find(from, start)) != std::wstring::npos) {
        result.append(m_str, start, pos - start);
        result += to;
        start = pos + from.size();
        ++count;
    }
    if (count) {
        result.append(m_str, start, std::wstring::npos);
        m_str.swap(result);
    }
    return count;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        ::CharLowerBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

void CString::Format(const wchar_t* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int n = _vscwprintf(pszFormat, copy);
    va_end(copy);
    if (n < 0) n = 0;
    std::wstring out(static_cast<size_t>(n) + 1, L'\0');
    _vsnwprintf(&out[0], out.size(), pszFormat, args);
    va_end(args);
    out.resize(static_cast<size_t>(n));
    m_str.swap(out);
}

BOOL CString::LoadString(UINT nID)
{
    const wchar_t* p = nullptr;
    // With a zero buffer size the call hands back a pointer into the resource.
    int n = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&p), 0);
    if (n <= 0 || !p) {
        Empty();
        return FALSE;
    }
    m_str.assign(p, static_cast<size_t>(n));
    return TRUE;
}

wchar_t* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength()) m_str.resize(static_cast<size_t>(nMinLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0) nNewLength = static_cast<int>(std::wcslen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(nNewLength));
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }

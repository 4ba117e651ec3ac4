// The framework's string class: UTF-16 text with value semantics.
#pragma once
#include "framework/AfxExport.h"
#include <string>

class AFX_API CString {
public:
    CString() = default;
    CString(const wchar_t* psz);
    CString(const wchar_t* pch, int nLength);
    CString(wchar_t ch, int nRepeat = 1);

    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }

    CString& operator=(const wchar_t* psz);
    CString& operator+=(const CString& str);
    CString& operator+=(const wchar_t* psz);
    CString& operator+=(wchar_t ch);

    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;

    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(const wchar_t* pszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;

    // Replaces every occurrence of pszOld (case-sensitive); returns the count.
    int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
    // Maps each character on its own to lower case (the system's mapping).
    CString& MakeLower();
    void Format(const wchar_t* pszFormat, ...);
    // Loads a string resource from the current resource module.
    BOOL LoadString(UINT nID);

    wchar_t* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

    friend AFX_API CString operator+(const CString& a, const CString& b);
    friend AFX_API CString operator+(const CString& a, const wchar_t* b);
    friend AFX_API CString operator+(const wchar_t* a, const CString& b);
    friend AFX_API CString operator+(const CString& a, wchar_t b);

private:
    std::wstring m_str;
};

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
inline bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }

#include "media/PictureView.h"
#include <cwchar>

bool IsPicturePath(const wchar_t* pszPath)
{
    const wchar_t* pszDot = pszPath ? wcsrchr(pszPath, L'.') : nullptr;
    if (!pszDot) return false;
    static const wchar_t* const kPictures[] = { L".jpg", L".jpeg", L".bmp", L".gif", L".png" };
    for (const wchar_t* pszExt : kPictures)
        if (_wcsicmp(pszDot, pszExt) == 0) return true;
    return false;
}

HRESULT PictureView::Load(const wchar_t* pszPath)
{
    Clear();
    // OleLoadPicturePath wants a writable string.
    size_t n = wcslen(pszPath) + 1;
    wchar_t* pszCopy = new wchar_t[n];
    wmemcpy(pszCopy, pszPath, n);
    HRESULT hr = ::OleLoadPicturePath(pszCopy, nullptr, 0, 0, IID_IPicture, &m_spPicture);
    delete[] pszCopy;
    if (FAILED(hr)) m_spPicture.Reset();
    return hr;
}

void PictureView::Clear() { m_spPicture.Reset(); }

void PictureView::Draw(HDC hDC, const RECT& rc) const
{
    OLE_XSIZE_HIMETRIC cx = 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    if (!m_spPicture || FAILED(m_spPicture->get_Width(&cx)) || FAILED(m_spPicture->get_Height(&cy))) return;
    // The source rectangle is in HIMETRIC units, bottom up.
    m_spPicture->Render(hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, 0, cy, cx, -cy, nullptr);
}

// A still picture (JPEG and the other formats OLE reads) drawn stretched
// into a rectangle.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

class PictureView {
public:
    PictureView() = default;
    ~PictureView() { Clear(); }
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;

    HRESULT Load(const wchar_t* pszPath);
    void Clear();
    bool IsLoaded() const { return m_pPicture != nullptr; }
    void Draw(HDC hDC, const RECT& rc) const;

private:
    IPicture* m_pPicture = nullptr;
};

// Whether a URL names a picture rather than a movie (by its extension).
bool IsPicturePath(const wchar_t* pszPath);

// A still picture (JPEG and the other formats OLE reads) drawn stretched
// into a rectangle.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

class PictureView {
public:
    PictureView() = default;
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;

    HRESULT Load(const wchar_t* pszPath);
    void Clear();
    bool IsLoaded() const { return m_spPicture.Get() != nullptr; }
    void Draw(HDC hDC, const RECT& rc) const;

private:
    Microsoft::WRL::ComPtr<IPicture> m_spPicture;
};

// Whether a URL names a picture rather than a movie (by its extension).
bool IsPicturePath(const wchar_t* pszPath);

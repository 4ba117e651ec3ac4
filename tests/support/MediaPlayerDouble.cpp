#include "tests/support/MediaPlayerDouble.h"
#include <cwchar>

namespace {
std::vector<MediaPlayerDouble*>& Doubles()
{
    static std::vector<MediaPlayerDouble*> doubles;
    return doubles;
}

IUnknown* CreateDouble()
{
    auto* pDouble = new MediaPlayerDouble;
    static_cast<IDispatch*>(pDouble)->AddRef();  // the scope's reference
    Doubles().push_back(pDouble);
    return static_cast<IDispatch*>(pDouble);
}

// A property as the bag gives it, as text; "?" when it has none.
std::wstring ReadText(IPropertyBag* pBag, const wchar_t* pszName)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_BSTR;
    std::wstring strValue = L"?";
    if (pBag && SUCCEEDED(pBag->Read(pszName, &value, nullptr)) && value.vt == VT_BSTR && value.bstrVal)
        strValue = value.bstrVal;
    ::VariantClear(&value);
    return strValue;
}

std::wstring Number(double d)
{
    wchar_t sz[64];
    swprintf(sz, 64, L"%g", d);
    return sz;
}
}

void MediaPlayerDouble::Record(std::wstring call)
{
    m_calls.push_back(call);
    if (m_onCall) m_onCall(call);
}

void MediaPlayerDouble::PutURL(const wchar_t* pszURL) { Record(std::wstring(L"put URL ") + pszURL); }
void MediaPlayerDouble::CloseMedia() { Record(L"close"); }

long MediaPlayerDouble::GetPlayState()
{
    Record(L"get playState");
    return m_nPlayState;
}

void MediaPlayerDouble::Play() { Record(L"play"); }
void MediaPlayerDouble::Stop() { Record(L"stop"); }

double MediaPlayerDouble::GetCurrentPosition()
{
    Record(L"get currentPosition");
    return m_dPosition;
}

void MediaPlayerDouble::PutCurrentPosition(double dSeconds) { Record(L"put currentPosition " + Number(dSeconds)); }
void MediaPlayerDouble::PutVolume(long nVolume) { Record(L"put volume " + Number(nVolume)); }
void MediaPlayerDouble::PutEnableErrorDialogs(BOOL bEnable) { Record(L"put enableErrorDialogs " + Number(bEnable ? 1 : 0)); }

STDMETHODIMP MediaPlayerDouble::Load(IPropertyBag* pPropBag, IErrorLog* pErrorLog)
{
    std::wstring record = L"properties";
    for (const wchar_t* pszName : { L"uiMode", L"stretchToFit", L"enableContextMenu", L"autoStart" })
        record += std::wstring(L" ") + pszName + L"=" + ReadText(pPropBag, pszName);
    m_protocol.push_back(record);
    return MediaPlayerObject::Load(pPropBag, pErrorLog);
}

STDMETHODIMP MediaPlayerDouble::DoVerb(LONG iVerb, LPMSG pMsg, IOleClientSite* pActiveSite, LONG lIndex,
                                       HWND hwndParent, LPCRECT lprcPosRect)
{
    m_protocol.push_back(L"activate");
    return MediaPlayerObject::DoVerb(iVerb, pMsg, pActiveSite, lIndex, hwndParent, lprcPosRect);
}

STDMETHODIMP MediaPlayerDouble::SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect)
{
    if (lprcPosRect)
        m_protocol.push_back(L"rects " + Number(lprcPosRect->left) + L"," + Number(lprcPosRect->top) + L"," +
                             Number(lprcPosRect->right) + L"," + Number(lprcPosRect->bottom));
    return MediaPlayerObject::SetObjectRects(lprcPosRect, lprcClipRect);
}

STDMETHODIMP MediaPlayerDouble::InPlaceDeactivate()
{
    m_protocol.push_back(WithWindow(L"deactivate"));
    return MediaPlayerObject::InPlaceDeactivate();
}

STDMETHODIMP MediaPlayerDouble::Close(DWORD dwSaveOption)
{
    m_protocol.push_back(WithWindow(L"close"));
    return MediaPlayerObject::Close(dwSaveOption);
}

std::wstring MediaPlayerDouble::WithWindow(const wchar_t* pszCall) const
{
    return std::wstring(pszCall) + (::IsWindow(GetSafeHwnd()) ? L" with window" : L"");
}

void MediaPlayerDouble::FireClick(short nButton, short nShift, long x, long y)
{
    FireMouseEvent(MediaDispid::Click, nButton, nShift, x, y);
}

void MediaPlayerDouble::FireDoubleClick(short nButton, short nShift, long x, long y)
{
    FireMouseEvent(MediaDispid::DoubleClick, nButton, nShift, x, y);
}

void MediaPlayerDouble::FireMouseMove(short nButton, short nShift, long x, long y)
{
    FireMouseEvent(MediaDispid::MouseMove, nButton, nShift, x, y);
}

ULONG MediaPlayerDouble::RefCount()
{
    AddRef();
    return Release();
}

MediaDoubleScope::MediaDoubleScope() : m_pfnPrevious(SetMediaObjectFactory(&CreateDouble)) {}

MediaDoubleScope::~MediaDoubleScope()
{
    SetMediaObjectFactory(m_pfnPrevious);
    for (MediaPlayerDouble* pDouble : Doubles()) static_cast<IDispatch*>(pDouble)->Release();
    Doubles().clear();
}

MediaPlayerDouble* MediaDoubleScope::Last() const { return Doubles().empty() ? nullptr : Doubles().back(); }
size_t MediaDoubleScope::Count() const { return Doubles().size(); }

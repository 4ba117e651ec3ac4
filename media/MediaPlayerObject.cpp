#include "media/MediaPlayerObject.h"
#include "media/MediaSubObjects.h"

MediaPlayerObject::MediaPlayerObject() : OleControlObject(DIID_MediaPlayerEvents) {}

void* MediaPlayerObject::FindInterface(REFIID riid)
{
    if (riid == IID_IPersist || riid == IID_IPersistPropertyBag) return static_cast<IPersistPropertyBag*>(this);
    return OleControlObject::FindInterface(riid);
}

STDMETHODIMP MediaPlayerObject::GetClassID(CLSID* pClassID)
{
    if (!pClassID) return E_POINTER;
    *pClassID = CLSID_MediaPlayerControl;
    return S_OK;
}

namespace {
// A property the bag does not hold keeps its value.
void ReadProperty(IPropertyBag* pBag, const wchar_t* pszName, bool& bValue)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_BOOL;
    if (SUCCEEDED(pBag->Read(pszName, &value, nullptr)) && value.vt == VT_BOOL) bValue = value.boolVal != VARIANT_FALSE;
    ::VariantClear(&value);
}
}

STDMETHODIMP MediaPlayerObject::Load(IPropertyBag* pPropBag, IErrorLog*)
{
    if (!pPropBag) return E_POINTER;
    ReadProperty(pPropBag, L"stretchToFit", m_bStretchToFit);
    return S_OK;
}

HRESULT MediaPlayerObject::OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult)
{
    if (dispid == MediaDispid::URL && IsPut(wFlags)) {
        VARIANT url;
        HRESULT hr = PutValue(pParams, VT_BSTR, url);
        if (FAILED(hr)) return hr;
        PutURL(url.bstrVal ? url.bstrVal : L"");
        ::VariantClear(&url);
        return S_OK;
    }
    if (dispid == MediaDispid::Close && IsMethod(wFlags)) {
        CloseMedia();
        return S_OK;
    }
    if (dispid == MediaDispid::Controls && IsGet(wFlags)) return Return(pResult, new MediaControlsObject(this));
    if (dispid == MediaDispid::Settings && IsGet(wFlags)) return Return(pResult, new MediaSettingsObject(this));
    if (dispid == MediaDispid::PlayState && IsGet(wFlags)) return Return(pResult, GetPlayState());
    return DISP_E_MEMBERNOTFOUND;
}

void MediaPlayerObject::FireOpenStateChange(long nState)
{
    FireEvent(MediaDispid::OpenStateChange, { EventArgI4(nState) });
}

void MediaPlayerObject::FirePlayStateChange(long nState)
{
    FireEvent(MediaDispid::PlayStateChange, { EventArgI4(nState) });
}

void MediaPlayerObject::FireMouseEvent(DISPID dispid, short nButton, short nShiftState, long x, long y)
{
    FireEvent(dispid, { EventArgI2(nButton), EventArgI2(nShiftState), EventArgI4(x), EventArgI4(y) });
}

void MediaPlayerObject::FireKeyDown(short nKeyCode, short nShiftState)
{
    FireEvent(MediaDispid::KeyDown, { EventArgI2(nKeyCode), EventArgI2(nShiftState) });
}

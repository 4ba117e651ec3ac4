#include "media/MediaPlayerObject.h"
#include "media/MediaSubObjects.h"

MediaPlayerObject::MediaPlayerObject() : OleControlObject(DIID_MediaPlayerEvents) {}

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

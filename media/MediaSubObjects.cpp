#include "media/MediaSubObjects.h"

MediaSubObject::MediaSubObject(MediaPlayerObject* pPlayer) : m_pPlayer(pPlayer)
{
    static_cast<IDispatch*>(m_pPlayer)->AddRef();
}

MediaSubObject::~MediaSubObject() { static_cast<IDispatch*>(m_pPlayer)->Release(); }

HRESULT MediaControlsObject::OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult)
{
    if (dispid == MediaDispid::Play && IsMethod(wFlags)) {
        m_pPlayer->Play();
        return S_OK;
    }
    if (dispid == MediaDispid::Stop && IsMethod(wFlags)) {
        m_pPlayer->Stop();
        return S_OK;
    }
    if (dispid == MediaDispid::CurrentPosition && IsPut(wFlags)) {
        VARIANT position;
        HRESULT hr = PutValue(pParams, VT_R8, position);
        if (SUCCEEDED(hr)) m_pPlayer->PutCurrentPosition(position.dblVal);
        return hr;
    }
    if (dispid == MediaDispid::CurrentPosition && IsGet(wFlags))
        return Return(pResult, m_pPlayer->GetCurrentPosition());
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT MediaSettingsObject::OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT*)
{
    VARIANT value;
    if (dispid == MediaDispid::Volume && IsPut(wFlags)) {
        HRESULT hr = PutValue(pParams, VT_I4, value);
        if (SUCCEEDED(hr)) m_pPlayer->PutVolume(value.lVal);
        return hr;
    }
    if (dispid == MediaDispid::EnableErrorDialogs && IsPut(wFlags)) {
        HRESULT hr = PutValue(pParams, VT_BOOL, value);
        if (SUCCEEDED(hr)) m_pPlayer->PutEnableErrorDialogs(value.boolVal != VARIANT_FALSE);
        return hr;
    }
    return DISP_E_MEMBERNOTFOUND;
}

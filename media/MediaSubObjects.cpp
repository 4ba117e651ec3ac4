#include "media/MediaSubObjects.h"

HRESULT MediaControlsObject::OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult)
{
    if (dispid == MediaDispid::Play && IsMethod(wFlags)) {
        m_spPlayer->Play();
        return S_OK;
    }
    if (dispid == MediaDispid::Stop && IsMethod(wFlags)) {
        m_spPlayer->Stop();
        return S_OK;
    }
    if (dispid == MediaDispid::CurrentPosition && IsPut(wFlags)) {
        VARIANT position;
        HRESULT hr = PutValue(pParams, VT_R8, position);
        if (SUCCEEDED(hr)) m_spPlayer->PutCurrentPosition(position.dblVal);
        return hr;
    }
    if (dispid == MediaDispid::CurrentPosition && IsGet(wFlags))
        return Return(pResult, m_spPlayer->GetCurrentPosition());
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT MediaSettingsObject::OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT*)
{
    VARIANT value;
    if (dispid == MediaDispid::Volume && IsPut(wFlags)) {
        HRESULT hr = PutValue(pParams, VT_I4, value);
        if (SUCCEEDED(hr)) m_spPlayer->PutVolume(value.lVal);
        return hr;
    }
    if (dispid == MediaDispid::EnableErrorDialogs && IsPut(wFlags)) {
        HRESULT hr = PutValue(pParams, VT_BOOL, value);
        if (SUCCEEDED(hr)) m_spPlayer->PutEnableErrorDialogs(value.boolVal != VARIANT_FALSE);
        return hr;
    }
    return DISP_E_MEMBERNOTFOUND;
}

// The controls and settings objects that the player hands out for each use.
// Each keeps the player alive while a caller holds it.
#pragma once
#include "media/MediaPlayerObject.h"
#include <wrl/client.h>

class MediaSubObject : public DispatchObject {
protected:
    explicit MediaSubObject(MediaPlayerObject* pPlayer) : m_spPlayer(pPlayer) {}
    Microsoft::WRL::ComPtr<MediaPlayerObject> m_spPlayer;
};

class MediaControlsObject : public MediaSubObject {
public:
    explicit MediaControlsObject(MediaPlayerObject* pPlayer) : MediaSubObject(pPlayer) {}
protected:
    HRESULT OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult) override;
};

class MediaSettingsObject : public MediaSubObject {
public:
    explicit MediaSettingsObject(MediaPlayerObject* pPlayer) : MediaSubObject(pPlayer) {}
protected:
    HRESULT OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult) override;
};

// The player control's automation surface: its members and events by the
// DISPIDs of MediaIds.h, with the controls and settings sub-objects. What the
// operations do is left to the derived control (our DirectShow component, or
// a test double).
#pragma once
#include "media/MediaIds.h"
#include "media/OleControlObject.h"

class MediaPlayerObject : public OleControlObject {
public:
    // player
    virtual void PutURL(const wchar_t* pszURL) = 0;
    virtual void CloseMedia() = 0;
    virtual long GetPlayState() = 0;
    // controls
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual double GetCurrentPosition() = 0;
    virtual void PutCurrentPosition(double dSeconds) = 0;
    // settings
    virtual void PutVolume(long nVolume) = 0;
    virtual void PutEnableErrorDialogs(BOOL bEnable) = 0;

protected:
    MediaPlayerObject();
    HRESULT OnInvoke(DISPID dispid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult) override;

    void FireOpenStateChange(long nState);
    void FirePlayStateChange(long nState);
    // Click, DoubleClick and MouseMove.
    void FireMouseEvent(DISPID dispid, short nButton, short nShiftState, long x, long y);
    void FireKeyDown(short nKeyCode, short nShiftState);
};

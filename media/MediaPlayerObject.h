// The player control's automation surface: its members and events by the
// DISPIDs of MediaIds.h, with the controls and settings sub-objects. What the
// operations do is left to the derived control (our DirectShow component, or
// a test double).
#pragma once
#include "media/MediaIds.h"
#include "media/OleControlObject.h"

class MediaPlayerObject : public OleControlObject, public IPersistPropertyBag {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        return OleControlObject::QueryInterface(riid, ppv);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return OleControlObject::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return OleControlObject::Release(); }
    // IPersistPropertyBag, with the platform control's property names. Of
    // what a container gives, only stretchToFit applies: this component has
    // no user interface or context menu of its own and never starts by
    // itself.
    STDMETHODIMP GetClassID(CLSID* pClassID) override;
    STDMETHODIMP InitNew() override { return S_OK; }
    STDMETHODIMP Load(IPropertyBag* pPropBag, IErrorLog* pErrorLog) override;
    STDMETHODIMP Save(IPropertyBag*, BOOL, BOOL) override { return E_NOTIMPL; }

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
    void* FindInterface(REFIID riid) override;

    // The movie scaled to the control keeping its shape; else at its own
    // size, shrunk only to fit (see FitPicture).
    bool m_bStretchToFit = true;

    void FireOpenStateChange(long nState);
    void FirePlayStateChange(long nState);
    // Click, DoubleClick and MouseMove.
    void FireMouseEvent(DISPID dispid, short nButton, short nShiftState, long x, long y);
    void FireKeyDown(short nKeyCode, short nShiftState);
};

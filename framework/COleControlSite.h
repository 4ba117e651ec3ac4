// The container side of one hosted ActiveX control: its client site, the
// in-place site and frame it is activated in, and the sink that passes its
// events to the container window's event-sink map.
#pragma once
#include "framework/AfxRefCount.h"
#include "framework/AfxExport.h"
#include <ole2.h>
#include <ocidl.h>
#include <wrl/client.h>

class CWnd;

class AFX_API COleControlSite : public IOleClientSite, public IOleInPlaceSiteEx, public IOleInPlaceFrame {
public:
    // Events of the control reach pWndContainer->OnEvent(nID, ...).
    COleControlSite(CWnd* pWndContainer, UINT nID);

    // Embeds pObject, gives it its persisted properties (pProperties through
    // IPersistPropertyBag, else a new state through IPersistStreamInit),
    // activates it in place over rect (client coordinates of the container)
    // and connects its events. Returns the control's window, or nullptr when
    // the object cannot be hosted (it is then released).
    HWND CreateControl(IUnknown* pObject, const RECT& rect, IPropertyBag* pProperties = nullptr);
    // Disconnects the events, deactivates and closes the control, which
    // destroys its window, and lets it go. Safe to call more than once.
    void DestroyControl();
    // Tells the control its new position (client coordinates of the
    // container); the control moves its window itself.
    void MoveControl(const RECT& rect);
    IUnknown* GetControlUnknown() const { return m_spObject.Get(); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** ppmk) override;
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow (both the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }
    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                  LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;
    // IOleInPlaceSiteEx
    STDMETHODIMP OnInPlaceActivateEx(BOOL* pfNoRedraw, DWORD) override;
    STDMETHODIMP OnInPlaceDeactivateEx(BOOL) override { return S_OK; }
    STDMETHODIMP RequestUIActivate() override { return S_OK; }
    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    class EventSink;
    friend class AfxRefCount;  // deletes the site with its last reference
    virtual ~COleControlSite();
    bool Embed(const RECT& rect, IPropertyBag* pProperties);
    void LoadProperties(IPropertyBag* pProperties);
    void ConnectEvents();
    void DisconnectEvents();

    AfxRefCount m_refs;
    CWnd* m_pWndContainer;
    UINT m_nID;
    RECT m_rect{};
    Microsoft::WRL::ComPtr<IUnknown> m_spObject;
    Microsoft::WRL::ComPtr<IOleObject> m_spOleObject;
    Microsoft::WRL::ComPtr<IOleInPlaceObject> m_spInPlaceObject;
    Microsoft::WRL::ComPtr<IConnectionPoint> m_spEventPoint;
    DWORD m_dwEventCookie = 0;
    Microsoft::WRL::ComPtr<EventSink> m_spSink;
};

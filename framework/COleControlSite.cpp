#include "framework/COleControlSite.h"
#include "framework/CWnd.h"
#include "framework/AfxComPtr.h"

// Receives the control's events on its default source interface and hands
// them to the container's event-sink map.
class COleControlSite::EventSink final : public IDispatch {
public:
    EventSink(CWnd* pWndContainer, UINT nID, REFIID iidEvents)
        : m_pWndContainer(pWndContainer), m_nID(nID), m_iidEvents(iidEvents) {}
    // The site disconnects before the container goes away.
    void Disconnect() { m_pWndContainer = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == m_iidEvents) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_refs.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_refs.Release(this); }
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override { *pctinfo = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* pParams, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        if (m_pWndContainer) m_pWndContainer->OnEvent(m_nID, dispid, pParams);
        return S_OK;
    }

private:
    AfxRefCount m_refs;
    CWnd* m_pWndContainer;
    UINT m_nID;
    IID m_iidEvents;
};

COleControlSite::COleControlSite(CWnd* pWndContainer, UINT nID) : m_pWndContainer(pWndContainer), m_nID(nID) {}

COleControlSite::~COleControlSite() { DestroyControl(); }

HWND COleControlSite::CreateControl(IUnknown* pObject, const RECT& rect, IPropertyBag* pProperties)
{
    if (!pObject || m_spObject) return nullptr;
    m_spObject = pObject;
    HWND hWnd = nullptr;
    if (Embed(rect, pProperties) && SUCCEEDED(m_spObject.As(&m_spInPlaceObject)))
        m_spInPlaceObject->GetWindow(&hWnd);
    if (!hWnd) {
        DestroyControl();
        return nullptr;
    }
    ::SetWindowLongPtrW(hWnd, GWLP_ID, (LONG_PTR)m_nID);
    ConnectEvents();
    return hWnd;
}

bool COleControlSite::Embed(const RECT& rect, IPropertyBag* pProperties)
{
    m_rect = rect;
    if (FAILED(m_spObject.As(&m_spOleObject))) return false;
    m_spOleObject->SetClientSite(this);
    LoadProperties(pProperties);
    RECT rcPos = rect;
    return SUCCEEDED(m_spOleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0,
                                           m_pWndContainer->GetSafeHwnd(), &rcPos));
}

// A control that takes no property bag, or fails to read it, starts from
// its defaults.
void COleControlSite::LoadProperties(IPropertyBag* pProperties)
{
    Microsoft::WRL::ComPtr<IPersistPropertyBag> spBag;
    if (pProperties && SUCCEEDED(m_spObject.As(&spBag)) && SUCCEEDED(spBag->Load(pProperties, nullptr))) return;
    Microsoft::WRL::ComPtr<IPersistStreamInit> spStream;
    if (SUCCEEDED(m_spObject.As(&spStream))) spStream->InitNew();
}

// Advises the sink on the control's default event interface.
void COleControlSite::ConnectEvents()
{
    Microsoft::WRL::ComPtr<IProvideClassInfo2> spInfo;
    Microsoft::WRL::ComPtr<IConnectionPointContainer> spContainer;
    IID iidEvents;
    if (FAILED(m_spObject.As(&spInfo)) || FAILED(spInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iidEvents)) ||
        FAILED(m_spObject.As(&spContainer)) || FAILED(spContainer->FindConnectionPoint(iidEvents, &m_spEventPoint)))
        return;
    m_spSink = AfxTakeOver(new EventSink(m_pWndContainer, m_nID, iidEvents));
    if (FAILED(m_spEventPoint->Advise(m_spSink.Get(), &m_dwEventCookie))) {
        m_spEventPoint.Reset();
        m_dwEventCookie = 0;
    }
}

void COleControlSite::DisconnectEvents()
{
    if (m_spSink) m_spSink->Disconnect();
    if (m_spEventPoint) m_spEventPoint->Unadvise(m_dwEventCookie);
    m_spEventPoint.Reset();
    m_spSink.Reset();
}

// The order of the platform's framework: no more events, then in-place
// deactivation and close while the control's window is still there; the
// control destroys its window itself.
void COleControlSite::DestroyControl()
{
    DisconnectEvents();
    if (m_spInPlaceObject) m_spInPlaceObject->InPlaceDeactivate();
    m_spInPlaceObject.Reset();
    if (m_spOleObject) {
        m_spOleObject->Close(OLECLOSE_NOSAVE);
        m_spOleObject->SetClientSite(nullptr);
    }
    m_spOleObject.Reset();
    m_spObject.Reset();
}

void COleControlSite::MoveControl(const RECT& rect)
{
    m_rect = rect;
    if (m_spInPlaceObject) m_spInPlaceObject->SetObjectRects(&m_rect, &m_rect);
}

STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite || riid == IID_IOleInPlaceSiteEx)
        *ppv = static_cast<IOleInPlaceSiteEx*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControlSite::AddRef() { return m_refs.AddRef(); }
STDMETHODIMP_(ULONG) COleControlSite::Release() { return m_refs.Release(this); }

STDMETHODIMP COleControlSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetContainer(IOleContainer** ppContainer)
{
    *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP COleControlSite::GetWindow(HWND* phwnd)
{
    *phwnd = m_pWndContainer->GetSafeHwnd();
    return *phwnd ? S_OK : E_FAIL;
}

STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                               LPRECT lprcPosRect, LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    *ppFrame = this;
    AddRef();
    *ppDoc = nullptr;
    *lprcPosRect = m_rect;
    *lprcClipRect = m_rect;
    if (lpFrameInfo) {
        lpFrameInfo->fMDIApp = FALSE;
        lpFrameInfo->hwndFrame = m_pWndContainer->GetSafeHwnd();
        lpFrameInfo->haccel = nullptr;
        lpFrameInfo->cAccelEntries = 0;
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (!lprcPosRect) return E_POINTER;
    MoveControl(*lprcPosRect);
    return S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceActivateEx(BOOL* pfNoRedraw, DWORD)
{
    if (pfNoRedraw) *pfNoRedraw = FALSE;
    return S_OK;
}

#include "framework/COleControlSite.h"
#include "framework/CWnd.h"

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

HWND COleControlSite::CreateControl(IUnknown* pObject, const RECT& rect)
{
    if (!pObject || m_pObject) return nullptr;
    m_pObject = pObject;
    m_pObject->AddRef();
    HWND hWnd = nullptr;
    IOleInPlaceObject* pInPlace = nullptr;
    if (Embed(rect) && SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, (void**)&pInPlace))) {
        pInPlace->GetWindow(&hWnd);
        pInPlace->Release();
    }
    if (!hWnd) {
        DestroyControl();
        return nullptr;
    }
    ::SetWindowLongPtrW(hWnd, GWLP_ID, (LONG_PTR)m_nID);
    ConnectEvents();
    return hWnd;
}

bool COleControlSite::Embed(const RECT& rect)
{
    m_rect = rect;
    if (FAILED(m_pObject->QueryInterface(IID_IOleObject, (void**)&m_pOleObject))) return false;
    m_pOleObject->SetClientSite(this);
    IPersistStreamInit* pPersist = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStreamInit, (void**)&pPersist))) {
        pPersist->InitNew();
        pPersist->Release();
    }
    RECT rcPos = rect;
    return SUCCEEDED(m_pOleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0,
                                          m_pWndContainer->GetSafeHwnd(), &rcPos));
}

// Advises the sink on the control's default event interface.
void COleControlSite::ConnectEvents()
{
    IProvideClassInfo2* pInfo = nullptr;
    IConnectionPointContainer* pContainer = nullptr;
    IID iidEvents;
    bool bFound = SUCCEEDED(m_pObject->QueryInterface(IID_IProvideClassInfo2, (void**)&pInfo)) &&
                  SUCCEEDED(pInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iidEvents)) &&
                  SUCCEEDED(m_pObject->QueryInterface(IID_IConnectionPointContainer, (void**)&pContainer)) &&
                  SUCCEEDED(pContainer->FindConnectionPoint(iidEvents, &m_pEventPoint));
    if (pInfo) pInfo->Release();
    if (pContainer) pContainer->Release();
    if (!bFound) return;
    m_pSink = new EventSink(m_pWndContainer, m_nID, iidEvents);
    if (FAILED(m_pEventPoint->Advise(m_pSink, &m_dwEventCookie))) {
        m_pEventPoint->Release();
        m_pEventPoint = nullptr;
        m_dwEventCookie = 0;
    }
}

void COleControlSite::DestroyControl()
{
    if (m_pSink) m_pSink->Disconnect();
    if (m_pEventPoint) {
        m_pEventPoint->Unadvise(m_dwEventCookie);
        m_pEventPoint->Release();
        m_pEventPoint = nullptr;
    }
    if (m_pSink) {
        m_pSink->Release();
        m_pSink = nullptr;
    }
    if (m_pOleObject) {
        m_pOleObject->Close(OLECLOSE_NOSAVE);
        m_pOleObject->SetClientSite(nullptr);
        m_pOleObject->Release();
        m_pOleObject = nullptr;
    }
    if (m_pObject) {
        m_pObject->Release();
        m_pObject = nullptr;
    }
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
    m_rect = *lprcPosRect;
    IOleInPlaceObject* pInPlace = nullptr;
    if (m_pObject && SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, (void**)&pInPlace))) {
        pInPlace->SetObjectRects(&m_rect, &m_rect);
        pInPlace->Release();
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceActivateEx(BOOL* pfNoRedraw, DWORD)
{
    if (pfNoRedraw) *pfNoRedraw = FALSE;
    return S_OK;
}

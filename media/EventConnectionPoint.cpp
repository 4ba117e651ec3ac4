#include "media/EventConnectionPoint.h"
#include <olectl.h>

EventConnectionPoint::EventConnectionPoint(IConnectionPointContainer* pContainer, REFIID iidEvents)
    : m_pContainer(pContainer), m_iidEvents(iidEvents) {}

EventConnectionPoint::~EventConnectionPoint() { UnadviseAll(); }

void EventConnectionPoint::Fire(DISPID dispid, std::initializer_list<VARIANT> args)
{
    // Automation passes the arguments last first.
    std::vector<VARIANT> reversed(args.begin(), args.end());
    for (size_t i = 0, n = reversed.size(); i < n / 2; ++i) std::swap(reversed[i], reversed[n - 1 - i]);
    DISPPARAMS params = { reversed.empty() ? nullptr : reversed.data(), nullptr, (UINT)reversed.size(), 0 };
    // A sink may unadvise, or release the control, while it handles the event.
    std::vector<Microsoft::WRL::ComPtr<IDispatch>> sinks;
    for (const Connection& c : m_connections) sinks.push_back(c.spSink);
    Microsoft::WRL::ComPtr<IConnectionPoint> spAlive(this);
    for (const auto& spSink : sinks)
        spSink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

void EventConnectionPoint::UnadviseAll()
{
    // The list is empty before its sinks are released, which may call back.
    std::vector<Connection> connections;
    connections.swap(m_connections);
}

STDMETHODIMP EventConnectionPoint::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IConnectionPoint) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) EventConnectionPoint::AddRef() { return m_refs.AddRef(); }
STDMETHODIMP_(ULONG) EventConnectionPoint::Release() { return m_refs.Release(this); }

STDMETHODIMP EventConnectionPoint::GetConnectionInterface(IID* pIID)
{
    if (!pIID) return E_POINTER;
    *pIID = m_iidEvents;
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC)
{
    if (!ppCPC) return E_POINTER;
    *ppCPC = m_pContainer;
    m_pContainer->AddRef();
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie)
{
    if (!pUnkSink || !pdwCookie) return E_POINTER;
    *pdwCookie = 0;
    Microsoft::WRL::ComPtr<IDispatch> spSink;
    if (FAILED(pUnkSink->QueryInterface(m_iidEvents, &spSink)) &&
        FAILED(pUnkSink->QueryInterface(IID_IDispatch, &spSink)))
        return CONNECT_E_CANNOTCONNECT;
    *pdwCookie = m_dwNextCookie++;
    m_connections.push_back({ *pdwCookie, spSink });
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::Unadvise(DWORD dwCookie)
{
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
        if (it->dwCookie != dwCookie) continue;
        // Released once it is off the list, as UnadviseAll does.
        Microsoft::WRL::ComPtr<IDispatch> spSink = it->spSink;
        m_connections.erase(it);
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP EventConnectionPoint::EnumConnections(IEnumConnections** ppEnum)
{
    if (ppEnum) *ppEnum = nullptr;
    return E_NOTIMPL;
}

VARIANT EventArgI2(short n)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I2;
    v.iVal = n;
    return v;
}

VARIANT EventArgI4(long n)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

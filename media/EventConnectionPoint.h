// The connection point of a control's event interface: keeps the advised
// sinks and fires events to them through IDispatch::Invoke.
#pragma once
#include "framework/AfxRefCount.h"
#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>
#include <initializer_list>
#include <vector>

class EventConnectionPoint : public IConnectionPoint {
public:
    // pContainer owns this point and outlives it; it is not AddRef'd here.
    EventConnectionPoint(IConnectionPointContainer* pContainer, REFIID iidEvents);

    // Calls every sink with the arguments, first argument first.
    void Fire(DISPID dispid, std::initializer_list<VARIANT> args);
    // Drops every sink (the control is closing).
    void UnadviseAll();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetConnectionInterface(IID* pIID) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    STDMETHODIMP Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
    STDMETHODIMP Unadvise(DWORD dwCookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** ppEnum) override;

private:
    struct Connection {
        DWORD dwCookie;
        Microsoft::WRL::ComPtr<IDispatch> spSink;
    };
    friend class AfxRefCount;  // deletes the point with its last reference
    virtual ~EventConnectionPoint();

    AfxRefCount m_refs;
    IConnectionPointContainer* m_pContainer;
    IID m_iidEvents;
    DWORD m_dwNextCookie = 1;
    std::vector<Connection> m_connections;
};

// VARIANT makers for event arguments.
VARIANT EventArgI2(short n);
VARIANT EventArgI4(long n);

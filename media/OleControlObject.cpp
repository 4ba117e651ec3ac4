#include "media/OleControlObject.h"
#include "framework/AfxComPtr.h"
#include <olectl.h>

namespace {
const wchar_t kWindowClass[] = L"DriftreelMediaControl";

HINSTANCE ThisModule()
{
    HMODULE hModule = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ThisModule), &hModule);
    return hModule;
}
}

OleControlObject::OleControlObject(REFIID iidEvents)
    : m_iidEvents(iidEvents), m_spEvents(AfxTakeOver(new EventConnectionPoint(this, iidEvents))) {}

OleControlObject::~OleControlObject() { m_spEvents->UnadviseAll(); }

STDMETHODIMP_(ULONG) OleControlObject::Release()
{
    // The window goes while the derived object is still whole, so that its
    // destruction messages reach the derived window procedure.
    if (DispatchObject::AddRef() == 2 && m_hWnd) DestroyControlWindow();
    DispatchObject::Release();
    return DispatchObject::Release();
}

void* OleControlObject::FindInterface(REFIID riid)
{
    if (riid == IID_IOleObject) return static_cast<IOleObject*>(this);
    if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject) return static_cast<IOleInPlaceObject*>(this);
    if (riid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
    if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2)
        return static_cast<IProvideClassInfo2*>(this);
    return nullptr;
}

void OleControlObject::FireEvent(DISPID dispid, std::initializer_list<VARIANT> args) { m_spEvents->Fire(dispid, args); }

STDMETHODIMP OleControlObject::SetClientSite(IOleClientSite* pClientSite)
{
    m_spClientSite = pClientSite;
    return S_OK;
}

STDMETHODIMP OleControlObject::GetClientSite(IOleClientSite** ppClientSite)
{
    if (!ppClientSite) return E_POINTER;
    return m_spClientSite.CopyTo(ppClientSite);
}

STDMETHODIMP OleControlObject::Close(DWORD)
{
    // This object's own deactivation: a derived control hears only its
    // container's calls.
    OleControlObject::InPlaceDeactivate();
    m_spEvents->UnadviseAll();
    return S_OK;
}

STDMETHODIMP OleControlObject::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent,
                                      LPCRECT lprcPosRect)
{
    if (iVerb != OLEIVERB_INPLACEACTIVATE && iVerb != OLEIVERB_SHOW && iVerb != OLEIVERB_UIACTIVATE &&
        iVerb != OLEIVERB_PRIMARY)
        return OLEOBJ_S_INVALIDVERB;
    if (m_hWnd) return S_OK;
    Microsoft::WRL::ComPtr<IOleClientSite> spSite = pActiveSite ? pActiveSite : m_spClientSite.Get();
    if (!spSite || !lprcPosRect || !hwndParent) return E_INVALIDARG;
    Microsoft::WRL::ComPtr<IOleInPlaceSite> spInPlaceSite;
    if (FAILED(spSite.As(&spInPlaceSite))) return E_NOINTERFACE;
    if (spInPlaceSite->CanInPlaceActivate() != S_OK || !CreateControlWindow(hwndParent, *lprcPosRect))
        return E_FAIL;
    m_spInPlaceSite = spInPlaceSite;
    m_spInPlaceSite->OnInPlaceActivate();
    return S_OK;
}

STDMETHODIMP OleControlObject::GetMiscStatus(DWORD, DWORD* pdwStatus)
{
    if (!pdwStatus) return E_POINTER;
    *pdwStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                 OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
}

STDMETHODIMP OleControlObject::GetWindow(HWND* phwnd)
{
    if (!phwnd) return E_POINTER;
    *phwnd = m_hWnd;
    return m_hWnd ? S_OK : E_FAIL;
}

STDMETHODIMP OleControlObject::InPlaceDeactivate()
{
    DestroyControlWindow();
    Microsoft::WRL::ComPtr<IOleInPlaceSite> spSite = std::move(m_spInPlaceSite);
    if (spSite) spSite->OnInPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP OleControlObject::SetObjectRects(LPCRECT lprcPosRect, LPCRECT)
{
    if (!lprcPosRect) return E_POINTER;
    if (m_hWnd)
        ::MoveWindow(m_hWnd, lprcPosRect->left, lprcPosRect->top, lprcPosRect->right - lprcPosRect->left,
                     lprcPosRect->bottom - lprcPosRect->top, TRUE);
    return S_OK;
}

STDMETHODIMP OleControlObject::EnumConnectionPoints(IEnumConnectionPoints** ppEnum)
{
    if (ppEnum) *ppEnum = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleControlObject::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP)
{
    if (!ppCP) return E_POINTER;
    *ppCP = nullptr;
    if (riid != m_iidEvents) return CONNECT_E_NOCONNECTION;
    return m_spEvents.CopyTo(ppCP);
}

STDMETHODIMP OleControlObject::GetClassInfo(ITypeInfo** ppTI)
{
    if (ppTI) *ppTI = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleControlObject::GetGUID(DWORD dwGuidKind, GUID* pGUID)
{
    if (!pGUID) return E_POINTER;
    if (dwGuidKind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *pGUID = m_iidEvents;
    return S_OK;
}

bool OleControlObject::CreateControlWindow(HWND hwndParent, const RECT& rect)
{
    static const ATOM atom = [] {
        WNDCLASSEXW wc = { sizeof(wc) };
        wc.lpfnWndProc = &OleControlObject::ControlWndProc;
        wc.hInstance = ThisModule();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return ::RegisterClassExW(&wc);
    }();
    if (!atom) return false;
    ::CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
                      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, hwndParent, nullptr,
                      ThisModule(), this);
    return m_hWnd != nullptr;
}

void OleControlObject::DestroyControlWindow()
{
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK OleControlObject::ControlWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* pThis = static_cast<OleControlObject*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        pThis->m_hWnd = hWnd;
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
    }
    auto* pThis = reinterpret_cast<OleControlObject*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (!pThis) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    // An event handler may let the container release the control meanwhile.
    Microsoft::WRL::ComPtr<OleControlObject> spKeepAlive(pThis);
    if (message == WM_DESTROY) pThis->OnDestroyWindow();
    LRESULT lResult = pThis->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
        pThis->m_hWnd = nullptr;
    }
    return lResult;
}

LRESULT OleControlObject::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT rc;
        ::GetClientRect(m_hWnd, &rc);
        ::FillRect(reinterpret_cast<HDC>(wParam), &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        return 1;
    }
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

#include "tests/media/PlatformControl.h"
#include "media/MediaIds.h"
#include "framework/AfxState.h"
#include <wmp.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace {
// The control's type library, version 1.0.
const GUID kMediaPlayerLibrary = { 0x6bf52a50, 0x394a, 0x11d3, { 0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6 } };

std::vector<std::wstring> g_log;
RECT g_rcObjectRects;
long g_nLive = 0;

// The part of a dual interface that is called through its vtable.
HRESULT VtableTypeInfo(REFIID iid, ComPtr<ITypeInfo>& spInfo)
{
    ComPtr<ITypeLib> spLibrary;
    HRESULT hr = ::LoadRegTypeLib(kMediaPlayerLibrary, 1, 0, LOCALE_NEUTRAL, &spLibrary);
    if (SUCCEEDED(hr)) hr = spLibrary->GetTypeInfoOfGuid(iid, &spInfo);
    TYPEATTR* pAttr = nullptr;
    if (FAILED(hr) || FAILED(hr = spInfo->GetTypeAttr(&pAttr))) return hr;
    bool bDual = pAttr->typekind == TKIND_DISPATCH && (pAttr->wTypeFlags & TYPEFLAG_FDUAL);
    spInfo->ReleaseTypeAttr(pAttr);
    HREFTYPE hRef = 0;
    ComPtr<ITypeInfo> spVtable;
    if (bDual && SUCCEEDED(spInfo->GetRefTypeOfImplType(-1, &hRef)) && SUCCEEDED(spInfo->GetRefTypeInfo(hRef, &spVtable)))
        spInfo = spVtable;
    return S_OK;
}

std::wstring MemberName(DISPID dispid)
{
    static const struct { DISPID dispid; const wchar_t* pszName; } names[] = {
        { MediaDispid::URL, L"URL" }, { MediaDispid::Close, L"close" }, { MediaDispid::Controls, L"controls" },
        { MediaDispid::Settings, L"settings" }, { MediaDispid::PlayState, L"playState" },
        { MediaDispid::Play, L"play" }, { MediaDispid::Stop, L"stop" },
        { MediaDispid::CurrentPosition, L"currentPosition" }, { MediaDispid::Volume, L"volume" },
        { MediaDispid::EnableErrorDialogs, L"enableErrorDialogs" },
    };
    for (const auto& n : names)
        if (n.dispid == dispid) return n.pszName;
    return std::to_wstring(dispid);
}

// "put URL C:\a.wmv", "get playState", "call play".
std::wstring DescribeCall(DISPID dispid, WORD wFlags, const DISPPARAMS* pParams)
{
    const wchar_t* pszVerb = (wFlags & DISPATCH_PROPERTYPUT) ? L"put " : (wFlags & DISPATCH_PROPERTYGET) ? L"get " : L"call ";
    std::wstring strCall = pszVerb + MemberName(dispid);
    VARIANT text;
    ::VariantInit(&text);
    if ((wFlags & DISPATCH_PROPERTYPUT) && pParams && pParams->cArgs == 1 &&
        SUCCEEDED(::VariantChangeType(&text, &pParams->rgvarg[0], 0, VT_BSTR)))
        strCall += std::wstring(L" ") + (text.bstrVal ? text.bstrVal : L"");
    ::VariantClear(&text);
    return strCall;
}

// Hears the control's events beside the dialog's own sink: "event 5101:3".
class EventRecorder final : public IDispatch {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(_WMPOCXEvents) ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    // One static instance.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override { *pctinfo = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* pParams, VARIANT*, EXCEPINFO*, UINT*) override
    {
        std::wstring strEvent = L"event " + std::to_wstring(dispid);
        VARIANT state;
        ::VariantInit(&state);
        if (pParams && pParams->cArgs == 1 && SUCCEEDED(::VariantChangeType(&state, &pParams->rgvarg[0], 0, VT_I4)))
            strEvent += L":" + std::to_wstring(state.lVal);
        g_log.push_back(strEvent);
        return S_OK;
    }
};
EventRecorder g_recorder;

// The connection lasts as long as the control, which lets its sinks go.
void AdviseRecorder(IUnknown* pControl)
{
    ComPtr<IConnectionPointContainer> spContainer;
    ComPtr<IConnectionPoint> spPoint;
    DWORD dwCookie = 0;
    if (SUCCEEDED(pControl->QueryInterface(IID_PPV_ARGS(&spContainer))) &&
        SUCCEEDED(spContainer->FindConnectionPoint(__uuidof(_WMPOCXEvents), &spPoint)))
        spPoint->Advise(&g_recorder, &dwCookie);
}

class PlatformControl final : public IDispatch, public IOleInPlaceObject {
public:
    // A dispatch over the iid interface of pTarget; one reference for the caller.
    static HRESULT Wrap(IUnknown* pTarget, REFIID iid, IDispatch** ppDispatch)
    {
        *ppDispatch = nullptr;
        ComPtr<IUnknown> spInterface, spStandard;
        ComPtr<ITypeInfo> spInfo;
        ComPtr<IDispatch> spDispatch;
        HRESULT hr = pTarget->QueryInterface(iid, (void**)&spInterface);
        if (SUCCEEDED(hr)) hr = VtableTypeInfo(iid, spInfo);
        if (SUCCEEDED(hr)) hr = ::CreateStdDispatch(nullptr, spInterface.Get(), spInfo.Get(), &spStandard);
        if (SUCCEEDED(hr)) hr = spStandard.As(&spDispatch);
        if (SUCCEEDED(hr)) *ppDispatch = new PlatformControl(pTarget, spInterface, spDispatch);
        return hr;
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDispatch)
            *ppv = static_cast<IDispatch*>(this);
        else if ((riid == IID_IOleWindow || riid == IID_IOleInPlaceObject) && (m_spInPlace || SUCCEEDED(m_spTarget.As(&m_spInPlace))))
            *ppv = static_cast<IOleInPlaceObject*>(this);
        else
            return m_spTarget->QueryInterface(riid, ppv);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (!nRefs) delete this;
        return nRefs;
    }
    // IDispatch: the standard dispatch; the sub-objects it returns wrapped as well.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override { return m_spStandard->GetTypeInfoCount(pctinfo); }
    STDMETHODIMP GetTypeInfo(UINT n, LCID lcid, ITypeInfo** ppInfo) override { return m_spStandard->GetTypeInfo(n, lcid, ppInfo); }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* pNames, UINT nNames, LCID lcid, DISPID* pDispids) override
    {
        return m_spStandard->GetIDsOfNames(riid, pNames, nNames, lcid, pDispids);
    }
    STDMETHODIMP Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
                        EXCEPINFO* pExcepInfo, UINT* puArgErr) override
    {
        // Logged before the call: the events it fires come after it.
        size_t nEntry = g_log.size();
        g_log.push_back(DescribeCall(dispid, wFlags, pParams));
        HRESULT hr = m_spStandard->Invoke(dispid, riid, lcid, wFlags, pParams, pResult, pExcepInfo, puArgErr);
        if (FAILED(hr)) g_log[nEntry] += L" failed";
        if (SUCCEEDED(hr) && pResult && pResult->vt == VT_DISPATCH && pResult->pdispVal) WrapSubObject(dispid, *pResult);
        return hr;
    }
    // IOleInPlaceObject: the control's own, with the rectangles recorded.
    STDMETHODIMP GetWindow(HWND* phwnd) override { return m_spInPlace->GetWindow(phwnd); }
    STDMETHODIMP ContextSensitiveHelp(BOOL bEnter) override { return m_spInPlace->ContextSensitiveHelp(bEnter); }
    STDMETHODIMP InPlaceDeactivate() override { return m_spInPlace->InPlaceDeactivate(); }
    STDMETHODIMP UIDeactivate() override { return m_spInPlace->UIDeactivate(); }
    STDMETHODIMP SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override
    {
        if (lprcPosRect) g_rcObjectRects = *lprcPosRect;
        return m_spInPlace->SetObjectRects(lprcPosRect, lprcClipRect);
    }
    STDMETHODIMP ReactivateAndUndo() override { return m_spInPlace->ReactivateAndUndo(); }

private:
    PlatformControl(IUnknown* pTarget, ComPtr<IUnknown> spInterface, ComPtr<IDispatch> spStandard)
        : m_spTarget(pTarget), m_spInterface(std::move(spInterface)), m_spStandard(std::move(spStandard))
    {
        ++g_nLive;
    }
    ~PlatformControl() { --g_nLive; }

    static void WrapSubObject(DISPID dispid, VARIANT& result)
    {
        const IID* pIid = dispid == MediaDispid::Controls   ? &__uuidof(IWMPControls)
                          : dispid == MediaDispid::Settings ? &__uuidof(IWMPSettings)
                                                            : nullptr;
        ComPtr<IDispatch> spWrapped;
        if (!pIid || FAILED(Wrap(result.pdispVal, *pIid, &spWrapped))) return;
        ::VariantClear(&result);
        result.vt = VT_DISPATCH;
        result.pdispVal = spWrapped.Detach();
    }

    LONG m_nRefs = 1;
    ComPtr<IUnknown> m_spTarget;
    // The interface the standard dispatch calls, held for it.
    ComPtr<IUnknown> m_spInterface;
    ComPtr<IOleInPlaceObject> m_spInPlace;
    ComPtr<IDispatch> m_spStandard;
};

IUnknown* CreatePlatformControl()
{
    ComPtr<IUnknown> spControl;
    if (FAILED(::CoCreateInstance(CLSID_MediaPlayerControl, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&spControl))))
        return nullptr;
    AdviseRecorder(spControl.Get());
    IDispatch* pDispatch = nullptr;
    PlatformControl::Wrap(spControl.Get(), __uuidof(IWMPPlayer4), &pDispatch);
    return pDispatch;
}

struct WindowCount {
    const wchar_t* pszClass;
    int n;
};

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    auto* pCount = reinterpret_cast<WindowCount*>(lParam);
    DWORD dwProcess = 0;
    wchar_t szClass[64] = {};
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    ::GetClassNameW(hWnd, szClass, 64);
    pCount->n += dwProcess == ::GetCurrentProcessId() && lstrcmpW(szClass, pCount->pszClass) == 0;
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND hWnd, LPARAM lParam)
{
    CountWindow(hWnd, lParam);
    ::EnumChildWindows(hWnd, CountWindow, lParam);
    return TRUE;
}
}

PlatformControlScope::PlatformControlScope() : m_pfnPrevious(SetMediaObjectFactory(&CreatePlatformControl))
{
    g_log.clear();
    g_rcObjectRects = RECT{};
}

PlatformControlScope::~PlatformControlScope() { SetMediaObjectFactory(m_pfnPrevious); }

const std::vector<std::wstring>& PlatformControlScope::Log() { return g_log; }

std::wstring PlatformControlScope::LogSince(size_t nMark)
{
    std::wstring strLine;
    for (size_t i = nMark; i < g_log.size(); ++i) strLine += (i > nMark ? L" | " : L"") + g_log[i];
    return strLine;
}

size_t PlatformControlScope::CountSince(size_t nMark, const std::wstring& strEntry)
{
    size_t n = 0;
    for (size_t i = nMark; i < g_log.size(); ++i) n += g_log[i] == strEntry;
    return n;
}

RECT PlatformControlScope::LastObjectRects() { return g_rcObjectRects; }

long PlatformControlScope::LiveObjects() { return g_nLive; }

const wchar_t* PlatformControlMissing()
{
    ComPtr<IUnknown> spControl;
    ComPtr<ITypeInfo> spInfo;
    // As the application does before its first control.
    AfxEnableControlContainer();
    if (!AfxEnsureOleInitialized()) return L"OLE does not start";
    if (FAILED(::CoCreateInstance(CLSID_MediaPlayerControl, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&spControl))))
        return L"the control is not registered for this (32-bit) program";
    if (FAILED(VtableTypeInfo(__uuidof(IWMPPlayer4), spInfo))) return L"its type library is not registered";
    return nullptr;
}

DISPID PlatformMemberDispid(REFIID iid, const wchar_t* pszName)
{
    ComPtr<ITypeInfo> spInfo;
    MEMBERID id = DISPID_UNKNOWN;
    LPOLESTR pName = const_cast<LPOLESTR>(pszName);
    if (SUCCEEDED(VtableTypeInfo(iid, spInfo))) spInfo->GetIDsOfNames(&pName, 1, &id);
    return id;
}

int CountWindowsOfClass(const wchar_t* pszClass)
{
    WindowCount count{ pszClass, 0 };
    for (HWND hWnd = nullptr; (hWnd = ::FindWindowExW(HWND_MESSAGE, hWnd, pszClass, nullptr)) != nullptr;)
        CountWindow(hWnd, reinterpret_cast<LPARAM>(&count));
    ::EnumWindows(CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
    return count.n;
}

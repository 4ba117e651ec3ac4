#include "media/MediaFactory.h"
#include "media/DirectShowPlayer.h"
#include "framework/AfxState.h"

namespace {
MediaObjectFactory g_pfnFactory = nullptr;

// The platform's control serves only when it answers through IDispatch:
// some systems ship one whose automation is a stub.
bool AnswersAutomation(IUnknown* pObject)
{
    IDispatch* pDispatch = nullptr;
    if (FAILED(pObject->QueryInterface(IID_IDispatch, (void**)&pDispatch)) || !pDispatch) return false;
    DISPPARAMS none = { nullptr, nullptr, 0, 0 };
    VARIANT result;
    ::VariantInit(&result);
    HRESULT hr = pDispatch->Invoke(MediaDispid::PlayState, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                   &none, &result, nullptr, nullptr);
    ::VariantClear(&result);
    pDispatch->Release();
    return SUCCEEDED(hr);
}

IUnknown* CreatePlatformControl()
{
    IUnknown* pObject = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_MediaPlayerControl, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  (void**)&pObject)))
        return nullptr;
    if (AnswersAutomation(pObject)) return pObject;
    pObject->Release();
    return nullptr;
}
}

IUnknown* CreateMediaObject()
{
    // Controls made by a test factory need OLE on this thread as well.
    bool bOleReady = AfxEnsureOleInitialized();
    if (g_pfnFactory) return g_pfnFactory();
    if (!bOleReady) return nullptr;
    if (IUnknown* pPlatform = CreatePlatformControl()) return pPlatform;
    return static_cast<IDispatch*>(new DirectShowPlayer);
}

MediaObjectFactory SetMediaObjectFactory(MediaObjectFactory pfnFactory)
{
    MediaObjectFactory pfnPrevious = g_pfnFactory;
    g_pfnFactory = pfnFactory;
    return pfnPrevious;
}

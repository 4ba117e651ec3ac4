#include "media/MediaFactory.h"
#include "media/DirectShowPlayer.h"
#include "framework/AfxState.h"
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace {
MediaObjectFactory g_pfnFactory = nullptr;

// The platform's control serves only when it answers through IDispatch:
// some systems ship one whose automation is a stub.
bool AnswersAutomation(IUnknown* pObject)
{
    ComPtr<IDispatch> spDispatch;
    if (FAILED(pObject->QueryInterface(IID_PPV_ARGS(&spDispatch))) || !spDispatch) return false;
    DISPPARAMS none = { nullptr, nullptr, 0, 0 };
    VARIANT result;
    ::VariantInit(&result);
    HRESULT hr = spDispatch->Invoke(MediaDispid::PlayState, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                    &none, &result, nullptr, nullptr);
    ::VariantClear(&result);
    return SUCCEEDED(hr);
}

IUnknown* CreatePlatformControl()
{
    ComPtr<IUnknown> spObject;
    if (FAILED(::CoCreateInstance(CLSID_MediaPlayerControl, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&spObject))) ||
        !AnswersAutomation(spObject.Get()))
        return nullptr;
    return spObject.Detach();
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

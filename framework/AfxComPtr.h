// Interface pointers are held in Microsoft::WRL::ComPtr. A reference that is
// handed over (a new object's first one, a factory's result) is taken with
// AfxTakeOver: MinGW-w64's ComPtr::Attach adds a reference of its own, unlike
// the SDK's, so Attach would leak the object there.
#pragma once
#include <wrl/client.h>

template <class T> Microsoft::WRL::ComPtr<T> AfxTakeOver(T* pObject)
{
    Microsoft::WRL::ComPtr<T> sp;
    *sp.ReleaseAndGetAddressOf() = pObject;
    return sp;
}

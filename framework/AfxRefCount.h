// The reference count of a COM object of ours that starts held by its
// creator and deletes itself when the last reference goes.
#pragma once
#include <windows.h>

class AfxRefCount {
public:
    ULONG AddRef() { return ::InterlockedIncrement(&m_cRef); }
    template <class T> ULONG Release(T* pObject)
    {
        LONG n = ::InterlockedDecrement(&m_cRef);
        if (n == 0) delete pObject;
        return n;
    }

private:
    LONG m_cRef = 1;
};

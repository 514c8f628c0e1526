// Shared piece of the framework's small COM objects.
#pragma once
#include <ole2.h>

// QueryInterface of an object that implements one interface besides IUnknown.
template <class I>
HRESULT AfxQueryOneInterface(I* pThis, REFIID riid, REFIID iidOwn, void** ppv)
{
    if (riid == IID_IUnknown || riid == iidOwn)
    {
        *ppv = pThis;
        pThis->AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

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

// An object that implements one interface besides IUnknown and lives as long as any holder: it starts held by its
// maker and deletes itself at the last Release.
template <class I, const IID& iidOwn>
class CAfxCountedInterface : public I
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        return AfxQueryOneInterface<I>(this, riid, iidOwn, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRefs); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return (ULONG)nRefs;
    }

protected:
    virtual ~CAfxCountedInterface() = default;

private:
    volatile LONG m_nRefs = 1;
};

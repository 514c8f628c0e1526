// OLE data transfer: reading offered data, offering cached global memory
// for the clipboard and for drags.
#include <cstring>
#include <shlobj.h>
#include "afxole.h"
#include "global_copy.h"
#include "ole_internal.h"

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace
{

FORMATETC MakeFormatEtc(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (lpFormatEtc)
        return *lpFormatEtc;
    FORMATETC formatEtc = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return formatEtc;
}

// The default drag source: drops on button release, cancels on Escape.
class CDefaultDropSource : public IDropSource
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        return AfxQueryOneInterface<IDropSource>(this, riid, IID_IDropSource, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        if (fEscapePressed)
            return DRAGDROP_S_CANCEL;
        return (grfKeyState & (MK_LBUTTON | MK_RBUTTON)) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return lpDataObject;
}

void COleDataObject::Release()
{
    if (m_lpDataObject && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = nullptr;
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&lpDataObject)))
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (!m_lpDataObject)
        return FALSE;
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc);
    return m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (!m_lpDataObject)
        return FALSE;
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc);
    return SUCCEEDED(m_lpDataObject->GetData(&formatEtc, lpStgMedium));
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM stgMedium{};
    if (!GetData(cfFormat, &stgMedium, lpFormatEtc))
        return nullptr;
    if (stgMedium.tymed != TYMED_HGLOBAL)
    {
        ::ReleaseStgMedium(&stgMedium);
        return nullptr;
    }
    // A medium with an owner is the provider's: the caller gets its own copy.
    if (!stgMedium.pUnkForRelease)
        return stgMedium.hGlobal;
    HGLOBAL hCopy = AfxCopyGlobalMemory(stgMedium.hGlobal);
    ::ReleaseStgMedium(&stgMedium);
    return hCopy;
}

// The data object of a COleDataSource; it lives as long as any holder.
class COleDataSource::XDataObject final : public CAfxCountedInterface<IDataObject, IID_IDataObject>
{
public:
    explicit XDataObject(COleDataSource* pSource) : m_pSource(pSource) {}
    void Orphan() { m_pSource = nullptr; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override
    {
        const CacheEntry* pEntry = Find(pFormatEtc);
        if (!pEntry)
            return DV_E_FORMATETC;
        HGLOBAL hCopy = AfxCopyGlobalMemory(pEntry->hGlobal);
        if (!hCopy)
            return E_OUTOFMEMORY;
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        pMedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormatEtc) override
    {
        return Find(pFormatEtc) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override
    {
        pOut->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (dwDirection != DATADIR_GET || !m_pSource)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const CacheEntry& entry : m_pSource->m_cache)
            formats.push_back(entry.formatEtc);
        return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.data(), ppEnum);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    const CacheEntry* Find(const FORMATETC* pFormatEtc) const
    {
        if (!m_pSource || !(pFormatEtc->tymed & TYMED_HGLOBAL))
            return nullptr;
        for (const CacheEntry& entry : m_pSource->m_cache)
            if (entry.formatEtc.cfFormat == pFormatEtc->cfFormat)
                return &entry;
        return nullptr;
    }
    COleDataSource* m_pSource;  // NULL once the source is gone
};

COleDataSource::COleDataSource() : m_pDataObject(new XDataObject(this)) {}

COleDataSource::~COleDataSource()
{
    // Holders of the interface (the clipboard) may outlive this object.
    Empty();
    m_pDataObject->Orphan();
    m_pDataObject->Release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    for (CacheEntry& entry : m_cache)
    {
        if (entry.formatEtc.cfFormat == cfFormat)
        {
            ::GlobalFree(entry.hGlobal);
            entry.hGlobal = hGlobal;
            return;
        }
    }
    m_cache.push_back({MakeFormatEtc(cfFormat, lpFormatEtc), hGlobal});
}

void COleDataSource::Empty()
{
    for (CacheEntry& entry : m_cache)
        ::GlobalFree(entry.hGlobal);
    m_cache.clear();
}

LPDATAOBJECT COleDataSource::GetDataObject()
{
    m_pDataObject->AddRef();
    return m_pDataObject;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, IDropSource* pDropSource)
{
    CDefaultDropSource defaultSource;
    DWORD dwResult = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(m_pDataObject, pDropSource ? pDropSource : &defaultSource, dwEffects, &dwResult);
    return hr == DRAGDROP_S_DROP ? dwResult : DROPEFFECT_NONE;
}

void COleDataSource::SetClipboard() { ::OleSetClipboard(m_pDataObject); }

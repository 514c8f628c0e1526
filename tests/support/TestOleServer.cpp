// The tests' in-process OLE server: a class factory registered with COM and
// objects that answer what a container asks of an embedded object.
#include "TestOleServer.h"

#include <cwchar>

// {6F3C2A14-8B1D-4E27-9A55-3D0C7B4E91A2}
const CLSID CTestOleServer::kClsid = {0x6f3c2a14, 0x8b1d, 0x4e27, {0x9a, 0x55, 0x3d, 0x0c, 0x7b, 0x4e, 0x91, 0xa2}};

namespace
{
LPOLESTR CoTaskText(const std::wstring& str)
{
    size_t cb = (str.size() + 1) * sizeof(wchar_t);
    LPOLESTR psz = static_cast<LPOLESTR>(::CoTaskMemAlloc(cb));
    if (psz)
        memcpy(psz, str.c_str(), cb);
    return psz;
}

// Hands out the server's verbs one by one.
class CVerbEnum : public IEnumOLEVERB
{
public:
    explicit CVerbEnum(const std::vector<std::wstring>& verbs) : m_verbs(verbs) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_IEnumOLEVERB ? this : nullptr;
        if (!*ppv)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG nRefs = --m_nRefs;
        if (nRefs == 0)
            delete this;
        return (ULONG)nRefs;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG celt, OLEVERB* rgelt, ULONG* pceltFetched) override
    {
        ULONG nFetched = 0;
        for (; nFetched < celt && m_nNext < m_verbs.size(); nFetched++, m_nNext++)
        {
            OLEVERB& verb = rgelt[nFetched];
            verb.lVerb = (LONG)m_nNext;
            verb.lpszVerbName = CoTaskText(m_verbs[m_nNext]);
            verb.fuFlags = MF_STRING;
            verb.grfAttribs = OLEVERBATTRIB_ONCONTAINERMENU;
        }
        if (pceltFetched)
            *pceltFetched = nFetched;
        return nFetched == celt ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG celt) override
    {
        m_nNext += celt;
        return m_nNext <= m_verbs.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        m_nNext = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumOLEVERB** ppEnum) override
    {
        *ppEnum = nullptr;
        return E_NOTIMPL;
    }

private:
    LONG m_nRefs = 1;
    size_t m_nNext = 0;
    std::vector<std::wstring> m_verbs;
};
}  // namespace

// The embedded object: verbs, a user type, and storage it accepts and ignores.
class CTestOleServer::CObject : public IOleObject, public IPersistStorage
{
public:
    explicit CObject(CTestOleServer* pServer) : m_pServer(pServer) { m_pServer->m_nLiveObjects++; }
    ~CObject()
    {
        if (m_pClientSite)
            m_pClientSite->Release();
        m_pServer->m_nLiveObjects--;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IOleObject)
            *ppv = static_cast<IOleObject*>(this);
        else if (riid == IID_IPersistStorage || riid == IID_IPersist)
            *ppv = static_cast<IPersistStorage*>(this);
        else
            *ppv = nullptr;
        if (!*ppv)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG nRefs = --m_nRefs;
        if (nRefs == 0)
            delete this;
        return (ULONG)nRefs;
    }

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* pSite) override
    {
        if (pSite)
            pSite->AddRef();
        if (m_pClientSite)
            m_pClientSite->Release();
        m_pClientSite = pSite;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** ppSite) override
    {
        *ppSite = m_pClientSite;
        if (m_pClientSite)
            m_pClientSite->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG iVerb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override
    {
        if (iVerb < 0 || (size_t)iVerb >= m_pServer->m_verbs.size())
            return OLEOBJ_S_INVALIDVERB;
        m_pServer->m_verbsRun.push_back(iVerb);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** ppEnum) override
    {
        *ppEnum = new CVerbEnum(m_pServer->m_verbs);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* pClsid) override
    {
        *pClsid = kClsid;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR* ppszType) override
    {
        *ppszType = CoTaskText(m_pServer->m_strShortType);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD* pdwConnection) override
    {
        *pdwConnection = 0;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* pdwStatus) override
    {
        *pdwStatus = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IPersistStorage
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClsid) override { return GetUserClassID(pClsid); }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE InitNew(IStorage*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Load(IStorage*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Save(IStorage*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE HandsOffStorage() override { return S_OK; }

private:
    LONG m_nRefs = 1;
    CTestOleServer* m_pServer;
    IOleClientSite* m_pClientSite = nullptr;
};

class CTestOleServer::CFactory : public IClassFactory
{
public:
    explicit CFactory(CTestOleServer* pServer) : m_pServer(pServer) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_IClassFactory ? this : nullptr;
        if (!*ppv)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    // The server owns the factory; COM's references only borrow it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (pOuter)
            return CLASS_E_NOAGGREGATION;
        CObject* pObject = new CObject(m_pServer);
        HRESULT hr = pObject->QueryInterface(riid, ppv);
        pObject->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    CTestOleServer* m_pServer;
};

CTestOleServer::CTestOleServer(std::vector<std::wstring> verbs, std::wstring strShortType)
    : m_verbs(std::move(verbs)), m_strShortType(std::move(strShortType)), m_pFactory(new CFactory(this))
{
    // The server may come before the test's own start of OLE; the count keeps both.
    m_bOleStarted = SUCCEEDED(::OleInitialize(nullptr));
    if (FAILED(::CoRegisterClassObject(kClsid, m_pFactory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_dwRegister)))
        m_dwRegister = 0;
}

CTestOleServer::~CTestOleServer()
{
    if (m_dwRegister)
        ::CoRevokeClassObject(m_dwRegister);
    delete m_pFactory;
    if (m_bOleStarted)
        ::OleUninitialize();
}

// Embedded OLE objects: creation in storage of their own, the client site the
// server talks to, verbs, and the menu entry that lists them.
#include <oledlg.h>
#include "afxole.h"
#include "ole_internal.h"

IMPLEMENT_DYNAMIC(COleClientItem, CDocItem)

// The site lives on its own count: a server may hold it after the item is gone.
class COleClientItem::XClientSite final : public CAfxCountedInterface<IOleClientSite, IID_IOleClientSite>
{
public:
    explicit XClientSite(COleClientItem* pItem) : m_pItem(pItem) {}
    void Detach() { m_pItem = nullptr; }

    HRESULT STDMETHODCALLTYPE SaveObject() override { return m_pItem ? S_OK : E_UNEXPECTED; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** ppmk) override
    {
        *ppmk = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** ppContainer) override
    {
        *ppContainer = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

private:
    COleClientItem* m_pItem;  // NULL once the item is gone
};

COleClientItem::COleClientItem(COleDocument* pContainerDoc) : m_pClientSite(new XClientSite(this))
{
    if (pContainerDoc)
        pContainerDoc->AddItem(this);
}

COleClientItem::~COleClientItem()
{
    Release();
    m_pClientSite->Detach();
    m_pClientSite->Release();
}

BOOL COleClientItem::CreateNewItem(REFCLSID clsid, OLERENDER render, CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    ASSERT(m_lpObject == nullptr);
    if (FAILED(::CreateILockBytesOnHGlobal(nullptr, TRUE, &m_lpLockBytes)))
        return FALSE;
    const DWORD grfMode = STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE;
    FORMATETC formatEtc = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_NULL};
    if (!lpFormatEtc && cfFormat)
        lpFormatEtc = &formatEtc;
    if (FAILED(::StgCreateDocfileOnILockBytes(m_lpLockBytes, grfMode, 0, &m_lpStorage)) ||
        FAILED(
            ::OleCreate(clsid, IID_IOleObject, render, lpFormatEtc, m_pClientSite, m_lpStorage, (void**)&m_lpObject)))
    {
        Release();
        return FALSE;
    }
    m_nItemType = OT_EMBEDDED;
    return TRUE;
}

void COleClientItem::GetUserType(USERCLASSTYPE nUserClassType, CString& rString)
{
    rString.Empty();
    LPOLESTR lpszUserType = nullptr;
    if (!m_lpObject)
        return;
    HRESULT hr = m_lpObject->GetUserType((DWORD)nUserClassType, &lpszUserType);
    if (hr == OLE_S_USEREG || !lpszUserType)
    {
        CLSID clsid;
        if (FAILED(m_lpObject->GetUserClassID(&clsid)) ||
            FAILED(::OleRegGetUserType(clsid, (DWORD)nUserClassType, &lpszUserType)))
            return;
    }
    char szType[256] = "";
    ::WideCharToMultiByte(CP_ACP, 0, lpszUserType, -1, szType, (int)sizeof(szType), nullptr, nullptr);
    rString = szType;
    ::CoTaskMemFree(lpszUserType);
}

BOOL COleClientItem::DoVerb(LONG nVerb, CView* pView, LPMSG lpMsg)
{
    if (!m_lpObject)
        return FALSE;
    HWND hWnd = pView ? pView->GetSafeHwnd() : nullptr;
    RECT rc = {0, 0, 0, 0};
    if (hWnd)
        ::GetClientRect(hWnd, &rc);
    return SUCCEEDED(m_lpObject->DoVerb(nVerb, lpMsg, m_pClientSite, -1, hWnd, &rc));
}

void COleClientItem::Release(OLECLOSE dwCloseOption)
{
    if (m_lpObject)
    {
        m_lpObject->Close((DWORD)dwCloseOption);
        m_lpObject->SetClientSite(nullptr);
        m_lpObject->Release();
        m_lpObject = nullptr;
    }
    if (m_lpStorage)
        m_lpStorage->Release();
    if (m_lpLockBytes)
        m_lpLockBytes->Release();
    m_lpStorage = nullptr;
    m_lpLockBytes = nullptr;
}

namespace
{
// The verb-menu library loads with the first edit menu rather than with every program; like the rich
// edit library it stays for the process's life.
decltype(&::OleUIAddVerbMenuA) VerbMenuFunction()
{
    static const HMODULE hOleDlg = ::LoadLibrary("oledlg.dll");
    static const auto pfnAddVerbMenu =
        hOleDlg ? reinterpret_cast<decltype(&::OleUIAddVerbMenuA)>(
                      reinterpret_cast<void*>(::GetProcAddress(hOleDlg, "OleUIAddVerbMenuA")))
                : nullptr;
    return pfnAddVerbMenu;
}
}  // namespace

void AFXAPI AfxOleSetEditMenu(COleClientItem* pItem, CMenu* pMenu, UINT iMenuItem, UINT nIDVerbMin, UINT nIDVerbMax,
                              UINT nIDConvert)
{
    CString strShortType;
    LPOLEOBJECT lpObject = pItem ? pItem->m_lpObject : nullptr;
    if (pItem)
        pItem->GetUserType(USERCLASSTYPE_SHORT, strShortType);
    HMENU hSubMenu = nullptr;
    const auto pfnAddVerbMenu = VerbMenuFunction();
    if (!pfnAddVerbMenu)
        return;
    // FALSE only says the entry is the disabled one the system put there.
    pfnAddVerbMenu(lpObject, strShortType.IsEmpty() ? nullptr : (LPCSTR)strShortType, pMenu->GetSafeHmenu(), iMenuItem,
                   nIDVerbMin, nIDVerbMax, nIDConvert != 0, nIDConvert, &hSubMenu);
}

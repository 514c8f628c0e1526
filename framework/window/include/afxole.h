// OLE for the application: initialisation, data objects and drag and drop,
// and documents that hold embedded objects:
// COleDataObject, COleDataSource, COleDropTarget, CDocItem, COleDocument, COleClientItem.
#pragma once
#include "afxwin.h"
#include <ole2.h>
#include <vector>

typedef DWORD DROPEFFECT;

// Reads the data another program (or this one) offers.
class COleDataObject
{
public:
    COleDataObject() = default;
    ~COleDataObject() { Release(); }
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    BOOL AttachClipboard();
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A copy the caller frees with GlobalFree; NULL when the format is not offered.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);

protected:
    LPDATAOBJECT m_lpDataObject = nullptr;
    BOOL m_bAutoRelease = TRUE;
};

// Offers global-memory data for the clipboard or a drag.
class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    ~COleDataSource() override;

    // Takes ownership of hGlobal.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE, LPCRECT lpRectStartDrag = nullptr,
                          IDropSource* pDropSource = nullptr);
    void SetClipboard();
    // The object's data interface, with a reference added for the caller.
    LPDATAOBJECT GetDataObject();

    struct CacheEntry
    {
        FORMATETC formatEtc;
        HGLOBAL hGlobal;
    };
    std::vector<CacheEntry> m_cache;

protected:
    class XDataObject;
    XDataObject* m_pDataObject;  // the COM object that answers for this source
};

// Registers a window for drops and forwards the drag to it (to a CView's
// OnDrag* members by default).
class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    ~COleDropTarget() override;

    BOOL Register(CWnd* pWnd);
    virtual void Revoke();
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // The target's COM interface, as registered with the system.
    IDropTarget* GetDropTarget();

protected:
    class XDropTarget;
    XDropTarget* m_pDropTarget;   // the COM object registered with the system
    HWND m_hWnd = nullptr;        // the registered window
    COleDataObject m_dataObject;  // the data of the drag in progress
    friend class XDropTarget;
};

class COleDocument;

// One item a document holds besides its own data.
class CDocItem : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocItem)
public:
    ~CDocItem() override;
    COleDocument* GetDocument() const { return m_pDocument; }

protected:
    CDocItem() = default;
    COleDocument* m_pDocument = nullptr;  // set while the document holds the item
    friend class COleDocument;
};

// A document whose items are OLE objects; it runs the selected item's verbs.
class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument() = default;
    ~COleDocument() override;

    // The document takes ownership: the item goes with the document.
    virtual void AddItem(CDocItem* pItem);
    virtual void RemoveItem(CDocItem* pItem);
    POSITION GetStartPosition() const;
    CDocItem* GetNextItem(POSITION& pos) const;
    class COleClientItem* GetNextClientItem(POSITION& pos) const;
    // The one client item the view selects; NULL when it selects none or several.
    virtual class COleClientItem* GetPrimarySelectedItem(CView* pView);
    void DeleteContents() override;

    // ID_OLE_VERB_FIRST + n runs verb n of the active view's selected item.
    afx_msg BOOL OnExecuteVerb(UINT nID);
    afx_msg void OnUpdateObjectVerbMenu(CCmdUI* pCmdUI);

protected:
    std::vector<CDocItem*> m_docItemList;  // owned
    // The view whose selection the verb commands act on.
    CView* GetVerbView() const;
    DECLARE_MESSAGE_MAP()
};

enum OLE_OBJTYPE
{
    OT_UNKNOWN = 0,
    OT_LINK = 1,
    OT_EMBEDDED = 2,
    OT_STATIC = 3
};

// An embedded object in a container document, with the site the server talks to.
class COleClientItem : public CDocItem
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    // Joins pContainerDoc when given.
    explicit COleClientItem(COleDocument* pContainerDoc = nullptr);
    ~COleClientItem() override;

    // A new object of the server's class, embedded in storage of its own.
    BOOL CreateNewItem(REFCLSID clsid, OLERENDER render = OLERENDER_DRAW, CLIPFORMAT cfFormat = 0,
                       LPFORMATETC lpFormatEtc = nullptr);
    OLE_OBJTYPE GetType() const { return m_nItemType; }
    // The server's name for its kind of object; empty when it gives none.
    void GetUserType(USERCLASSTYPE nUserClassType, CString& rString);
    virtual BOOL DoVerb(LONG nVerb, CView* pView, LPMSG lpMsg = nullptr);
    // Closes the object and lets it go; the item stays in its document.
    virtual void Release(OLECLOSE dwCloseOption = OLECLOSE_NOSAVE);

    LPOLEOBJECT m_lpObject = nullptr;  // the running object; NULL before creation and after Release
    LPSTORAGE m_lpStorage = nullptr;   // the object's own storage
    LPLOCKBYTES m_lpLockBytes = nullptr;

protected:
    OLE_OBJTYPE m_nItemType = OT_UNKNOWN;
    class XClientSite;
    XClientSite* m_pClientSite;  // the site handed to the server; outlives the item while the server holds it
};

// Puts the item's verbs at position iMenuItem of pMenu: one entry for a single
// verb, else a popup of them; a disabled "Object" entry without an item.
// Verb n takes the id nIDVerbMin + n.
void AFXAPI AfxOleSetEditMenu(COleClientItem* pItem, CMenu* pMenu, UINT iMenuItem, UINT nIDVerbMin, UINT nIDVerbMax = 0,
                              UINT nIDConvert = 0);

// OLE for the application: initialisation, data objects and drag and drop:
// COleDataObject, COleDataSource, COleDropTarget.
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

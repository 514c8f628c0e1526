// The framework's private messages, the layout record of WM_SIZEPARENT and the
// maps from handles to their objects.
#pragma once
#include <memory>
#include <unordered_map>
#include <vector>
#include "afxwin.h"

#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375

// WM_FLOATSTATUS flags
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// lParam of WM_SIZEPARENT: the space left so far; a NULL hDWP is a measuring
// pass in which children only add their size to sizeTotal.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};
typedef AFX_SIZEPARENTPARAMS AFX_SIZEPARENTLAYOUT;

// Live temporary wrapper objects of this thread (freed at idle).
int AFXAPI AfxGetTempObjectCount();
// Adds a cleaner that AfxDeleteTempMaps runs on this thread; any number.
void AfxRegisterTempMapCleaner(void (*pfnCleaner)());

// The objects behind the handles of one family (windows, GDI objects, DCs,
// menus, image lists). One map for the process under a reader-writer lock: a
// lookup stays in the process, where a window property would ask the window
// server each time, and no thread-local object has to outlive its thread.
template <class Base, class H>
class CPermanentMap
{
public:
    static Base* Lookup(H h)
    {
        Store& store = Get();
        CSharedLock lock(store.lock);
        auto it = store.map.find(h);
        return it == store.map.end() ? nullptr : it->second;
    }
    static void Set(H h, Base* p)
    {
        Store& store = Get();
        CExclusiveLock lock(store.lock);
        store.map[h] = p;
    }
    static void Remove(H h)
    {
        Store& store = Get();
        CExclusiveLock lock(store.lock);
        store.map.erase(h);
    }

private:
    struct Store
    {
        SRWLOCK lock = SRWLOCK_INIT;
        std::unordered_map<H, Base*> map;
    };
    class CSharedLock
    {
    public:
        explicit CSharedLock(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockShared(&m_lock); }
        ~CSharedLock() { ::ReleaseSRWLockShared(&m_lock); }
        CSharedLock(const CSharedLock&) = delete;
        CSharedLock& operator=(const CSharedLock&) = delete;

    private:
        SRWLOCK& m_lock;
    };
    class CExclusiveLock
    {
    public:
        explicit CExclusiveLock(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
        ~CExclusiveLock() { ::ReleaseSRWLockExclusive(&m_lock); }
        CExclusiveLock(const CExclusiveLock&) = delete;
        CExclusiveLock& operator=(const CExclusiveLock&) = delete;

    private:
        SRWLOCK& m_lock;
    };
    static Store& Get()
    {
        // Never destroyed: wrappers in static storage still ask as the process ends.
        static Store& store = *new Store;
        return store;
    }
};

// What the frame hid for print preview, to show again when it ends.
struct CPrintPreviewState
{
    std::vector<HWND> hidden;  // the frame's child windows that were visible
    HMENU hMenu = nullptr;     // the frame's menu, taken away during preview
    HWND hWndFocus = nullptr;  // had the focus before
};

// The print preview's window in the frame: a row of buttons over one or two pages, each recorded in a
// metafile by the print view's own printing and played scaled.
class CPreviewView : public CView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    // Starts the job of the view (no printer: the screen stands in); FALSE when it does not start.
    BOOL SetPrintView(CView* pPrintView, CFrameWnd* pFrame, CPrintPreviewState* pState);
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPageCount() const;
    UINT GetShownPages() const { return m_nShownPages; }
    int GetZoom() const { return m_nZoom; }
    // Where the page shown at nIndex (0 or 1) is drawn, in client coordinates; empty when none is.
    CRect GetPageRect(int nIndex) const;
    CButton* GetButton(UINT nID);

    void OnDraw(CDC* pDC) override;

protected:
    void PostNcDestroy() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateButtons();
    void ShowPage(UINT nPage);
    void UpdateButtons();
    HENHMETAFILE PageFile(UINT nPage);
    void EndPreview();

    CView* m_pPrintView = nullptr;  // not owned
    CFrameWnd* m_pFrame = nullptr;  // not owned
    CPrintPreviewState* m_pState = nullptr;
    std::unique_ptr<CPrintInfo> m_pInfo;
    HDC m_hScreenDC = nullptr;          // stands for the printer when there is none; owned
    std::vector<HENHMETAFILE> m_pages;  // recorded on first showing, by page number - 1
    std::vector<std::unique_ptr<CButton>> m_buttons;
    UINT m_nCurrentPage = 1;
    UINT m_nShownPages = 1;
    int m_nZoom = 1;  // 1, 2 or 4 times the size that fits
};

// The mini frame that floats control bars: a window in it finds it as its parent frame, and the
// frame it floats for as that frame's parent frame.
class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd() = default;
};

// Frame windows: CCreateContext, CFrameWnd (layout, idle update, status text,
// command routing, active view), CMDIFrameWnd and CMDIChildWnd.
#pragma once
#include "afxwin_wnd.h"

class CView;
class CDocument;
struct CPrintPreviewState;
class CDocTemplate;

// What a frame needs to make its view for a document.
class CCreateContext
{
public:
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    class CFrameWnd* m_pCurrentFrame = nullptr;
};

// Frame styles the framework adds to the window styles.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;
    // Bits of m_nIdleFlags: work left for the next idle time.
    enum
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };

    BOOL m_bAutoMenuEnable = TRUE;  // disable menu items without a handler
    UINT m_nIdleFlags = 0;
    CRect m_rectBorder;              // space the bars leave around the client
    HMENU m_hMenuDefault = nullptr;  // the menu loaded by LoadFrame, owned
    HACCEL m_hAccelTable = nullptr;
    CString m_strTitle;
    UINT m_nIDHelp = 0;
    int m_nWindow = -1;      // ":n" suffix of a document's second window
    UINT m_nIDTracking = 0;  // command whose prompt the status bar shows
    UINT m_nIDLastMessage = 0;
    BOOL m_bInRecalcLayout = FALSE;
    // Context help: m_bHelpMode is non-zero from ID_CONTEXT_HELP until the click that names a topic.
    enum
    {
        helpInactive = 0,
        helpActive = 1,
        helpEntering = 2  // asked for; starts once the message that asked has been handled
    };
    BOOL m_bHelpMode = helpInactive;

    CFrameWnd() = default;
    ~CFrameWnd() override;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Print preview takes the whole client area: the frame hides what it shows and brings it back afterwards.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    BOOL IsInPreview() const { return m_pPreviewState != nullptr; }
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual CFrameWnd* GetActiveFrame();
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual HACCEL GetDefaultAccelerator();
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    virtual void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    CWnd* GetMessageBar();
    // Tells owned popups (floating bars, mini frames) about a state change.
    void NotifyFloatingWindows(DWORD dwFlags);
    virtual void BeginModalState();
    virtual void EndModalState();
    BOOL InModalState() const { return m_cModalStack > 0; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    // The main frame speaks for the application: the query asks to save every modified document,
    // and the session's end closes them and ends the application as its last message would.
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    // Context help: the help cursor until a click names what to explain (its help is run), or Esc or
    // WM_EXITHELPMODE ends it. A frame that offers it maps ID_CONTEXT_HELP here and binds Shift+F1 to that id.
    afx_msg void OnContextHelp();

protected:
    CView* m_pViewActive = nullptr;  // the view commands go to first
    int m_cModalStack = 0;
    HWND* m_phWndDisable = nullptr;                 // windows BeginModalState disabled
    CPrintPreviewState* m_pPreviewState = nullptr;  // while print preview shows; not owned
    CString m_strIdleMessage;
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The class of a frame with the icon of nIDResource, when there is one.
    LPCTSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    // Routes to the active view, then to the frame's own map.
    BOOL RouteToViewAndSelf(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    // Help mode's message loop: the topic of the click, 0 when the mode ended without one.
    DWORD RunHelpLoop();
    // FALSE ends the loop; a click on one of the frame's windows sets *pContext.
    BOOL ProcessHelpMsg(MSG& msg, DWORD* pContext);
    BOOL ProcessHelpMouse(MSG& msg, DWORD* pContext);
    // A click on a menu (a window's own, or a bar's popup entry) opens it; FALSE when that closed the frame.
    BOOL OpenMenuForHelp(HWND hWndHit, int nHit, POINT point);
    // The capture and the help cursor while the point is over the frame's own windows; the window there, or NULL.
    HWND SetHelpCapture(POINT point, BOOL* pbOwnWindow);
    // What WM_HELPHITTEST answers at the point, from the window under it up to the frame.
    DWORD MapClientArea(HWND hWndHit, POINT point);
    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    HWND m_hWndMDIClient = nullptr;

    CMDIFrameWnd() = default;
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);
    void MDIActivate(CWnd* pWndActivate)
    {
        ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
    }
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIIconArrange() { ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }
    void MDIMaximize(CWnd* pWnd) { ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0); }
    void MDINext() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
    void MDIPrev() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
    void MDIRestore(CWnd* pWnd) { ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0); }
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    void MDITile() { ::SendMessage(m_hWndMDIClient, WM_MDITILE, 0, 0); }
    void MDITile(int nType) { ::SendMessage(m_hWndMDIClient, WM_MDITILE, nType, 0); }
    void MDICascade() { ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
    void MDICascade(int nType) { ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, nType, 0); }

    CFrameWnd* GetActiveFrame() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    HACCEL GetDefaultAccelerator() override;
    CDocument* GetActiveDocument() override;

    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    HMENU m_hMenuShared = nullptr;  // the template's menu, not owned

    CMDIChildWnd() = default;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr) override;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
    {
        return Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nullptr, 0, pContext);
    }
    BOOL LoadFrame(UINT nIDResource,
                   DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy() { ::SendMessage(GetMDIClient(), WM_MDIDESTROY, (WPARAM)m_hWnd, 0); }
    void MDIActivate() { ::SendMessage(GetMDIClient(), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0); }
    void MDIMaximize() { ::SendMessage(GetMDIClient(), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0); }
    void MDIRestore() { ::SendMessage(GetMDIClient(), WM_MDIRESTORE, (WPARAM)m_hWnd, 0); }
    void SetHandles(HMENU hMenu, HACCEL hAccel)
    {
        m_hMenuShared = hMenu;
        m_hAccelTable = hAccel;
    }

    void ActivateFrame(int nCmdShow = -1) override;
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
    CFrameWnd* GetActiveFrame() override { return this; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnDestroy();

protected:
    HWND GetMDIClient() const { return ::GetParent(m_hWnd); }
    DECLARE_MESSAGE_MAP()
};

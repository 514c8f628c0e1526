// MDI frames: the MDI client, child activation, menu switching and routing
// through the active child first.
#include "afxwin.h"
#include "afxpriv.h"
#include "wnd_internal.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_DESTROY()
ON_WM_SIZE()
ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    // The default menu was taken from the window as its creation began.
    return CreateClient(lpcs, CMenu::FromHandle(GetWindowMenuPopup(m_hMenuDefault)));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle =
        WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES | WS_VSCROLL | WS_HSCROLL;
    m_hWndMDIClient = ::CreateWindowEx(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                       (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), (LPVOID)&ccs);
    if (!m_hWndMDIClient)
        return FALSE;
    ::BringWindowToTop(m_hWndMDIClient);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (!hMenuBar)
        return nullptr;
    // The "Window" popup is the last popup holding a window-arrangement command.
    for (int iItem = ::GetMenuItemCount(hMenuBar) - 1; iItem >= 0; iItem--)
    {
        HMENU hMenuPop = ::GetSubMenu(hMenuBar, iItem);
        if (!hMenuPop)
            continue;
        for (int iSub = ::GetMenuItemCount(hMenuPop) - 1; iSub >= 0; iSub--)
        {
            UINT nID = ::GetMenuItemID(hMenuPop, iSub);
            if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST)
                return hMenuPop;
        }
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (!m_hWndMDIClient)
        return nullptr;
    HWND hWnd = (HWND)::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)pbMaximized);
    return dynamic_cast<CMDIChildWnd*>(FromHandlePermanent(hWnd));
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = (HMENU)::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrameMenu->GetSafeHmenu(),
                                      (LPARAM)pWindowMenu->GetSafeHmenu());
    ::DrawMenuBar(m_hWnd);
    return CMenu::FromHandle(hOld);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveFrame = MDIGetActive();
    return pActiveFrame ? static_cast<CFrameWnd*>(pActiveFrame) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CFrameWnd* pFrame = GetActiveFrame();
    return pFrame != this ? pFrame->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator()
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild && pChild->m_hAccelTable)
        return pChild->m_hAccelTable;
    return m_hAccelTable;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild && pActiveChild->PreTranslateMessage(pMsg))
        return TRUE;
    if (CFrameWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWndMDIClient &&
           ::TranslateMDISysAccel(m_hWndMDIClient, pMsg);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child (its view, its document, itself) first, then this frame and the application.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild && pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The system's commands of the Window menu's child list go to the MDI client.
    UINT nID = LOWORD(wParam);
    if (!lParam && nID >= AFX_IDM_FIRST_MDICHILD)
    {
        HWND hWndChild = ::GetDlgItem(m_hWndMDIClient, (int)nID);
        if (hWndChild)
        {
            ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)hWndChild, 0);
            return TRUE;
        }
    }
    return CFrameWnd::OnCommand(wParam, lParam);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnDestroy()
{
    if (m_hWndMDIClient)
    {
        // The children go first, while the client still routes their messages.
        ::DestroyWindow(m_hWndMDIClient);
        m_hWndMDIClient = nullptr;
    }
    CFrameWnd::OnDestroy();
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // DefFrameProc would size the client over the bars: only the layout does.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActiveChild = MDIGetActive(&bMaximized);
    CDocument* pDocument = pActiveChild ? pActiveChild->GetActiveDocument() : nullptr;
    if (bAddToTitle && pDocument)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActiveWnd = MDIGetActive();
    if (pActiveWnd)
    {
        pActiveWnd->OnUpdateFrameMenu(TRUE, pActiveWnd, hMenuAlt);
        return;
    }
    HMENU hMenu = hMenuAlt ? hMenuAlt : m_hMenuDefault;
    if (hMenu)
        ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu, (LPARAM)GetWindowMenuPopup(hMenu));
    ::DrawMenuBar(m_hWnd);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_CREATE()
ON_WM_MDIACTIVATE()
ON_WM_MOUSEACTIVATE()
ON_WM_SIZE()
ON_WM_NCACTIVATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

namespace
{

// The client's creation record for a child described by cs.
MDICREATESTRUCT MakeMdiCreate(const CREATESTRUCT& cs)
{
    MDICREATESTRUCT mcs;
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance ? cs.hInstance : AfxGetInstanceHandle();
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    // Shown and maximised after creation, when the object is complete.
    mcs.style = (DWORD)cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = (LPARAM)cs.lpCreateParams;
    return mcs;
}

}  // namespace

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, LPCTSTR, DWORD dwExStyle, CCreateContext* pContext)
{
    CMDIFrameWnd* pFrame = dynamic_cast<CMDIFrameWnd*>(pParentWnd);
    if (!pFrame)
        pFrame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    CREATESTRUCT cs = {
        (LPVOID)pContext,       nullptr,  nullptr,   pFrame ? pFrame->m_hWnd : nullptr, rect.bottom - rect.top,
        rect.right - rect.left, rect.top, rect.left, (LONG)(dwStyle & ~WS_MAXIMIZE),    lpszWindowName,
        lpszClassName,          dwExStyle};
    if (!pFrame || !pFrame->m_hWndMDIClient || !PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    MDICREATESTRUCT mcs = MakeMdiCreate(cs);
    // The client creates the window; the creation hook catches it as any other.
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessage(pFrame->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxEndWindowCreateHook())
    {
        PostNcDestroy();
        return FALSE;
    }
    if (!hWnd)
        return FALSE;  // destroyed during creation: PostNcDestroy has run
    ::ShowWindow(hWnd, (dwStyle & WS_VISIBLE) ? SW_SHOWNORMAL : SW_HIDE);
    if (dwStyle & WS_MAXIMIZE)
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)hWnd, 0);
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFullString, strTitle;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(strTitle, strFullString, 0);
    // The template's menu and accelerators serve while this child is active.
    if (pContext)
        if (CMultiDocTemplate* pTemplate = dynamic_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate))
            SetHandles(pTemplate->m_hMenuShared, pTemplate->m_hAccelTable);
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0, pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    MDICREATESTRUCT* lpmcs = (MDICREATESTRUCT*)lpcs->lpCreateParams;
    return OnCreateHelper(lpcs, lpmcs ? (CCreateContext*)lpmcs->lParam : nullptr);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndMDIClient = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd*>(FromHandlePermanent(::GetParent(hWndMDIClient)));
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProc(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    // MDI children go through the client so that it activates the next one.
    MDIDestroy();
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    BOOL bVisibleThen = IsWindowVisible();
    CMDIFrameWnd* pFrameWnd = GetMDIFrame();
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActiveFrame = pFrameWnd ? pFrameWnd->MDIGetActive(&bMaximized) : nullptr;
    if (nCmdShow == -1)
    {
        if (!bVisibleThen)
            nCmdShow = bMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (pActiveFrame != this)
        MDIActivate();
    if (pFrameWnd)
        pFrameWnd->OnUpdateFrameTitle(TRUE);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // Accelerators are left to the main frame, which asks the active child for its table.
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CMDIChildWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Inside an MDI frame the frame routes to the application after itself.
    return RouteToViewAndSelf(nID, nCode, pExtra, pHandlerInfo);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument)
    {
        CString strTitle = pDocument->GetTitle();
        if (m_nWindow > 0)
            strTitle.AppendFormat(":%d", m_nWindow);
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strTitle)
            SetWindowText(strTitle);
    }
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    if (!bActivate && pActivateWnd)
        return;  // the child being activated sets its own menu
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (!pFrame)
        return;
    // An active child shows the given or its template's menu; else the frame's own.
    HMENU hMenu = bActivate ? (hMenuAlt ? hMenuAlt : m_hMenuShared) : nullptr;
    if (!hMenu)
        hMenu = pFrame->m_hMenuDefault;
    if (hMenu)
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu, (LPARAM)pFrame->GetWindowMenuPopup(hMenu));
    ::DrawMenuBar(pFrame->m_hWnd);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    CView* pActiveView = GetActiveView();
    if (bActivate && pActiveView)
        pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
    if (bActivate)
        if (CMDIFrameWnd* pFrame = GetMDIFrame())
            pFrame->OnUpdateFrameTitle(TRUE);
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        if (pFrame->MDIGetActive() != this)
            MDIActivate();
    return nResult;
}

void CMDIChildWnd::OnSize(UINT nType, int, int)
{
    // DefMDIChildProc must see WM_SIZE for the maximised state.
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CMDIChildWnd::OnNcActivate(BOOL bActive) { return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0); }

void CMDIChildWnd::OnDestroy()
{
    // The frame's default menu comes back when the last child goes; while
    // another child is active already, its menu stays. The title waits for the
    // idle pass, when the child that follows (or none) is known; a frame that
    // is being destroyed gets none.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    CMDIChildWnd* pActive = pFrame ? pFrame->MDIGetActive() : nullptr;
    if (!pActive || pActive == this)
        OnUpdateFrameMenu(FALSE, nullptr, nullptr);
    if (pFrame)
        pFrame->DelayUpdateFrameTitle();
    CFrameWnd::OnDestroy();
}

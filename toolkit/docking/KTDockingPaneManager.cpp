// KTDockingPaneManager.cpp: the manager's set-up, window, themes, notifications and layout of the frame.
#include "KTDockingPaneManager.h"

#include <afxpriv.h>

#include "KTColorManager.h"
#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneClientNode.h"
#include "KTDockingPaneContext.h"
#include "KTDockingPaneKeyboardHook.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneSplitterWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDockingPaneWindowSelect.h"
#include "KTDrawHelpers.h"

BEGIN_MESSAGE_MAP(CKTDockingPaneManager, CWnd)
// LRESULT OnSizeParent(WPARAM, LPARAM)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
// LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
// LRESULT OnInitialUpdate(WPARAM, LPARAM)
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
// void OnSysColorChange()
ON_WM_SYSCOLORCHANGE()
// void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CKTDockingPaneManager::CKTDockingPaneManager()
    : m_pWindowSelectClass(RUNTIME_CLASS(CKTDockingPaneWindowSelect)),
      m_pContext(std::make_unique<CKTDockingPaneContext>(this))
{
    SetTheme(ktDockingPaneThemeDefault);
    RegisterWindowClasses();
    KTSystemChange()->Advise(this);
}

CKTDockingPaneManager::~CKTDockingPaneManager()
{
    KTSystemChange()->Unadvise(this);
    m_pActivePane.Release();
    m_pLayout.Release();
    m_pPaintManager.Release();
    if (GetSafeHwnd())
        DestroyWindow();
}

void CKTDockingPaneManager::RegisterWindowClasses()
{
    CKTDrawHelpers::RegisterWndClass(NULL, "KTDockingPaneSplitter", 0);
    CKTDrawHelpers::RegisterWndClass(NULL, "KTDockingPaneTabbedContainer", CS_DBLCLKS);
    CKTDrawHelpers::RegisterWndClass(NULL, "KTDockingPaneManager", 0);
    CKTDrawHelpers::RegisterWndClass(NULL, "KTDockingPaneAutoHidePanel", 0);
    CKTDrawHelpers::RegisterWndClass(NULL, "KTDockingPaneMiniWnd", CS_DBLCLKS);
}

BOOL CKTDockingPaneManager::InstallDockingPanes(CWnd* pSite, BOOL bClipChildren)
{
    if (!pSite || !pSite->GetSafeHwnd() || m_pSite)
        return FALSE;
    const DWORD dwClip = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (bClipChildren && (pSite->GetStyle() & dwClip) != dwClip)
        pSite->ModifyStyle(0, dwClip);
    if (!CreateEx(0, "KTDockingPaneManager", "", WS_CHILD, CRect(0, 0, 0, 0), pSite, 0))
        return FALSE;
    m_pSite = pSite;
    m_pLayout = CKTSmartPtr<CKTDockingPaneLayoutData>::Adopt(CreateLayout());
    m_pLayout->SetDetached(FALSE);
    CString strMove;
    if (CMenu* pMenu = pSite->GetSystemMenu(FALSE); pMenu && pMenu->GetMenuString(SC_MOVE, strMove, MF_BYCOMMAND) > 0)
        m_strMoveMenuText = strMove;
    return TRUE;
}

CKTDockingPaneLayoutData* CKTDockingPaneManager::CreateLayout() { return new CKTDockingPaneLayoutData(this); }

void CKTDockingPaneManager::SetTheme(KTDockingPaneTheme nTheme)
{
    m_pPaintManager = CKTDockingPanePaintManager::CreateTheme(nTheme);
    m_pPaintManager->RefreshMetrics();
    if (nTheme == ktDockingPaneThemeStickers)
        m_nStickerStyle = 1;
    RedrawPanes();
}

LRESULT CKTDockingPaneManager::NotifyOwner(UINT nCode, LPARAM lParam)
{
    // A child window has no system owner: the owner is the one given to SetOwner.
    HWND hWndOwner = ::IsWindow(m_hWndOwner) ? m_hWndOwner : NULL;
    if (!hWndOwner && m_pSite)
        hWndOwner = m_pSite->GetSafeHwnd();
    return hWndOwner ? ::SendMessage(hWndOwner, KT_WM_DOCKINGPANENOTIFY, nCode, lParam) : 0;
}

CKTDockingPaneNode* CKTDockingPaneManager::OnCreatePane(int nType, CKTDockingPaneLayoutData* pLayout)
{
    switch (nType)
    {
    case ktPaneTypePane:
        return new CKTDockingPane(pLayout);
    case ktPaneTypeTabbedContainer:
        return new CKTDockingPaneTabbedContainer(pLayout);
    case ktPaneTypeSplitterContainer:
        return new CKTDockingPaneSplitterContainer(pLayout);
    case ktPaneTypeMiniWnd:
        return new CKTDockingPaneMiniWnd(pLayout);
    case ktPaneTypeClient:
        return new CKTDockingPaneClientNode(pLayout);
    case ktPaneTypeAutoHidePanel:
        return new CKTDockingPaneAutoHidePanel(pLayout);
    default:
        return nullptr;
    }
}

void CKTDockingPaneManager::OnActivatePane(BOOL bActivate, CKTDockingPane* pPane)
{
    if (bActivate && pPane != m_pActivePane)
    {
        if (CKTSmartPtr<CKTDockingPane> pOld = std::move(m_pActivePane))
            NotifyAction(ktActionDeactivated, pOld);
        m_pActivePane = pPane;
        NotifyAction(ktActionActivated, pPane);
        return;
    }
    if (!bActivate && pPane && pPane == m_pActivePane)
    {
        CKTSmartPtr<CKTDockingPane> pOld = std::move(m_pActivePane);
        NotifyAction(ktActionDeactivated, pOld);
    }
}

BOOL CKTDockingPaneManager::NotifyAction(int nAction, CKTDockingPane* pPane, CKTDockingPaneNode* pTarget,
                                         int nDirection)
{
    KT_DOCKINGPANE_ACTION action = {nAction, FALSE, pPane, pTarget, nDirection};
    if (pPane && !(pPane->GetEnabled() & ktPaneEnableActions))
        action.bCancel = TRUE;
    NotifyOwner(ktDockingPaneAction, LPARAM(&action));
    return action.bCancel;
}

int CKTDockingPaneManager::GetPaneDirection(const CKTDockingPaneNode* pNode) const
{
    return m_pLayout ? m_pLayout->GetPaneDirection(pNode) : -1;
}

BOOL CKTDockingPaneManager::IsLayoutRTL() const
{
    return m_pSite && m_pSite->GetSafeHwnd() && (m_pSite->GetExStyle() & WS_EX_LAYOUTRTL);
}

int CKTDockingPaneManager::GetRTLDirection(int nDirection) const
{
    if (!IsLayoutRTL() || nDirection > ktDockRight)
        return nDirection;
    return nDirection == ktDockLeft ? ktDockRight : ktDockLeft;
}

CKTDockingPaneClientNode* CKTDockingPaneManager::GetClientPane() const
{
    return m_pLayout ? m_pLayout->GetClientNode() : nullptr;
}

CKTDockingPaneSplitterContainer* CKTDockingPaneManager::GetTopPane() const
{
    return m_pLayout ? m_pLayout->GetTopContainer() : nullptr;
}

void CKTDockingPaneManager::RecalcFrameLayout(CKTDockingPaneNode* pNode, BOOL bDelay)
{
    CWnd* pSite = pNode ? pNode->GetDockingSite() : m_pSite;
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    auto* pFrame = dynamic_cast<CFrameWnd*>(pSite);
    if (!pFrame)
    {
        PostLayoutSize(pSite, bDelay);
        return;
    }
    if (!bDelay)
    {
        pFrame->RecalcLayout(FALSE);
        return;
    }
    pFrame->m_nIdleFlags |= CFrameWnd::idleLayout;
    pFrame->PostMessage(WM_IDLEUPDATECMDUI);
}

void CKTDockingPaneManager::PostLayoutSize(CWnd* pSite, BOOL bDelay)
{
    CRect rc;
    pSite->GetClientRect(&rc);
    LPARAM lParam = MAKELPARAM(rc.Width(), rc.Height());
    if (!bDelay)
    {
        pSite->SendMessage(WM_SIZE, SIZE_RESTORED, lParam);
        return;
    }
    MSG msg;
    if (!::PeekMessage(&msg, pSite->GetSafeHwnd(), WM_SIZE, WM_SIZE, PM_NOREMOVE))
        pSite->PostMessage(WM_SIZE, SIZE_RESTORED, lParam);
}

void CKTDockingPaneManager::RedrawPanes()
{
    if (!m_pLayout)
        return;
    for (const DockingPaneInfo& info : m_pLayout->GetPaneList())
    {
        RecalcFrameLayout(info.pPane, TRUE);
        if (CKTDockingPaneContainer* pParent = info.pPane->GetParentContainer())
            if (HWND hWnd = pParent->GetPaneHwnd())
                ::InvalidateRect(hWnd, NULL, FALSE);
    }
    // The bars between groups and the floating frames take the theme's colours too.
    for (CKTDockingPaneNode* pNode : m_pLayout->GetNodeList())
    {
        if (pNode->GetType() == ktPaneTypeMiniWnd)
            static_cast<CKTDockingPaneMiniWnd*>(pNode)->RefreshFrameStyle();
        if (pNode->GetType() != ktPaneTypeSplitterContainer)
            continue;
        auto* pSplitters = static_cast<CKTDockingPaneSplitterContainer*>(pNode);
        for (int i = 0; i < pSplitters->GetSplitterCount(); ++i)
            if (CKTDockingPaneSplitterWnd* pBar = pSplitters->GetSplitter(i); pBar && pBar->GetSafeHwnd())
                pBar->Invalidate(FALSE);
    }
}

void CKTDockingPaneManager::UpdatePanesFocus()
{
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus == m_hwndLastFocus || !m_pLayout)
        return;
    m_hwndLastFocus = hWndFocus;
    for (CKTDockingPaneNode* pNode : m_pLayout->GetNodeList())
        if (pNode->GetType() == ktPaneTypeTabbedContainer || pNode->GetType() == ktPaneTypeMiniWnd)
            pNode->OnFocusChanged();
}

LRESULT CKTDockingPaneManager::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTLAYOUT*>(lParam);
    if (!m_pLayout || !m_pLayout->GetTopContainer() || !pLayout)
        return 0;
    m_pLayout->OnSizeParent(m_pSite, pLayout->rect, pLayout);
    UpdatePaneHolders();
    m_bLaidOut = TRUE;
    return 0;
}

LRESULT CKTDockingPaneManager::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    UpdatePanesFocus();
    return 0;
}

LRESULT CKTDockingPaneManager::OnInitialUpdate(WPARAM, LPARAM)
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(m_pSite);
    if (pFrame && (pFrame->m_nIdleFlags & CFrameWnd::idleLayout))
        pFrame->RecalcLayout(FALSE);
    UpdatePanesFocus();
    for (CKTDockingPaneNode* pNode : m_pLayout ? m_pLayout->GetNodeList() : CKTDockingPaneNodeList())
    {
        auto* pFloating = pNode->GetType() == ktPaneTypeMiniWnd ? static_cast<CKTDockingPaneMiniWnd*>(pNode) : nullptr;
        if (!pFloating || !pFloating->GetSafeHwnd())
            continue;
        if (pFloating->m_nIdleFlags & CFrameWnd::idleLayout)
            pFloating->RecalcLayout(FALSE);
        pFloating->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    }
    m_bInitialUpdate = TRUE;
    return 0;
}

void CKTDockingPaneManager::OnSysColorChange() { KTSystemChange()->Apply(ktSystemChangeColors); }

void CKTDockingPaneManager::OnSettingChange(UINT, LPCTSTR) { KTSystemChange()->Apply(ktSystemChangeSettings); }

void CKTDockingPaneManager::OnSystemChange(KTSystemChangeKind)
{
    m_pPaintManager->RefreshMetrics();
    RedrawPanes();
}

BOOL CKTDockingPaneManager::EnableKeyboardNavigate(int nFlags)
{
    if (!m_pSite || !m_pSite->GetSafeHwnd())
        return FALSE;
    if (!KTDockingPaneKeyboardHook()->Enable(this, nFlags))
        return FALSE;
    m_nKeyboardNavigate = nFlags;
    return TRUE;
}

LRESULT CKTDockingPaneManager::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT)
        return m_accessible.LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(&m_accessible));
    if (message == WM_DESTROY && m_nKeyboardNavigate)
        EnableKeyboardNavigate(0);
    if (message == WM_SYSCOMMAND && (wParam == SC_NEXTWINDOW || wParam == SC_PREVWINDOW))
        return ActivateNextPane(m_pActivePane, wParam == SC_NEXTWINDOW);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU && lParam == '-' && m_pActivePane &&
        m_pActivePane->GetParentContainer() && !m_pActivePane->IsHidden())
    {
        ShowPaneMenu();
        return 1;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// The pane's system menu: its one command starts a keyboard drag of the pane's group or floating frame.
void CKTDockingPaneManager::ShowPaneMenu()
{
    CKTSmartPtr<CKTDockingPane> pPane(m_pActivePane);
    CKTDockingPaneContainer* pGroup = pPane->GetParentContainer();
    CKTDockingPaneNode* pDragged = pGroup;
    CPoint pt;
    auto* pFloating = dynamic_cast<CKTDockingPaneMiniWnd*>(pPane->GetDockingSite());
    if (pFloating && pFloating->GetSelectedPane() == pPane)
    {
        pt = CPoint(0, 0);
        pFloating->ClientToScreen(&pt);
        pDragged = pFloating->GetTopContainer();
    }
    else
    {
        CRect rc;
        ::GetWindowRect(pGroup->GetPaneHwnd(), &rc);
        pt = rc.TopLeft();
    }
    CMenu menu;
    if (!pDragged || !menu.CreatePopupMenu() || !menu.AppendMenu(MF_STRING, SC_MOVE, m_strMoveMenuText))
        return;
    UINT nCommand = menu.TrackPopupMenu(TPM_RETURNCMD, pt.x, pt.y, m_pSite);
    if (nCommand == SC_MOVE)
        m_pContext->Drag(pDragged, CPoint(-1, -1));
}

int CKTDockingPaneManager::ActivateNextPane(CKTDockingPane* pCurrent, BOOL bForward)
{
    if (!m_pLayout || m_pLayout->GetPaneList().empty())
        return 0;
    std::vector<CKTDockingPane*> panes;
    for (const DockingPaneInfo& info : m_pLayout->GetPaneList())
        panes.push_back(info.pPane);
    if (!bForward)
        std::reverse(panes.begin(), panes.end());
    auto itCurrent = std::find(panes.begin(), panes.end(), pCurrent);
    size_t nStart = itCurrent == panes.end() ? 0 : size_t(itCurrent - panes.begin()) + 1;
    for (size_t i = 0; i < panes.size(); ++i)
    {
        CKTDockingPane* pPane = panes[(nStart + i) % panes.size()];
        if (pPane->GetEnabled() & ktPaneEnableClient)
        {
            ShowPane(pPane, TRUE);
            return 1;
        }
    }
    return 0;
}

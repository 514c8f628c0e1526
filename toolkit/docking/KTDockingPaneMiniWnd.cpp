// KTDockingPaneMiniWnd.cpp: a floating frame's window, its splitter of groups, captions, translucency and archive.
#include "KTDockingPaneMiniWnd.h"

#include <afxpriv.h>

#include "KTDockingPane.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTPropExchange.h"

IMPLEMENT_DYNAMIC(CKTDockingPaneMiniWnd, CMiniFrameWnd)

namespace
{
const char kFrameClass[] = "KTDockingPaneMiniWnd";
const DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | MFS_BLOCKSYSMENU;
}  // namespace

CKTDockingPaneMiniWnd::CKTDockingPaneMiniWnd(CKTDockingPaneLayoutData* pLayout)
    : CKTDockingPaneContainer(ktPaneTypeMiniWnd, pLayout)
{
    for (int nID : {KT_IDS_DOCKING_CLOSE, KT_IDS_DOCKING_AUTOHIDE, KT_IDS_DOCKING_MENU})
        m_captionButtons.push_back(std::make_unique<CKTDockingPaneCaptionButton>(nID, this));
}

void CKTDockingPaneMiniWnd::OnFinalRelease()
{
    if (GetSafeHwnd())
        DestroyWindow();
    delete this;
}

BOOL CKTDockingPaneMiniWnd::Create(CRect rc)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || !pManager->GetSite())
        return FALSE;
    const DWORD dwStyle = kFrameStyle | (pManager->m_bSyncActiveFloatingFrames ? MFS_SYNCACTIVE : 0);
    const DWORD dwExStyle = pManager->IsLayoutRTL() ? WS_EX_LAYOUTRTL : 0;
    if (!CMiniFrameWnd::CreateEx(dwExStyle, kFrameClass, "", dwStyle, rc, pManager->GetSite(), 0))
    {
        TRACE("Docking: a floating frame could not be created (%lu)\n", ::GetLastError());
        return FALSE;
    }
    TrimSystemMenu();
    if (IsThemed())
        RefreshFrameStyle();
    UpdateTransparency();
    return TRUE;
}

void CKTDockingPaneMiniWnd::TrimSystemMenu()
{
    CMenu* pMenu = GetSystemMenu(FALSE);
    if (!pMenu)
        return;
    for (UINT nCommand : {SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
        pMenu->DeleteMenu(nCommand, MF_BYCOMMAND);
    CString strHide;
    if (!strHide.LoadString(KT_IDS_DOCKING_HIDE))
        return;
    pMenu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
    pMenu->AppendMenu(MF_STRING, SC_CLOSE, strHide);
}

BOOL CKTDockingPaneMiniWnd::Init(CKTDockingPaneNode* pNode, CRect rc)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pNode || !pManager || !Create(rc))
        return FALSE;
    if (pNode->GetType() == ktPaneTypePane)
    {
        auto* pGroup =
            static_cast<CKTDockingPaneTabbedContainer*>(pManager->OnCreatePane(ktPaneTypeTabbedContainer, m_pLayout));
        if (!pGroup)
            return FALSE;
        pGroup->Init(static_cast<CKTDockingPane*>(pNode), this);
        pNode = pGroup;
    }
    auto* pTop =
        static_cast<CKTDockingPaneSplitterContainer*>(pManager->OnCreatePane(ktPaneTypeSplitterContainer, m_pLayout));
    if (!pTop)
        return FALSE;
    pTop->Init(pNode, TRUE, this);
    SetTopContainer(pTop);
    m_bUpdatePending = TRUE;
    m_nIdleFlags |= idleLayout | idleNotify;
    PostMessage(WM_IDLEUPDATECMDUI);
    OnFocusChanged();
    return TRUE;
}

void CKTDockingPaneMiniWnd::SetTopContainer(CKTDockingPaneSplitterContainer* pTop)
{
    m_children.assign(1, pTop);
    pTop->SetParentContainer(this);
    pTop->SetDockingSite(this);
    pTop->OnParentContainerChanged(this);
}

CKTDockingPaneSplitterContainer* CKTDockingPaneMiniWnd::GetTopContainer() const
{
    return static_cast<CKTDockingPaneSplitterContainer*>(GetFirstChild());
}

CKTDockingPane* CKTDockingPaneMiniWnd::GetSelectedPane() const
{
    CKTDockingPaneNodeList groups;
    const_cast<CKTDockingPaneMiniWnd*>(this)->FindPane(ktPaneTypeTabbedContainer, groups);
    return groups.size() == 1 ? static_cast<CKTDockingPaneTabbedContainer*>(groups.front())->GetSelected() : nullptr;
}

void CKTDockingPaneMiniWnd::Copy(CKTDockingPaneMiniWnd* pSource, CKTDockingPaneCloneMap* pMap)
{
    m_rcWindow = pSource->m_rcWindow;
    if (pSource->GetSafeHwnd())
        pSource->CWnd::GetWindowRect(&m_rcWindow);
    m_bCollapsed = pSource->m_bCollapsed;
    m_nExpandedHeight = pSource->m_nExpandedHeight;
    if (m_bCollapsed)
        m_rcWindow.bottom = m_rcWindow.top + GetCaptionSize() + 8;
    if (!m_pLayout->IsDetached() && !Create(m_rcWindow))
        return;
    CKTDockingPaneSplitterContainer* pSourceTop = pSource->GetTopContainer();
    CKTDockingPaneNode* pTop = pSourceTop ? pSourceTop->Clone(m_pLayout, pMap, 0) : nullptr;
    if (pTop)
        SetTopContainer(static_cast<CKTDockingPaneSplitterContainer*>(pTop));
}

CKTDockingPaneNode* CKTDockingPaneMiniWnd::Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    auto* pClone = static_cast<CKTDockingPaneMiniWnd*>(pManager ? pManager->OnCreatePane(m_nType, pLayout) : nullptr);
    if (!pClone)
        return nullptr;
    pClone->Copy(this, pMap);
    if (pMap)
        (*pMap)[this] = pClone;
    return pClone;
}

void CKTDockingPaneMiniWnd::RemovePane(CKTDockingPaneNode* pNode)
{
    if (!HasChild(pNode))
        return;
    EraseChild(pNode);
    pNode->SetParentContainer(nullptr);
    if (!GetSafeHwnd())
        return;
    ShowWindow(SW_HIDE);
    if (m_bCollapsed)
        ToggleCollapse();
}

void CKTDockingPaneMiniWnd::OnChildContainerChanged(CKTDockingPaneNode*)
{
    UpdatePane(FALSE);
    OnFocusChanged();
}

void CKTDockingPaneMiniWnd::UpdatePane(BOOL)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!GetSafeHwnd() || !pManager)
        return;
    CKTDockingPaneNodeList groups;
    FindPane(ktPaneTypeTabbedContainer, groups);
    // One group lends the frame its title; several show their own captions under a common one.
    for (CKTDockingPaneNode* pNode : groups)
        static_cast<CKTDockingPaneTabbedContainer*>(pNode)->ShowTitle(groups.size() != 1);
    CString strTitle = groups.size() == 1 ? static_cast<CKTDockingPaneTabbedContainer*>(groups.front())->GetTitle()
                                          : pManager->m_strFloatingFrameCaption;
    CString strNow;
    GetWindowText(strNow);
    if (strNow != strTitle)
        SetWindowText(strTitle);
    if (!groups.empty() && !IsWindowVisible())
        ShowWindow(SW_SHOWNOACTIVATE);
    EnableSystemClose(CanCloseEveryPane());
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CKTDockingPaneMiniWnd::CanCloseEveryPane()
{
    CKTDockingPaneNodeList panes;
    FindPane(ktPaneTypePane, panes);
    for (CKTDockingPaneNode* pNode : panes)
        if (static_cast<CKTDockingPane*>(pNode)->GetOptions() & ktPaneNoCloseable)
            return FALSE;
    return TRUE;
}

void CKTDockingPaneMiniWnd::EnableSystemClose(BOOL bEnable)
{
    if (CMenu* pMenu = GetSystemMenu(FALSE))
        pMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
}

void CKTDockingPaneMiniWnd::OnFocusChanged()
{
    if (!GetSafeHwnd())
        return;
    BOOL bHoldsFocus = KTDockingPaneHoldsFocus(m_hWnd);
    if (bHoldsFocus == m_bHoldsFocus)
        return;
    m_bHoldsFocus = bHoldsFocus;
    RedrawPane();
    UpdateTransparency();
}

void CKTDockingPaneMiniWnd::UpdateTransparency()
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!GetSafeHwnd() || !pManager)
        return;
    const int nAlpha = pManager->m_nFloatingFramesAlpha;
    if (nAlpha >= 255)
    {
        ModifyStyleEx(WS_EX_LAYERED, 0);
        return;
    }
    ModifyStyleEx(0, WS_EX_LAYERED);
    const BYTE nShown = BYTE(m_bHoldsFocus ? 255 : std::max(nAlpha, 0));
    if (!::SetLayeredWindowAttributes(m_hWnd, 0, nShown, LWA_ALPHA))
        TRACE("Docking: a floating frame's translucency was refused (%lu)\n", ::GetLastError());
}

void CKTDockingPaneMiniWnd::RecalcLayout(BOOL)
{
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    CKTDockingPaneSplitterContainer* pTop = GetTopContainer();
    if (!GetSafeHwnd() || m_bInRecalcLayout)
        return;
    if (!pTop || pTop->IsEmpty())
    {
        if (IsWindowVisible())
            ShowWindow(SW_HIDE);
        if (m_bCollapsed)
            ToggleCollapse();
        return;
    }
    m_bInRecalcLayout = TRUE;
    CRect rcClient;
    GetClientRect(&rcClient);
    AFX_SIZEPARENTLAYOUT layout = {};
    layout.hDWP = ::BeginDeferWindowPos(8);
    layout.rect = rcClient;
    pTop->OnSizeParent(this, rcClient, &layout);
    if (layout.hDWP && !::EndDeferWindowPos(layout.hDWP))
        TRACE("Docking: a floating frame's layout was not applied (%lu)\n", ::GetLastError());
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->UpdatePaneHolders();
    m_bInRecalcLayout = FALSE;
}

BOOL CKTDockingPaneMiniWnd::DoPropExchange(CKTPropExchange* pPX)
{
    CKTDockingPaneNode::DoPropExchange(pPX);
    // A frame the user moved is saved where it stands.
    if (!pPX->IsLoading() && GetSafeHwnd())
        CWnd::GetWindowRect(&m_rcWindow);
    long nTopPos = m_rcWindow.top, nBottomPos = m_rcWindow.bottom;
    long nLeftPos = m_rcWindow.left, nRightPos = m_rcWindow.right;
    PX_Long(pPX, "WindowRectTopPos", nTopPos);
    PX_Long(pPX, "WindowRectBottomPos", nBottomPos);
    PX_Long(pPX, "WindowRectLeftPos", nLeftPos);
    PX_Long(pPX, "WindowRectRightPos", nRightPos);
    m_rcWindow.SetRect(nLeftPos, nTopPos, nRightPos, nBottomPos);
    PX_Bool(pPX, "Collapsed", m_bCollapsed, FALSE);
    PX_Int(pPX, "ExpandedHeight", m_nExpandedHeight, 0);
    CKTDockingPaneSplitterContainer* pTop = GetTopContainer();
    long nTop = pTop ? pTop->m_nNumber : 0;
    PX_Long(pPX, "TopContaner", nTop);
    if (!pPX->IsLoading())
        return TRUE;
    const auto* pMap = static_cast<const CKTDockingPaneLoadMap*>(pPX->m_pCallerData);
    auto it = pMap ? pMap->find(int(nTop)) : CKTDockingPaneLoadMap::const_iterator();
    // The frame holds an unplaced splitter of its own.
    if (!pMap || it == pMap->end() || it->second->GetType() != ktPaneTypeSplitterContainer ||
        it->second->GetParentContainer())
        return FALSE;
    SetTopContainer(static_cast<CKTDockingPaneSplitterContainer*>(it->second));
    return TRUE;
}

// KTDockingPaneManagerPanes.cpp: creating, docking, showing, closing, hiding and toggling panes.
#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneAutoHideWnd.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"

CKTDockingPane* CKTDockingPaneManager::CreatePane(int nID, CRect rc, int nDirection, CKTDockingPaneNode* pNeighbour)
{
    if (!m_pLayout)
        return nullptr;
    auto* pPane = static_cast<CKTDockingPane*>(OnCreatePane(ktPaneTypePane, m_pLayout));
    if (!pPane)
        return nullptr;
    pPane->SetID(nID);
    pPane->SetWindowRect(rc);
    m_pLayout->AddPaneInfo({pPane, nullptr, nullptr, nullptr});
    DockPane(pPane, nDirection, pNeighbour);
    UpdatePaneHolders();
    return pPane;
}

CKTDockingPane* CKTDockingPaneManager::FindPane(int nID) const
{
    if (!m_pLayout)
        return nullptr;
    for (const DockingPaneInfo& info : m_pLayout->GetPaneList())
        if (info.pPane->GetID() == nID)
            return info.pPane;
    return nullptr;
}

CKTDockingPaneNode* CKTDockingPaneManager::ResolveNeighbour(CKTDockingPaneNode* pNeighbour) const
{
    if (!pNeighbour)
        return m_pLayout->GetTopContainer();
    if (pNeighbour->GetType() != ktPaneTypePane)
        return pNeighbour;
    CKTDockingPaneContainer* pParent = pNeighbour->GetParentContainer();
    if (!pParent || pNeighbour->IsHidden())
        return m_pLayout->GetTopContainer();
    return pNeighbour;
}

CKTDockingPaneNode* CKTDockingPaneManager::WrapPane(CKTDockingPaneNode* pNode, CWnd* pSite)
{
    if (pNode->GetType() != ktPaneTypePane)
        return pNode;
    auto* pGroup = static_cast<CKTDockingPaneTabbedContainer*>(OnCreatePane(ktPaneTypeTabbedContainer, m_pLayout));
    if (pGroup)
        pGroup->Init(static_cast<CKTDockingPane*>(pNode), pSite);
    return pGroup;
}

void CKTDockingPaneManager::DockPane(CKTDockingPaneNode* pNode, int nDirection, CKTDockingPaneNode* pNeighbour)
{
    if (!pNode || !m_pLayout || !m_pLayout->GetTopContainer())
        return;
    pNeighbour = ResolveNeighbour(pNeighbour);
    nDirection = GetRTLDirection(nDirection);
    BOOL bHorizontal = nDirection == ktDockLeft || nDirection == ktDockRight;
    BOOL bAfter = nDirection == ktDockRight || nDirection == ktDockBottom;
    pNode = WrapPane(pNode, pNeighbour->GetDockingSite());
    if (!pNode)
        return;
    if (pNeighbour == m_pLayout->GetTopContainer())
        DockBesideTop(pNode, bHorizontal, bAfter);
    else
        DockBesideNeighbour(pNode, pNeighbour, bHorizontal, bAfter);
    RecalcFrameLayout(pNeighbour, TRUE);
}

void CKTDockingPaneManager::DockBesideTop(CKTDockingPaneNode* pNode, BOOL bHorizontal, BOOL bAfter)
{
    CKTDockingPaneSplitterContainer* pTop = m_pLayout->GetTopContainer();
    if (pTop->IsHorizontal() == bHorizontal)
    {
        pTop->AddNode(pNode, nullptr, bAfter);
        return;
    }
    auto* pSplitter =
        static_cast<CKTDockingPaneSplitterContainer*>(OnCreatePane(ktPaneTypeSplitterContainer, m_pLayout));
    if (!pSplitter)
        return;
    pSplitter->Init(pTop, bHorizontal, m_pSite);
    pSplitter->AddNode(pNode, pTop, bAfter);
    m_pLayout->SetTopContainer(pSplitter);
}

void CKTDockingPaneManager::DockBesideNeighbour(CKTDockingPaneNode* pNode, CKTDockingPaneNode* pNeighbour,
                                                BOOL bHorizontal, BOOL bAfter)
{
    CKTDockingPaneContainer* pParent = pNeighbour->GetParentContainer();
    if (pParent && pParent->GetType() == ktPaneTypeTabbedContainer)
    {
        pNeighbour = pParent;
        pParent = pParent->GetParentContainer();
    }
    if (!pParent || pParent->GetType() != ktPaneTypeSplitterContainer)
        return;
    auto* pParentSplitter = static_cast<CKTDockingPaneSplitterContainer*>(pParent);
    if (pParentSplitter->IsHorizontal() == bHorizontal)
    {
        pParentSplitter->AddNode(pNode, pNeighbour, bAfter);
        return;
    }
    auto* pSplitter =
        static_cast<CKTDockingPaneSplitterContainer*>(OnCreatePane(ktPaneTypeSplitterContainer, m_pLayout));
    if (!pSplitter)
        return;
    pParentSplitter->ReplacePane(pNeighbour, pSplitter);
    pSplitter->Init(pNeighbour, bHorizontal, pParentSplitter->GetDockingSite());
    pSplitter->AddNode(pNode, pNeighbour, bAfter);
}

void CKTDockingPaneManager::AttachPane(CKTDockingPaneNode* pNode, CKTDockingPaneNode* pTarget)
{
    if (pTarget && pTarget->GetType() == ktPaneTypePane)
        pTarget = pTarget->GetParentContainer();
    auto* pGroup = pTarget ? pTarget->AsTabbedContainer() : nullptr;
    if (!pNode || !pGroup)
        return;
    // A floating frame's splitter brings the panes of all its groups.
    CKTDockingPaneNodeList panes;
    pNode->FindPane(ktPaneTypePane, panes);
    for (CKTDockingPaneNode* pPaneNode : panes)
    {
        CKTSmartPtr<CKTDockingPane> pPane(static_cast<CKTDockingPane*>(pPaneNode));
        if (CKTDockingPaneContainer* pOld = pPane->GetParentContainer())
            pOld->RemovePane(pPane);
        pGroup->InsertPane(pPane, TRUE);
    }
    m_hwndLastFocus = NULL;
    UpdatePaneHolders();
}

void CKTDockingPaneManager::DockNode(CKTDockingPaneNode* pNode, int nDirection, CKTDockingPaneNode* pNeighbour)
{
    if (!pNode || !m_pLayout)
        return;
    CKTSmartPtr<CKTDockingPaneNode> keep(pNode);
    auto* pSplitter = pNode->GetType() == ktPaneTypeSplitterContainer
                          ? static_cast<CKTDockingPaneSplitterContainer*>(pNode)
                          : nullptr;
    if (pSplitter && pSplitter->GetChildCount() == 1 &&
        pSplitter->GetFirstChild()->GetType() == ktPaneTypeTabbedContainer)
        pNode = pSplitter->GetFirstChild();
    if (pNode->GetType() != ktPaneTypePane)
        pNode = pNode->Clone(m_pLayout, nullptr, 0);
    else if (CKTDockingPaneContainer* pParent = pNode->GetParentContainer())
        pParent->RemovePane(pNode);
    if (!pNode)
        return;
    DockPane(pNode, nDirection, pNeighbour);
    m_pLayout->Normalize();
    m_hwndLastFocus = NULL;
}

CKTDockingPaneMiniWnd* CKTDockingPaneManager::FloatPane(CKTDockingPaneNode* pNode, CRect rc)
{
    if (!pNode || !m_pLayout)
        return nullptr;
    CKTSmartPtr<CKTDockingPaneNode> keep(pNode);
    if (pNode->GetType() != ktPaneTypePane)
        pNode = pNode->Clone(m_pLayout, nullptr, 0);
    else if (CKTDockingPaneContainer* pParent = pNode->GetParentContainer())
        pParent->RemovePane(pNode);
    auto* pFrame = pNode ? static_cast<CKTDockingPaneMiniWnd*>(OnCreatePane(ktPaneTypeMiniWnd, m_pLayout)) : nullptr;
    if (!pFrame)
        return nullptr;
    pFrame->Init(pNode, rc);
    UpdatePaneHolders();
    m_hwndLastFocus = NULL;
    return pFrame;
}

CRect CKTDockingPaneManager::CalcDockingRect(CKTDockingPaneNode* pNode, int nDirection, CKTDockingPaneNode* pNeighbour)
{
    if (!m_pLayout || !pNode)
        return CRect(0, 0, 0, 0);
    if (pNeighbour && pNeighbour->GetType() == ktPaneTypePane && pNeighbour->GetParentContainer())
        pNeighbour = pNeighbour->GetParentContainer();
    CKTDockingPaneSplitterContainer* pTop = m_pLayout->GetTopContainer();
    if (!pNeighbour)
        pNeighbour = pTop;
    CRect rcNeighbour;
    pNeighbour->GetWindowRect(&rcNeighbour);
    if (pNeighbour == pTop)
        return CKTDockingPaneSplitterContainer::CalcDockingRect(rcNeighbour, pNeighbour, pNode, nDirection);
    CKTDockingPaneContainer* pParent = pNeighbour->GetParentContainer();
    if (!pParent)
        return CRect(0, 0, 0, 0);
    auto* pSplitter = pParent->AsSplitterContainer();
    const BOOL bHorizontal = nDirection == ktDockLeft || nDirection == ktDockRight;
    if (pSplitter && pSplitter->IsHorizontal() == bHorizontal)
        return pSplitter->CalcDockingRect(pNode, nDirection, pNeighbour);
    return CKTDockingPaneSplitterContainer::CalcDockingRect(rcNeighbour, pNeighbour, pNode, nDirection);
}

void CKTDockingPaneManager::ShowPane(CKTDockingPane* pPane, BOOL bSetFocus)
{
    if (!pPane || !m_pLayout)
        return;
    if (CKTDockingPaneTabbedContainer* pGroup = pPane->GetTabbedContainer())
    {
        pGroup->SelectPane(pPane, bSetFocus, TRUE);
        ShowNode(pGroup);
    }
    else
        RestoreClosedPane(pPane);
    if (m_bLaidOut)
        pPane->ShowWindow(TRUE);
    if (bSetFocus)
        pPane->SetFocus();
}

void CKTDockingPaneManager::RestoreClosedPane(CKTDockingPane* pPane)
{
    DockingPaneInfo* pInfo = m_pLayout->FindPaneInfo(pPane);
    if (pInfo && pInfo->pLastHolder)
        pInfo->pLastHolder->InsertPane(pPane, TRUE);
}

void CKTDockingPaneManager::ShowNode(CKTDockingPaneNode* pNode)
{
    if (!pNode)
        return;
    if (pNode->GetType() == ktPaneTypePane)
    {
        ShowPane(static_cast<CKTDockingPane*>(pNode), FALSE);
        pNode = pNode->GetParentContainer();
    }
    CKTDockingPaneTabbedContainer* pGroup = pNode ? pNode->AsTabbedContainer() : nullptr;
    if (!pGroup)
        return;
    if (auto* pFloating = dynamic_cast<CKTDockingPaneMiniWnd*>(pGroup->GetDockingSite()))
        if (pFloating->GetSafeHwnd())
            pFloating->BringWindowToTop();
    pGroup->Show(FALSE);
}

std::vector<CKTSmartPtr<CKTDockingPane>> CKTDockingPaneManager::GetHeldPanes(CKTDockingPaneNode* pNode)
{
    CKTDockingPaneNodeList found;
    if (pNode)
        pNode->FindPane(ktPaneTypePane, found);
    std::vector<CKTSmartPtr<CKTDockingPane>> panes;
    for (CKTDockingPaneNode* pPaneNode : found)
        panes.emplace_back(static_cast<CKTDockingPane*>(pPaneNode));
    return panes;
}

void CKTDockingPaneManager::ClosePaneByUser(CKTDockingPane* pPane)
{
    CKTSmartPtr<CKTDockingPane> keep(pPane);
    if (!pPane || NotifyAction(ktActionClosing, pPane))
        return;
    pPane->Close();
    NotifyAction(ktActionClosed, pPane);
}

void CKTDockingPaneManager::ClosePane(CKTDockingPane* pPane)
{
    if (!pPane)
        return;
    CKTSmartPtr<CKTDockingPane> keep(pPane);
    if (NotifyOwner(ktDockingPaneClosed, LPARAM(pPane)) == KT_DOCKINGPANE_REFUSE)
        return;
    if (CKTDockingPaneContainer* pParent = pPane->GetParentContainer())
        pParent->RemovePane(pPane);
}

void CKTDockingPaneManager::HidePane(CKTDockingPaneNode* pNode)
{
    if (!pNode || !m_pLayout)
        return;
    if (pNode->GetType() == ktPaneTypePane && m_bHideGroupOnButtonClick && pNode->GetParentContainer())
        pNode = pNode->GetParentContainer();
    CKTDockingPaneContainer* pParent = pNode->GetParentContainer();
    if (!pParent)
        return;
    if (pParent->GetType() == ktPaneTypeAutoHidePanel)
    {
        static_cast<CKTDockingPaneAutoHidePanel*>(pParent)->CloseActiveWindow(FALSE);
        return;
    }
    CKTSmartPtr<CKTDockingPaneNode> keep(pNode);
    m_pLayout->HidePane(pNode);
    RecalcFrameLayout(nullptr, TRUE);
}

CKTDockingPaneTabbedContainer* CKTDockingPaneManager::GetPaneHolder(const CKTDockingPaneNode* pPane, BOOL bFloating)
{
    DockingPaneInfo* pInfo = m_pLayout ? m_pLayout->FindPaneInfo(pPane) : nullptr;
    if (!pInfo)
        return nullptr;
    return bFloating ? pInfo->pFloatingHolder : pInfo->pDockingHolder;
}

void CKTDockingPaneManager::UpdatePaneHolders()
{
    if (!m_pLayout)
        return;
    for (DockingPaneInfo& info : m_pLayout->GetPaneList())
    {
        CKTDockingPaneTabbedContainer* pParent = info.pPane->GetTabbedContainer();
        if (!pParent || !info.pPane->GetDockingSite() || pParent->IsHidden())
            continue;
        info.pLastHolder = pParent;
        if (info.pPane->IsFloating())
            info.pFloatingHolder = pParent;
        else
            info.pDockingHolder = pParent;
    }
}

BOOL CKTDockingPaneManager::ToggleDocking(CKTDockingPane* pPane, CKTDockingPaneTabbedContainer* pTarget)
{
    if (!pPane)
        return FALSE;
    CKTSmartPtr<CKTDockingPane> keep(pPane);
    const BOOL bHidden = pPane->IsHidden();
    const BOOL bFloating = pPane->IsFloating();
    const BOOL bDocked = !bHidden && !bFloating;
    if (bDocked && (pPane->GetOptions() & ktPaneNoFloatable))
        return FALSE;
    if (bFloating && (pPane->GetOptions() & ktPaneNoDockable))
        return FALSE;
    const int nAction = bDocked ? ktActionFloating : (bHidden ? ktActionPinning : ktActionDocking);
    if (NotifyAction(nAction, pPane, pTarget))
        return FALSE;
    if (pTarget)
    {
        m_bDockingInProgress = TRUE;
        AttachPane(pPane, pTarget);
        m_bDockingInProgress = FALSE;
    }
    else
    {
        CRect rc;
        if (CKTDockingPaneContainer* pGroup = pPane->GetParentContainer())
            pGroup->GetWindowRect(&rc);
        FloatPane(pPane, rc);
    }
    NotifyAction(nAction + 1, pPane);
    return TRUE;
}

void CKTDockingPaneManager::ToggleNodeDocking(CKTDockingPaneNode* pNode)
{
    if (!pNode || !m_pLayout)
        return;
    const BOOL bToFloating = !pNode->IsHidden() && GetPaneDirection(pNode) != ktDockFloating;
    const std::vector<CKTSmartPtr<CKTDockingPane>> panes = GetHeldPanes(pNode);
    CKTDockingPaneTabbedContainer* pGroup = pNode->AsTabbedContainer();
    CKTDockingPane* pSelected = pGroup ? pGroup->GetSelected() : nullptr;
    CKTDockingPane* pFocused = nullptr;
    for (const auto& pPane : panes)
        if (pPane->IsFocus())
            pFocused = pPane;
    // Panes without a group of the wanted kind follow the previous pane, so such a group moves as one.
    CKTDockingPaneTabbedContainer* pPrevious = nullptr;
    std::vector<CKTDockingPane*> moved;
    for (const auto& pPane : panes)
    {
        CKTDockingPaneTabbedContainer* pHolder = GetPaneHolder(pPane, bToFloating);
        if (!ToggleDocking(pPane, pHolder ? pHolder : pPrevious))
            continue;
        pPrevious = pPane->GetTabbedContainer();
        moved.push_back(pPane);
    }
    auto wasMoved = [&moved](CKTDockingPane* p)
    { return p && std::find(moved.begin(), moved.end(), p) != moved.end(); };
    CKTDockingPane* pShown = wasMoved(pFocused) ? pFocused : (wasMoved(pSelected) ? pSelected : nullptr);
    if (!pShown && !moved.empty())
        pShown = moved.front();
    if (pShown)
        ShowPane(pShown, TRUE);
    m_pLayout->Normalize();
    m_hwndLastFocus = NULL;
}

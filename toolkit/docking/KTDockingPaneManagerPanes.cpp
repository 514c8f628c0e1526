// KTDockingPaneManagerPanes.cpp: creating, docking, showing, closing, hiding and toggling panes.
#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneAutoHideWnd.h"
#include "KTDockingPaneManager.h"
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
    auto* pGroup = dynamic_cast<CKTDockingPaneTabbedContainer*>(pTarget);
    if (!pNode || !pGroup)
        return;
    CKTDockingPaneNodeList panes;
    if (pNode->GetType() == ktPaneTypePane)
        panes.push_back(pNode);
    else
        panes = static_cast<CKTDockingPaneContainer*>(pNode)->GetChildren();
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
    auto* pGroup = dynamic_cast<CKTDockingPaneTabbedContainer*>(pNode);
    if (!pGroup || !pGroup->IsHidden())
        return;
    auto* pPanel = static_cast<CKTDockingPaneAutoHidePanel*>(pGroup->GetParentContainer());
    if (pGroup->GetSelected() && (!pPanel->GetActiveWnd() || pPanel->GetActiveWnd()->GetContainer() != pGroup))
        pPanel->ShowPane(pGroup->GetSelected(), FALSE);
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
        auto* pParent = dynamic_cast<CKTDockingPaneTabbedContainer*>(info.pPane->GetParentContainer());
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
    BOOL bHidden = pPane->IsHidden();
    BOOL bFloating = pPane->IsFloating();
    // Without floating frames a docked pane has nowhere to float to.
    if (!bHidden && !bFloating)
        return FALSE;
    if (bFloating && (pPane->GetOptions() & ktPaneNoDockable))
        return FALSE;
    int nAction = bHidden ? ktActionPinning : ktActionDocking;
    if (!pTarget || NotifyAction(nAction, pPane, pTarget))
        return FALSE;
    m_bDockingInProgress = TRUE;
    AttachPane(pPane, pTarget);
    m_bDockingInProgress = FALSE;
    NotifyAction(nAction + 1, pPane);
    return TRUE;
}

void CKTDockingPaneManager::ToggleNodeDocking(CKTDockingPaneNode* pNode)
{
    if (!pNode || !m_pLayout)
        return;
    CKTDockingPaneNodeList found;
    pNode->FindPane(ktPaneTypePane, found);
    std::vector<CKTSmartPtr<CKTDockingPane>> panes;
    for (CKTDockingPaneNode* pPaneNode : found)
        panes.emplace_back(static_cast<CKTDockingPane*>(pPaneNode));
    auto* pGroup = dynamic_cast<CKTDockingPaneTabbedContainer*>(pNode);
    CKTSmartPtr<CKTDockingPane> pSelected(pGroup ? pGroup->GetSelected() : nullptr);
    CKTDockingPaneTabbedContainer* pPrevious = nullptr;
    CKTDockingPane* pShown = nullptr;
    for (const auto& pPane : panes)
    {
        CKTDockingPaneTabbedContainer* pHolder = GetPaneHolder(pPane, FALSE);
        if (!pHolder)
            pHolder = pPrevious;
        if (!ToggleDocking(pPane, pHolder))
            continue;
        pPrevious = pHolder;
        if (!pShown || pPane == pSelected)
            pShown = pPane;
    }
    if (pShown)
        ShowPane(pShown, TRUE);
    m_pLayout->Normalize();
    m_hwndLastFocus = NULL;
}

// KTDockingPaneLayoutData.cpp: the layout's nodes and panes, its layout pass, sides, hiding and normalisation.
#include "KTDockingPaneLayoutData.h"

#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneClientNode.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneSplitterWnd.h"
#include "KTDockingPaneTabbedContainer.h"

CKTDockingPaneLayoutData::CKTDockingPaneLayoutData(CKTDockingPaneManager* pManager) : m_pManager(pManager)
{
    CreateDefaultTree();
}

CKTDockingPaneLayoutData::~CKTDockingPaneLayoutData() { Free(); }

void CKTDockingPaneLayoutData::CreateDefaultTree()
{
    m_pClient = static_cast<CKTDockingPaneClientNode*>(m_pManager->OnCreatePane(ktPaneTypeClient, this));
    m_pTopContainer =
        static_cast<CKTDockingPaneSplitterContainer*>(m_pManager->OnCreatePane(ktPaneTypeSplitterContainer, this));
    if (m_pTopContainer && m_pClient)
        m_pTopContainer->Init(m_pClient, TRUE, m_pManager->GetSite());
}

BOOL CKTDockingPaneLayoutData::IsValid() const
{
    return m_pTopContainer && m_pClient && m_pClient->GetType() == ktPaneTypeClient && m_pManager;
}

void CKTDockingPaneLayoutData::Free()
{
    // Released in creation order; the list is emptied first so that no release finds a half-freed list.
    std::vector<CKTSmartPtr<CKTDockingPaneNode>> nodes;
    nodes.swap(m_nodes);
    for (auto& pNode : nodes)
        pNode.Release();
    m_panes.clear();
    m_panels.fill(nullptr);
    m_pTopContainer = nullptr;
    m_pClient = nullptr;
    DestroySideSplitters();
}

void CKTDockingPaneLayoutData::AddNode(CKTDockingPaneNode* pNode)
{
    m_nodes.push_back(CKTSmartPtr<CKTDockingPaneNode>::Adopt(pNode));
}

void CKTDockingPaneLayoutData::ReleaseNode(CKTDockingPaneNode* pNode)
{
    auto it = std::find_if(m_nodes.begin(), m_nodes.end(),
                           [pNode](const CKTSmartPtr<CKTDockingPaneNode>& p) { return p.GetInterface() == pNode; });
    if (it == m_nodes.end())
        return;
    CKTSmartPtr<CKTDockingPaneNode> pReleased = std::move(*it);
    m_nodes.erase(it);
}

BOOL CKTDockingPaneLayoutData::OwnsNode(const CKTDockingPaneNode* pNode) const
{
    return std::any_of(m_nodes.begin(), m_nodes.end(),
                       [pNode](const CKTSmartPtr<CKTDockingPaneNode>& p) { return p.GetInterface() == pNode; });
}

CKTDockingPaneNodeList CKTDockingPaneLayoutData::GetNodeList() const
{
    CKTDockingPaneNodeList nodes;
    for (const auto& pNode : m_nodes)
        nodes.push_back(pNode);
    return nodes;
}

CKTDockingPaneAutoHidePanel* CKTDockingPaneLayoutData::GetPanel(int nDirection) const
{
    return nDirection >= 0 && nDirection < 4 ? m_panels[size_t(nDirection)] : nullptr;
}

void CKTDockingPaneLayoutData::SetPanel(int nDirection, CKTDockingPaneAutoHidePanel* pPanel)
{
    if (nDirection >= 0 && nDirection < 4)
        m_panels[size_t(nDirection)] = pPanel;
}

DockingPaneInfo* CKTDockingPaneLayoutData::FindPaneInfo(const CKTDockingPaneNode* pPane)
{
    auto it = std::find_if(m_panes.begin(), m_panes.end(),
                           [pPane](const DockingPaneInfo& info) { return info.pPane == pPane; });
    return it == m_panes.end() ? nullptr : &*it;
}

void CKTDockingPaneLayoutData::OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout)
{
    for (CKTDockingPaneAutoHidePanel* pPanel : m_panels)
        if (pPanel)
            pPanel->OnSizeParent(pSite, pLayout ? CRect(pLayout->rect) : rc, pLayout);
    if (pLayout)
        rc = pLayout->rect;
    PlaceSideSplitters(pSite, rc, pLayout);
    if (m_pTopContainer)
        m_pTopContainer->OnSizeParent(pSite, rc, pLayout);
}

void CKTDockingPaneLayoutData::PlaceSideSplitters(CWnd* pSite, CRect& rc, AFX_SIZEPARENTLAYOUT* pLayout)
{
    int w = m_pManager->m_nSideSplitterWidth;
    if (pLayout && !pLayout->hDWP)
    {
        rc.DeflateRect(w, w);
        return;
    }
    if (w <= 0)
    {
        DestroySideSplitters();
        return;
    }
    const CRect rcBars[4] = {{rc.left, rc.top, rc.left + w, rc.bottom},
                             {rc.right - w, rc.top, rc.right, rc.bottom},
                             {rc.left + w, rc.top, rc.right - w, rc.top + w},
                             {rc.left + w, rc.bottom - w, rc.right - w, rc.bottom}};
    for (size_t i = 0; i < 4; ++i)
    {
        if (!m_sideSplitters[i])
        {
            m_sideSplitters[i] = std::make_unique<CKTDockingPaneSplitterWnd>();
            m_sideSplitters[i]->CreateSide(m_pManager, pSite, i >= 2);
        }
        if (m_sideSplitters[i]->GetSafeHwnd())
        {
            m_sideSplitters[i]->MoveWindow(rcBars[i], TRUE);
            m_sideSplitters[i]->Invalidate();
        }
    }
    rc.DeflateRect(w, w);
}

void CKTDockingPaneLayoutData::DestroySideSplitters()
{
    for (auto& pBar : m_sideSplitters)
        pBar.reset();
}

int CKTDockingPaneLayoutData::GetPaneDirection(const CKTDockingPaneNode* pNode) const
{
    if (!pNode)
        return -1;
    if (pNode->GetType() == ktPaneTypeMiniWnd)
        return ktDockFloating;
    const CKTDockingPaneNode* pCurrent = pNode;
    for (;;)
    {
        CKTDockingPaneContainer* pParent = pCurrent->GetParentContainer();
        if (!pParent || pCurrent == m_pClient)
            return -1;
        if (pParent->GetType() == ktPaneTypeAutoHidePanel)
            return static_cast<CKTDockingPaneAutoHidePanel*>(pParent)->GetDirection();
        if (pParent->GetType() == ktPaneTypeMiniWnd)
            return ktDockFloating;
        if (pParent->GetType() == ktPaneTypeSplitterContainer && pParent->ContainsPane(m_pClient))
            break;
        pCurrent = pParent;
    }
    auto* pSplitter = static_cast<CKTDockingPaneSplitterContainer*>(pCurrent->GetParentContainer());
    const CKTDockingPaneNode* pClientBranch = m_pClient;
    while (pClientBranch->GetParentContainer() != pSplitter)
        pClientBranch = pClientBranch->GetParentContainer();
    BOOL bBefore = pSplitter->IsBefore(pCurrent, pClientBranch);
    if (pSplitter->IsHorizontal())
        return bBefore ? ktDockLeft : ktDockRight;
    return bBefore ? ktDockTop : ktDockBottom;
}

CKTDockingPaneAutoHidePanel* CKTDockingPaneLayoutData::EnsurePanel(int nDirection)
{
    if (!m_panels[size_t(nDirection)])
    {
        auto* pPanel =
            static_cast<CKTDockingPaneAutoHidePanel*>(m_pManager->OnCreatePane(ktPaneTypeAutoHidePanel, this));
        if (pPanel)
            pPanel->SetDirection(nDirection);
        m_panels[size_t(nDirection)] = pPanel;
    }
    return m_panels[size_t(nDirection)];
}

// A group whose panes were hidden before goes back to the panel's group that holds its old companions.
BOOL CKTDockingPaneLayoutData::JoinHiddenGroup(CKTDockingPaneAutoHidePanel* pPanel, CKTDockingPaneNode* pNode)
{
    CKTDockingPaneNodeList panes;
    pNode->FindPane(ktPaneTypePane, panes);
    DockingPaneInfo* pInfo = panes.empty() ? nullptr : FindPaneInfo(panes.front());
    if (!pInfo || !pInfo->pDockingHolder)
        return FALSE;
    for (CKTDockingPaneNode* pChild : pPanel->GetChildren())
    {
        auto* pGroup = static_cast<CKTDockingPaneTabbedContainer*>(pChild);
        DockingPaneInfo* pFirst = pGroup->GetFirstChild() ? FindPaneInfo(pGroup->GetFirstChild()) : nullptr;
        if (!pFirst || pFirst->pDockingHolder != pInfo->pDockingHolder)
            continue;
        for (CKTDockingPaneNode* pPaneNode : panes)
        {
            auto* pPane = static_cast<CKTDockingPane*>(pPaneNode);
            if (pPane->GetOptions() & ktPaneNoHideable)
                continue;
            if (CKTDockingPaneContainer* pOld = pPane->GetParentContainer())
                pOld->RemovePane(pPane);
            pGroup->InsertPane(pPane, TRUE);
        }
        return TRUE;
    }
    return FALSE;
}

void CKTDockingPaneLayoutData::HidePane(CKTDockingPaneNode* pNode)
{
    int nSide = GetPaneDirection(pNode);
    if (nSide < ktDockLeft || nSide > ktDockBottom)
        nSide = ktDockLeft;
    CKTDockingPaneAutoHidePanel* pPanel = EnsurePanel(nSide);
    if (!pPanel || JoinHiddenGroup(pPanel, pNode))
        return;
    CKTDockingPaneNode* pHidden = pNode;
    if (pNode->GetType() == ktPaneTypePane)
    {
        auto* pPane = static_cast<CKTDockingPane*>(pNode);
        if (CKTDockingPaneContainer* pOld = pPane->GetParentContainer())
            pOld->RemovePane(pPane);
        auto* pGroup =
            static_cast<CKTDockingPaneTabbedContainer*>(m_pManager->OnCreatePane(ktPaneTypeTabbedContainer, this));
        if (!pGroup)
            return;
        pGroup->Init(pPane, m_pManager->GetSite());
        pHidden = pGroup;
    }
    else if (pNode->GetType() == ktPaneTypeTabbedContainer)
        pHidden = pNode->Clone(this, nullptr, ktPaneNoHideable);
    if (pHidden)
        pPanel->AddContainer(pHidden);
}

void CKTDockingPaneLayoutData::Normalize()
{
    while (NormalizePass())
    {
    }
}

BOOL CKTDockingPaneLayoutData::NormalizePass()
{
    std::vector<CKTDockingPaneNode*> referenced;
    for (const DockingPaneInfo& info : m_panes)
    {
        referenced.push_back(info.pDockingHolder);
        referenced.push_back(info.pFloatingHolder);
        referenced.push_back(info.pPane->GetParentContainer());
    }
    for (CKTDockingPaneNode* pNode : GetNodeList())
        if (NormalizeNode(pNode, referenced))
            return TRUE;
    return FALSE;
}

// Removes or dissolves one node that no longer serves; TRUE when it did.
BOOL CKTDockingPaneLayoutData::NormalizeNode(CKTDockingPaneNode* pNode,
                                             const std::vector<CKTDockingPaneNode*>& referenced)
{
    CKTDockingPaneContainer* pParent = pNode->GetParentContainer();
    if (pNode->GetType() == ktPaneTypeMiniWnd && static_cast<CKTDockingPaneContainer*>(pNode)->GetChildCount() == 0)
    {
        ReleaseNode(pNode);
        return TRUE;
    }
    BOOL bUnreferencedGroup = pNode->GetType() == ktPaneTypeTabbedContainer &&
                              std::find(referenced.begin(), referenced.end(), pNode) == referenced.end();
    auto* pSplitter = pNode->GetType() == ktPaneTypeSplitterContainer
                          ? static_cast<CKTDockingPaneSplitterContainer*>(pNode)
                          : nullptr;
    if (bUnreferencedGroup || (pSplitter && pSplitter->GetChildCount() == 0 && pNode != m_pTopContainer))
    {
        CKTSmartPtr<CKTDockingPaneNode> keep(pNode);
        if (pParent)
            pParent->RemovePane(pNode);
        ReleaseNode(pNode);
        return TRUE;
    }
    auto* pParentSplitter = pParent && pParent->GetType() == ktPaneTypeSplitterContainer
                                ? static_cast<CKTDockingPaneSplitterContainer*>(pParent)
                                : nullptr;
    if (pSplitter && pSplitter->GetChildCount() == 1 && pParentSplitter && pParentSplitter->GetChildCount() == 1)
    {
        CKTDockingPaneNode* pChild = pSplitter->GetFirstChild();
        pSplitter->TakeOut(pChild);
        pParentSplitter->TakeOut(pSplitter);
        pParentSplitter->AdoptFirst(pChild);
        ReleaseNode(pSplitter);
        return TRUE;
    }
    return FALSE;
}

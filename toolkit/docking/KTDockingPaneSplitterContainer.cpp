// KTDockingPaneSplitterContainer.cpp: children placed in a row or a column, the bars between them, and the
// splitter's part of the archive.
#include "KTDockingPaneSplitterContainer.h"

#include <algorithm>

#include "KTDockingPaneClientNode.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneSizeDistribution.h"
#include "KTDockingPaneSplitterWnd.h"
#include "KTPropExchange.h"

CKTDockingPaneSplitterContainer::CKTDockingPaneSplitterContainer(CKTDockingPaneLayoutData* pLayout)
    : CKTDockingPaneContainer(ktPaneTypeSplitterContainer, pLayout)
{
}

CKTDockingPaneSplitterContainer::~CKTDockingPaneSplitterContainer() = default;

CKTDockingPaneSplitterWnd* CKTDockingPaneSplitterContainer::OnCreateSplitter() { return new CKTDockingPaneSplitterWnd; }

int CKTDockingPaneSplitterContainer::SplitterSize(CKTDockingPaneLayoutData* pLayout)
{
    CKTDockingPaneManager* pManager = pLayout ? pLayout->GetManager() : nullptr;
    CKTDockingPanePaintManager* pPaintManager = pManager ? pManager->GetPaintManager() : nullptr;
    return pPaintManager ? pPaintManager->GetSplitterSize() : 4;
}

void CKTDockingPaneSplitterContainer::Init(CKTDockingPaneNode* pNode, BOOL bHorizontal, CWnd* pSite)
{
    if (!pNode)
        return;
    m_bHorizontal = bHorizontal;
    m_pDockingSite = pSite;
    m_children.push_back(pNode);
    AfterInsert(pNode);
    m_nDockedWidth = pNode->m_nDockedWidth;
    m_nDockedHeight = pNode->m_nDockedHeight;
}

void CKTDockingPaneSplitterContainer::AddNode(CKTDockingPaneNode* pNode, CKTDockingPaneNode* pNeighbour, BOOL bAfter)
{
    int nIndex = IndexOf(pNeighbour);
    if (nIndex < 0)
        nIndex = bAfter ? GetChildCount() : 0;
    else if (bAfter)
        ++nIndex;
    m_children.insert(m_children.begin() + nIndex, pNode);
    AfterInsert(pNode);
}

void CKTDockingPaneSplitterContainer::AfterInsert(CKTDockingPaneNode* pNode)
{
    pNode->SetParentContainer(this);
    pNode->SetDockingSite(m_pDockingSite);
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager(); pManager && !m_pLayout->IsDetached())
        pManager->RecalcFrameLayout(this, TRUE);
    RebuildSplitters();
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
    pNode->OnParentContainerChanged(this);
}

void CKTDockingPaneSplitterContainer::ReplacePane(CKTDockingPaneNode* pOld, CKTDockingPaneNode* pNew)
{
    int nIndex = IndexOf(pOld);
    if (nIndex < 0)
        return;
    m_children[size_t(nIndex)] = pNew;
    pNew->SetParentContainer(this);
    RebuildSplitters();
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
}

void CKTDockingPaneSplitterContainer::AdoptFirst(CKTDockingPaneNode* pNode)
{
    m_children.insert(m_children.begin(), pNode);
    pNode->SetParentContainer(this);
}

void CKTDockingPaneSplitterContainer::TakeOut(CKTDockingPaneNode* pNode) { EraseChild(pNode); }

void CKTDockingPaneSplitterContainer::RemovePane(CKTDockingPaneNode* pNode)
{
    if (!HasChild(pNode))
        return;
    EraseChild(pNode);
    RebuildSplitters();
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager(); pManager && !m_pLayout->IsDetached())
        pManager->RecalcFrameLayout(this, TRUE);
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
    if (m_children.empty() && m_pParentContainer)
        m_pParentContainer->RemovePane(this);
    pNode->SetParentContainer(nullptr);
}

void CKTDockingPaneSplitterContainer::OnChildContainerChanged(CKTDockingPaneNode*)
{
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
    RebuildSplitters();
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager(); pManager && !m_pLayout->IsDetached())
        pManager->RecalcFrameLayout(this, TRUE);
}

void CKTDockingPaneSplitterContainer::OnParentContainerChanged(CKTDockingPaneNode* pParent)
{
    m_pDockingSite = pParent->GetDockingSite();
    RebuildSplitters();
    for (CKTDockingPaneNode* pChild : CKTDockingPaneNodeList(m_children))
        pChild->OnParentContainerChanged(this);
}

void CKTDockingPaneSplitterContainer::FindChildren(int nType, CKTDockingPaneNodeList& list) const
{
    for (CKTDockingPaneNode* pChild : m_children)
        if (pChild->GetType() == nType && !pChild->IsEmpty())
            list.push_back(pChild);
}

BOOL CKTDockingPaneSplitterContainer::IsBefore(const CKTDockingPaneNode* pNode, const CKTDockingPaneNode* pOther) const
{
    return IndexOf(pNode) < IndexOf(pOther);
}

void CKTDockingPaneSplitterContainer::StoreSizes()
{
    (m_bHorizontal ? m_nDockedWidth : m_nDockedHeight) = m_bHorizontal ? m_rcWindow.Width() : m_rcWindow.Height();
    for (CKTDockingPaneNode* pChild : VisibleChildren())
    {
        CRect rc = pChild->GetRect();
        (m_bHorizontal ? pChild->m_nDockedWidth : pChild->m_nDockedHeight) = m_bHorizontal ? rc.Width() : rc.Height();
    }
}

CKTDockingPaneNodeList CKTDockingPaneSplitterContainer::VisibleChildren() const
{
    CKTDockingPaneNodeList children;
    std::copy_if(m_children.begin(), m_children.end(), std::back_inserter(children),
                 [](CKTDockingPaneNode* pChild) { return !pChild->IsEmpty(); });
    return children;
}

void CKTDockingPaneSplitterContainer::RebuildSplitters()
{
    if (m_bInLayout || !m_pLayout || m_pLayout->IsDetached())
        return;
    m_splitters.clear();
    CKTDockingPaneNodeList children = VisibleChildren();
    for (size_t i = 1; i < children.size(); ++i)
    {
        std::unique_ptr<CKTDockingPaneSplitterWnd> pBar(OnCreateSplitter());
        if (pBar->Create(this, children[i - 1], children[i]))
            m_splitters.push_back(std::move(pBar));
    }
}

void CKTDockingPaneSplitterContainer::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const
{
    CKTDockingPaneNode::GetMinMaxInfo(pMinMaxInfo);
    CKTDockingPaneNodeList children = VisibleChildren();
    for (size_t i = 0; i < children.size(); ++i)
    {
        MINMAXINFO mmi;
        children[i]->GetMinMaxInfo(&mmi);
        if (i == 0)
        {
            *pMinMaxInfo = mmi;
            continue;
        }
        LONG POINT::*along = m_bHorizontal ? &POINT::x : &POINT::y;
        LONG POINT::*across = m_bHorizontal ? &POINT::y : &POINT::x;
        pMinMaxInfo->ptMinTrackSize.*along += mmi.ptMinTrackSize.*along;
        pMinMaxInfo->ptMaxTrackSize.*along += mmi.ptMaxTrackSize.*along;
        pMinMaxInfo->ptMinTrackSize.*across = std::max(pMinMaxInfo->ptMinTrackSize.*across, mmi.ptMinTrackSize.*across);
        pMinMaxInfo->ptMaxTrackSize.*across = std::min(pMinMaxInfo->ptMaxTrackSize.*across, mmi.ptMaxTrackSize.*across);
    }
    if (children.size() > 1)
    {
        int nBars = int(children.size() - 1) * SplitterSize(m_pLayout);
        (m_bHorizontal ? pMinMaxInfo->ptMinTrackSize.x : pMinMaxInfo->ptMinTrackSize.y) += nBars;
        (m_bHorizontal ? pMinMaxInfo->ptMaxTrackSize.x : pMinMaxInfo->ptMaxTrackSize.y) += nBars;
    }
}

CKTDockingPaneSizeDistribution CKTDockingPaneSplitterContainer::Distribute(const CKTDockingPaneNodeList& children,
                                                                           CRect rc, BOOL bHorizontal,
                                                                           CKTDockingPaneLayoutData* pLayout)
{
    CKTDockingPaneManager* pManager = pLayout ? pLayout->GetManager() : nullptr;
    CKTDockingPaneClientNode* pClient = pLayout ? pLayout->GetClientNode() : nullptr;
    std::vector<CKTDockingPaneSizeDistribution::Item> items;
    for (CKTDockingPaneNode* pChild : children)
    {
        MINMAXINFO mmi;
        pChild->GetMinMaxInfo(&mmi);
        items.push_back({bHorizontal ? pChild->m_nDockedWidth : pChild->m_nDockedHeight,
                         int(bHorizontal ? mmi.ptMinTrackSize.x : mmi.ptMinTrackSize.y),
                         int(bHorizontal ? mmi.ptMaxTrackSize.x : mmi.ptMaxTrackSize.y),
                         pClient && pChild->ContainsPane(pClient)});
    }
    return CKTDockingPaneSizeDistribution(std::move(items), bHorizontal ? rc.Width() : rc.Height(),
                                          SplitterSize(pLayout), pManager && pManager->m_bHideClient);
}

CRect CKTDockingPaneSplitterContainer::PlaceNode(const CKTDockingPaneNodeList& children,
                                                 const CKTDockingPaneNode* pNode, CRect rc, BOOL bHorizontal,
                                                 CKTDockingPaneLayoutData* pLayout)
{
    const auto it = std::find(children.begin(), children.end(), pNode);
    if (it == children.end())
        return CRect(0, 0, 0, 0);
    const CKTDockingPaneSizeDistribution sizes = Distribute(children, rc, bHorizontal, pLayout);
    const auto edges = bHorizontal ? sizes.Place(rc.left, rc.right) : sizes.Place(rc.top, rc.bottom);
    const auto& edge = edges[size_t(it - children.begin())];
    return bHorizontal ? CRect(edge.first, rc.top, edge.second, rc.bottom)
                       : CRect(rc.left, edge.first, rc.right, edge.second);
}

CRect CKTDockingPaneSplitterContainer::CalcDockingRect(CKTDockingPaneNode* pNode, int nDirection,
                                                       CKTDockingPaneNode* pNeighbour) const
{
    CKTDockingPaneNodeList children = VisibleChildren();
    children.erase(std::remove(children.begin(), children.end(), pNode), children.end());
    auto it = std::find(children.begin(), children.end(), pNeighbour);
    const BOOL bAfter = nDirection == 1 || nDirection == 3;
    if (it == children.end())
        it = bAfter ? children.end() : children.begin();
    else if (bAfter)
        ++it;
    children.insert(it, pNode);
    CRect rc = PlaceNode(children, pNode, m_rcWindow, m_bHorizontal, m_pLayout);
    if (CWnd* pSite = GetDockingSite(); pSite && pSite->GetSafeHwnd())
        pSite->ClientToScreen(&rc);
    return rc;
}

CRect CKTDockingPaneSplitterContainer::CalcDockingRect(CRect rcNeighbour, CKTDockingPaneNode* pNeighbour,
                                                       CKTDockingPaneNode* pNode, int nDirection)
{
    const BOOL bAfter = nDirection == 1 || nDirection == 3;
    CKTDockingPaneNodeList children =
        bAfter ? CKTDockingPaneNodeList{pNeighbour, pNode} : CKTDockingPaneNodeList{pNode, pNeighbour};
    return PlaceNode(children, pNode, rcNeighbour, nDirection == 0 || nDirection == 1, pNeighbour->GetLayout());
}

void CKTDockingPaneSplitterContainer::OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout)
{
    m_pDockingSite = pSite;
    m_rcWindow = rc;
    CKTDockingPaneNodeList children = VisibleChildren();
    if (children.empty())
        return;
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    CKTDockingPaneClientNode* pClient = m_pLayout ? m_pLayout->GetClientNode() : nullptr;
    if (pManager && pManager->m_bHideClient && pClient && ContainsPane(pClient))
        pClient->OnSizeParent(pSite, CRect(0, 0, 0, 0), pLayout);
    if (children.size() == 1)
    {
        children.front()->OnSizeParent(pSite, rc, pLayout);
        return;
    }
    if (m_bInLayout)
        return;
    m_bInLayout = TRUE;
    LayoutChildren(pSite, rc, pLayout, children);
    m_bInLayout = FALSE;
}

void CKTDockingPaneSplitterContainer::LayoutChildren(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout,
                                                     const CKTDockingPaneNodeList& children)
{
    CKTDockingPaneSizeDistribution sizes = Distribute(children, rc, m_bHorizontal, m_pLayout);
    WriteBack(children, sizes);
    auto edges = m_bHorizontal ? sizes.Place(rc.left, rc.right) : sizes.Place(rc.top, rc.bottom);
    int s = SplitterSize(m_pLayout);
    for (size_t i = 0; i < children.size(); ++i)
    {
        CRect rcChild = m_bHorizontal ? CRect(edges[i].first, rc.top, edges[i].second, rc.bottom)
                                      : CRect(rc.left, edges[i].first, rc.right, edges[i].second);
        children[i]->OnSizeParent(pSite, rcChild, pLayout);
        if (!pLayout || !pLayout->hDWP || i >= m_splitters.size())
            continue;
        CRect rcBar = m_bHorizontal ? CRect(rcChild.right, rc.top, rcChild.right + s, rc.bottom)
                                    : CRect(rc.left, rcChild.bottom, rc.right, rcChild.bottom + s);
        rcBar.IntersectRect(rcBar, rc);
        m_splitters[i]->MoveWindow(rcBar, TRUE);
    }
}

void CKTDockingPaneSplitterContainer::WriteBack(const CKTDockingPaneNodeList& children,
                                                const CKTDockingPaneSizeDistribution& sizes)
{
    const std::vector<int>& lengths = sizes.GetLengths();
    CKTDockingPaneClientNode* pClient = m_pLayout ? m_pLayout->GetClientNode() : nullptr;
    for (size_t i = 0; i < children.size(); ++i)
    {
        children[i]->m_nLength = lengths[i];
        if (sizes.GetFillerLength() < 0 || !pClient || !children[i]->ContainsPane(pClient))
            continue;
        children[i]->m_nDockedWidth = children[i]->m_nDockedHeight = 0;
        (m_bHorizontal ? children[i]->m_nDockedWidth : children[i]->m_nDockedHeight) = sizes.GetFillerLength();
    }
}

BOOL CKTDockingPaneSplitterContainer::DoPropExchange(CKTPropExchange* pPX)
{
    CKTDockingPaneNode::DoPropExchange(pPX);
    PX_Bool(pPX, "Horiz", m_bHorizontal, FALSE);
    if (pPX->IsLoading())
        return LoadChildren(pPX);
    SaveChildren(pPX);
    return TRUE;
}

void CKTDockingPaneSplitterContainer::SaveChildren(CKTPropExchange* pPX)
{
    long nCount = long(m_children.size());
    PX_Long(pPX, "Panes", nCount);
    SaveChildNumbers(pPX);
}

// A child must be a group, the client or another splitter, not yet placed, and not this splitter's own root.
BOOL CKTDockingPaneSplitterContainer::CanAdopt(const CKTDockingPaneNode* pNode) const
{
    int nType = pNode->GetType();
    if (nType != ktPaneTypeTabbedContainer && nType != ktPaneTypeClient && nType != ktPaneTypeSplitterContainer)
        return FALSE;
    return !pNode->GetParentContainer() && !pNode->ContainsPane(this);
}

BOOL CKTDockingPaneSplitterContainer::LoadChildren(CKTPropExchange* pPX)
{
    int nCount = 0;
    PX_Int(pPX, "Panes", nCount, 0);
    return LoadChildNumbers(pPX, nCount,
                            [this](CKTDockingPaneNode* pNode, int)
                            {
                                if (!CanAdopt(pNode))
                                    return FALSE;
                                AddNode(pNode, nullptr, TRUE);
                                return TRUE;
                            });
}

CKTDockingPaneNode* CKTDockingPaneSplitterContainer::Clone(CKTDockingPaneLayoutData* pLayout,
                                                           CKTDockingPaneCloneMap* pMap, DWORD dwFlags)
{
    auto* pClone = static_cast<CKTDockingPaneSplitterContainer*>(CKTDockingPaneNode::Clone(pLayout, pMap, dwFlags));
    if (!pClone)
        return nullptr;
    pClone->m_bHorizontal = m_bHorizontal;
    pClone->m_nDockedWidth = m_nDockedWidth;
    pClone->m_nDockedHeight = m_nDockedHeight;
    for (CKTDockingPaneNode* pChild : CKTDockingPaneNodeList(m_children))
        if (CKTDockingPaneNode* pChildClone = pChild->Clone(pLayout, pMap, dwFlags))
            pClone->AddNode(pChildClone, nullptr, TRUE);
    return pClone;
}

// KTDockingPaneNode.cpp: the common part of every layout-tree node, and the container of nodes.
#include "KTDockingPaneNode.h"

#include <algorithm>

#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTPropExchange.h"

BOOL KTDockingPaneHoldsFocus(HWND hWnd)
{
    HWND hWndFocus = ::GetFocus();
    if (!hWndFocus)
        return FALSE;
    HWND hWndOwner = ::GetWindow(hWndFocus, GW_OWNER);
    if (!hWndOwner)
        hWndOwner = ::GetParent(hWndFocus);
    return hWndFocus == hWnd || ::IsChild(hWnd, hWndFocus) ||
           (hWndOwner && (hWndOwner == hWnd || ::IsChild(hWnd, hWndOwner)));
}

CKTDockingPaneNode::CKTDockingPaneNode(int nType, CKTDockingPaneLayoutData* pLayout)
    : m_pLayout(pLayout), m_pDockingSite(pLayout && pLayout->GetManager() ? pLayout->GetManager()->GetSite() : nullptr),
      m_nType(nType)
{
    if (pLayout)
        pLayout->AddNode(this);
}

CKTDockingPaneNode::~CKTDockingPaneNode() = default;

CKTDockingPaneManager* CKTDockingPaneNode::GetDockingPaneManager() const
{
    return m_pLayout ? m_pLayout->GetManager() : nullptr;
}

CKTDockingPanePaintManager* CKTDockingPaneNode::GetPaintManager() const
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    return pManager ? pManager->GetPaintManager() : nullptr;
}

void CKTDockingPaneNode::RedrawPane()
{
    if (HWND hWnd = GetPaneHwnd())
        ::InvalidateRect(hWnd, NULL, FALSE);
}

BOOL CKTDockingPaneNode::ContainsPane(const CKTDockingPaneNode* pNode) const { return pNode == this; }

void CKTDockingPaneNode::FindPane(int nType, CKTDockingPaneNodeList& list)
{
    if (m_nType == nType)
        list.push_back(this);
}

void CKTDockingPaneNode::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const
{
    ZeroMemory(pMinMaxInfo, sizeof(MINMAXINFO));
    pMinMaxInfo->ptMaxTrackSize = CPoint(32000, 32000);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (m_nType == ktPaneTypeClient && pManager && !pManager->m_bHideClient)
        pMinMaxInfo->ptMinTrackSize = CPoint(pManager->m_szClientMinimum.cx, pManager->m_szClientMinimum.cy);
}

BOOL CKTDockingPaneNode::IsEmpty() const
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    return m_nType == ktPaneTypeClient && pManager && pManager->m_bHideClient;
}

void CKTDockingPaneNode::OnSizeParent(CWnd*, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout)
{
    m_rcWindow = rc;
    if (pLayout)
        pLayout->rect = rc;
}

void CKTDockingPaneNode::UpdatePane(BOOL bRelayout)
{
    if (m_pParentContainer)
        m_pParentContainer->UpdatePane(bRelayout);
}

BOOL CKTDockingPaneNode::DoPropExchange(CKTPropExchange* pPX)
{
    PX_Int(pPX, "DockingCX", m_nDockedWidth, 0);
    PX_Int(pPX, "DockingCY", m_nDockedHeight, 0);
    return TRUE;
}

CKTDockingPaneNode* CKTDockingPaneNode::Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    CKTDockingPaneNode* pClone = pManager ? pManager->OnCreatePane(m_nType, pLayout) : nullptr;
    if (pClone && pMap)
        (*pMap)[this] = pClone;
    return pClone;
}

void CKTDockingPaneNode::GetWindowRect(LPRECT lpRect) const
{
    *lpRect = m_rcWindow;
    if (CWnd* pSite = GetDockingSite(); pSite && pSite->GetSafeHwnd())
        pSite->ClientToScreen(lpRect);
}

CKTDockingPaneCaptionButton* CKTDockingPaneNode::FindCaptionButton(int nID) const
{
    for (const auto& pButton : m_captionButtons)
        if (pButton->GetID() == nID)
            return pButton.get();
    return nullptr;
}

BOOL CKTDockingPaneNode::CheckCaptionButtons(CPoint pt)
{
    BOOL bBecameHot = FALSE;
    for (const auto& pButton : m_captionButtons)
        bBecameHot |= pButton->CheckHover(pt);
    return bBecameHot;
}

BOOL CKTDockingPaneContainer::ContainsPane(const CKTDockingPaneNode* pNode) const
{
    if (pNode == this)
        return TRUE;
    return std::any_of(m_children.begin(), m_children.end(),
                       [pNode](const CKTDockingPaneNode* pChild) { return pChild->ContainsPane(pNode); });
}

BOOL CKTDockingPaneContainer::IsEmpty() const
{
    return std::all_of(m_children.begin(), m_children.end(),
                       [](const CKTDockingPaneNode* pChild) { return pChild->IsEmpty(); });
}

void CKTDockingPaneContainer::FindPane(int nType, CKTDockingPaneNodeList& list)
{
    if (m_nType == nType)
    {
        // An empty group hides everything below it from the search.
        if (IsEmpty())
            return;
        list.push_back(this);
    }
    for (CKTDockingPaneNode* pChild : CKTDockingPaneNodeList(m_children))
        pChild->FindPane(nType, list);
}

BOOL CKTDockingPaneContainer::HasChild(const CKTDockingPaneNode* pNode) const { return IndexOf(pNode) >= 0; }

void CKTDockingPaneContainer::EraseChild(const CKTDockingPaneNode* pNode)
{
    m_children.erase(std::remove(m_children.begin(), m_children.end(), pNode), m_children.end());
}

int CKTDockingPaneContainer::IndexOf(const CKTDockingPaneNode* pNode) const
{
    auto it = std::find(m_children.begin(), m_children.end(), pNode);
    return it == m_children.end() ? -1 : int(it - m_children.begin());
}

namespace
{
CString ChildKey(int nIndex)
{
    CString strKey;
    strKey.Format("Pane-%d", nIndex);
    return strKey;
}
}  // namespace

void CKTDockingPaneContainer::SaveChildNumbers(CKTPropExchange* pPX) const
{
    for (size_t i = 0; i < m_children.size(); ++i)
    {
        long nNumber = m_children[i]->m_nNumber;
        PX_Long(pPX, ChildKey(int(i + 1)), nNumber);
    }
}

BOOL CKTDockingPaneContainer::LoadChildNumbers(CKTPropExchange* pPX, int nCount,
                                               const std::function<BOOL(CKTDockingPaneNode*, int nNumber)>& adopt)
{
    const auto* pMap = static_cast<const CKTDockingPaneLoadMap*>(pPX->m_pCallerData);
    if (!pMap)
        return nCount <= 0;
    for (int i = 1; i <= nCount; ++i)
    {
        int nNumber = 0;
        PX_Int(pPX, ChildKey(i), nNumber, 0);
        auto it = pMap->find(nNumber);
        if (it == pMap->end() || !adopt(it->second, nNumber))
            return FALSE;
    }
    return TRUE;
}

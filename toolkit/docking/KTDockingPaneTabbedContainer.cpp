// KTDockingPaneTabbedContainer.cpp: a group's window, its panes, selection and layout.
#include "KTDockingPaneTabbedContainer.h"

#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneAutoHideWnd.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTPropExchange.h"

IMPLEMENT_DYNAMIC(CKTDockingPaneTabbedContainer, CWnd)

namespace
{
const char kContainerClass[] = "KTDockingPaneTabbedContainer";
const DWORD kContainerStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
}  // namespace

CKTDockingPaneTabbedContainer::CKTDockingPaneTabbedContainer(CKTDockingPaneLayoutData* pLayout)
    : CKTDockingPaneContainer(ktPaneTypeTabbedContainer, pLayout)
{
    for (int nID : {KT_IDS_DOCKING_CLOSE, KT_IDS_DOCKING_MAXIMIZE, KT_IDS_DOCKING_RESTORE, KT_IDS_DOCKING_AUTOHIDE,
                    KT_IDS_DOCKING_MENU})
        m_captionButtons.push_back(std::make_unique<CKTDockingPaneCaptionButton>(nID, this));
}

void CKTDockingPaneTabbedContainer::OnFinalRelease()
{
    if (GetSafeHwnd())
        DestroyWindow();
    delete this;
}

void CKTDockingPaneTabbedContainer::EnsureWindow()
{
    if (GetSafeHwnd() || !m_pLayout || m_pLayout->IsDetached() || !m_pDockingSite)
        return;
    if (!CreateEx(0, kContainerClass, "", kContainerStyle, CRect(0, 0, 0, 0), m_pDockingSite, 0))
    {
        TRACE("Docking: a group window could not be created (%lu)\n", ::GetLastError());
        return;
    }
    if (!m_dropTarget.Register(this))
        TRACE("Docking: a group takes no part in drags\n");
}

void CKTDockingPaneTabbedContainer::Init(CKTDockingPane* pPane, CWnd* pSite)
{
    m_nDockedWidth = pPane->m_nDockedWidth;
    m_nDockedHeight = pPane->m_nDockedHeight;
    m_rcWindow = pPane->GetRect();
    m_pDockingSite = pSite;
    InsertPane(pPane, TRUE);
    SelectPane(pPane, TRUE, TRUE);
}

void CKTDockingPaneTabbedContainer::InsertPane(CKTDockingPane* pPane, BOOL bSetFocus)
{
    if (!m_pLayout)
        return;
    EnsureWindow();
    m_children.push_back(pPane);
    pPane->SetParentContainer(this);
    pPane->SetDockingSite(m_pDockingSite);
    m_bNeedsLayout = TRUE;
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->RecalcFrameLayout(this, TRUE);
    SelectPane(pPane, bSetFocus, TRUE);
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
}

void CKTDockingPaneTabbedContainer::SelectPane(CKTDockingPane* pPane, BOOL bSetFocus, BOOL bDelayLayout)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (pPane != m_pSelectedPane)
    {
        m_pSelectedPane = pPane;
        if (!bDelayLayout)
            UpdatePane(TRUE);
        else
        {
            m_bNeedsLayout = TRUE;
            if (pManager)
                pManager->RecalcFrameLayout(this, TRUE);
            if (m_pParentContainer)
                m_pParentContainer->OnChildContainerChanged(this);
        }
    }
    if (!bSetFocus)
        return;
    if (m_bActive && pManager)
        pManager->OnActivatePane(TRUE, m_pSelectedPane);
    if (m_pSelectedPane)
        m_pSelectedPane->SetFocus();
}

void CKTDockingPaneTabbedContainer::RemovePane(CKTDockingPaneNode* pNode)
{
    if (!HasChild(pNode))
        return;
    EraseChild(pNode);
    UpdateTabs();
    pNode->SetParentContainer(nullptr);
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (m_children.empty())
    {
        if (m_bActive && pManager)
        {
            m_bActive = FALSE;
            pManager->OnActivatePane(FALSE, m_pSelectedPane);
        }
        if (GetSafeHwnd())
            DestroyWindow();
    }
    m_bNeedsLayout = TRUE;
    if (pManager)
        pManager->RecalcFrameLayout(this, TRUE);
    if (pNode != m_pSelectedPane)
        return;
    m_pSelectedPane = nullptr;
    SelectPane(static_cast<CKTDockingPane*>(GetLastChild()), TRUE, TRUE);
}

void CKTDockingPaneTabbedContainer::SwapPanes(int nFirst, int nSecond)
{
    if (!GetPaneAt(nFirst) || !GetPaneAt(nSecond))
        return;
    std::swap(m_children[size_t(nFirst)], m_children[size_t(nSecond)]);
    UpdatePane(TRUE);
}

void CKTDockingPaneTabbedContainer::ShowTitle(BOOL bShow)
{
    m_bTitleVisible = bShow;
    m_bNeedsLayout = TRUE;
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->RecalcFrameLayout(this, TRUE);
}

BOOL CKTDockingPaneTabbedContainer::IsTitleVisible() const
{
    CKTDockingPanePaintManager* pPaintManager = GetPaintManager();
    return m_bTitleVisible && m_pSelectedPane && !(m_pSelectedPane->GetOptions() & ktPaneNoCaption) && pPaintManager &&
           pPaintManager->m_bShowCaption;
}

// A docked group is already in view; a hidden one slides out of its strip, and a rolled-up frame opens.
void CKTDockingPaneTabbedContainer::Show(BOOL bActivate)
{
    if (IsHidden())
    {
        auto* pPanel = static_cast<CKTDockingPaneAutoHidePanel*>(GetParentContainer());
        CKTDockingPaneAutoHideWnd* pOut = pPanel->GetActiveWnd();
        if (GetSelected() && (!pOut || pOut->GetContainer() != this))
            pPanel->ShowPane(GetSelected(), bActivate);
        return;
    }
    auto* pFloating = dynamic_cast<CKTDockingPaneMiniWnd*>(GetDockingSite());
    if (pFloating && pFloating->GetSafeHwnd() && pFloating->IsCollapsed())
        pFloating->Expand();
}

BOOL CKTDockingPaneTabbedContainer::IsHidden() const
{
    return m_pParentContainer && m_pParentContainer->GetType() == ktPaneTypeAutoHidePanel;
}

BOOL CKTDockingPaneTabbedContainer::IsTabsVisible() const
{
    // A group slid out of its strip has its tabs in the strip.
    if (!GetSafeHwnd() || dynamic_cast<CKTDockingPaneAutoHideWnd*>(m_pDockingSite))
        return FALSE;
    if (m_children.size() >= 2)
        return TRUE;
    CKTDockingPanePaintManager* pPaintManager = GetPaintManager();
    return pPaintManager && pPaintManager->m_bAlwaysShowTabs;
}

BOOL CKTDockingPaneTabbedContainer::IsCaptionVertical() const
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    switch (pManager ? pManager->m_nCaptionDirection : 0)
    {
    case 1:
        return TRUE;
    case 2:
    {
        int nDirection = pManager->GetPaneDirection(this);
        return nDirection == ktDockTop || nDirection == ktDockBottom;
    }
    case 3:
        return m_rcWindow.Width() > m_rcWindow.Height();
    default:
        return FALSE;
    }
}

CKTDockingPane* CKTDockingPaneTabbedContainer::GetPaneAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetChildCount() ? static_cast<CKTDockingPane*>(m_children[size_t(nIndex)]) : nullptr;
}

CString CKTDockingPaneTabbedContainer::GetTitle() const
{
    return m_pSelectedPane ? m_pSelectedPane->GetTitle() : CString();
}

CRect CKTDockingPaneTabbedContainer::ClientRectFor(CRect rc)
{
    // The tab row is laid out in the group's own coordinates, its panes in the site's.
    CRect rcOwn(CPoint(0, 0), rc.Size());
    if (CKTDockingPanePaintManager* pPaintManager = GetPaintManager())
        pPaintManager->AdjustClientRect(this, rcOwn, TRUE);
    rcOwn.OffsetRect(rc.TopLeft());
    return rcOwn;
}

void CKTDockingPaneTabbedContainer::LayoutPanes(CWnd* pSite, const CRect& rcClient, AFX_SIZEPARENTLAYOUT* pLayout)
{
    for (CKTDockingPaneNode* pNode : CKTDockingPaneNodeList(m_children))
    {
        auto* pPane = static_cast<CKTDockingPane*>(pNode);
        pPane->ShowWindow(pPane == m_pSelectedPane);
        pPane->OnSizeParent(pSite, rcClient, pLayout);
    }
}

void CKTDockingPaneTabbedContainer::OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout)
{
    SetDockingSite(pSite);
    m_rcWindow = rc;
    if (pLayout && !pLayout->hDWP)
        return;
    if (!GetSafeHwnd())
        return;
    CRect rcNow;
    CWnd::GetWindowRect(&rcNow);
    GetParent()->ScreenToClient(&rcNow);
    if (rcNow != rc || m_bNeedsLayout)
    {
        SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(), 0);
        Invalidate(FALSE);
        m_bNeedsLayout = FALSE;
    }
    UpdateTabs();
    const BOOL bFloating = pSite && pSite->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd));
    if (CKTDockingPaneCaptionButton* pPin = FindCaptionButton(KT_IDS_DOCKING_AUTOHIDE))
        pPin->SetState(IsHidden()  ? CKTDockingPaneCaptionButton::ktPinHidden
                       : bFloating ? CKTDockingPaneCaptionButton::ktPinFloating
                                   : CKTDockingPaneCaptionButton::ktPinDocked);
    CRect rcClient = ClientRectFor(rc);
    LayoutPanes(pSite, rcClient, pLayout);
}

void CKTDockingPaneTabbedContainer::UpdatePane(BOOL bRelayout)
{
    if (!GetSafeHwnd() || !m_pParentContainer || m_bInUpdatePane)
        return;
    m_bInUpdatePane = TRUE;
    UpdateTabs();
    CRect rcClient = ClientRectFor(m_rcWindow);
    if (bRelayout)
        LayoutPanes(m_pDockingSite, rcClient, nullptr);
    Invalidate(FALSE);
    m_pParentContainer->UpdatePane(bRelayout);
    m_bInUpdatePane = FALSE;
}

void CKTDockingPaneTabbedContainer::UpdateTabs()
{
    if (!GetSafeHwnd())
        return;
    m_tabRow.Update();
    for (const auto& pButton : m_captionButtons)
        pButton->ClearHot();
}

void CKTDockingPaneTabbedContainer::SetDockingSite(CWnd* pSite)
{
    m_pDockingSite = pSite;
    if (GetSafeHwnd() && pSite && ::GetParent(GetSafeHwnd()) != pSite->GetSafeHwnd())
        SetParent(pSite);
    for (CKTDockingPaneNode* pChild : m_children)
        pChild->SetDockingSite(pSite);
}

void CKTDockingPaneTabbedContainer::OnParentContainerChanged(CKTDockingPaneNode* pParent)
{
    m_pDockingSite = pParent->GetDockingSite();
    m_bNeedsLayout = TRUE;
    if (pParent->GetType() == ktPaneTypeAutoHidePanel && GetSafeHwnd())
        CWnd::ShowWindow(SW_HIDE);
}

void CKTDockingPaneTabbedContainer::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const
{
    CKTDockingPaneNode::GetMinMaxInfo(pMinMaxInfo);
    if (IsEmpty())
        return;
    if (IsSiblingMaximized())
    {
        (IsSplitterHorizontal() ? pMinMaxInfo->ptMaxTrackSize.x : pMinMaxInfo->ptMaxTrackSize.y) = 0;
        return;
    }
    for (CKTDockingPaneNode* pChild : m_children)
    {
        MINMAXINFO mmi;
        pChild->GetMinMaxInfo(&mmi);
        pMinMaxInfo->ptMinTrackSize.x = std::max(pMinMaxInfo->ptMinTrackSize.x, mmi.ptMinTrackSize.x);
        pMinMaxInfo->ptMinTrackSize.y = std::max(pMinMaxInfo->ptMinTrackSize.y, mmi.ptMinTrackSize.y);
        pMinMaxInfo->ptMaxTrackSize.x = std::min(pMinMaxInfo->ptMaxTrackSize.x, mmi.ptMaxTrackSize.x);
        pMinMaxInfo->ptMaxTrackSize.y = std::min(pMinMaxInfo->ptMaxTrackSize.y, mmi.ptMaxTrackSize.y);
    }
    CRect rcProbe(0, 0, 1000, 1000);
    if (CKTDockingPanePaintManager* pPaintManager = GetPaintManager())
        pPaintManager->AdjustClientRect(const_cast<CKTDockingPaneTabbedContainer*>(this), rcProbe, FALSE);
    CSize szOverhead(1000 - rcProbe.Width(), 1000 - rcProbe.Height());
    pMinMaxInfo->ptMinTrackSize.x += szOverhead.cx;
    pMinMaxInfo->ptMinTrackSize.y += szOverhead.cy;
    pMinMaxInfo->ptMaxTrackSize.x += szOverhead.cx;
    pMinMaxInfo->ptMaxTrackSize.y += szOverhead.cy;
}

void CKTDockingPaneTabbedContainer::OnFocusChanged()
{
    if (!GetSafeHwnd() || IsEmpty())
        return;
    BOOL bFocus = KTDockingPaneHoldsFocus(m_hWnd);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (bFocus != m_bActive)
    {
        m_bActive = bFocus;
        if (pManager)
            pManager->OnActivatePane(m_bActive, m_pSelectedPane);
        if (auto* pSlide = dynamic_cast<CKTDockingPaneAutoHideWnd*>(m_pDockingSite))
            pSlide->OnContainerFocus(m_bActive);
        Invalidate(FALSE);
    }
    else if (m_bActive && pManager && pManager->GetActivePane() != m_pSelectedPane)
        pManager->OnActivatePane(TRUE, m_pSelectedPane);
}

BOOL CKTDockingPaneTabbedContainer::IsSplitterHorizontal() const
{
    auto* pSplitter = m_pParentContainer ? m_pParentContainer->AsSplitterContainer() : nullptr;
    return pSplitter && pSplitter->IsHorizontal();
}

BOOL CKTDockingPaneTabbedContainer::IsSiblingMaximized() const
{
    if (!m_pParentContainer || m_pParentContainer->GetType() != ktPaneTypeSplitterContainer)
        return FALSE;
    for (CKTDockingPaneNode* pSibling : m_pParentContainer->GetChildren())
    {
        CKTDockingPaneTabbedContainer* pGroup = pSibling->AsTabbedContainer();
        if (pGroup && pGroup != this && pGroup->m_bMaximized)
            return TRUE;
    }
    return FALSE;
}

BOOL CKTDockingPaneTabbedContainer::CanMaximize() const
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || !pManager->m_bShowMaximizeButton || !m_pParentContainer ||
        m_pParentContainer->GetType() != ktPaneTypeSplitterContainer)
        return FALSE;
    CKTDockingPaneNodeList groups;
    m_pParentContainer->FindPane(ktPaneTypeTabbedContainer, groups);
    return groups.size() > 1;
}

void CKTDockingPaneTabbedContainer::SetMaximized(BOOL bMaximized)
{
    if (bMaximized)
        for (CKTDockingPaneNode* pSibling : m_pParentContainer->GetChildren())
            if (CKTDockingPaneTabbedContainer* pGroup = pSibling->AsTabbedContainer())
                pGroup->m_bMaximized = FALSE;
    m_bMaximized = bMaximized;
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->RecalcFrameLayout(this, FALSE);
}

BOOL CKTDockingPaneTabbedContainer::IsCaptionButtonVisible(CKTDockingPaneCaptionButton* pButton)
{
    DWORD dwOptions = m_pSelectedPane ? m_pSelectedPane->GetOptions() : 0;
    switch (pButton->GetID())
    {
    case KT_IDS_DOCKING_CLOSE:
        return m_pSelectedPane && !(dwOptions & ktPaneNoCloseable);
    case KT_IDS_DOCKING_AUTOHIDE:
        return m_pSelectedPane && !(dwOptions & ktPaneNoHideable) && (pButton->GetState() & 1);
    case KT_IDS_DOCKING_MAXIMIZE:
        return CanMaximize() && !m_bMaximized;
    case KT_IDS_DOCKING_RESTORE:
        return CanMaximize() && m_bMaximized;
    case KT_IDS_DOCKING_MENU:
        return m_pSelectedPane && (dwOptions & ktPaneHasMenuButton);
    default:
        return TRUE;
    }
}

BOOL CKTDockingPaneTabbedContainer::DoPropExchange(CKTPropExchange* pPX)
{
    CKTDockingPaneNode::DoPropExchange(pPX);
    if (!pPX->IsLoading())
    {
        long nCount = long(m_children.size());
        PX_Long(pPX, "Panes", nCount);
        int nSelected = m_pSelectedPane ? m_pSelectedPane->m_nNumber : 0;
        PX_Int(pPX, "Selected", nSelected, 0);
        SaveChildNumbers(pPX);
        return TRUE;
    }
    int nCount = 0, nSelected = 0;
    PX_Int(pPX, "Panes", nCount, 0);
    PX_Int(pPX, "Selected", nSelected, 0);
    CKTDockingPane* pSelected = nullptr;
    const auto adopt = [&](CKTDockingPaneNode* pNode, int nNumber)
    {
        // A pane belongs to one group only.
        if (pNode->GetType() != ktPaneTypePane || pNode->GetParentContainer())
            return FALSE;
        auto* pPane = static_cast<CKTDockingPane*>(pNode);
        InsertPane(pPane, TRUE);
        if (nNumber == nSelected)
            pSelected = pPane;
        return TRUE;
    };
    if (!LoadChildNumbers(pPX, nCount, adopt))
        return FALSE;
    if (pSelected)
        SelectPane(pSelected, TRUE, FALSE);
    return TRUE;
}

void CKTDockingPaneTabbedContainer::Copy(CKTDockingPaneTabbedContainer* pSource, CKTDockingPaneCloneMap* pMap,
                                         DWORD dwFlags)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    m_bActive = FALSE;
    m_pDockingSite = pManager ? pManager->GetSite() : nullptr;
    m_pSelectedPane = nullptr;
    m_rcWindow = pSource->m_rcWindow;
    m_nDockedWidth = pSource->m_nDockedWidth;
    m_nDockedHeight = pSource->m_nDockedHeight;
    m_bTitleVisible = TRUE;
    CKTDockingPane* pRemembered = nullptr;
    for (CKTDockingPaneNode* pNode : CKTDockingPaneNodeList(pSource->m_children))
    {
        auto* pPane = static_cast<CKTDockingPane*>(pNode);
        if (pMap)
        {
            auto* pClone = static_cast<CKTDockingPane*>(pPane->Clone(m_pLayout, pMap, 0));
            InsertPane(pClone, TRUE);
            if (pPane == pSource->m_pSelectedPane)
                pRemembered = pClone;
            continue;
        }
        if (pPane->GetOptions() & dwFlags)
            continue;
        BOOL bSelected = pPane == pSource->m_pSelectedPane;
        pSource->RemovePane(pPane);
        InsertPane(pPane, TRUE);
        if (bSelected)
            pRemembered = pPane;
    }
    if (pRemembered)
        SelectPane(pRemembered, FALSE, TRUE);
}

CKTDockingPaneNode* CKTDockingPaneTabbedContainer::Clone(CKTDockingPaneLayoutData* pLayout,
                                                         CKTDockingPaneCloneMap* pMap, DWORD dwFlags)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    auto* pClone =
        static_cast<CKTDockingPaneTabbedContainer*>(pManager ? pManager->OnCreatePane(m_nType, pLayout) : nullptr);
    if (!pClone)
        return nullptr;
    pClone->Copy(this, pMap, dwFlags);
    if (pMap)
        (*pMap)[this] = pClone;
    return pClone;
}

// KTTabClientWndGroups.cpp: making tab groups, moving tabs between them and the targets of a dragged tab.
#include "KTTabClientWnd.h"

#include "KTTabClientActiveFilesButton.h"

#include "KTControlWorkspaceActions.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTTabClientWorkspace.h"
#include "KTTabManagerRes.h"

// Without OLE in the process the tabs only miss the activation while something is dragged over them.
CKTTabClientGroupPtr CKTTabClientWnd::CreateWorkspace()
{
    if (m_pSingleWorkspace)
        return CKTTabClientGroupPtr(m_pSingleWorkspace);
    if (m_bWorkspaceIsControl)
        return nullptr;
    if (m_bEnableGroups)
    {
        m_dropTarget.Register(this);
        return CKTTabClientGroupPtr(new CKTTabClientGroup(this));
    }
    auto pWorkspace = std::make_unique<CKTTabClientWorkspace>(this);
    if (!pWorkspace->Create(m_pFrame))
        return nullptr;
    m_dropTarget.Register(pWorkspace.get());
    return CKTTabClientGroupPtr(pWorkspace.release());
}

void CKTTabClientWnd::SetSingleWorkspace(CKTTabClientGroup* pWorkspace)
{
    if (pWorkspace == m_pSingleWorkspace && m_bWorkspaceIsControl == (pWorkspace != NULL))
        return;
    // Every child becomes a tab of the new workspace at the next update.
    for (auto& pGroup : m_arrGroups)
        pGroup->DeleteAllItems();
    m_arrGroups.clear();
    m_dropTarget.Revoke();
    m_pActiveGroup = NULL;
    if (m_pSingleWorkspace)
        m_pSingleWorkspace->SetOwner(NULL);
    m_pSingleWorkspace = pWorkspace;
    m_bWorkspaceIsControl = pWorkspace != NULL;
    m_bRepositionPending = TRUE;
    UpdateContents();
}

void CKTTabClientWnd::ForgetWorkspace(CKTTabClientGroup* pWorkspace)
{
    if (!pWorkspace || pWorkspace != m_pSingleWorkspace)
        return;
    pWorkspace->DeleteAllItems();
    pWorkspace->SetOwner(NULL);
    m_arrGroups.clear();
    m_pActiveGroup = NULL;
    m_pSingleWorkspace = NULL;
}

CKTTabClientGroup* CKTTabClientWnd::CreateGroup(int nIndex)
{
    m_dropTarget.Revoke();
    CKTTabClientGroupPtr pGroup = CreateWorkspace();
    if (!pGroup)
        return NULL;
    CKTTabClientGroup* pCreated = pGroup.get();
    if (nIndex < 0 || nIndex > GetGroupCount())
        nIndex = GetGroupCount();
    m_arrGroups.insert(m_arrGroups.begin() + nIndex, std::move(pGroup));
    pCreated->SetOwner(this);
    pCreated->SetActive(FALSE);
    pCreated->SetItemMetrics(CSize(70, 18), CSize(0, 0), CSize(220, 0));
    // After the two scroll buttons, before the close button; a lent workspace that comes back has its own.
    if (!pCreated->FindNavigateButton(ktNavigateButtonActiveFiles))
        pCreated->InsertNavigateButton(2, std::make_unique<CKTTabClientActiveFilesButton>(pCreated, this));
    ApplyFlags(pCreated);
    m_bRepositionPending = TRUE;
    return pCreated;
}

BOOL CKTTabClientWnd::IsGroupCommandEnabled(UINT nID, CKTTabManagerItem** ppItem) const
{
    if (!m_bEnableGroups || !m_pFrame)
        return FALSE;
    HWND hActive = reinterpret_cast<HWND>(::SendMessage(m_hWnd, WM_MDIGETACTIVE, 0, 0));
    CKTTabManagerItem* pItem = hActive ? FindItem(hActive) : NULL;
    if (!pItem)
        return FALSE;
    if (ppItem)
        *ppItem = pItem;
    // Groups whose tabs are all hidden take no room, so they are neither neighbours nor counted.
    CKTTabClientGroup* pGroup = GroupOf(pItem);
    BOOL bOneGroup = ShownGroups().size() == 1;
    BOOL bSeveralTabs = pGroup->GetItemCount() > 1;
    switch (nID)
    {
    case KT_ID_TABWORKSPACE_MOVEPREVIOUS:
        return ShownNeighbour(pGroup, -1) != NULL;
    case KT_ID_TABWORKSPACE_MOVENEXT:
        return ShownNeighbour(pGroup, 1) != NULL;
    case KT_ID_TABWORKSPACE_NEWHORIZONTAL:
        return (bOneGroup || m_bHorizSplitting) && bSeveralTabs;
    case KT_ID_TABWORKSPACE_NEWVERTICAL:
        return (bOneGroup || !m_bHorizSplitting) && bSeveralTabs;
    default:
        return TRUE;
    }
}

// The tab is held while it changes lists; a new group takes half of its source's room.
void CKTTabClientWnd::MoveItem(CKTTabManagerItem* pTab, CKTTabClientGroup* pTarget, int nDropMode)
{
    CKTTabManager::CItemPtr pItem(pTab);
    CKTTabClientGroup* pSource = GroupOf(pItem);
    if (!pSource)
        return;
    m_bLockRedraw = TRUE;
    m_bUpdateSuspended = TRUE;
    auto moveTo = [&pItem, pSource](CKTTabClientGroup* pGroup)
    {
        COLORREF clr = pItem->GetStoredColor();
        pSource->DeleteItem(pItem->GetIndex());
        pGroup->InsertItem(-1, pItem);
        pItem->SetColor(clr);
        pGroup->SetSelectedItem(pItem);
    };
    if (nDropMode == ktTabDropNewHorizontal || nDropMode == ktTabDropNewVertical)
    {
        UpdateGroupSizes();
        CKTTabClientGroup* pNew = CreateGroup(FindGroup(pSource) + 1);
        moveTo(pNew);
        pNew->m_dSize = (pSource->m_dSize - m_nSplitterSize) * 0.5;
        pSource->m_dSize = pSource->m_dSize - pNew->m_dSize - m_nSplitterSize;
        m_bHorizSplitting = nDropMode == ktTabDropNewHorizontal;
    }
    else if (nDropMode == ktTabDropGroup && pTarget && pTarget != pSource)
        moveTo(pTarget);
    if (FindGroup(pSource) >= 0 && pSource->GetItemCount() > 1)
        SelectTopmostWindow(pSource);
    m_bLockRedraw = FALSE;
    m_bUpdateSuspended = FALSE;
    m_bRepositionPending = TRUE;
    UpdateContents();
}

// The popup is the frame's; its commands come back to the client, which runs the group commands itself.
void CKTTabClientWnd::OpenDropPopup(CPoint ptScreen)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(pCommandBars);
    CKTControls* pControls = pPopup->GetControls();
    pControls->Add(ktControlButton, KT_ID_WORKSPACE_ACTIONS);
    CKTControl* pCancel = pControls->Add(ktControlButton, KT_ID_TABWORKSPACE_CANCEL);
    pCancel->SetCaptionFromResource(KT_ID_TABWORKSPACE_CANCEL);
    pCancel->SetBeginGroup(TRUE);
    CKTCommandBars::TrackPopupMenu(pPopup, 0, ptScreen.x, ptScreen.y, m_pFrame, NULL, this);
}

// The group's tab whose window stands highest among the MDI children becomes its selected one.
void CKTTabClientWnd::SelectTopmostWindow(CKTTabClientGroup* pGroup)
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CKTTabManagerItem* pItem = FindItem(hChild);
        if (pItem && pItem->GetTabManager() == pGroup)
        {
            pGroup->SetSelectedItem(pItem);
            return;
        }
    }
}

// A group's header takes the tab into that group; near the bottom or right edge of a group a new group is
// made below or beside it.
int CKTTabClientWnd::FindDropTarget(CKTTabClientGroup* pSource, CPoint pt, CKTTabClientGroup** ppTarget,
                                    CRect& rcOutline) const
{
    *ppTarget = NULL;
    rcOutline.SetRectEmpty();
    CRect rcClient;
    GetClientRect(rcClient);
    if (!rcClient.PtInRect(pt))
        return ktTabDropNone;
    BOOL bOneTab = pSource->GetItemCount() == 1;
    for (const auto& pGroup : m_arrGroups)
    {
        if ((pGroup.get() == pSource && bOneTab) || !pGroup->m_rcHeaderRect.PtInRect(pt))
            continue;
        *ppTarget = pGroup.get();
        rcOutline = pGroup->m_rcClient;
        return ktTabDropGroup;
    }
    BOOL bOneGroup = ShownGroups().size() == 1;
    for (const auto& pGroup : m_arrGroups)
    {
        const CRect& rc = pGroup->m_rcControl;
        if (!rc.PtInRect(pt) || (pGroup.get() == pSource && bOneTab))
            continue;
        *ppTarget = pGroup.get();
        if ((bOneGroup || m_bHorizSplitting) && pt.y > rc.bottom - 30)
        {
            rcOutline.SetRect(rc.left, rc.CenterPoint().y, rc.right, rc.bottom);
            return ktTabDropNewHorizontal;
        }
        if ((bOneGroup || !m_bHorizSplitting) && pt.x > rc.right - 30)
        {
            rcOutline.SetRect(rc.CenterPoint().x, rc.top, rc.right, rc.bottom);
            return ktTabDropNewVertical;
        }
    }
    *ppTarget = NULL;
    return ktTabDropClient;
}

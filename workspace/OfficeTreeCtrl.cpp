// The project tree control: the current project follows the selection.
#include "OfficeTreeCtrl.h"

#include "MainFrame.h"
#include "ProjectTreeItems.h"
#include "TreeItemData.h"

IMPLEMENT_DYNCREATE(COfficeTreeCtrl, CKTTreeCtrl)

BEGIN_MESSAGE_MAP(COfficeTreeCtrl, CKTTreeCtrl)
ON_NOTIFY_REFLECT(TVN_SELCHANGING, OnSelchanging)
ON_NOTIFY_REFLECT(TVN_SELCHANGED, OnSelchanged)
ON_NOTIFY_REFLECT(NM_KILLFOCUS, OnKillFocus)
ON_NOTIFY_REFLECT(TVN_DELETEITEM, OnDeleteItem)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, OnItemExpanding)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDED, OnItemExpanded)
END_MESSAGE_MAP()

TreeItemData* COfficeTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEM item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    if (!hItem || !GetItem(&item))
        return nullptr;
    return reinterpret_cast<TreeItemData*>(item.lParam);
}

void COfficeTreeCtrl::ClearCurrentProject()
{
    m_pCurrentProject = nullptr;
    m_hSelectedItem = nullptr;
}

// A click on another item must not drop an edit still open on the settings page: it is committed while the
// selection still names the record it belongs to (the tree takes the focus only after the change).
void COfficeTreeCtrl::OnSelchanging(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (auto* pFrame = dynamic_cast<CMainFrame*>(GetTopLevelParent()))
        if (pFrame->m_wndSettings.GetSafeHwnd())
            pFrame->m_wndSettings.CommitEdit();
}

void COfficeTreeCtrl::OnSelchanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    FollowSelection(reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem);
}

void COfficeTreeCtrl::FollowSelection(HTREEITEM hItem)
{
    const TreeItemData* pData = GetItemData(hItem);
    if (!pData)
        return;
    m_hSelectedItem = hItem;
    const BOOL bProjectChanged = pData->kind != kTreeRoot && pData->project != m_pCurrentProject;
    if (bProjectChanged)
        m_pCurrentProject = pData->project;
    if (auto* pFrame = dynamic_cast<CMainFrame*>(GetTopLevelParent()))
        pFrame->OnTreeSelectionChanged(m_hSelectedItem, bProjectChanged);
}

// The pane has no use for the tree's loss of focus.
void COfficeTreeCtrl::OnKillFocus(NMHDR*, LRESULT* pResult) { *pResult = 1; }

// Freed as the tree lets go of the item: walking 30,000 items to free them first costs seconds.
void COfficeTreeCtrl::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    delete reinterpret_cast<TreeItemData*>(reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemOld.lParam);
}

// A big project's packets get their fields only now.
void COfficeTreeCtrl::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTREEVIEW* pView = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
    if (pView->action & TVE_EXPAND)
        EnsureFieldItems(*this, pView->itemNew.hItem);
}

// Collapsing a branch that holds the selection moves the caret to the branch; the system's tree
// here does so without a selection change, which would leave the settings page of the hidden item.
void COfficeTreeCtrl::OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTREEVIEW* pView = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
    if ((pView->action & TVE_COLLAPSE) && HoldsSelection(pView->itemNew.hItem))
        FollowSelection(pView->itemNew.hItem);
}

BOOL COfficeTreeCtrl::HoldsSelection(HTREEITEM hBranch) const
{
    for (HTREEITEM hItem = m_hSelectedItem ? GetParentItem(m_hSelectedItem) : nullptr; hItem;
         hItem = GetParentItem(hItem))
        if (hItem == hBranch)
            return TRUE;
    return FALSE;
}

// OfficeTreeCtrl.h: the project tree control, which also keeps the current project.
//
// Classes: COfficeTreeCtrl.
#pragma once
#include "KTTreeCtrl.h"

struct ProjectRecord;
struct TreeItemData;

// Each item owns its data (a TreeItemData or none), freed when the item goes.
class COfficeTreeCtrl : public CKTTreeCtrl
{
    DECLARE_DYNCREATE(COfficeTreeCtrl)
public:
    ProjectRecord* m_pCurrentProject = nullptr;  // not owned; the frame's project list owns it
    HTREEITEM m_hSelectedItem = nullptr;         // the caret item at the last selection change

    TreeItemData* GetItemData(HTREEITEM hItem) const;
    // No project current and no item selected.
    void ClearCurrentProject();

protected:
    afx_msg void OnSelchanging(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelchanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKillFocus(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);

private:
    // The current project and the settings page follow the item, now the caret item.
    void FollowSelection(HTREEITEM hItem);
    // The last selected item lies below the branch.
    BOOL HoldsSelection(HTREEITEM hBranch) const;
    DECLARE_MESSAGE_MAP()
};

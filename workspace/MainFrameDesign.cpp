// MainFrameDesign.cpp: the frame's commands that add and delete packets and fields, change a project's
// settings, and open the Options and About dialogs.
#include "AboutDlg.h"
#include "AddField.h"
#include "AddPacket.h"
#include "GlobalConfig.h"
#include "KTSyntaxEditCtrl.h"
#include "MainFrame.h"
#include "Options.h"
#include "ProjectProperties.h"
#include "ProjectTreeItems.h"
#include "RecordRemoval.h"
#include "TlvSetting.h"
#include "TreeItemData.h"

#include <algorithm>

namespace
{

PacketRecord* PacketNamed(ProjectRecord& project, const CString& strName)
{
    for (INT_PTR i = 0; i < project.packets.GetSize(); i++)
        if (strName == project.packets[i].name)
            return &project.packets[i];
    return nullptr;
}

// A new item of the kind under the parent, owning its data.
void InsertChild(CTreeCtrl& tree, HTREEITEM hParent, const char* pszText, unsigned nKind, int nImage,
                 const TreeItemData& parentData)
{
    auto* pData = new TreeItemData{nKind, parentData.project, 0, 0, parentData.path};
    tree.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE, pszText, nImage, nImage, 0, 0,
                    (LPARAM)pData, hParent, TVI_LAST);
    tree.Invalidate(TRUE);
}

}  // namespace

TreeItemData* CMainFrame::ItemDataOf(HTREEITEM hItem) const
{
    return hItem ? m_wndProjectTree.m_wndTree.GetItemData(hItem) : nullptr;
}

BOOL CMainFrame::SelectedKindIs(std::initializer_list<unsigned> kinds) const
{
    const COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    const TreeItemData* pData = tree.GetSafeHwnd() && CurrentProject() ? ItemDataOf(tree.GetSelectedItem()) : nullptr;
    return pData && std::find(kinds.begin(), kinds.end(), pData->kind) != kinds.end();
}

void CMainFrame::OnAddPacket()
{
    CTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    const HTREEITEM hFolder = tree.GetSelectedItem();
    const TreeItemData* pData = ItemDataOf(hFolder);
    if (!pData || !pData->project || pData->kind != kTreePacketFolder)
        return;
    CAddPacket dlg(this, pData->project->packets);
    if (dlg.DoModal() != IDOK)
        return;
    pData->project->packets.Add(dlg.MakeRecord());
    InsertChild(tree, hFolder, dlg.m_strName, kTreePacket, kImagePacket, *pData);
}

void CMainFrame::OnDeletePacket()
{
    CTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    const HTREEITEM hPacket = m_wndProjectTree.m_wndTree.m_hSelectedItem;
    const TreeItemData* pData = ItemDataOf(hPacket);
    if (!pData || !pData->project || pData->kind != kTreePacket)
        return;
    const CString strName = tree.GetItemText(hPacket);
    if (!ConfirmPacketDeletion(this, strName))
        return;
    RemovePacketsNamed(pData->project->packets, strName);
    DeleteItemsWithData(m_wndProjectTree.m_wndTree, hPacket);
}

void CMainFrame::OnAddField()
{
    CTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    const HTREEITEM hTarget = tree.GetSelectedItem();
    const TreeItemData* pData = ItemDataOf(hTarget);
    if (!pData || !pData->project)
        return;
    const CString strCaption = tree.GetItemText(hTarget);
    PacketRecord* pPacket = pData->kind == kTreePacket ? PacketNamed(*pData->project, strCaption) : nullptr;
    if (pData->kind != kTreeHead && !pPacket)
        return;
    FieldRecordArray& fields = pPacket ? pPacket->fields : pData->project->headerFields;
    CAddField dlg(this, fields, pPacket ? (LPCTSTR)strCaption : nullptr);
    if (dlg.DoModal() != IDOK)
        return;
    EnsureFieldItems(tree, hTarget);  // before the record has the new field, or it would show twice
    fields.Add(dlg.MakeRecord());
    InsertChild(tree, hTarget, dlg.m_strName, pPacket ? kTreePacketField : kTreeHeaderField, kImageField, *pData);
}

void CMainFrame::OnDeleteField()
{
    CTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    const HTREEITEM hField = tree.GetSelectedItem();
    const TreeItemData* pData = ItemDataOf(hField);
    if (!pData || !pData->project || (pData->kind != kTreeHeaderField && pData->kind != kTreePacketField))
        return;
    FieldRecordArray* pFields = &pData->project->headerFields;
    if (pData->kind == kTreePacketField)
    {
        // A packet the model no longer knows by its item's caption keeps its field item, so the two stay alike.
        PacketRecord* pPacket = PacketNamed(*pData->project, tree.GetItemText(tree.GetParentItem(hField)));
        if (!pPacket)
            return;
        pFields = &pPacket->fields;
    }
    const CString strName = tree.GetItemText(hField);
    if (!ConfirmFieldDeletion(this, strName))
        return;
    RemoveFieldsNamed(*pFields, strName);
    DeleteItemsWithData(m_wndProjectTree.m_wndTree, hField);
}

void CMainFrame::OnUpdateAddPacket(CCmdUI* pCmdUI) { pCmdUI->Enable(SelectedKindIs({kTreePacketFolder})); }

void CMainFrame::OnUpdateDeletePacket(CCmdUI* pCmdUI) { pCmdUI->Enable(SelectedKindIs({kTreePacket})); }

void CMainFrame::OnUpdateAddField(CCmdUI* pCmdUI) { pCmdUI->Enable(SelectedKindIs({kTreeHead, kTreePacket})); }

void CMainFrame::OnUpdateDeleteField(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(SelectedKindIs({kTreeHeaderField, kTreePacketField}));
}

void CMainFrame::OnProjectProperties()
{
    ProjectRecord* pProject = CurrentProject();
    if (!pProject)
        return;
    CProjectProperties dlg(this, *pProject);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.ApplyTo(*pProject);
    ReloadSelectedPage();
}

void CMainFrame::OnTlvSetting()
{
    ProjectRecord* pProject = CurrentProject();
    if (!pProject)
        return;
    CTlv dlg(this, *pProject);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.ApplyTo(*pProject);
    ReloadSelectedPage();
}

void CMainFrame::OnOption()
{
    CompilerSettings settings{m_nAutoFlag, m_strCompilerPath};
    COptions dlg(nullptr, settings, GlobalConfigPath(CKTSyntaxEditCtrl::GetModuleFolder()));
    dlg.DoModal();
    // Opening the page marks the flag even when the dialog is cancelled.
    m_nAutoFlag = settings.nAutoFlag;
    m_strCompilerPath = settings.strCompilerPath;
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dlg(nullptr);
    dlg.DoModal();
}

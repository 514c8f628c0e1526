// A project's tree items: one per project, header branch, packet folder, packet and field.
#include "ProjectTreeItems.h"

#include "OfficeTreeCtrl.h"
#include "TreeItemData.h"

#include "model/ProtocolRecords.h"

#include <memory>

namespace
{

HTREEITEM InsertItem(CTreeCtrl& tree, HTREEITEM hParent, const char* pszCaption, int nImage,
                     std::unique_ptr<TreeItemData> pData)
{
    const UINT nMask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    HTREEITEM hItem = tree.InsertItem(nMask, pszCaption, nImage, nImage, 0, 0, reinterpret_cast<LPARAM>(pData.get()),
                                      hParent, TVI_LAST);
    if (hItem)
        pData.release();  // the item owns it now
    return hItem;
}

std::unique_ptr<TreeItemData> DataOf(unsigned kind, ProjectRecord* pProject)
{
    auto pData = std::make_unique<TreeItemData>();
    pData->kind = kind;
    pData->project = pProject;
    pData->path = pProject->folder;
    return pData;
}

void InsertFields(CTreeCtrl& tree, HTREEITEM hParent, const FieldRecordArray& fields, unsigned kind,
                  ProjectRecord* pProject)
{
    for (INT_PTR i = 0; i < fields.GetSize(); ++i)
        InsertItem(tree, hParent, fields[i].name, kImageField, DataOf(kind, pProject));
}

void InsertPackets(CTreeCtrl& tree, HTREEITEM hFolder, ProjectRecord* pProject)
{
    for (INT_PTR i = 0; i < pProject->packets.GetSize(); ++i)
    {
        const PacketRecord& packet = pProject->packets[i];
        HTREEITEM hPacket = InsertItem(tree, hFolder, packet.name, kImagePacket, DataOf(kTreePacket, pProject));
        if (hPacket)
            InsertFields(tree, hPacket, packet.fields, kTreePacketField, pProject);
    }
}

}  // namespace

void SetItemDataOf(CTreeCtrl& tree, HTREEITEM hItem, TreeItemData* pData)
{
    std::unique_ptr<TreeItemData> pOwned(pData);
    TVITEM item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    item.lParam = reinterpret_cast<LPARAM>(pData);
    if (tree.SetItem(&item))
        pOwned.release();
}

HTREEITEM InsertProjectItems(CTreeCtrl& tree, HTREEITEM hRoot, ProjectRecord* pProject)
{
    HTREEITEM hProject = InsertItem(tree, hRoot, pProject->name, kImageProject, DataOf(kTreeProject, pProject));
    if (!hProject)
        return nullptr;
    HTREEITEM hHead = InsertItem(tree, hProject, "Head", kImageHead, DataOf(kTreeHead, pProject));
    if (hHead)
        InsertFields(tree, hHead, pProject->headerFields, kTreeHeaderField, pProject);
    HTREEITEM hFolder = InsertItem(tree, hProject, "Packet", kImagePacketFolder, DataOf(kTreePacketFolder, pProject));
    if (hFolder)
        InsertPackets(tree, hFolder, pProject);
    return hProject;
}

HTREEITEM FindProjectItem(const CTreeCtrl& tree, HTREEITEM hRoot, const ProjectRecord* pProject)
{
    for (HTREEITEM hItem = tree.GetChildItem(hRoot); hItem; hItem = tree.GetNextSiblingItem(hItem))
    {
        TVITEM item = {};
        item.mask = TVIF_PARAM;
        item.hItem = hItem;
        const TreeItemData* pData = tree.GetItem(&item) ? reinterpret_cast<TreeItemData*>(item.lParam) : nullptr;
        if (pData && pData->project == pProject)
            return hItem;
    }
    return nullptr;
}

// The tree frees each item's data as the item goes.
void DeleteItemsWithData(COfficeTreeCtrl& tree, HTREEITEM hItem) { tree.DeleteItem(hItem); }

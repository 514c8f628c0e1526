// A project's tree items: one per project, header branch, packet folder, packet and field.
#include "ProjectTreeItems.h"

#include "OfficeTreeCtrl.h"
#include "TreeItemData.h"

#include "model/ProtocolRecords.h"

#include <memory>

namespace
{

// An item given bExpandable shows the button before it has children. Set later, it would cost a
// search through the items.
HTREEITEM InsertItem(CTreeCtrl& tree, HTREEITEM hParent, const char* pszCaption, int nImage,
                     std::unique_ptr<TreeItemData> pData, BOOL bExpandable = FALSE)
{
    TVINSERTSTRUCT insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | (bExpandable ? TVIF_CHILDREN : 0);
    insert.item.pszText = const_cast<char*>(pszCaption);
    insert.item.iImage = insert.item.iSelectedImage = nImage;
    insert.item.lParam = reinterpret_cast<LPARAM>(pData.get());
    insert.item.cChildren = 1;
    HTREEITEM hItem = tree.InsertItem(&insert);
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

const PacketRecord* PacketNamed(const ProjectRecord& project, const CString& strName)
{
    for (INT_PTR i = 0; i < project.packets.GetSize(); ++i)
        if (strName == project.packets[i].name)
            return &project.packets[i];
    return nullptr;
}

TreeItemData* DataAt(const CTreeCtrl& tree, HTREEITEM hItem)
{
    TVITEM item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    return tree.GetItem(&item) ? reinterpret_cast<TreeItemData*>(item.lParam) : nullptr;
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

// Each insert under an item costs the tree control a search through the items made before that
// item, so filling every packet's fields at once costs the square of the project's size.
CProjectTreeFill::CProjectTreeFill(CTreeCtrl& tree, HTREEITEM hRoot, ProjectRecord* pProject)
    : m_tree(tree), m_pProject(pProject), m_bFieldsAtOnce(ItemCount(*pProject) <= kFieldsAtOnceItems)
{
    m_hProject = InsertItem(tree, hRoot, pProject->name, kImageProject, DataOf(kTreeProject, pProject));
    if (!m_hProject)
        return;
    HTREEITEM hHead = InsertItem(tree, m_hProject, "Head", kImageHead, DataOf(kTreeHead, pProject));
    if (hHead)
        InsertFields(tree, hHead, pProject->headerFields, kTreeHeaderField, pProject);
    m_hFolder = InsertItem(tree, m_hProject, "Packet", kImagePacketFolder, DataOf(kTreePacketFolder, pProject));
}

INT_PTR CProjectTreeFill::ItemCount(const ProjectRecord& project)
{
    INT_PTR nItems = 3 + project.headerFields.GetSize() + project.packets.GetSize();
    for (INT_PTR i = 0; i < project.packets.GetSize(); ++i)
        nItems += project.packets[i].fields.GetSize();
    return nItems;
}

// Packets go last in their folder: the control finds the last child without a search.
BOOL CProjectTreeFill::Step()
{
    if (!m_hFolder || m_nNext >= m_pProject->packets.GetSize())
        return FALSE;
    const PacketRecord& packet = m_pProject->packets[m_nNext++];
    const BOOL bLater = !m_bFieldsAtOnce && packet.fields.GetSize() > 0;
    HTREEITEM hPacket =
        InsertItem(m_tree, m_hFolder, packet.name, kImagePacket, DataOf(kTreePacket, m_pProject), bLater);
    if (hPacket && m_bFieldsAtOnce)
        InsertFields(m_tree, hPacket, packet.fields, kTreePacketField, m_pProject);
    return m_nNext < m_pProject->packets.GetSize();
}

HTREEITEM InsertProjectItems(CTreeCtrl& tree, HTREEITEM hRoot, ProjectRecord* pProject)
{
    CProjectTreeFill fill(tree, hRoot, pProject);
    while (fill.Step())
        ;
    return fill.ProjectItem();
}

void EnsureFieldItems(CTreeCtrl& tree, HTREEITEM hPacket)
{
    const TreeItemData* pData = DataAt(tree, hPacket);
    if (!pData || pData->kind != kTreePacket || !pData->project || tree.GetChildItem(hPacket))
        return;
    if (const PacketRecord* pPacket = PacketNamed(*pData->project, tree.GetItemText(hPacket)))
        InsertFields(tree, hPacket, pPacket->fields, kTreePacketField, pData->project);
}

HTREEITEM FindProjectItem(const CTreeCtrl& tree, HTREEITEM hRoot, const ProjectRecord* pProject)
{
    for (HTREEITEM hItem = tree.GetChildItem(hRoot); hItem; hItem = tree.GetNextSiblingItem(hItem))
    {
        const TreeItemData* pData = DataAt(tree, hItem);
        if (pData && pData->project == pProject)
            return hItem;
    }
    return nullptr;
}

// The tree frees each item's data as the item goes.
void DeleteItemsWithData(COfficeTreeCtrl& tree, HTREEITEM hItem) { tree.DeleteItem(hItem); }

// ProjectTreeItems.h: a project's items in the project tree, inserted and deleted with their data.
#pragma once
#include "afxcmn.h"

class COfficeTreeCtrl;
struct ProjectRecord;
struct TreeItemData;

// Images of the frame's tree image list, by the kind of item that shows them.
enum ETreeImage
{
    kImageRoot = 0,
    kImageProject = 1,
    kImageHead = 2,
    kImagePacketFolder = 3,
    kImagePacket = 4,
    kImageField = 5
};

// The item takes ownership of the data.
void SetItemDataOf(CTreeCtrl& tree, HTREEITEM hItem, TreeItemData* pData);

// Puts a project's items in the tree a packet at a time: the project item with "Head" and its
// fields, then "Packet" with the packets. A big project's packets get their fields when first
// expanded (EnsureFieldItems), a small one's at once.
class CProjectTreeFill
{
public:
    CProjectTreeFill(CTreeCtrl& tree, HTREEITEM hRoot, ProjectRecord* pProject);
    CProjectTreeFill(const CProjectTreeFill&) = delete;
    CProjectTreeFill& operator=(const CProjectTreeFill&) = delete;

    // Inserts the next packet; FALSE once every packet is in.
    BOOL Step();
    HTREEITEM ProjectItem() const { return m_hProject; }

    // Items of a project up to which its fields go in at once.
    static const INT_PTR kFieldsAtOnceItems = 32768;

private:
    static INT_PTR ItemCount(const ProjectRecord& project);

    CTreeCtrl& m_tree;
    ProjectRecord* m_pProject;  // not owned
    BOOL m_bFieldsAtOnce;
    HTREEITEM m_hProject = nullptr;
    HTREEITEM m_hFolder = nullptr;
    INT_PTR m_nNext = 0;  // the next packet to insert
};

// The whole project at once, as CProjectTreeFill fills it.
HTREEITEM InsertProjectItems(CTreeCtrl& tree, HTREEITEM hRoot, ProjectRecord* pProject);

// A packet item filled later gets its field items before it shows them or takes a new one.
void EnsureFieldItems(CTreeCtrl& tree, HTREEITEM hPacket);

// The child of the root that stands for the project; null when there is none.
HTREEITEM FindProjectItem(const CTreeCtrl& tree, HTREEITEM hRoot, const ProjectRecord* pProject);

// Deletes the item and everything below it, and with them their data. TVI_ROOT empties the tree.
void DeleteItemsWithData(COfficeTreeCtrl& tree, HTREEITEM hItem);

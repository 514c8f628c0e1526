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

// The project item with "Head" and its fields, then "Packet" with the packets and their fields.
HTREEITEM InsertProjectItems(CTreeCtrl& tree, HTREEITEM hRoot, ProjectRecord* pProject);

// The child of the root that stands for the project; null when there is none.
HTREEITEM FindProjectItem(const CTreeCtrl& tree, HTREEITEM hRoot, const ProjectRecord* pProject);

// Deletes the item and everything below it, and with them their data. TVI_ROOT empties the tree.
void DeleteItemsWithData(COfficeTreeCtrl& tree, HTREEITEM hItem);

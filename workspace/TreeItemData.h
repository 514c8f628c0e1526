// TreeItemData.h: what a project-tree item stands for.
//
// Structs: TreeItemData.
#pragma once
#include "afxwin.h"

struct ProjectRecord;

// The item kinds, as the tree stores them.
enum ETreeItemKind : unsigned
{
    kTreeProject = 0,
    kTreeHead = 1,
    kTreeHeaderField = 2,
    kTreePacketFolder = 3,
    kTreePacket = 4,
    kTreePacketField = 5,
    kTreeRoot = 10
};

// The data behind every tree item; owned by the item, freed by whoever deletes it.
struct TreeItemData
{
    unsigned kind = kTreeRoot;
    ProjectRecord* project = nullptr;  // not owned; null for the root
    int headerIndex = 0;               // kept for the project file's reader; nothing reads them
    int packetIndex = 0;
    CString path;  // the project's folder with its trailing backslash; empty for the root
};

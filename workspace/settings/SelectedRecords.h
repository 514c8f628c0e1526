// SelectedRecords.h: from a selected tree item to the records behind it, found by caption, never by position.
#pragma once
#include "ProtocolSettingsPane.h"

// What the tree tells about its selected item.
struct SelectedItem
{
    ProjectRecord* pProject = nullptr;
    unsigned nKind = 10;  // the tree item's kind: 0 project ... 5 packet field, 10 root
    CString strCaption;
    CString strParentCaption;  // the packet's name, for a packet field
};

// The records of the item: the project; a packet's record; a field's list and place in it.
SettingsTarget FindSelectedRecords(const SelectedItem& item);

// Shows the item's record on its page; a field that is not found leaves the page as it was,
// and the root and the folders show the blank page.
void LoadSelectedPage(CProtocolSettingsPane& pane, const SelectedItem& item);

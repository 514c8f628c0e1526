// KTControlOleItems.h: the place of the selected OLE object's verbs in a menu, expanded when its popup is laid out.
//
// Classes: CKTControlOleItems.
#pragma once

#include "KTControlListPlaceholder.h"

class COleClientItem;

class CKTControlOleItems : public CKTControlListPlaceholder
{
    DECLARE_DYNCREATE(CKTControlOleItems)
public:
    // Replaces the entry of the last expansion with the verbs of the active view's selected item.
    void OnCalcDynamicSize(DWORD dwMode) override;

private:
    // The entry the system's verb menu holds: a popup of verbs, or one plain entry.
    void AddVerbEntry(CMenu* pMenu);
    // The active view's primary selected item when it offers verbs, else NULL.
    COleClientItem* FindSelectedItem() const;
};

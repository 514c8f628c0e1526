// KTControlRecentFileList.h: the place of the application's recent files in a menu, expanded when its popup is laid out.
//
// Classes: CKTControlRecentFileList.
#pragma once

#include "KTControlListPlaceholder.h"

class CKTControlRecentFileList : public CKTControlListPlaceholder
{
    DECLARE_DYNCREATE(CKTControlRecentFileList)
public:
    // Replaces the items of the last expansion with one numbered item per recent file.
    void OnCalcDynamicSize(DWORD dwMode) override;
};

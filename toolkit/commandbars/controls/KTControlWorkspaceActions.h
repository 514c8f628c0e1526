// KTControlWorkspaceActions.h: the place of the tab-group commands in a menu.
//
// Classes: CKTControlWorkspaceActions.
#pragma once

#include "KTControlListPlaceholder.h"

const int KT_ID_WORKSPACE_ACTIONS = 35002;

// Expands into the tab-group commands the MDI client reports enabled, when it shows its children as tab groups.
class CKTControlWorkspaceActions : public CKTControlListPlaceholder
{
    DECLARE_DYNCREATE(CKTControlWorkspaceActions)
public:
    void OnCalcDynamicSize(DWORD dwMode) override;
};

// KTControlToolbars.h: the place of the toolbar list in a menu, and its items.
//
// Classes: CKTControlToolbars, CKTControlToolbar.
#pragma once

#include "KTControlListPlaceholder.h"

class CKTControlToolbars : public CKTControlListPlaceholder
{
    DECLARE_DYNCREATE(CKTControlToolbars)
public:
    // One checked-when-visible item per listed toolbar, after the place holder.
    void OnCalcDynamicSize(DWORD dwMode) override;
    // At least one toolbar to list, or customise mode, where the place holder shows itself.
    BOOL WouldShow() const override;
    // With bAddCustomize, the customise command follows the list when the site runs it.
    static void AddToolbarItems(CKTCommandBar* pBar, int nIndex, int nId, BOOL bAddCustomize, BOOL bBeginGroup);
};

// An entry of the toolbar list: executing it shows or hides the toolbar of its tag.
class CKTControlToolbar : public CKTControlButton
{
public:
    void SetBarIndex(int nIndex) { m_nTag = nIndex; }
    void OnExecute() override;
};

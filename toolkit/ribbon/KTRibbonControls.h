// KTRibbonControls.h: the ribbon bar's controls: its own controls outlast removing all, and a removed control
// leaves its group, the quick access toolbar or the system button behind.
//
// Classes: CKTRibbonControls.
#pragma once

#include "KTControls.h"

class CKTRibbonBar;

class CKTRibbonControls : public CKTControls
{
    DECLARE_DYNCREATE(CKTRibbonControls)
public:
    // The tab row, the quick access end buttons, the scroll buttons and the groups' popup and option buttons.
    BOOL IsPermanent(CKTControl* pControl) const;

protected:
    BOOL ShouldKeep(CKTControl* pControl) const override { return IsPermanent(pControl); }
    void OnControlRemoved(CKTControl* pControl) override;

private:
    // NULL while the collection stands alone, and once its ribbon let it go.
    CKTRibbonBar* GetRibbonBar() const;
};

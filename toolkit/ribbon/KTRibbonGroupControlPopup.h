// KTRibbonGroupControlPopup.h: the button a group is reduced to; it opens a full copy of the group.
//
// Classes: CKTRibbonGroupControlPopup.
#pragma once

#include "KTControlPopup.h"

class CKTRibbonBar;
class CKTRibbonGroup;

class CKTRibbonGroupControlPopup : public CKTControlPopup
{
    DECLARE_DYNCREATE(CKTRibbonGroupControlPopup)
public:
    CKTRibbonGroupControlPopup();

    // Shown while its group is: whichever tab shows, the group's own flag decides.
    BOOL IsVisible(DWORD dwSkipFlags = 0) const override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Opens a copy of the group it stands for in a fresh popup bar each time.
    BOOL OnSetPopup(BOOL bPopup) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;

private:
    CKTRibbonBar* GetGroupRibbonBar() const;
    // Its own group; a copy without one (on the quick access toolbar) stands for the ribbon's group of its id.
    CKTRibbonGroup* GetShownGroup() const;
};

// KTRibbonGroupControlPopup.h: the button a group is reduced to; it opens a full copy of the group.
//
// Classes: CKTRibbonGroupControlPopup.
#pragma once

#include "KTControlPopup.h"

class CKTRibbonBar;

class CKTRibbonGroupControlPopup : public CKTControlPopup
{
    DECLARE_DYNCREATE(CKTRibbonGroupControlPopup)
public:
    CKTRibbonGroupControlPopup();

    // Shown while its group is: whichever tab shows, the group's own flag decides.
    BOOL IsVisible(DWORD dwSkipFlags = 0) const override;
    // The group's caption; its own without a group.
    CString GetCaption() const override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Opens the group's copy in a fresh popup bar each time.
    BOOL OnSetPopup(BOOL bPopup) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    // After loading, the group of its id on the ribbon, if any.
    void RestoreCommandBarList(CKTCommandBarList* pList) override;

private:
    CKTRibbonBar* GetGroupRibbonBar() const;
};

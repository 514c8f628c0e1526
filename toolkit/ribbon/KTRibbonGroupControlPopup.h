// KTRibbonGroupControlPopup.h: the button a group is reduced to; it opens a full copy of the group.
//
// Classes: CKTRibbonGroupControlPopup.
#pragma once

#include "KTControlPopup.h"
#include "KTRibbonGroup.h"

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
    // Standing for its group, it shows its caption below its icon whatever its style: the ribbon's painter draws
    // it by this answer, and its letter counts by it.
    KTToolBarLayout GetToolBarLayout() const override;
    // Opens a copy of the group it stands for in a fresh popup bar each time.
    BOOL OnSetPopup(BOOL bPopup) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    // Loaded onto a ribbon, it finds the group of its id again; with none it stays an ordinary control.
    void RestoreCommandBarList(CKTCommandBarList* pList) override;

    // The group it stands for: the one it belongs to, or for a copy the group of its source.
    CKTRibbonGroup* GetGroup() const;

private:
    CKTRibbonBar* GetGroupRibbonBar() const;

    CKTSmartPtr<CKTRibbonGroup> m_pGroup;  // a copy's group, which it does not belong to
};

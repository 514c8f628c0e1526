// KTRibbonGroupPopupBar.h: the popup of a collapsed group: a full copy of the group under its button.
//
// Classes: CKTRibbonGroupPopupBar.
#pragma once

#include "KTPopupToolBar.h"

class CKTRibbonBar;
class CKTRibbonGroup;

class CKTRibbonGroupPopupBar : public CKTPopupToolBar
{
public:
    // Shows a copy of the group, with copies of its controls.
    explicit CKTRibbonGroupPopupBar(CKTRibbonGroup* pGroup);
    ~CKTRibbonGroupPopupBar() override;

    CKTRibbonGroup* GetGroupCopy() const { return m_pGroupCopy; }

    // The whole group, unreduced, as tall as the ribbon's groups.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    CSize GetIconSize() const override;
    CSize GetButtonSize() const override;

private:
    CKTSmartPtr<CKTRibbonGroup> m_pGroupCopy;
    CKTRibbonBar* m_pRibbonBar;  // not held: its group's control opened the popup
};

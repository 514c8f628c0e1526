// KTRibbonTabPopupToolBar.h: the groups of a minimised ribbon's tab, dropped down below the tab row.
//
// Classes: CKTRibbonTabPopupToolBar.
#pragma once

#include "KTPopupToolBar.h"
#include "KTRibbonTabGroups.h"

class CKTRibbonBar;
class CKTRibbonTab;

class CKTRibbonTabPopupToolBar : public CKTPopupToolBar
{
public:
    // Shows a copy of the tab, with its groups and their controls.
    explicit CKTRibbonTabPopupToolBar(CKTRibbonTab* pTab);
    ~CKTRibbonTabPopupToolBar() override;

    CKTRibbonTab* GetTabCopy() const { return m_pTabCopy; }
    CRect GetGroupsRect() const { return m_rcGroups; }
    CKTRibbonGroupsScroller* GetGroupsScroller() { return &m_scroller; }

    // As wide as the ribbon and as tall as its groups row, kept inside the work area; below the tab row, or above
    // it where the work area ends.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    CRect CalcPopupRect(int cx, int cy) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    // The copied groups look and answer as the ribbon's own.
    CSize GetIconSize() const override;
    CSize GetButtonSize() const override;
    void CreateKeyboardTips() override;
    void EnsureControlVisible(CKTControl* pControl) override;

private:
    CSize PlaceBelowTabRow();

    CPoint m_ptPlace;  // screen top-left chosen by the last layout
    CKTRibbonGroupsScroller m_scroller;
    CKTSmartPtr<CKTRibbonTab> m_pTabCopy;
    CKTRibbonBar* m_pRibbonBar;  // not held: it opened the popup
    CRect m_rcGroups;
};

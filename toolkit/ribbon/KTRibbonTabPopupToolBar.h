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

    // As wide as the ribbon and as tall as its groups row.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;

private:
    CKTRibbonGroupsScroller m_scroller;
    CKTSmartPtr<CKTRibbonTab> m_pTabCopy;
    CKTRibbonBar* m_pRibbonBar;  // not held: it opened the popup
    CRect m_rcGroups;
};

// KTDockingPaneTabRow.h: the row of tabs of a group of panes, one tab per pane.
//
// Classes: CKTDockingPaneTabRow.
#pragma once

#include "KTTabManager.h"

class CKTDockingPaneTabbedContainer;

class CKTDockingPaneTabRow : public CKTTabManager
{
public:
    explicit CKTDockingPaneTabRow(CKTDockingPaneTabbedContainer* pOwner) : m_pOwner(pOwner) {}

    void Reposition() override;
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    CKTTabPainter* GetPaintManager() const override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;

    // Refills the tabs from the owner's panes without a redraw for every tab.
    void Update();
    // The index of the tab whose pane it is, -1 when none.
    int FindPane(const void* pPane) const;

private:
    CKTDockingPaneTabbedContainer* m_pOwner;  // owns this row
    int m_nRedrawLock = 0;
};

// KTDockingPaneTabRow.h: the row of tabs of a group of panes, one tab per pane; a held tab reorders the panes or
// is dragged out of the row.
//
// Classes: CKTDockingPaneTabRow.
#pragma once

#include <vector>

#include "KTDockingPaneTabStrip.h"
#include "KTTabManager.h"

class CKTDockingPane;
class CKTDockingPaneTabbedContainer;

// The icon of the pane a tab stands for, when the tabs' painter shows icons; with bDraw FALSE only whether it has one.
BOOL KTDrawPaneTabIcon(const CKTTabManager* pTabs, CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw,
                       CSize szIcon);

class CKTDockingPaneTabRow : public CKTTabManager, public IKTDockingPaneTabStrip
{
public:
    explicit CKTDockingPaneTabRow(CKTDockingPaneTabbedContainer* pOwner) : m_pOwner(pOwner) {}

    CWnd* GetStripWindow() const override;
    CWnd* GetSiteWindow() const override;

    void Reposition() override;
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    CKTTabPainter* GetPaintManager() const override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;

    // Refills the tabs from the owner's panes without a redraw for every tab.
    void Update();
    // The index of the tab whose pane it is, -1 when none.
    int FindPane(const void* pPane) const;

    // A press on a tab selects its pane; unless the owner refuses dragging it, the tab is held with the mouse.
    void PressTab(int nTab, CPoint pt);
    // A move while a tab is held: over another tab the two panes swap places, out of the row the pane is dragged
    // away. FALSE when no tab is held.
    BOOL TrackPressedTab(CPoint pt);
    // The button went up: a held tab lets the mouse go.
    void ReleasePressedTab();
    // The capture went elsewhere: nothing is held any more.
    void ForgetPressedTab() { m_pPressedPane = nullptr; }
    CKTDockingPane* GetPressedPane() const { return m_pPressedPane; }

private:
    int SavedTabAt(CPoint pt) const;
    void DragOut(CPoint pt);
    void ReleaseOwnerCapture() const;

    CKTDockingPaneTabbedContainer* m_pOwner;  // owns this row
    int m_nRedrawLock = 0;
    CKTDockingPane* m_pPressedPane = nullptr;  // the pane whose tab is held down, one of the owner's
    std::vector<CRect> m_rcPressedTabs;        // where the tabs were when it was pressed, so a swap cannot flicker
};

// KTDockingPaneAutoHideTabManager.h: the tabs of one auto-hidden group in a side strip.
//
// Classes: CKTDockingPaneAutoHideTabManager.
#pragma once

#include "KTDockingPaneTabStrip.h"
#include "KTTabManager.h"

class CKTDockingPaneAutoHidePanel;
class CKTDockingPaneTabbedContainer;

class CKTDockingPaneAutoHideTabManager : public CKTTabManager, public IKTDockingPaneTabStrip
{
public:
    // The strip shows every tab at its share of the length, so it has no scroll buttons.
    explicit CKTDockingPaneAutoHideTabManager(CKTDockingPaneAutoHidePanel* pPanel);

    // One tab per pane of the group, its selected pane's tab selected.
    void Fill(CKTDockingPaneTabbedContainer* pGroup);

    CWnd* GetStripWindow() const override;
    CWnd* GetSiteWindow() const override;

    // The strip lays its groups out itself.
    void Reposition() override {}
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    CKTTabPainter* GetPaintManager() const override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    int GetPosition() const override;

private:
    CKTDockingPaneAutoHidePanel* m_pPanel;  // owns this manager
};

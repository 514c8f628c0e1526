// KTDockingPaneTheme5.h: panes and floating frames framed in rings of the highlight colours, with a ruled grip
// after the title instead of a caption fill.
//
// Classes: CKTDockingPaneTheme5.
#pragma once

#include "KTDockingPaneTheme1.h"

class CKTDockingPaneTheme5 : public CKTDockingPaneTheme1
{
public:
    CKTDockingPaneTheme5();

    void RefreshMetrics() override { CKTDockingPanePaintManager::RefreshMetrics(); }
    void DrawPane(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override;
    void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override;
    void SubtractCaption(const CKTDockingPaneTabbedContainer* pContainer, CRect& rc) const override;
    void DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc) override;

private:
    // Four one-pixel rules across the middle of rc from nNear to nFar (columns when vertical).
    static void DrawRuledGrip(CDC* pDC, const CRect& rc, int nNear, int nFar, COLORREF clr, BOOL bVertical);
    void DrawFloatingTitle(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, const CRect& rcStrip, COLORREF clrGrip);
};

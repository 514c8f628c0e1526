// KTDockingPaneSplitterWnd.h: the bar between two children of a splitter, with which the user resizes them.
//
// Classes: CKTDockingPaneSplitterWnd.
#pragma once

#include <afxwin.h>

class CKTDockingPaneManager;
class CKTDockingPaneNode;
class CKTDockingPaneSplitterContainer;

class CKTDockingPaneSplitterWnd : public CWnd
{
public:
    CKTDockingPaneSplitterWnd() = default;
    ~CKTDockingPaneSplitterWnd() override;

    // A bar between two children of a splitter.
    BOOL Create(CKTDockingPaneSplitterContainer* pOwner, CKTDockingPaneNode* pBefore, CKTDockingPaneNode* pAfter);
    // A side band of the layout, with no neighbours.
    BOOL CreateSide(CKTDockingPaneManager* pManager, CWnd* pSite, BOOL bHorizontalBar);
    // Stacked children have a horizontal bar between them.
    BOOL IsHorizontal() const { return m_bHorizontalBar; }
    // Where the bar may go along its axis (screen coordinates); empty when it cannot move.
    BOOL GetTrackLimits(int& nNear, int& nFar) const;
    // Gives the two neighbours their docked lengths for the bar's near edge at nBarNear (screen).
    void ApplyPosition(int nBarNear);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateBar(CWnd* pSite);
    CRect NeighboursUnion() const;
    void TrackWithOutline(CPoint ptScreen, int nNear, int nFar);
    void TrackLive(CPoint ptScreen, int nNear, int nFar);
    BOOL MoveBarTo(int nBarNear);

    CKTDockingPaneSplitterContainer* m_pOwner = nullptr;
    CKTDockingPaneNode* m_pBefore = nullptr;
    CKTDockingPaneNode* m_pAfter = nullptr;
    CKTDockingPaneManager* m_pManager = nullptr;
    HCURSOR m_hCursor = NULL;  // shared resource, not destroyed
    BOOL m_bHorizontalBar = FALSE;
};

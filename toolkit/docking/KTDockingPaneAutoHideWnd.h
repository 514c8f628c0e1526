// KTDockingPaneAutoHideWnd.h: the window in which an auto-hidden group slides out of its strip and back.
//
// Classes: CKTDockingPaneAutoHideWnd.
#pragma once

#include <afxwin.h>

#include "KTPointerWatch.h"
#include "KTSmartPtr.h"

class CKTDockingPaneAutoHidePanel;
class CKTDockingPaneManager;
class CKTDockingPaneTabbedContainer;

class CKTDockingPaneAutoHideWnd : public CWnd, private IKTPointerWatchSink
{
public:
    // Makes the window and starts it sliding out; the window holds its own reference until it is destroyed.
    static CKTDockingPaneAutoHideWnd* Open(CKTDockingPaneAutoHidePanel* pPanel,
                                           CKTDockingPaneTabbedContainer* pContainer);

    CKTDockingPaneTabbedContainer* GetContainer() const { return m_pContainer; }
    // Slides back through the owner's veto (actions 10 and 11); delayed, the window goes on a short timer. FALSE
    // when the owner keeps it out.
    BOOL Close(BOOL bDelayed);
    void CloseWindow();
    void RecalcLayout();
    int GetStep() const { return m_nStep; }
    int GetStepCount() const { return m_nStepCount; }
    CRect GetFullRect() const { return m_rcFull; }
    // The group's track limits; with the edge, the edge's width is added along the sliding axis.
    void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo, BOOL bWithEdge) const;
    // The group took or lost the focus: with it the window stays out, without it the pointer decides.
    void OnContainerFocus(BOOL bActive);

    static double m_dSlideSpeed;
    static int m_nSlideInterval;
    static int m_nSlideDuration;
    static BOOL m_bCloseOnLeave;
    static int m_nHoverTime;
    // The window slides back this many milliseconds times six after the pointer left it and its strip.
    static int m_nLeaveCheckInterval;

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    enum
    {
        ktTimerLeaveCheck = 1,
        ktTimerSlideOut = 2,
        ktTimerSlideBack = 3,
        ktTimerClose = 4,
        ktLeaveTicks = 6,
        ktEdge = 4
    };

    CKTDockingPaneAutoHideWnd(CKTDockingPaneAutoHidePanel* pPanel, CKTDockingPaneTabbedContainer* pContainer);
    BOOL CreateSlideWindow();
    CRect ComputeFullRect() const;
    int ComputeStepCount() const;
    void ApplyStep();
    void OnSlideOutTick();
    void OnSlideBackTick();
    void OnPointerOver(BOOL bOver) override;
    BOOL IsCursorOver() const;
    // Every tick while out: once the cursor has been away for the countdown, the window slides back.
    void OnLeaveCheck();
    // Turns a window sliding back round.
    void SlideOutAgain();
    BOOL IsPanelBefore() const;
    CRect GetLayoutAreaOnScreen() const;
    // For the window at rcWindow (screen), the edge's rectangle and where its near side may go; FALSE when it
    // cannot move.
    BOOL GetEdgeRange(const CRect& rcWindow, CRect& rcEdge, int& nLow, int& nHigh) const;
    // Fully out, the edge could be dragged.
    BOOL CanResize() const;
    void TrackWithOutline(CRect rcEdge, int nLow, int nHigh, CPoint ptScreen);
    void TrackLive(CRect rcEdge, int nLow, int nHigh, CPoint ptScreen);
    // The window reaches to the edge's far side and the group keeps the new size.
    void ApplyEdge(const CRect& rcEdgeScreen);
    // The window fully out at the rectangle (site client coordinates) and the group's size without the edge.
    void ApplySize(const CRect& rc, int nDockedSize);
    void ReleaseContainer();
    CKTDockingPaneManager* GetManager() const { return m_pManager; }
    BOOL IsVerticalSliding() const { return m_nDirection >= 2; }

    CKTSmartPtr<CKTDockingPaneAutoHideWnd> m_self;  // the window's own reference, dropped when it is destroyed
    CKTDockingPaneTabbedContainer* m_pContainer;
    CKTDockingPaneAutoHidePanel* m_pPanel;  // cleared once the window is closing
    CKTDockingPaneManager* m_pManager;
    int m_nDirection;
    int m_nStep = 0;
    int m_nStepCount = 1;
    BOOL m_bCollapsing = FALSE;
    CRect m_rcFull;                    // fully out, in the site's client coordinates
    BOOL m_bResizing = FALSE;          // while the edge is dragged the window stays out
    int m_nLeaveTicks = ktLeaveTicks;  // leave checks left before the window slides back
    CKTPointerWatch m_pointer{this};   // the pointer coming back over the window or its strip
};

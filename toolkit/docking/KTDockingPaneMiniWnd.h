// KTDockingPaneMiniWnd.h: the small top-level frame in which groups of panes float, holding one splitter of them.
//
// Classes: CKTDockingPaneMiniWnd.
#pragma once

#include <afxwin.h>

#include "KTDockingPaneNode.h"
#include "KTPointerWatch.h"

class CKTDockingPane;
class CKTDockingPaneCaptionButton;
class CKTDockingPaneSplitterContainer;

class CKTDockingPaneMiniWnd : public CMiniFrameWnd, public CKTDockingPaneContainer, private IKTPointerWatchSink
{
    DECLARE_DYNAMIC(CKTDockingPaneMiniWnd)

public:
    explicit CKTDockingPaneMiniWnd(CKTDockingPaneLayoutData* pLayout);

    static BOOL m_bShowPinButton;  // themed frames show the roll-up pin

    DWORD InternalAddRef() override { return CCmdTarget::InternalAddRef(); }
    DWORD InternalRelease() override { return CCmdTarget::InternalRelease(); }
    void OnFinalRelease() override;

    virtual void Copy(CKTDockingPaneMiniWnd* pSource, CKTDockingPaneCloneMap* pMap);
    using CMiniFrameWnd::Create;
    virtual BOOL Create(CRect rc);
    virtual void UpdateTransparency();
    virtual void OnCaptionButtonClick(CKTDockingPaneCaptionButton* pButton);
    // TRUE when the press was handled at once (the menu button).
    virtual BOOL OnCaptionButtonDown(CKTDockingPaneCaptionButton* pButton);

    // Themed frames lose the system border and caption; an unthemed one that was rolled up opens again.
    void RefreshFrameStyle();
    // Rolls the frame up to its caption, or opens it again.
    void ToggleCollapse();
    // Slides a rolled-up frame open for the moment.
    void Expand();
    BOOL IsCollapsed() const { return m_bCollapsed; }
    BOOL IsSlidOpen() const { return m_bSlidOpen; }
    // The frame draws its own caption and border through the paint manager.
    BOOL IsThemed() const;

    // Floats the node (a pane is wrapped in a group first) in a new window at the screen rectangle.
    BOOL Init(CKTDockingPaneNode* pNode, CRect rc);
    CKTDockingPaneSplitterContainer* GetTopContainer() const;
    CKTDockingPane* GetSelectedPane() const;
    BOOL IsActive() const { return m_bHoldsFocus; }

    HWND GetPaneHwnd() const override { return GetSafeHwnd(); }
    CKTDockingPane* GetCaptionPane() const override { return GetSelectedPane(); }
    BOOL IsCaptionActive() const override { return m_bHoldsFocus; }
    void RedrawPane() override;
    BOOL IsCaptionButtonVisible(CKTDockingPaneCaptionButton* pButton) override;
    // The groups below float in this window.
    CWnd* GetDockingSite() const override { return const_cast<CKTDockingPaneMiniWnd*>(this); }
    void RemovePane(CKTDockingPaneNode* pNode) override;
    void UpdatePane(BOOL bRelayout) override;
    void OnChildContainerChanged(CKTDockingPaneNode* pChild) override;
    void OnFocusChanged() override;
    BOOL DoPropExchange(CKTPropExchange* pPX) override;
    CKTDockingPaneNode* Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD dwFlags) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    // The frame is a counted node: its window's end must not delete it.
    void PostNcDestroy() override {}
    afx_msg void OnDestroy();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnClose();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* pMinMaxInfo);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnSizing(UINT nSide, LPRECT lpRect);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void SetTopContainer(CKTDockingPaneSplitterContainer* pTop);
    void TrimSystemMenu();
    void EnableSystemClose(BOOL bEnable);
    BOOL CanCloseEveryPane();
    CKTDockingPane* GetMenuPane() const;
    // Asks the action of every pane in order; FALSE at the first refusal.
    BOOL AskEveryPane(int nAction);
    void ReportEveryPane(int nAction);
    int GetCaptionSize() const;
    // The caption strip's depth from the window's top, where hovering and hits count as the caption.
    int GetCaptionReach() const { return GetCaptionSize() + 4; }
    // In window coordinates.
    CKTDockingPaneCaptionButton* CaptionButtonAt(CPoint ptWindow) const;
    CPoint ScreenToWindow(CPoint ptScreen) const;
    void PressCaptionButton(CKTDockingPaneCaptionButton* pButton, CPoint ptWindow);
    void SetFrameHeight(int nHeight);
    void StopSlide();
    void OnPointerOver(BOOL bOver) override;
    BOOL IsCursorOver() const;
    // Every tick while slid open: once the cursor has been away for the countdown, the frame rolls up again.
    void OnLeaveCheck();
    void OnSlideTimer();

    BOOL m_bHoldsFocus = FALSE;       // the focus is in the frame or a window it owns
    BOOL m_bUpdatePending = FALSE;    // the captions are set at the next idle update
    BOOL m_bCollapsed = FALSE;        // rolled up to the caption
    BOOL m_bSlidOpen = FALSE;         // rolled up, but open while the mouse is near
    BOOL m_bSliding = FALSE;          // the slide timer runs
    int m_nExpandedHeight = 0;        // the height to open to
    int m_nStepCount = 1;             // slide steps from closed to open
    int m_nStep = 0;                  // the slide's step, 0 closed
    int m_nLeaveTicks = 0;            // leave-check ticks the pointer stays away before the frame rolls up again
    CKTPointerWatch m_pointer{this};  // the pointer coming back, while it is rolled up
};

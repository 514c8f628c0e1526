// KTDockingPaneTabbedContainer.h: the window of one group of panes: a caption bar with its buttons, the
// selected pane's window and a row of tabs, one per pane.
//
// Classes: CKTDockingPaneTabbedContainer.
#pragma once

#include "KTDockingPaneAccessible.h"
#include "KTDockingPaneDropTarget.h"
#include "KTDockingPaneNode.h"
#include "KTDockingPaneTabRow.h"

class CKTDockingPane;

class CKTDockingPaneTabbedContainer : public CWnd, public CKTDockingPaneContainer
{
    DECLARE_DYNAMIC(CKTDockingPaneTabbedContainer)

public:
    explicit CKTDockingPaneTabbedContainer(CKTDockingPaneLayoutData* pLayout);

    DWORD InternalAddRef() override { return CCmdTarget::InternalAddRef(); }
    DWORD InternalRelease() override { return CCmdTarget::InternalRelease(); }
    void OnFinalRelease() override;

    virtual void SelectPane(CKTDockingPane* pPane, BOOL bSetFocus = TRUE, BOOL bDelayLayout = TRUE);
    virtual BOOL IsCaptionVertical() const;
    virtual BOOL IsTabsVisible() const;
    virtual void OnCaptionLButtonDown(CPoint ptScreen);
    // Whether a point is where the group is taken to be dragged: its caption strip (the whole docking site when
    // the title is hidden), else the tab row along the bottom. rc and the point in the same co-ordinates.
    virtual BOOL IsDragArea(CRect rc, int x, int y) const;
    virtual void OnCaptionButtonClick(CKTDockingPaneCaptionButton* pButton);
    virtual void Copy(CKTDockingPaneTabbedContainer* pSource, CKTDockingPaneCloneMap* pMap, DWORD dwFlags);
    virtual void UpdateTabs();

    void Init(CKTDockingPane* pPane, CWnd* pSite);
    void InsertPane(CKTDockingPane* pPane, BOOL bSetFocus = TRUE);
    void ShowTitle(BOOL bShow);
    BOOL IsTitleVisible() const;
    void Show(BOOL bActivate);
    BOOL IsActive() const { return m_bActive; }
    CKTDockingPane* GetSelected() const { return m_pSelectedPane; }
    CKTDockingPane* GetPaneAt(int nIndex) const;
    CString GetTitle() const;
    // -2 over the caption, the index of a tab under the point, else -1.
    int HitTest(CPoint pt) const;
    CKTDockingPaneTabRow& GetTabRow() { return m_tabRow; }
    IAccessible* GetAccessible() { return &m_accessible; }
    COleDropTarget& GetDropTarget() { return m_dropTarget; }
    // Two panes change places in the tab order.
    void SwapPanes(int nFirst, int nSecond);
    // The selected pane (else the container) takes the focus and the manager looks at it.
    void FocusSelected();

    BOOL IsHidden() const override;
    HWND GetPaneHwnd() const override { return GetSafeHwnd(); }
    CKTDockingPaneTabbedContainer* AsTabbedContainer() override { return this; }
    CKTDockingPane* GetCaptionPane() const override { return m_pSelectedPane; }
    BOOL IsCaptionActive() const override { return m_bActive; }
    void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const override;
    void OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout) override;
    void OnFocusChanged() override;
    void SetDockingSite(CWnd* pSite) override;
    void UpdatePane(BOOL bRelayout) override;
    void OnParentContainerChanged(CKTDockingPaneNode* pParent) override;
    BOOL DoPropExchange(CKTPropExchange* pPX) override;
    CKTDockingPaneNode* Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD dwFlags) override;
    void RemovePane(CKTDockingPaneNode* pNode) override;
    BOOL IsCaptionButtonVisible(CKTDockingPaneCaptionButton* pButton) override;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnHelpHitTest(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void EnsureWindow();
    CRect ClientRectFor(CRect rc);
    void LayoutPanes(CWnd* pSite, const CRect& rcClient, AFX_SIZEPARENTLAYOUT* pLayout);
    CKTDockingPaneCaptionButton* CaptionButtonAt(CPoint pt) const;
    BOOL CanPressCaptionButtons() const;
    void PressMenuButton(CKTDockingPaneCaptionButton* pButton);
    void ClickClose();
    void ClickPin();
    void SetMaximized(BOOL bMaximized);
    BOOL CanMaximize() const;
    BOOL IsSiblingMaximized() const;
    BOOL IsSplitterHorizontal() const;

    BOOL m_bActive = FALSE;  // holds the focus
    BOOL m_bTitleVisible = TRUE;
    BOOL m_bNeedsLayout = FALSE;  // forces a window move at the next layout
    BOOL m_bInUpdatePane = FALSE;
    CKTDockingPane* m_pSelectedPane = nullptr;  // one of the children
    BOOL m_bMaximized = FALSE;
    CKTDockingPaneTabRow m_tabRow{this};
    CKTDockingPaneTabbedContainerAccessible m_accessible{this};
    CKTDockingPaneTabbedContainerDropTarget m_dropTarget{this};
};

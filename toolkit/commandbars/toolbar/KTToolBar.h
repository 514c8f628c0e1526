// KTToolBar.h: a bar of buttons docked in a row of a dock bar, or floating in a window of its own.
//
// Classes: CKTToolBar.
#pragma once

#include "KTCommandBar.h"

#include <memory>

class CKTBarSizeTracker;
class CKTDockBar;

class CKTToolBar : public CKTCommandBar
{
    DECLARE_DYNCREATE(CKTToolBar)
public:
    CKTToolBar();
    ~CKTToolBar() override;
    CKTToolBar* AsToolBar() override { return this; }

    // A plain bar inside any window (a pane's strip): it never docks, floats or moves.
    BOOL CreateToolBar(DWORD dwStyle, CWnd* pParentWnd, UINT nID);

    // 0-3 docks the bar at that edge, 4 floats it.
    BOOL SetPosition(int nPosition) override;
    // Docks the bar into the dock bar where the screen rectangle lies.
    BOOL DockAt(CKTDockBar* pDock, const CRect& rcScreen);
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // The row in a dock bar; controls that do not fit go behind the expand button.
    // A minimum length makes the bar at least as thick as its dock row.
    virtual CSize CalcDockingLayout(int nLength, DWORD dwMode, int nMinLength = 0);
    void OnRecalcLayout() override;
    // A bar that never docks passes Tab on to its parent's next control.
    BOOL OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    BOOL IsTextBelowIcons() const override;
    CKTDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CKTDockBar* pDockBar) { m_pDockBar = pDockBar; }
    // Moves, docks, floats and sizes the bar; none for a bar that never moves.
    CKTBarSizeTracker* GetDockContext() const { return m_pDockContext.get(); }
    // A two-dimensional resize gave the window this rectangle by the edge of the hit code.
    virtual void Resize(const CRect& rcWindow, int nHitTest) {}
    // Print preview hides the bar without losing whether the user shows it.
    void HideTemporarily(BOOL bHide);

    // Built in by the program, as opposed to made by the user.
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
    // A built-in bar with this set is saved even when only customised bars are, so that where it stands comes back.
    BOOL IsSaveAlways() const { return m_bSaveAlways; }
    void SetSaveAlways(BOOL bSaveAlways) { m_bSaveAlways = bSaveAlways; }
    BOOL IsTearOff() const { return m_bTearOff; }
    // Hiding a bar made by tearing a popup off removes it; the site hears of every change.
    void SetVisible(BOOL bVisible) override;
    void SetTearOff(BOOL bTearOff) { m_bTearOff = bTearOff; }
    BOOL IsCloseable() const { return m_bCloseable; }
    void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
    // Listed in the toolbars list of the bars' menus.
    BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
    void SetContextMenuPresent(BOOL bPresent) { m_bContextMenuPresent = bPresent; }
    // The controls differ from the ones the bar was first built with.
    virtual BOOL IsCustomized() const;
    void DoPropExchange(CKTPropExchange* pPX) override;
    void Copy(CKTCommandBar* pFrom, BOOL bRecursive) override;
    // A built-in bar takes a loaded one whole: its controls, look, place and floating width.
    virtual void TakeSavedState(CKTToolBar* pLoaded);

    // Also keeps the loaded controls as the ones Reset brings back.
    BOOL LoadToolBar(UINT nId, BOOL bLoadImages = TRUE) override;
    // Back to the controls the program built, after asking when bAsk; FALSE when nothing was reset.
    virtual BOOL Reset(BOOL bAsk);
    virtual BOOL IsResetEnabled();
    // The bar's "Add or Remove Buttons" list: a check item per button it can show, then Reset Toolbar.
    void FillAddRemoveList(CKTCommandBar* pPopup);
    // Nothing to show in a row but its own caption buttons.
    virtual BOOL ShowsNoControls() const;

protected:
    using CKTCommandBar::CreateBarWindow;
    // The bar's window as a child of a dock bar, or as a popup the frame owns.
    BOOL CreateBarWindow(CWnd* pParent, BOOL bFloating);

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    // A bar placed straight in a frame takes the top of what the frame has left.
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

protected:
    CRect GetRowBorders();
    // The docked size asked for before the row is committed.
    CSize MeasureRow(int nLength, DWORD dwMode, const CRect& rcBorder, int nMinLength);
    // Without command bars the window holding the bar re-lays itself out.
    void ResizeHolder();
    // A floating bar's frame: its caption strip above the controls.
    CRect GetFloatingBorders();

    CKTDockBar* m_pDockBar = NULL;  // the dock bar that holds the bar
    BOOL m_bExpandButtonAllowed = TRUE;
    BOOL m_bCloseable = TRUE;  // a floating bar shows a close button
    BOOL m_bHiddenTemporarily = FALSE;
    BOOL m_bShownBeforeHiding = FALSE;  // comes back when HideTemporarily ends
    BOOL m_bBuiltIn = TRUE;
    BOOL m_bSaveAlways = FALSE;  // saved even when only customised bars are
    BOOL m_bTearOff = FALSE;     // made by tearing a popup off
    BOOL m_bContextMenuPresent = TRUE;
    BOOL m_bCustomizeDialogPresent = TRUE;
    BOOL m_bInRecalcLayout = FALSE;  // OnRecalcLayout runs

    // Whether a reset may go ahead: asks the user, when told to, with the bar's title.
    BOOL ConfirmReset(BOOL bAsk) const;
    // Tells the site, brings the controls' state up to date and lays the bar out after a reset.
    void FinishReset();

private:
    // The docked row, and the floating window's controls with its caption buttons.
    CSize LayoutRow(int nLength, DWORD dwMode, int nMinLength);
    CSize LayoutFloating(int nLength, DWORD dwMode);
    // A committed layout does what a pending one asked for: the idle update need not lay the bar out again.
    void CommitPendingLayout(DWORD dwMode);
    // Puts the buttons the user removed back in, hidden, so that the list can offer them again.
    void RestoreRemovedControls();
    BOOL Float();
    BOOL IsFocusInMiniFrame() const;
    // Hides a floating bar while its frame is inactive, and brings it back with the frame.
    void SyncWithFrame(WPARAM wParam);
    // Squares of the caption's height at its right end: the close button, and the expand button left of it.
    void PlaceCaptionButtons(CSize szBar, int nCaptionHeight, CKTControl* pClose, CKTControl* pExpand);
    // The bar's window as a child of the dock bar, at its edge.
    BOOL EnterDockBar(CKTDockBar* pDock);
    BOOL BecomePopup(CWnd* pOwner);
    BOOL BecomeChild(CWnd* pParent);

    std::unique_ptr<CKTBarSizeTracker> m_pDockContext;
};

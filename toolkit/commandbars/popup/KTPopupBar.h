// KTPopupBar.h: the bar a popup control opens, or one shown at a point.
//
// Classes: CKTPopupBar.
#pragma once

#include "KTCommandBar.h"

#include <memory>

class CKTToolBar;

class CKTPopupBar : public CKTCommandBar
{
    DECLARE_DYNCREATE(CKTPopupBar)
public:
    CKTPopupBar();

    // A fresh popup bar of the command bars, held by the caller.
    static CKTSmartPtr<CKTPopupBar> CreatePopupBar(CKTCommandBars* pCommandBars);
    BOOL IsDoubleGripper() const override { return m_bDoubleGripper; }
    void SetDoubleGripper(BOOL bDouble) { m_bDoubleGripper = bDouble; }
    BOOL IsPopupBar() const override { return TRUE; }
    // A menu draws every caption; a popup toolbar takes letters as a toolbar does.
    BOOL IsAccessByShownCaptionOnly() const override { return m_nBarType != ktBarTypePopup; }
    CKTPopupBar* AsPopupBar() override { return this; }
    BOOL IsVisible() const override { return GetSafeHwnd() && IsWindowVisible(); }
    CKTCommandBar* GetParentCommandBar() const override;
    void SetOpeningControl(CKTControl* pControl) { m_pControlPopup = pControl; }
    CKTControl* GetOpeningControl() const { return m_pControlPopup; }
    BOOL IsShowShadow() const { return m_bShowShadow; }
    void SetBorders(const CRect& rcBorders) { m_rcBorders = rcBorders; }
    // Rarely used commands: hidden behind the expand button until the bar is expanded.
    BOOL IsCollapsedPresent() const { return m_bCollapsedPresent; }
    BOOL IsExpanded() const { return m_bExpanded; }
    void ExpandBar();
    // The first visible default item: its index when by position, else its id; -1 when there is none.
    int GetDefaultItem(UINT nFlags, BOOL bByPosition) const;
    // A gripper at the top tears the popup off into a floating toolbar of that title and id.
    void SetTearOffPopup(LPCSTR lpszCaption, UINT nId, int nWidth = 0);
    BOOL IsTearOffPopup() const { return m_bTearOffPopup; }
    CRect GetGripperRect() const { return m_rcGripper; }
    BOOL IsGripperHot() const { return m_bGripperHot; }
    // The toolbar the last tear-off made; not held.
    CKTToolBar* GetTornOffBar() const { return m_pTornOffBar; }
    // Whether the current menu loop was expanded, so that every popup it opens shows all commands.
    static BOOL IsMenuLoopExpanded();
    static void EndMenuLoop();
    // A context menu of the command bars rather than a control's popup.
    BOOL IsContextMenu() const { return m_bContextMenu; }
    void SetContextMenu(BOOL bContextMenu) { m_bContextMenu = bContextMenu; }
    void DoPropExchange(CKTPropExchange* pPX) override;
    void SetPopupOwner(CWnd* pOwner) { m_pPopupOwner = pOwner; }

    BOOL Popup(CKTControl* pControlPopup, BOOL bSelectFirst) override;
    BOOL DestroyWindow() override;
    // The options' animation as it plays now: the system's choice and the random one resolved.
    int ResolveAnimationType() const;
    BOOL OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    // Shows the bar at a screen point, keeping clear of the exclude rectangle; dwPlacement holds
    // KTPopupPlacementFlags (leftwards: the bar's right edge at the point).
    BOOL PopupAt(int x, int y, LPCRECT lprcExclude = NULL, DWORD dwPlacement = 0);
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // The inside edges that the layout, the scrolling and the theme's columns keep to: the theme's, unless the
    // bar has its own; a popup tool bar keeps its Borders.
    virtual CRect GetBorders();
    void OnRecalcLayout() override;
    // No idle time passes while a menu is open: a changed control shows at once. The update run as the popup
    // opens still lays it out anew, so that a caption its handler set has room.
    void DelayLayout() override;
    void OnControlsChanged() override;
    virtual void UpdateLocation();
    virtual CRect CalcPopupRect(int cx, int cy);
    // The opening control's rectangle, in its bar's coordinates, as much of it as the popup must leave clear.
    virtual void AdjustExcludeRect(CRect& rc, BOOL bVertical);
    void Copy(CKTCommandBar* pFrom, BOOL bRecursive) override;

    BOOL SetSelected(int nSelected, int nKeyboard = FALSE) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    // While the items do not fit, a run of them shows between scroll bands.
    BOOL IsScrolling() const { return m_bScrolling; }
    int GetFirstVisible() const { return m_nFirstVisible; }
    int GetEndVisible() const { return m_nEndVisible; }
    CRect GetScrollDownArea() const { return m_scrollDown.rc; }

    // While a caller waits for the chosen command, the bar and its sub-menus
    // hand the command over instead of sending it.
    void SetReturnCommand(std::shared_ptr<UINT> pCommand) { m_pReturnCommand = std::move(pCommand); }
    BOOL TakeReturnCommand(UINT nId);

protected:
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

protected:
    // The tear-off gripper's strip across the top, inside the borders.
    void ReserveGripper(CRect& rcBorders);
    void PlaceGripper(CSize szBar, const CRect& rcBorders);

    // A band that scrolls the run while the mouse rests in it, on a timer of the bar's window.
    struct CKTPopupScrollArea
    {
        CKTPopupScrollArea(CKTPopupBar* pOwner, UINT nId) : pBar(pOwner), nTimerId(nId) {}
        void Start();
        void Stop();
        CRect rc = CRect(0, 0, 0, 0);  // client coordinates; empty while not needed
        UINT_PTR nTimer = 0;           // the running timer, 0 while stopped
        CKTPopupBar* pBar;             // the owner
        UINT nTimerId;
    };
    // Stacks the run in one column from the first visible control down, or from the end one up.
    void LayoutScrolled(BOOL bFromEnd);
    // The controls that scroll: all but the expand button.
    int GetScrolledCount() const;
    void StopScrollTimers();
    void DrawScrollArea(CDC* pDC, const CKTPopupScrollArea& area, BOOL bDown);

    // The control's rectangle, in its bar's coordinates, as the control lets its popup cover it.
    CRect ExcludeRectOf(CKTControl* pControl, BOOL bVertical);
    BOOL CreatePopupWindow();
    void ShowAt(const CRect& rc);
    // The shown popup's first picture, played from the screen under it when an animation applies.
    void ShowAnimated();
    // Moves the window to the new rectangle while the newly shown controls grow into place; FALSE, with nothing
    // done, when no animation applies.
    BOOL PlayExpanding(const CRect& rcNew);
    // Opening, closing and tearing off are told to the window that asked for the menu, else the bars' frame.
    void NotifySite(UINT nMessage, WPARAM wParam = 0);
    void UpdateSite();
    // Shadows beside the shown popup, leaving its opening control clear.
    void CastShadow();
    // Marks the rarely used controls and hides them unless the bar is expanded.
    void UpdateExpandingState();
    // Room for the gripper and the expand button inside the borders, before the controls are laid out.
    void ReserveSpecialRows(CRect& rcBorders, int& nExpandHeight);
    void PlaceSpecialRows(CSize szBar, const CRect& rcBorders, int nExpandHeight);
    void OnGripperTimer();
    // Runs the drag that tears the popup off; TRUE when a toolbar was made.
    BOOL TrackTearOff();
    // The cursor left the gripper (make or show the toolbar) or came back (hide and forget it).
    void TearOff(BOOL bBack, CPoint pt);
    CKTToolBar* MakeTornOffBar();

    CKTControl* m_pControlPopup = NULL;  // the control that opens the bar; not held
    CPoint m_ptPopup;                    // wanted top-left, in screen coordinates
    CRect m_rcExclude;                   // screen area to keep clear
    DWORD m_dwPopupFlags = 0;            // KTPopupPlacementFlags
    BOOL m_bLayoutLock = FALSE;
    BOOL m_bShowShadow = TRUE;
    BOOL m_bContextMenu = FALSE;
    BOOL m_bTearOffPopup = FALSE;  // shows a gripper that tears it off as a toolbar
    CString m_strTearOffCaption;   // the torn-off toolbar's title
    UINT m_nTearOffId = 0;         // the torn-off toolbar's bar id
    int m_nTearOffWidth = 0;       // the torn-off toolbar's width, 0 for its own
    CRect m_rcBorders = CRect(2, 4, 2, 4);
    BOOL m_bDoubleGripper = FALSE;
    BOOL m_bCollapsedPresent = FALSE;  // some controls hide as rarely used
    BOOL m_bExpanded = FALSE;          // every control shows
    BOOL m_bExpanding = FALSE;         // the next layout grows the bar
    CRect m_rcGripper;                 // the tear-off gripper, client coordinates
    BOOL m_bGripperHot = FALSE;
    BOOL m_bTearing = FALSE;           // the tear-off drag runs
    CSize m_szTorn = CSize(0, 0);      // the torn-off toolbar's size
    CKTToolBar* m_pTornOffBar = NULL;  // made by the last tear-off; the command bars hold it
    std::shared_ptr<UINT> m_pReturnCommand;
    BOOL m_bScrolling = FALSE;
    int m_nFirstVisible = 0;
    int m_nEndVisible = 0;
    CRect m_rcScrollClient;  // the client area the run is laid out in
    CKTPopupScrollArea m_scrollDown = CKTPopupScrollArea(this, 5001);
    CKTPopupScrollArea m_scrollUp = CKTPopupScrollArea(this, 5002);
};

// KTRibbonBar.h: the menu bar shown as a ribbon: a caption strip, a row of tabs and the selected tab's groups.
//
// Classes: CKTRibbonBar.
#pragma once

#include "KTControl.h"
#include "KTFrameRegionHelper.h"
#include "KTMenuBar.h"
#include "KTRibbonContextHeaders.h"
#include "KTRibbonGroup.h"
#include "KTRibbonPainter.h"
#include "KTRibbonRes.h"
#include "KTRibbonTabGroups.h"

#include <functional>
#include <memory>

class CKTPopupBar;
class CKTRibbonControlTab;
class CKTRibbonQuickAccessControls;

// What the tab row tells its site about a tab change.
struct KT_NMRIBBONTAB : KT_NMCONTROL
{
    CKTRibbonTab* pTab;
};
class CKTRibbonTab;

// Hide flags the ribbon sets on controls, beside those of every bar.
const DWORD KT_HIDE_RIBBONTAB = 0x80;                      // a control of another tab's group, or of a minimised ribbon
const DWORD KT_HIDE_RIBBONNOROOM = ktHideWrap;             // a quick access control or system button without room
const DWORD KT_HIDE_RIBBONTABROW = ktHideDockingVertical;  // a control of the tab row while the tabs are off

class CKTRibbonBar : public CKTMenuBar, public IKTFrameCaptionBar
{
    DECLARE_DYNCREATE(CKTRibbonBar)
public:
    CKTRibbonBar();
    ~CKTRibbonBar() override;

    CKTRibbonControlTab* GetControlTab() const { return m_pControlTab; }
    CKTRibbonTab* AddTab(LPCSTR lpszCaption, UINT nId = 0);
    CKTRibbonTab* GetSelectedTab() const;
    // The first group of that id on any tab; NULL for none.
    CKTRibbonGroup* FindGroup(UINT nId) const;
    CKTRibbonGroupsScroller* GetGroupsScroller() { return &m_scroller; }
    // Shows the controls of the tab's groups and hides those of the other tabs' (all for NULL or while minimised).
    void ShowTabGroups(CKTRibbonTab* pTab);
    // The same under one redraw, then gives the shown controls their command state; the step runs in between.
    void ShowTabGroupsUpdated(CKTRibbonTab* pTab, const std::function<void()>& fnStep = nullptr);
    // The ribbon operations of the paint manager, or the plain stand-in when it has none.
    IKTRibbonPainter* GetRibbonPainter() const;
    // The same for any bar of the paint manager, a ribbon's or not.
    static IKTRibbonPainter* GetRibbonPainter(CKTPaintManager* pPaintManager);

    // Sizes.
    virtual int GetTabsHeight() const;
    virtual int GetGroupsHeight() const;
    virtual int CalcGroupHeight() const;
    int GetCaptionHeight() const override;
    int GetMinimumWidth() const { return m_nMinWidth; }
    void SetGroupsHeight(int nHeight) { m_nFixedGroupHeight = nHeight; }

    // States read by the drawing.
    BOOL IsRibbonShown() const { return m_bShown; }
    BOOL IsCaptionVisible() const { return m_pFrameRegion || m_bCaptionVisible; }
    void SetCaptionVisible(BOOL bVisible);
    BOOL IsSystemButtonVisible() const { return m_bTabsVisible; }
    void SetTabsVisible(BOOL bVisible);
    BOOL IsRibbonVisible() const { return m_bRibbonVisible; }
    void SetRibbonVisible(BOOL bVisible);
    BOOL IsGroupsVisible() const;
    BOOL IsRibbonMinimized() const { return m_bMinimized; }
    void SetMinimized(BOOL bMinimized);
    // Whether the ribbon draws the frame's caption, and on glass.
    BOOL IsFrameThemeEnabled() const { return m_pFrameRegion != nullptr; }
    BOOL IsDwmEnabled() const { return m_pFrameRegion && m_pFrameRegion->IsCompositionEnabled(); }
    // On glass, and meeting the caption strip.
    BOOL IsCompositedCaptionRect(const CRect& rc) const override;
    BOOL IsMinimizeAllowed() const { return m_bMinimizeAllowed; }
    void SetMinimizeAllowed(BOOL bAllowed) { m_bMinimizeAllowed = bAllowed; }

    // TCN_SELCHANGING to the site; non-zero cancels the change.
    virtual LRESULT OnTabChanging(CKTRibbonTab* pTab);
    // TCN_SELCHANGE to the site.
    virtual void OnTabChanged(CKTRibbonTab* pTab);

    CRect GetTabRowRect() const { return m_rcTabRow; }
    CRect GetGroupsRect() const { return m_rcGroups; }
    CRect GetCaptionRect() const { return m_rcCaption; }
    // Where the frame's title goes; empty unless the ribbon draws the frame's caption.
    CRect GetCaptionTextRect() const { return m_rcCaptionText; }
    // The caption less the system button, the quick access toolbar and the caption buttons.
    CRect GetCaptionClientRect() const { return m_rcCaptionClient; }
    // The headers over the context tabs, placed in the caption by each layout.
    const CKTRibbonContextHeaders& GetContextHeaders() const { return m_contextHeaders; }
    // The group under the mouse, while the theme lights it.
    CKTRibbonGroup* GetHighlightedGroup() const { return m_pHighlightedGroup; }

    // Theme 6 shows the selected tab apart while the bar tracks the keyboard.
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    CSize CalcDockingLayout(int nLength, DWORD dwMode, int nMinLength = 0) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    void OnRemoved() override;
    BOOL IsRibbonBar() const override { return TRUE; }
    CKTRibbonBar* AsRibbonBar() override { return this; }
    CSize GetButtonSize() const override;
    // The large-icons option is not the ribbon's: its small buttons and popups keep the small size.
    CSize GetIconSize() const override;

    // Quick access toolbar (KTRibbonBarQuickAccess.cpp).
    CKTRibbonQuickAccessControls* GetQuickAccessControls() const { return m_pQuickAccess; }
    CKTControl* GetQuickAccessPopup() const { return m_pQuickAccessPopup; }
    CKTControl* GetQuickAccessMore() const { return m_pQuickAccessMore; }
    BOOL IsQuickAccessBelowRibbon() const { return m_bQuickAccessBelow; }
    void SetQuickAccessBelow(BOOL bBelow);
    BOOL IsQuickAccessVisible() const { return m_bQuickAccessVisible; }
    void SetQuickAccessVisible(BOOL bVisible);
    void SetAllowQuickAccessDuplicates(BOOL bAllow) { m_bAllowQuickAccessDuplicates = bAllow; }
    // Whether the context menus offer to add, remove and customise; the drop-down lists the default commands
    // (the quick access controls' original controls) only then.
    BOOL IsQuickAccessCustomizable() const { return m_bQuickAccessCustomizable; }
    void SetQuickAccessCustomizable(BOOL bCustomizable) { m_bQuickAccessCustomizable = bCustomizable; }
    int GetQuickAccessHeight() const { return m_nQuickAccessHeight; }
    CRect GetQuickAccessRect() const { return m_rcQuickAccess; }
    virtual BOOL IsAllowQuickAccessControl(CKTControl* pControl) const;
    // A clone of the control at the end of the quick access toolbar.
    CKTControl* AddToQuickAccess(CKTControl* pControl);
    // Menu 9601 for the drop-down, 9602 for any other control; NULL when there is none.
    virtual CKTSmartPtr<CKTPopupBar> CreateControlContextMenu(CKTControl* pControl);
    // Clones of the controls that found no room, and the drop-down.
    virtual CKTSmartPtr<CKTCommandBar> CreateMoreQuickAccessPopup();
    // Runs the control's context menu at a client point.
    void ShowContextMenu(CPoint pt, CKTControl* pControl);
    // The saved quick access controls and positions; a damaged state is refused whole.
    void DoPropExchange(CKTPropExchange* pPX) override;
    // A copy or a loaded state carries the quick access toolbar, its place and the minimised state; the rest of
    // the ribbon is the program's and stays.
    void Copy(CKTCommandBar* pFrom, BOOL bRecursive) override;
    void TakeSavedState(CKTToolBar* pLoaded) override;
    BOOL IsCustomized() const override { return TRUE; }
    void GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams) override;
    void RestoreCommandBarList(CKTCommandBarList* pList) override;

    // System button (KTRibbonSystemButton.cpp): a popup control at the front, opening its popup bar.
    CKTControl* GetSystemButton() const { return m_pSystemButton; }
    CKTControl* AddSystemButton(LPCSTR lpszCaption, CKTCommandBar* pSystemMenu);
    // The system button left the bar's controls.
    void ForgetSystemButton() { m_pSystemButton = NULL; }

    // The frame's caption (KTRibbonBarFrame.cpp).
    // Takes the site frame's caption over, or gives it back.
    void EnableFrameTheme(BOOL bEnable);
    // The object that keeps the frame's shape in step with the ribbon; NULL gives the caption back.
    void SetFrameRegion(std::unique_ptr<CKTFrameRegionHelper> pFrameRegion);
    CKTFrameRegionHelper* GetFrameRegion() const { return m_pFrameRegion.get(); }
    BOOL IsDrawingFrameCaption() const override;
    // The bar's own window is not hidden, whatever its frame's state; without a window its flag alone counts.
    BOOL IsWindowShown() const { return !GetSafeHwnd() || m_bWindowShown; }
    void RedrawFrameCaption() override { Redraw(); }
    void SetVisible(BOOL bVisible) override;

    // Input (KTRibbonBarInput.cpp).
    // The frame's hit code for a point of the caption strip, 0 where the ribbon answers itself.
    int HitTestCaption(CPoint pt) const;
    BOOL ShowsTabs() const override { return TRUE; }
    void SelectAdjacentTab(BOOL bNext) override;
    // Selects the control's tab and scrolls the groups row to show it.
    void EnsureControlVisible(CKTControl* pControl) override;
    void CreateKeyboardTips() override;
    void OnKeyboardTip(CKTCommandBarKeyboardTip* pTip) override;
    // Alt+letter opens the tab whose caption has that access letter.
    BOOL ProcessAccessKey(UINT nKey) override;
    // Unlike a menu bar's, a letter counts only where its caption shows: icons reduced from captions, arrows and
    // glyphs take none.
    BOOL IsAccessByShownCaptionOnly() const override { return TRUE; }
    // The tips of the controls of the tab's groups.
    void CreateGroupKeyboardTips(CKTRibbonTab* pTab);
    // The same for the groups of a copy of a tab, laid out in the rectangle (the dropped-down tab's).
    void AddGroupKeyboardTips(CKTRibbonTab* pTab, CRect rcGroups) const;
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    BOOL OnHookMouseWheel(int nDelta, CPoint ptScreen) override;
    // The tab strip's tips first; a control of a group places its tip by the whole groups row.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnQuickAccessPosition(UINT nId);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnWindowPosChanged(WINDOWPOS* pPos);
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    static CKTRibbonBar* InstallControls(CKTRibbonBar* pBar);
    void MeasureQuickAccess();
    // Places the toolbar; gives where the tab row starts.
    int LayoutQuickAccess(int nWidth, int xTabRow);
    // The quick access row's rectangle; TRUE when it stands at the tab row's left end.
    BOOL PlaceQuickAccessRow(int nWidth, int xTabRow);
    // Its controls from x on, hiding those past the limit behind the "more" button; the x after the last.
    int PlaceQuickAccessControls(int x, int nLimit, BOOL bInTabRow);
    // Places the system button; gives where the tab row starts.
    int LayoutSystemButton();
    // Where the toolbar in the caption starts, given the large system button's room.
    int GetQuickAccessCaptionLeft(int nLargeButtonRoom) const;
    BOOL LoadQuickAccess(CKTPropExchange* pPX);
    // Replaces the toolbar's controls by clones of these and takes the two states.
    void TakeQuickAccess(const CKTControls* pControls, BOOL bRecursive, BOOL bBelow, BOOL bMinimized);
    // The drop-down menu's title and one entry per default command, where the customise flag and a list allow.
    void AddDefaultCommands(CKTPopupBar* pPopup);
    BOOL IsOnCaption(CPoint pt) const;
    CPoint GroupTipAnchor(CKTRibbonGroup* pGroup, CKTControl* pControl, DWORD& dwAlign) const;
    // Selects the tab and takes the keyboard there, showing its controls' tips unless minimised.
    void OpenTabByKeyboard(CKTRibbonTab* pTab);
    void DropTabDownByKeyboard(CKTRibbonTab* pTab);
    BOOL FocusTabRow();
    CKTRibbonTab* FindTabByAccessKey(UINT nKey) const;
    // Whether the group under the mouse may light: not while a popup, the keyboard or a control holds the bar.
    BOOL CanHighlightGroup() const;
    // Repaints only the group that goes dark and the one that lights.
    void SetHighlightedGroup(CKTRibbonGroup* pGroup);
    CKTRibbonGroup* GroupCaptionAt(CPoint pt) const;
    LRESULT NotifyTabChange(int nCode, CKTRibbonTab* pTab);
    void LayoutAndUpdate(int nWidth, int nHeight);
    void Layout(int nWidth, int nHeight);
    BOOL IsTabRowControl(CKTControl* pControl) const;
    // Left ones from x on, right ones leftwards from xRight; gives where the left ones end.
    int LayoutTabRowControls(int nWidth, int x, int& xRight);
    void LayoutGroups(CDC* pDC);
    void DrawGroups(CDC* pDC, CRect rcClipBox);
    int GetFrameBorder() const { return m_pFrameRegion ? m_pFrameRegion->GetFrameBorder() : 0; }
    // The caption buttons, the title and the context headers.
    void LayoutCaption(int nWidth);
    // Where the caption's free part starts after the quick access toolbar above; -1 without it.
    int GetQuickAccessCaptionEnd() const;
    void LayoutCaptionButtons();
    // Shows the button at the right of the caption buttons' row, making it first; removes an unwanted one.
    void LayoutCaptionButton(UINT nCommand, BOOL bWanted);
    void LayoutCaptionTitle();
    void RemoveCaptionButtons();
    // Stores the window's new visibility; TRUE when it changed.
    BOOL StoreWindowShown(BOOL bShown);

    CKTRibbonGroupsScroller m_scroller;
    CKTRibbonContextHeaders m_contextHeaders;
    CRect m_rcTabRow, m_rcGroups, m_rcCaption;
    CRect m_rcCaptionText, m_rcCaptionClient;
    std::unique_ptr<CKTFrameRegionHelper> m_pFrameRegion;  // while the ribbon draws the frame's caption
    BOOL m_bShown = TRUE;
    // The window's visibility as last shown or hidden: its style changes only after WM_SHOWWINDOW, when the frame
    // has already been laid out for the new state.
    BOOL m_bWindowShown = TRUE;
    BOOL m_bRibbonVisible = TRUE;
    BOOL m_bTabsVisible = TRUE;
    BOOL m_bMinimized = FALSE;
    BOOL m_bCaptionVisible = TRUE;
    BOOL m_bUpdatePending = FALSE;
    BOOL m_bMinimizeAllowed = TRUE;
    int m_nMinWidth = 250;
    int m_nFixedGroupHeight = 0;                      // 0 computes it
    CKTRibbonControlTab* m_pControlTab = NULL;        // one of the bar's controls
    CKTSmartPtr<CKTRibbonGroup> m_pHighlightedGroup;  // held: a tab may drop its groups while the mouse is over one

    CKTSmartPtr<CKTRibbonQuickAccessControls> m_pQuickAccess;
    CKTControl* m_pQuickAccessPopup = NULL;     // one of the bar's controls
    CKTControl* m_pQuickAccessMore = NULL;      // one of the bar's controls
    CKTControl* m_pSystemButton = NULL;         // one of the bar's controls, when added
    CKTSmartPtr<CKTControl> m_pContextControl;  // the control whose context menu is open
    CRect m_rcQuickAccess;
    BOOL m_bQuickAccessBelow = FALSE;
    BOOL m_bQuickAccessVisible = TRUE;
    BOOL m_bAllowQuickAccessDuplicates = FALSE;
    BOOL m_bQuickAccessCustomizable = TRUE;
    int m_nQuickAccessHeight = 0;
};

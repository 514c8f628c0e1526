// KTCommandBar.h: the window of every bar: its controls, hot tracking, tracking mode, idle update and painting.
//
// Classes: CKTCommandBar.
#pragma once

#include <afxwin.h>

#include "KTCommandBarsDefs.h"
#include "KTHookSink.h"
#include "KTSmartPtr.h"
#include "KTToolTipController.h"

#include <memory>

class CKTAccessible;
class CKTBarDropTarget;
class CKTCommandBarAnimator;
class CKTCommandBarKeyboardTip;
class CKTCommandBarList;
class CKTCommandBars;
class CKTControl;
class CKTControls;
class CKTImageManager;
class CKTMenuBar;
class CKTPaintManager;
struct KT_CONTROLCREATION;
class CKTPopupBar;
class CKTPropExchange;
class CKTRibbonBar;
class CKTToolBar;
struct KT_PROPEXCHANGE_PARAMS;

class CKTCommandBar : public CWnd
{
    DECLARE_DYNCREATE(CKTCommandBar)
public:
    CKTCommandBar();
    ~CKTCommandBar() override;

    // The controls; the bar holds the collection.
    CKTControls* GetControls() const { return m_pControls; }
    void SetControls(CKTControls* pControls);
    int GetControlCount() const;
    CKTControl* GetControl(int nIndex) const;

    CKTCommandBars* GetCommandBars() const;
    void SetCommandBars(CKTCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    CKTCommandBar* GetRootParent() const;
    virtual CKTCommandBar* GetParentCommandBar() const { return NULL; }
    CKTPaintManager* GetPaintManager() const;
    void SetPaintManager(CKTPaintManager* pPaintManager);
    CKTImageManager* GetImageManager() const;
    // Images of the bar's own, before those of its command bars; NULL goes back to theirs.
    void SetImageManager(std::unique_ptr<CKTImageManager> pImageManager);
    CWnd* GetSite() const;
    CWnd* GetOwnerSite() const;
    CFrameWnd* GetFrameSite() const;
    void SetCommandOwner(CWnd* pOwner) { m_pCommandOwner = pOwner; }
    // The TrackPopupMenu flags a tracked popup keeps: TPM_RIGHTBUTTON, TPM_NONOTIFY and TPM_RECURSE.
    void SetTrackPopupFlags(UINT nFlags)
    {
        m_nTrackPopupFlags = nFlags & (TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RECURSE);
    }
    UINT GetTrackPopupFlags() const { return m_nTrackPopupFlags; }
    BOOL IsCustomizeMode() const;

    int GetType() const { return m_nBarType; }
    int GetPosition() const { return m_nBarPosition; }
    virtual BOOL SetPosition(int nPosition);
    UINT GetBarID() const { return m_nBarID; }
    void SetBarID(UINT nId) { m_nBarID = nId; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwAdd, DWORD dwRemove = 0) { m_dwFlags = (m_dwFlags | dwAdd) & ~dwRemove; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetShowGripper(BOOL bShow);
    BOOL GetShowGripper() const { return (m_dwStyle & CBRS_GRIPPER) != 0; }
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle);
    virtual BOOL IsVisible() const { return m_bVisible; }
    virtual void SetVisible(BOOL bVisible);
    virtual BOOL IsPopupBar() const { return FALSE; }
    virtual BOOL IsRibbonBar() const { return FALSE; }
    // The bar as its kind; NULL for a bar of another kind.
    virtual CKTPopupBar* AsPopupBar() { return NULL; }
    virtual CKTToolBar* AsToolBar() { return NULL; }
    virtual CKTMenuBar* AsMenuBar() { return NULL; }
    virtual CKTRibbonBar* AsRibbonBar() { return NULL; }
    // The rectangle lies on the frame's caption drawn on glass, where drawing must carry its own alpha.
    virtual BOOL IsCompositedCaptionRect(const CRect& rc) const { return FALSE; }
    // The bar resizes in two dimensions from its edges.
    virtual BOOL IsResizable() const { return FALSE; }
    // Captions go below the icons of its buttons.
    virtual BOOL IsTextBelowIcons() const { return FALSE; }
    // A popup bar that shows its icons in two columns, the check marks beside the icons.
    virtual BOOL IsDoubleGripper() const { return FALSE; }
    BOOL IsVerticalPosition() const { return m_nBarPosition == ktBarLeft || m_nBarPosition == ktBarRight; }
    BOOL IsVerticalLayout() const { return IsVerticalPosition() || IsPopupBar(); }
    virtual BOOL IsKeyboardCuesVisible() const;
    // The bar's own icon size, else the options' (large when switched on), else the paint manager's.
    virtual CSize GetIconSize() const;
    // The size of large icons (captions below them): the options', else the automatic or twice the small one.
    CSize GetLargeIconSize(BOOL bAutomatic) const;
    virtual CSize GetButtonSize() const;
    // Whether the popup opening now may animate; asking clears it.
    BOOL TakePopupAnimation()
    {
        const BOOL bAnimate = m_bAnimatePopup;
        m_bAnimatePopup = FALSE;
        return bAnimate;
    }
    int GetDefaultButtonStyle() const { return m_nDefaultButtonStyle; }
    int GetMRUWidth() const { return m_nMRUWidth; }
    void SetMRUWidth(int nWidth) { m_nMRUWidth = nWidth; }
    void SetDefaultButtonStyle(int nStyle) { m_nDefaultButtonStyle = nStyle; }
    // The bar's hot control and the one whose popup is open, -1 for none.
    int GetSelected() const { return m_nSelected; }
    int GetPopuped() const { return m_nPopuped; }
    int GetTrackingMode() const { return m_nTrackingMode; }
    int GetRecursionLock() const { return m_nLockRecurse; }
    // The window that had the focus when the bar began tracking, or before a field of the bar took it.
    HWND GetFocusBefore() const { return m_hwndFocus; }
    void SetFocusBefore(HWND hWnd) { m_hwndFocus = hWnd; }
    void LockRecursion(int nStep) { m_nLockRecurse += nStep; }

    // Tracking, selection and popups.
    virtual BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE);
    virtual BOOL SetSelected(int nSelected, int nKeyboard = FALSE);
    // Scrolls the bar so that the control shows; the keyboard calls it on each control it selects.
    virtual void EnsureControlVisible(CKTControl* pControl) {}
    BOOL SetPopuped(int nPopuped, BOOL bKeyboard = FALSE);
    // Shows the bar as the popup of a control; bars that cannot pop up refuse.
    virtual BOOL Popup(CKTControl* pControlPopup, BOOL bKeyboard) { return FALSE; }
    int GetKeyboardSelection() const { return m_nKeyboardSelection; }
    virtual void OnControlSelected(BOOL bSelected, CKTControl* pControl);
    virtual void OnControlsChanged();
    // The indexes moved: no control is selected or open any more, and the one that was selected is told.
    void ForgetSelection();
    void SetStatusIndex(int nIndex) { m_nStatusIndex = nIndex; }
    virtual int IsPointInside(int x, int y) const;

    // Menus, layout and drawing.
    virtual BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveAll = TRUE);
    // Buttons from the tool-bar resource of the id, and its bitmap's images; FALSE when the resource is unusable.
    virtual BOOL LoadToolBar(UINT nId, BOOL bLoadImages = TRUE);
    // A button per id; a 0 starts a group.
    // The site hears of each button (0x285E, 0x285F) and may replace it; 0 starts a group.
    void SetButtons(const UINT* pIds, int nCount);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual void OnRecalcLayout();
    virtual void Redraw(LPCRECT lpRect = NULL, BOOL bAnimate = TRUE);
    void DelayRedraw() { m_dwPendingUpdate |= ktPendingRedraw; }
    // Keeps a picture of the bar so that a repaint is one copy.
    void EnableDoubleBuffer(BOOL bEnable = TRUE);
    BOOL HasPaintCache() const;
    // Parts that change cross-fade from their old look to the new one.
    // Redraws the bar and each bar it opened from.
    void RedrawWithParents();
    void HideKeyboardTips();
    void EnableAnimation(BOOL bEnable);
    BOOL IsAnimationEnabled() const;
    const CKTCommandBarAnimator* GetAnimator() const { return m_pAnimator.get(); }
    // Lays the bar out at the next idle time.
    virtual void DelayLayout() { m_dwPendingUpdate |= ktPendingLayout; }
    void LockRedraw() { m_nLockRedraw++; }
    void UnlockRedraw();
    virtual void DrawCommandBar(CDC* pDC, CRect rcClipBox);
    // The face under the controls: the paint manager's, unless the bar has a look of its own.
    virtual void FillCommandBarEntry(CDC* pDC);
    virtual void IdleUpdate(BOOL bUpdate = TRUE, BOOL bDisableIfNoHandler = TRUE);
    // Gives every control, popups included, the shortcut text of its command.
    virtual void UpdateShortcuts();
    // Each control takes the new theme's metrics; a popup control passes them on to the bar it drops down.
    void OnThemeChanged();
    virtual void OnRemoved();
    virtual CKTCommandBar* Clone(BOOL bRecursive);
    virtual void Copy(CKTCommandBar* pFrom, BOOL bRecursive);
    BOOL IsCustomizable() const { return m_bCustomizable; }
    void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }
    // Set: as a popup the bar does not scroll when it does not fit, and a customise drop takes only the controls
    // across the pointer.
    void SetNoScrolling(BOOL bNoScrolling) { m_bNoScrolling = bNoScrolling; }
    BOOL IsNoScrolling() const { return m_bNoScrolling; }
    // TRUE or FALSE overrides the options' text-below-icons; 2 follows them.
    void SetTextBelowIcons(int nTextBelowIcons) { m_nTextBelowIcons = nTextBelowIcons; }

    // Saved state: the bar's own keys, then its controls.
    virtual void DoPropExchange(CKTPropExchange* pPX);
    // Puts the bar, and the popup bars its controls reach, into the save list; nId numbers the generated ids.
    virtual void GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams);
    // Links the loaded popup controls to the loaded bars they name.
    virtual void RestoreCommandBarList(CKTCommandBarList* pList);
    // The bar as the target of a control dragged while customising.
    CKTBarDropTarget* GetDropTarget() const { return m_pDropTarget.get(); }
    // Creates the bar as a child strip of the parent.
    BOOL CreateBarWindow(LPCSTR lpszClass, CWnd* pParent, UINT nId);

    CKTHookSink* GetHookSink() { return &m_hookSink; }
    virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult);
    // TRUE took the key; ktHookStopHere lets it through to the window with the focus; FALSE leaves it to the
    // next tracking bar.
    virtual BOOL OnHookKeyDown(UINT nChar, LPARAM lParam);
    // The wheel turned while the bar tracks on top; TRUE when the bar took it.
    virtual BOOL OnHookMouseWheel(int nDelta, CPoint ptScreen) { return FALSE; }
    // One of KTNavigationCode; FALSE lets the key go on to the next tracking bar.
    virtual BOOL HandleNavigationCode(int nCode);
    // The control whose access key is the key, searching after the selection; -1 for none. Without
    // bFirstLetter only an '&' letter matches.
    int FindAccessKey(UINT nChar, BOOL* pAmbiguous, BOOL bFirstLetter = TRUE) const;
    // A letter counts only where its caption, and so its underline, shows; menus and menu bars draw every caption.
    virtual BOOL IsAccessByShownCaptionOnly() const { return TRUE; }
    // Alt+key from the frame, before its controls' access keys are searched; TRUE when the bar took it.
    virtual BOOL ProcessAccessKey(UINT) { return FALSE; }
    void ClickByKey(CKTControl* pControl);
    void TipByKey(CKTControl* pControl);
    // Adds to the command bars a tip per reachable control and, on a top-level bar, one per other visible bar.
    virtual void CreateKeyboardTips();
    // The tip was typed whole: runs its control or activates its bar.
    virtual void OnKeyboardTip(CKTCommandBarKeyboardTip* pTip);
    BOOL IsLayoutRTL() const;
    // Space on the menu bar: the frame's system menu.
    void OpenSystemMenu(CKTCommandBars* pCommandBars);
    // The control under the point as a tool: its tooltip, and its shortcut when asked for.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    CKTToolTipController* GetToolTipContext() const { return m_pToolTipContext; }
    // What a screen reader is told of the bar; made on first use.
    CKTAccessible* GetAccessible();

protected:
    // One button of SetButtons: the site's control, or one of the record's type and style.
    CKTControl* AddButton(KT_CONTROLCREATION& cs);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    // In the site's context-help mode a popup control answers as a menu, so that help mode opens it.
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    // A popup left open under the mouse shows its rarely used commands.
    void OnExpandTimer();
    DECLARE_MESSAGE_MAP()
protected:
    void DrawControls(CDC* pDC, CRect rcClipBox);
    // The customise selection's frame and the drop marker, over the controls.
    void DrawCustomizeMarks(CDC* pDC);
    // Alt and a press on a toolbar's control, outside customise mode: the control is dragged as if customising.
    BOOL AltDragControl(CKTControl* pControl, CPoint point);
    BOOL IsMouseLocked() const;
    // No tips while a menu of the bar is open, the keyboard tracks it or another bar tracks.
    BOOL IsToolTipPaused() const;
    BOOL IsActive() const;
    // The site frame waits for a click that names a help topic.
    BOOL IsSiteInHelpMode() const;
    void UpdateCommandUI(CWnd* pOwner, BOOL bDisableIfNoHandler);
    // What F1 over the control asks help for.
    static int GetControlHelpId(CKTControl* pControl);
    // The control under a client point, -1 for none.
    int HitTestIndex(CPoint pt) const;
    // What an arrow, Home or End key means on this bar; -1 for other keys.
    int KeyToNavigationCode(UINT nChar) const;
    BOOL OnBarKey(UINT nChar);
    void ReselectByKeyboard();
    CKTSmartPtr<CKTControl> HeldControlAt(CPoint point) const;
    void ClosePopupOfSelection();
    BOOL OnCharacterKey(UINT nChar);
    // Whether the control's letter counts here: only where its caption is drawn.
    BOOL TakesAccessLetter(const CKTControl* pControl) const;
    BOOL NotifySiteOfKey(UINT& nChar, LPARAM lParam);
    void FocusSelectedField();
    // Gives the focus to the parent's next (or previous) tab stop, as a dialog's Tab does.
    void MoveFocusToTabStop(BOOL bPrevious);
    BOOL MoveToRow(int nDirection);

    // Passes hook messages to the bar.
    class CBarHookSink : public CKTHookSink
    {
    public:
        explicit CBarHookSink(CKTCommandBar* pBar) : m_pBar(pBar) {}
        int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override
        {
            return m_pBar->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
        }

    private:
        CKTCommandBar* m_pBar;
    };

    CBarHookSink m_hookSink;
    BOOL m_bIgnoreMouseLock = FALSE;
    BOOL m_bHideCaret = TRUE;
    int m_nMRUWidth = 32767;  // the width a floating bar had last
    int m_nSelected = -1;
    int m_nPopuped = -1;
    HWND m_hwndFocus = NULL;  // had the focus before the tracking; its caret hidden unless a field of the bar
    UINT m_nBarID = 0;
    BOOL m_bVisible = TRUE;
    int m_nTrackingMode = ktTrackingNone;
    CWnd* m_pPopupOwner = NULL;  // given to a popup tracking
    DWORD m_dwPendingUpdate = 0;
    DWORD m_dwFlags = 0;
    DWORD m_dwStyle = CBRS_GRIPPER;
    CString m_strTitle;
    int m_nBarType = ktBarTypeNormal;
    CKTSmartPtr<CKTControls> m_pControls;
    int m_nBarPosition = ktBarNone;
    CKTCommandBars* m_pCommandBars = NULL;  // not held: the command bars hold the bar
    CWnd* m_pCommandOwner = NULL;
    UINT m_nTrackPopupFlags = 0;
    int m_nLockRecurse = 0;
    int m_nKeyboardSelection = 0;  // how the tracking began; 0 mouse
    int m_nLockRedraw = 0;
    BOOL m_bHoverOpen = TRUE;
    BOOL m_bAnimatePopup = FALSE;                      // the popup opening next may animate; taken by it
    CKTSmartPtr<CKTPaintManager> m_pPaintManager;      // own drawer, usually none
    std::unique_ptr<CKTImageManager> m_pImageManager;  // own images, usually none
    std::unique_ptr<CKTCommandBarAnimator> m_pAnimator;
    CKTSmartPtr<CKTToolTipController> m_pToolTipContext;  // the command bars' own, or the bar's
    int m_nStatusIndex = -1;
    int m_nDefaultButtonStyle = ktButtonAutomatic;
    CSize m_szIcons = CSize(0, 0);
    CSize m_szButtons = CSize(0, 0);
    std::unique_ptr<CKTAccessible> m_pAccessible;  // made on first use
    BOOL m_bCustomizable = TRUE;
    BOOL m_bNoScrolling = FALSE;  // never scrolls as a popup; drops only across its controls
    std::unique_ptr<CKTBarDropTarget> m_pDropTarget;
    int m_nTextBelowIcons = 2;  // 2: as the options say
};

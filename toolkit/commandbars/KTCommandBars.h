// KTCommandBars.h: a frame's bars and the state they share; the frame is their site.
//
// Classes: CKTCommandBars, IKTTabClient, IKTCommandBarsSite.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"
#include "KTSystemChange.h"
#include "KTToolTipController.h"

#include <memory>
#include <vector>

class CKTAcceleratorManager;
class CKTCommandBar;
class CKTCommandBarList;
class CKTCommandBars;
class CKTCommandBarsOptions;
class CKTCommandBarsState;
class CKTControl;
class CKTControlAction;
class CKTControlActions;
class CKTCustomizeMode;
class CKTDockBar;
class CKTImageManager;
class CKTKeyboardTips;
class CKTMenuBar;
class CKTMouseHookManager;
class CKTPaintManager;
class CKTPopupBar;
class CKTReBar;
class CKTToolBar;

// What the bars ask of an MDI client that shows its children as tabs.
class IKTTabClient
{
public:
    virtual ~IKTTabClient() = default;
    virtual void Refresh(BOOL bRecalcLayout) = 0;
};

// A frame that holds command bars: windows inside it reach the bars (and their theme) through this,
// whatever the frame's class.
class IKTCommandBarsSite
{
public:
    virtual CKTCommandBars* GetCommandBars() const = 0;

protected:
    ~IKTCommandBarsSite() = default;
};

class CKTCommandBars : public CCmdTarget, public IKTSystemChangeSink
{
    DECLARE_DYNCREATE(CKTCommandBars)
public:
    CKTCommandBars();
    ~CKTCommandBars() override;

    void SetSite(CWnd* pSite);
    CWnd* GetSite() const { return m_pSite; }
    // The site as a frame, or as an MDI frame; NULL for a site of another kind (a dialog).
    CFrameWnd* GetFrameSite() const;
    CMDIFrameWnd* GetMDIFrameSite() const;
    // Makes the four dock bars; throws the resource exception when one fails.
    void EnableDocking();
    CKTDockBar* GetDockBar(int nPosition) const;

    // A menu bar of the class (the plain menu bar for NULL); menu id 0 starts it empty.
    CKTMenuBar* SetMenu(LPCSTR lpszName, UINT nMenuId, CRuntimeClass* pMenuBarClass = NULL);
    CKTToolBar* Add(LPCSTR lpszName, int nPosition, CRuntimeClass* pToolBarClass = NULL);
    // A toolbar of the user's: floating when made by tearing a popup off, else at the top; the site may fill it.
    virtual CKTToolBar* AddCustomBar(LPCSTR lpszName, UINT nId, BOOL bTearOff = FALSE);
    void Remove(CKTToolBar* pBar);
    // Removes a bar from inside its own message handling: the object lives on until the next idle time.
    void RemoveLater(CKTToolBar* pBar);
    // A site that holds its toolbars in a rebar gives the bar a band, or takes its band away.
    virtual void OnToolBarAdded(CKTToolBar* pBar);
    virtual void OnToolBarRemoved(CKTToolBar* pBar);
    void RemoveAll();
    int GetCount() const { return (int)m_bars.size(); }
    CKTToolBar* GetAt(int nIndex) const;
    int FindIndex(CKTToolBar* pBar) const;
    CKTToolBar* GetToolBar(UINT nId) const;
    virtual CKTMenuBar* GetMenuBar() const;
    BOOL DockCommandBar(CKTToolBar* pBar, int nPosition);
    // Docks the bar into the dock bar where the screen rectangle lies.
    BOOL DockCommandBar(CKTToolBar* pBar, const CRect& rcScreen, CKTDockBar* pDock);
    BOOL FloatCommandBar(CKTToolBar* pBar);
    // From index + direction, wrapping once, the first visible bar; -1 for none.
    int GetNextVisibleBar(int nIndex, int nDirection) const;
    void ToggleVisible(int nIndex);
    // Every bar steps aside for print preview and comes back after it.
    void OnSetPreviewMode(BOOL bPreview);
    // The dock bar that would take a bar dropped at the screen point, the current one first.
    CKTDockBar* CanDock(CPoint pt, CKTDockBar* pCurrent = NULL) const;
    void UpdateDelayedLayout();
    // The menu resource of what is active: the default menu, a document's template, a child frame's own.
    virtual UINT GetActiveDocTemplate() const;
    // Into an expand button's popup: clones of the controls that did not fit in the bar's row.
    virtual void AddClippedControls(CKTToolBar* pBar, CKTCommandBar* pPopup);
    // Into an expand button's popup: one entry per bar of the row, then the customise command.
    virtual void AddToolbarListControls(CKTToolBar* pBar, CKTCommandBar* pPopup);
    void RecalcFrameLayout(BOOL bDelay = FALSE);
    // Re-lays out and redraws every bar after a colour or setting change.
    void RedrawCommandBars();
    void OnSystemChange(KTSystemChangeKind nKind) override;

    CKTControlAction* CreateAction(int nId);
    CKTControlAction* FindAction(int nId) const;
    CKTControlActions* GetActions() const { return m_pActions; }
    BOOL IsActionsEnabled() const { return m_bEnableActions; }
    void EnableActions(BOOL bEnable = TRUE) { m_bEnableActions = bEnable; }

    CKTPaintManager* GetPaintManager() const;
    void SetPaintManager(CKTPaintManager* pPaintManager);
    CKTImageManager* GetImageManager() const;
    // Icons of these bars alone; NULL goes back to the global images.
    void SetImageManager(std::unique_ptr<CKTImageManager> pImageManager);
    CKTMouseHookManager* GetMouseManager();
    CKTCommandBarsOptions* GetCommandBarsOptions() const { return m_pOptions; }
    CKTAcceleratorManager* GetAcceleratorManager() const { return m_pAccelManager; }
    void ClosePopups();
    // Runs the popup until it closes: TRUE, or with TPM_RETURNCMD the chosen command (0 when cancelled).
    static UINT TrackPopupMenu(CKTPopupBar* pPopup, UINT nFlags, int x, int y, CWnd* pWnd = NULL,
                               LPCRECT lprcExclude = NULL, CWnd* pWndOwner = NULL);
    // The toolbars list at a screen point, run until it closes; the site may add to it first.
    virtual void ContextMenu(WPARAM wParam, int x, int y);
    // A fresh popup for ContextMenu, holding the toolbars list; a derived class may offer more in it.
    virtual CKTSmartPtr<CKTPopupBar> GetToolbarsPopup();
    UINT TrackPopupMenuEx(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner = NULL, LPTPMPARAMS lptpm = NULL);
    CKTToolTipController* GetToolTipContext() const { return m_pToolTipContext; }

    // Customise mode, its selection and its drag and drop.
    CKTCustomizeMode* GetCustomize() const { return m_pCustomize.get(); }
    BOOL IsCustomizeMode() const;
    // Customising may then move every control, whatever its bar or its flags say.
    void SetCustomizeMoveAll(BOOL bMoveAll) { m_bCustomizeMoveAll = bMoveAll; }
    BOOL IsCustomizeMoveAll() const { return m_bCustomizeMoveAll; }
    BOOL IsKeyboardCuesVisible() const { return m_bKeyboardCuesVisible; }
    // Shows or hides the cues while they follow Alt and keyboard navigation.
    void ShowKeyboardCues(BOOL bShow);
    void SetKeyboardCuesVisible(BOOL bVisible);
    void SetKeyboardCuesInUse(BOOL bInUse) { m_bKeyboardCuesUse = bInUse; }
    BOOL IsKeyboardCuesInUse() const { return m_bKeyboardCuesUse; }
    // Alt+Shift+letter then is no frame access key.
    void SetShiftIgnoresAccessKeys(BOOL bIgnore) { m_bShiftIgnoresAccessKeys = bIgnore; }
    BOOL GetShiftIgnoresAccessKeys() const { return m_bShiftIgnoresAccessKeys; }
    // The site reads right to left now, or did when it was set.
    BOOL IsLayoutRTL() const;
    void SetHelpId(int nId) { m_nHelpId = nId; }
    int GetHelpId() const { return m_nHelpId; }
    virtual void OnTrackingModeChanged(CKTCommandBar* pBar, int nMode);
    virtual BOOL IsCommandHidden(UINT nId) const;
    virtual BOOL IsControlHidden(CKTControl* pControl) const;
    void SetCommandUsed(UINT nId);

    // The frame's messages: TRUE consumes one.
    BOOL HandleFrameMessage(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL PreTranslateFrameMessage(MSG* pMsg);
    // Alt+letter: opens or runs the menu bar's control with that access key.
    BOOL OnFrameAccessKey(UINT nKey);
    // Ctrl+Tab: the next visible toolbar in the direction takes the keyboard; TRUE when one did.
    BOOL ActivateNextToolBar(CKTCommandBar* pBar, int nDirection);
    // The bar takes the keyboard with its first control selected.
    void SetToolBarFocus(CKTCommandBar* pBar);

    CKTKeyboardTips* GetKeyboardTips() const { return m_pKeyboardTips.get(); }

    void SetTabClient(IKTTabClient* pTabClient) { m_pTabClient = pTabClient; }

    // Context menus the user may customise; saved with the toolbars.
    CKTCommandBarList* GetContextMenus() const { return m_pContextMenus; }
    void AddContextMenu(CKTPopupBar* pPopup);

    // A loaded toolbar that no bar of the frame had, at its saved position; dropped when it cannot go there.
    void AddLoadedBar(CKTToolBar* pLoaded);
    // Saved state of the toolbars, context menus and the popups they reach.
    CKTCommandBarsState* GetState() const { return m_pState.get(); }

private:
    CKTToolBar* AppendBar(CKTSmartPtr<CKTToolBar> pBar);
    void DetachBar(CKTToolBar* pBar);
    void IdleUpdateFloatingBars();
    BOOL IsAnyBarTracking() const;
    BOOL PreTranslateFrameKeys(MSG* pMsg);
    // The wheel is the tracking bars'; with none, over a ribbon it turns the ribbon's tabs. TRUE consumes it.
    BOOL PreTranslateFrameWheel(WPARAM wParam, LPARAM lParam);
    // A command the bar's field that has the focus handles itself; TRUE when it took it.
    BOOL OnFieldCommand(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // F1 on a frame that runs the help command: help on the bars' topic.
    BOOL OnFrameHelp(LRESULT* pResult);
    BOOL OnFrameSysCommand(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Alt or F10 alone: the menu bar takes the keyboard; TRUE when the request was used up.
    BOOL OnKeyMenu(WPARAM wParam, LPARAM lParam);
    void NoteAltClick(const MSG* pMsg);
    CKTCommandBar* GetAccessKeyBar() const;
    // The site's top-level window is the active one (TRUE without a site).
    BOOL IsSiteActive() const;
    // The bars an Alt+letter searches: the first one, then, when toolbars answer access keys, the visible
    // bars after it.
    std::vector<CKTCommandBar*> GetAccessKeyBars(CKTCommandBar* pFirst) const;
    CKTReBar* GetSiteReBar() const;

    // First, so that it is gone last: every bar window leaves its drop source as it is destroyed.
    std::unique_ptr<CKTCustomizeMode> m_pCustomize;
    CKTSmartPtr<CKTPaintManager> m_pPaintManager;      // own drawer, usually none
    std::unique_ptr<CKTImageManager> m_pImageManager;  // own images, usually none
    BOOL m_bShiftIgnoresAccessKeys = FALSE;
    BOOL m_bCustomizeMoveAll = FALSE;
    UINT m_nDefaultMenuId = 0;
    CKTSmartPtr<CKTCommandBarsOptions> m_pOptions;
    std::vector<CKTSmartPtr<CKTToolBar>> m_bars;  // in creation order
    std::unique_ptr<CKTDockBar> m_pDocks[4];      // top, bottom, left, right
    CWnd* m_pSite = NULL;                         // the frame
    CKTMouseHookManager* m_pMouseManager = NULL;  // the first asking thread's
    BOOL m_bKeyboardCuesVisible = TRUE;
    BOOL m_bAltClicked = FALSE;  // a mouse button went down while Alt was held: its release opens no menu
    CKTSmartPtr<CKTAcceleratorManager> m_pAccelManager;
    int m_nHelpId = 0;
    CKTSmartPtr<CKTControlActions> m_pActions;
    CKTSmartPtr<CKTToolTipController> m_pToolTipContext;
    BOOL m_bEnableActions = FALSE;  // controls share one action per command once on
    BOOL m_bLockLayout = FALSE;
    BOOL m_bKeyboardCuesUse = FALSE;
    BOOL m_bRightToLeft = FALSE;
    IKTTabClient* m_pTabClient = NULL;  // not owned
    std::unique_ptr<CKTKeyboardTips> m_pKeyboardTips;
    std::unique_ptr<CKTCommandBarsState> m_pState;
    CKTSmartPtr<CKTCommandBarList> m_pContextMenus;
    std::vector<CKTSmartPtr<CKTToolBar>> m_removedBars;  // released at the next idle time
};

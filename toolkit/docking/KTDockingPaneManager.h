// KTDockingPaneManager.h: the one object through which a frame gets docking panes; it owns the layout and the
// paint manager, lays the docked area out and tells its owner through KT_WM_DOCKINGPANENOTIFY.
//
// Classes: CKTDockingPaneManager.
#pragma once

#include <memory>

#include "KTDockingPaneAccessible.h"
#include "KTDockingPaneDropTarget.h"
#include "KTDockingPaneLayoutData.h"
#include "KTImageManager.h"
#include "KTSystemChange.h"
#include "KTToolTipController.h"

// The docking themes by id; SetTheme takes any other id too and draws it as the default one.
enum KTDockingPaneTheme : int
{
    ktDockingPaneThemeDefault = 0,
    ktDockingPaneThemeGradient = 1,        // gradient captions
    ktDockingPaneThemeHotTabs = 2,         // hot-tracked tabs, bold captions
    ktDockingPaneThemeVisualStyles = 3,    // captions through the "WINDOW" style
    ktDockingPaneThemeGripBars = 4,        // grip bars after the title
    ktDockingPaneThemeFramed = 5,          // panes and frames in three rings
    ktDockingPaneThemeFlat = 6,            // flat tabs without scheme colours
    ktDockingPaneThemeHotTabsPlain = 7,    // theme 2 without its drawing flags
    ktDockingPaneThemeRebar = 8,           // captions through the "REBAR" style
    ktDockingPaneThemeStickers = 9,        // solid captions and the sticker targets
    ktDockingPaneThemeStyleResources = 10  // colours from the style resources
};

class CKTDockingPaneContext;
class CKTDockingPaneMiniWnd;
class CKTDockingPanePaintManager;

class CKTDockingPaneManager : public CWnd, public IKTSystemChangeSink
{
public:
    CKTDockingPaneManager();
    ~CKTDockingPaneManager() override;
    CKTDockingPaneManager(const CKTDockingPaneManager&) = delete;
    CKTDockingPaneManager& operator=(const CKTDockingPaneManager&) = delete;

    BOOL InstallDockingPanes(CWnd* pSite, BOOL bClipChildren = TRUE);
    void SetTheme(KTDockingPaneTheme nTheme);
    // Flags of KTDockingPaneKeyboardFlags; 0 takes the site out of the keyboard hook.
    BOOL EnableKeyboardNavigate(int nFlags);
    int GetKeyboardNavigate() const { return m_nKeyboardNavigate; }

    virtual CKTDockingPaneLayoutData* CreateLayout();
    virtual LRESULT NotifyOwner(UINT nCode, LPARAM lParam);
    virtual CKTDockingPaneNode* OnCreatePane(int nType, CKTDockingPaneLayoutData* pLayout);
    virtual void OnActivatePane(BOOL bActivate, CKTDockingPane* pPane);

    CKTDockingPane* CreatePane(int nID, CRect rc, int nDirection, CKTDockingPaneNode* pNeighbour = nullptr);
    CKTDockingPane* FindPane(int nID) const;
    // The strip's 16-pixel images become the icons of the non-zero pane ids; FALSE unless it holds nCount.
    BOOL SetIcons(UINT nIDBitmap, const int* pIDs, int nCount, COLORREF clrMask);
    void SetIcon(int nID, HICON hIcon);
    CKTImageManagerIcon* GetIcon(int nID, int nWidth = 16) const;
    void ShowPane(CKTDockingPane* pPane, BOOL bSetFocus = TRUE);
    void ClosePane(CKTDockingPane* pPane);
    void HidePane(CKTDockingPaneNode* pNode);
    void DockPane(CKTDockingPaneNode* pNode, int nDirection, CKTDockingPaneNode* pNeighbour);
    void AttachPane(CKTDockingPaneNode* pNode, CKTDockingPaneNode* pTarget);
    void DockNode(CKTDockingPaneNode* pNode, int nDirection, CKTDockingPaneNode* pNeighbour);
    // Floats the node in a new frame at the screen rectangle; a container floats as a copy.
    CKTDockingPaneMiniWnd* FloatPane(CKTDockingPaneNode* pNode, CRect rc);
    // Where the node would lie, in screen coordinates, docked at the side of the neighbour (NULL: the whole area).
    CRect CalcDockingRect(CKTDockingPaneNode* pNode, int nDirection, CKTDockingPaneNode* pNeighbour);
    // The panes below the node, each held, so that an owner's answer cannot free one under a loop over them.
    static std::vector<CKTSmartPtr<CKTDockingPane>> GetHeldPanes(CKTDockingPaneNode* pNode);
    // A close the user asked for: the owner may cancel it before, and hears of it after.
    void ClosePaneByUser(CKTDockingPane* pPane);
    void ShowNode(CKTDockingPaneNode* pNode);
    BOOL ToggleDocking(CKTDockingPane* pPane, CKTDockingPaneTabbedContainer* pTarget);
    void ToggleNodeDocking(CKTDockingPaneNode* pNode);
    CKTDockingPaneTabbedContainer* GetPaneHolder(const CKTDockingPaneNode* pPane, BOOL bFloating);
    void UpdatePaneHolders();
    int GetPaneDirection(const CKTDockingPaneNode* pNode) const;
    BOOL IsLayoutRTL() const;
    int GetRTLDirection(int nDirection) const;
    void RecalcFrameLayout(CKTDockingPaneNode* pNode, BOOL bDelay = FALSE);
    void RedrawPanes();
    BOOL NotifyAction(int nAction, CKTDockingPane* pPane, CKTDockingPaneNode* pTarget = nullptr, int nDirection = 0);
    void UpdatePanesFocus();
    int ActivateNextPane(CKTDockingPane* pCurrent, BOOL bForward);

    CKTDockingPaneClientNode* GetClientPane() const;
    CKTDockingPaneSplitterContainer* GetTopPane() const;
    CKTDockingPaneLayoutData* GetLayout() const { return m_pLayout; }
    CKTDockingPanePaintManager* GetPaintManager() const { return m_pPaintManager; }
    CWnd* GetSite() const { return m_pSite; }
    CKTDockingPane* GetActivePane() const { return m_pActivePane; }
    CKTToolTipController* GetToolTipContext() const { return m_pToolTipContext; }
    CKTDockingPaneContext* GetDockingContext() const { return m_pContext.get(); }
    BOOL IsLaidOut() const { return m_bLaidOut; }
    BOOL IsInitialUpdateDone() const { return m_bInitialUpdate; }
    BOOL IsDockingInProgress() const { return m_bDockingInProgress; }

    int m_nSplitterGap = 22;  // least length bar tracking leaves to a neighbour
    BOOL m_bCloseGroupOnButtonClick = FALSE;
    BOOL m_bHideGroupOnButtonClick = TRUE;
    BOOL m_bShowSizeCursorWhileDragging = FALSE;
    CSize m_szClientMinimum{60, 60};
    BOOL m_bHideClient = FALSE;
    BOOL m_bSplitterTracker = TRUE;  // bars move as an outline until released
    BOOL m_bShowMaximizeButton = FALSE;
    BOOL m_bLockSplitters = FALSE;
    DWORD m_dwDefaultPaneOptions = 0;
    int m_nCaptionDirection = 0;
    int m_nSideSplitterWidth = 0;
    int m_nStickerStyle = 0;
    BOOL m_bAlphaDragging = FALSE;  // the drop target shows translucent instead of outlined
    BOOL m_bShowStickers = FALSE;   // with alpha dragging: docking stickers over the target
    BOOL m_bLiveFloating = FALSE;   // a pane dragged to no target floats at once and follows the cursor
    int m_nSnapDistance = 15;
    BOOL m_bSnapFloatingFrames = FALSE;
    BOOL m_bSyncActiveFloatingFrames = TRUE;
    int m_nFloatingFramesAlpha = 255;      // of an inactive floating frame
    BOOL m_bThemedFloatingFrames = FALSE;  // frames draw their own caption and border and can roll up
    CString m_strFloatingFrameCaption;     // of a floating frame holding several groups
    // The Ctrl+Tab selector is made from this class, which an application may derive.
    CRuntimeClass* m_pWindowSelectClass;  // CKTDockingPaneWindowSelect unless set

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnSystemChange(KTSystemChangeKind nKind) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    static void RegisterWindowClasses();
    void DockBesideTop(CKTDockingPaneNode* pNode, BOOL bHorizontal, BOOL bAfter);
    void DockBesideNeighbour(CKTDockingPaneNode* pNode, CKTDockingPaneNode* pNeighbour, BOOL bHorizontal, BOOL bAfter);
    CKTDockingPaneNode* WrapPane(CKTDockingPaneNode* pNode, CWnd* pSite);
    CKTDockingPaneNode* ResolveNeighbour(CKTDockingPaneNode* pNeighbour) const;
    void RestoreClosedPane(CKTDockingPane* pPane);
    void ShowPaneMenu();

    static void PostLayoutSize(CWnd* pSite, BOOL bDelay);

    CKTDockingPaneOleSession m_oleSession;  // first in, last out: the panes' drop targets need it
    CWnd* m_pSite = nullptr;
    CKTSmartPtr<CKTDockingPaneLayoutData> m_pLayout;
    CKTSmartPtr<CKTDockingPanePaintManager> m_pPaintManager;
    CKTSmartPtr<CKTDockingPane> m_pActivePane;
    CKTSmartPtr<CKTToolTipController> m_pToolTipContext = KTMakeCounted<CKTToolTipController>();  // captions, tabs
    std::unique_ptr<CKTDockingPaneContext> m_pContext;
    int m_nKeyboardNavigate = 0;
    CString m_strMoveMenuText = "&Move";
    CKTDockingPaneManagerAccessible m_accessible{this};
    CKTImageManager m_imageManager;  // pane icons by pane or icon id
    HWND m_hwndLastFocus = NULL;
    BOOL m_bDockingInProgress = FALSE;
    BOOL m_bLaidOut = FALSE;
    BOOL m_bInitialUpdate = FALSE;
};

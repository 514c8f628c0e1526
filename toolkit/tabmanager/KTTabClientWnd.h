// KTTabClientWnd.h: shows every MDI child of a frame as a tab, in one or more tab groups.
//
// Classes: CKTTabClientWnd.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "KTCommandBars.h"
#include "KTResourceCursor.h"
#include "KTSmartPtr.h"
#include "KTTabClientDropTarget.h"
#include "KTTabClientGroup.h"
#include "KTTabPainter.h"
#include "KTToolTipController.h"

// Queries to an MDI child (0 means no answer) and reports to the frame.
const UINT KT_TABCLIENT_GETICON = 0x2860;      // an icon handle
const UINT KT_TABCLIENT_GETCAPTION = 0x2869;   // a pointer to the tab's text
const UINT KT_TABCLIENT_GETTOOLTIP = 0x286B;   // wParam the tab; a pointer to its tooltip
const UINT KT_TABCLIENT_GETCOLOR = 0x28B9;     // a colour or colour index
const UINT KT_TABCLIENT_ITEMCREATED = 0x286C;  // wParam the new tab
const UINT KT_TABCLIENT_MOUSEPRESS = 0x2868;   // wParam the mouse message, lParam its lParam; non-zero: handled

// Option bits of SetFlags.
enum KTTabClientFlags
{
    ktTabClientScrollAuto = 0x1,
    ktTabClientNoClose = 0x2,
    ktTabClientActiveFiles = 0x4,
    ktTabClientNoScroll = 0x8,
    ktTabClientTabCloseAlways = 0x10,
    ktTabClientTabCloseSelected = 0x20
};

// Where a dragged tab goes.
enum KTTabDropMode
{
    ktTabDropNone = 0,
    ktTabDropClient = 1,
    ktTabDropGroup = 2,
    ktTabDropNewHorizontal = 3,
    ktTabDropNewVertical = 4
};

enum KTTabNewPosition
{
    ktTabNewAtEnd = 0,
    ktTabNewAtStart = 1,
    ktTabNewAfterSelected = 2
};

class CKTTabClientWnd : public CWnd, public CKTTabPainter::CObserver, public IKTTabClient, public IKTSystemChangeSink
{
public:
    CKTTabClientWnd();
    ~CKTTabClientWnd() override;

    BOOL Attach(CMDIFrameWnd* pFrame, BOOL bEnableGroups = FALSE);
    void SetFlags(DWORD dwFlags);
    void EnableToolTips(int nMode) { m_pPainter->m_nToolTipMode = nMode; }
    int GetItemCount() const;
    CKTTabManagerItem* GetItem(int nIndex) const;
    CKTTabManagerItem* FindItem(HWND hWnd) const;
    void Refresh(BOOL bRecalcFrame = TRUE) override;
    // Whether a group command applies to the active child's tab, which it gives back.
    BOOL IsGroupCommandEnabled(UINT nID, CKTTabManagerItem** ppItem = NULL) const;
    // The tab under the point, as the group's tooltip mode allows.
    INT_PTR OnToolHitTest(CPoint pt, TOOLINFO* pTI) const override;
    // Applies the look a command-bars theme asks of the tabs.
    void ApplyTheme(CKTPaintManager* pPaintManager);
    // Shows the tabs in a workspace the client did not make (a tab-workspace control on a command bar) instead
    // of its own; NULL gives it its own again. The workspace's owner keeps it and tells ForgetWorkspace before
    // it goes.
    void SetSingleWorkspace(CKTTabClientGroup* pWorkspace);
    CKTTabClientGroup* GetSingleWorkspace() const { return m_pSingleWorkspace; }
    // The lent workspace leaves its command bar: the client shows no tabs until it is given one.
    void ForgetWorkspace(CKTTabClientGroup* pWorkspace);

    virtual void UpdateContents();
    virtual void FillBackground(CDC* pDC, CRect rc);
    virtual void DrawClient(CDC* pDC, CRect rc);
    virtual void RefreshTheme();
    virtual CString GetItemText(CWnd* pChild) const;
    virtual COLORREF GetItemColor(const CKTTabManagerItem* pItem) const;
    virtual HICON GetItemIcon(const CKTTabManagerItem* pItem) const;
    virtual CString GetItemTooltip(const CKTTabManagerItem* pItem) const;
    // The lent workspace when there is one; none while a control stands in for it; else a tab group without a
    // window of its own with groups, or the strip window beside the MDI client.
    virtual CKTTabClientGroupPtr CreateWorkspace();
    virtual CKTTabClientGroup* CreateGroup(int nIndex);
    virtual CKTTabManagerItem* AddItem(CWnd* pChild);
    virtual void ApplyFlags(CKTTabManager* pGroup);
    virtual BOOL OnBeforeItemClick(CKTTabManagerItem* pItem);
    // The frame's command bars, NULL when it has none.
    virtual CKTCommandBars* GetCommandBars() const;

    // The painter's options changed: lay out again.
    void OnPropertyChanged() override { Reposition(); }

    CKTTabPainter* GetPaintManager() const { return m_pPainter; }
    CMDIFrameWnd* GetFrame() const { return m_pFrame; }
    BOOL IsGroupsEnabled() const { return m_bEnableGroups; }
    BOOL IsAttached() const { return m_pFrame != NULL; }
    int GetGroupCount() const { return static_cast<int>(m_arrGroups.size()); }
    CKTTabClientGroup* GetGroup(int nIndex) const { return m_arrGroups[nIndex].get(); }
    int FindGroup(const CKTTabManager* pGroup) const;
    CKTTabClientGroup* GetActiveGroup() const { return m_pActiveGroup; }
    void SetActiveGroup(CKTTabClientGroup* pGroup);
    // As SetActiveGroup under the redraw lock: the groups' new look waits for the next reposition.
    void SetActiveGroupLocked(CKTTabClientGroup* pGroup);
    BOOL IsSplitHorizontal() const { return m_bHorizSplitting; }
    BOOL IsRedrawLocked() const { return m_bLockRedraw; }
    CKTToolTipController* GetToolTipController() const { return m_pToolTip; }
    // A mouse press offered to the frame first; TRUE when the frame took it.
    BOOL OfferPressToFrame(UINT message, LPARAM lParam);
    void MarkRepositionPending() { m_bRepositionPending = TRUE; }
    void SuspendUpdates() { m_bUpdateSuspended = TRUE; }
    // Lays the client out again: the frame first, then the groups in the MDI client.
    void Reposition();
    // Moves a tab into another group or a new one beside its own.
    void MoveItem(CKTTabManagerItem* pItem, CKTTabClientGroup* pTarget, int nDropMode);
    // The target of a tab dragged to the point (client co-ordinates); the outline to draw comes back.
    int FindDropTarget(CKTTabClientGroup* pSource, CPoint pt, CKTTabClientGroup** ppTarget, CRect& rcOutline) const;
    // Offers the group commands for a tab dropped in the client on no target (screen co-ordinates).
    void OpenDropPopup(CPoint ptScreen);
    // The cursor of a dragged tab: over the client, or where it cannot be dropped.
    HCURSOR GetDragCursor(BOOL bInside) const;

    BOOL m_bAllowReorder = TRUE;
    BOOL m_bThemedBackground = TRUE;
    BOOL m_bEnabled = TRUE;
    int m_nSplitterSize = 5;
    int m_nNewTabPosition = ktTabNewAtEnd;
    BOOL m_bUseSystemActivation = TRUE;
    BOOL m_bFollowCommandBarsTheme = TRUE;
    BOOL m_bTrackSplitter = TRUE;  // a dragged splitter shows as an outline until released; FALSE moves it live

protected:
    // The command bars' theme and workspace colour; FALSE without command bars.
    virtual BOOL GetCommandBarsTheme(int& nTheme, COLORREF& clrWorkspace) const;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The group commands as the frame routes them.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    void OnSystemChange(KTSystemChangeKind nKind) override;

    afx_msg LRESULT OnQuerySkinState(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDICreate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDIDestroy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDINext(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnDestroy();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    void OnPaintClient();
    void OnNcPaintClient();
    BOOL OnSetCursorClient(UINT nHitTest);
    void OnButtonDown(CPoint pt);
    BOOL OnGroupCommand(UINT nID);
    void LayoutGroups();
    // The groups that take room: those with a tab on show, or every group while none has one.
    std::vector<CKTTabClientGroup*> ShownGroups() const;
    // The group taking room after (nStep 1) or before (-1) the given one; NULL at either end.
    CKTTabClientGroup* ShownNeighbour(const CKTTabClientGroup* pGroup, int nStep) const;
    // A group of hidden tabs keeps its share and its children's places for when a tab shows again.
    void HideGroup(CKTTabClientGroup* pGroup);
    // The tab's child fills the group's client area, or shows nothing while the tab is hidden.
    void PlaceChild(CKTTabManagerItem* pItem, const CRect& rc);
    CRect GroupsRect() const;
    void UpdateGroupSizes();
    int SplitterAt(CPoint pt) const;
    void TrackSplitter(int nSplitter, CPoint pt);
    void DragSplitterLive(CKTTabClientGroup* pFirst, CKTTabClientGroup* pSecond, CPoint pt, const CRect& rcLimits);
    void ShareSizes(CKTTabClientGroup* pFirst, CKTTabClientGroup* pSecond, const CRect& rcSplitter,
                    const CRect& rcLimits);
    void RemoveUnseen();
    void RemoveEmptyGroups();
    void ActivateGroupOf(CKTTabManagerItem* pItem);
    void SelectTopmostWindow(CKTTabClientGroup* pGroup);
    CKTTabClientGroup* GroupOf(const CKTTabManagerItem* pItem) const;

    BOOL m_bUpdateSuspended = FALSE;
    BOOL m_bRepositionPending = FALSE;
    BOOL m_bLockRedraw = FALSE;
    std::vector<CKTTabClientGroupPtr> m_arrGroups;  // in display order
    CKTTabClientGroup* m_pSingleWorkspace = NULL;   // lent, not owned
    BOOL m_bWorkspaceIsControl = FALSE;             // the client makes no workspace of its own
    CMDIFrameWnd* m_pFrame = NULL;                  // not owned
    BOOL m_bRefreshGuard = FALSE;
    CKTSmartPtr<CKTTabPainter> m_pPainter;
    int m_nLastTheme = 0;
    CKTTabClientGroup* m_pActiveGroup = NULL;
    BOOL m_bHorizSplitting = FALSE;
    HCURSOR m_hCursorHoriz = NULL;  // shared resources, not owned
    HCURSOR m_hCursorVert = NULL;
    CKTResourceCursor m_curDrag;
    CKTResourceCursor m_curNoDrop;
    BOOL m_bEnableGroups = FALSE;
    DWORD m_dwFlags = 0;
    BOOL m_bUpdateGuard = FALSE;
    CKTSmartPtr<CKTToolTipController> m_pToolTip;
    CKTTabClientDropTarget m_dropTarget{this};
    UINT m_nMsgUpdateSkinState;
};

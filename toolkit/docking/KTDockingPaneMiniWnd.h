// KTDockingPaneMiniWnd.h: the small top-level frame in which groups of panes float, holding one splitter of them.
//
// Classes: CKTDockingPaneMiniWnd.
#pragma once

#include <afxwin.h>

#include "KTDockingPaneNode.h"

class CKTDockingPane;
class CKTDockingPaneSplitterContainer;

class CKTDockingPaneMiniWnd : public CMiniFrameWnd, public CKTDockingPaneContainer
{
    DECLARE_DYNAMIC(CKTDockingPaneMiniWnd)

public:
    explicit CKTDockingPaneMiniWnd(CKTDockingPaneLayoutData* pLayout);

    DWORD InternalAddRef() override { return CCmdTarget::InternalAddRef(); }
    DWORD InternalRelease() override { return CCmdTarget::InternalRelease(); }
    void OnFinalRelease() override;

    virtual void Copy(CKTDockingPaneMiniWnd* pSource, CKTDockingPaneCloneMap* pMap);
    using CMiniFrameWnd::Create;
    virtual BOOL Create(CRect rc);
    virtual void UpdateTransparency();

    // Floats the node (a pane is wrapped in a group first) in a new window at the screen rectangle.
    BOOL Init(CKTDockingPaneNode* pNode, CRect rc);
    CKTDockingPaneSplitterContainer* GetTopContainer() const;
    CKTDockingPane* GetSelectedPane() const;
    BOOL IsActive() const { return m_bHoldsFocus; }

    HWND GetPaneHwnd() const override { return GetSafeHwnd(); }
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
    DECLARE_MESSAGE_MAP()

private:
    void SetTopContainer(CKTDockingPaneSplitterContainer* pTop);
    void TrimSystemMenu();
    void EnableSystemClose(BOOL bEnable);
    BOOL CanCloseEveryPane();
    CKTDockingPane* GetMenuPane() const;

    BOOL m_bHoldsFocus = FALSE;     // the focus is in the frame or a window it owns
    BOOL m_bUpdatePending = FALSE;  // the captions are set at the next idle update
    BOOL m_bCollapsed = FALSE;      // kept for the archive: this frame does not roll up
    int m_nExpandedHeight = 0;
};

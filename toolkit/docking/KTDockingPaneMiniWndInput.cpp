// KTDockingPaneMiniWndInput.cpp: a floating frame's messages: closing, focus, sizing and its caption's mouse input.
#include <afxpriv.h>

#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneContext.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTSmartPtr.h"

BEGIN_MESSAGE_MAP(CKTDockingPaneMiniWnd, CMiniFrameWnd)
// void OnDestroy()
ON_WM_DESTROY()
// void OnSetFocus(CWnd* pOldWnd)
ON_WM_SETFOCUS()
// void OnClose()
ON_WM_CLOSE()
// void OnGetMinMaxInfo(MINMAXINFO* pMinMaxInfo)
ON_WM_GETMINMAXINFO()
// void OnNcLButtonDown(UINT nHitTest, CPoint point)
ON_WM_NCLBUTTONDOWN()
// void OnNcLButtonDblClk(UINT nHitTest, CPoint point)
ON_WM_NCLBUTTONDBLCLK()
// void OnNcRButtonDown(UINT nHitTest, CPoint point)
ON_WM_NCRBUTTONDOWN()
// void OnSizing(UINT nSide, LPRECT lpRect)
ON_WM_SIZING()
// LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
ON_WM_NCCALCSIZE()
// LRESULT OnNcHitTest(CPoint point)
ON_WM_NCHITTEST()
// void OnNcPaint()
ON_WM_NCPAINT()
// BOOL OnNcActivate(BOOL bActive)
ON_WM_NCACTIVATE()
// void OnNcMouseMove(UINT nHitTest, CPoint point)
ON_WM_NCMOUSEMOVE()
// LRESULT OnNcMouseLeave(WPARAM, LPARAM)
ON_MESSAGE(WM_NCMOUSELEAVE, OnNcMouseLeave)
// void OnTimer(UINT_PTR nIDEvent)
ON_WM_TIMER()
END_MESSAGE_MAP()

void CKTDockingPaneMiniWnd::OnDestroy()
{
    // Kept for a later save of the layout.
    CWnd::GetWindowRect(&m_rcWindow);
    m_pointer.Stop();
    CMiniFrameWnd::OnDestroy();
}

void CKTDockingPaneMiniWnd::OnSetFocus(CWnd* pOldWnd)
{
    CMiniFrameWnd::OnSetFocus(pOldWnd);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    if (CKTDockingPane* pSelected = m_pLayout && m_pLayout->IsValid() ? GetSelectedPane() : nullptr)
        pSelected->SetFocus();
    pManager->UpdatePanesFocus();
}

void CKTDockingPaneMiniWnd::OnClose()
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    // An owner that hides a pane moves it, and maybe this frame's groups, elsewhere: walk held panes.
    CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
    for (const auto& pPane : CKTDockingPaneManager::GetHeldPanes(this))
        if (!(pPane->GetOptions() & ktPaneNoCloseable))
            pManager->ClosePaneByUser(pPane);
}

void CKTDockingPaneMiniWnd::OnGetMinMaxInfo(MINMAXINFO* pMinMaxInfo)
{
    CMiniFrameWnd::OnGetMinMaxInfo(pMinMaxInfo);
    CKTDockingPaneSplitterContainer* pTop = GetTopContainer();
    // A rolled-up or sliding frame is shorter than its panes allow.
    if (!pTop || (m_bCollapsed && !m_bSlidOpen) || m_bSliding)
        return;
    MINMAXINFO mmi;
    pTop->GetMinMaxInfo(&mmi);
    CRect rcWindow, rcClient;
    CWnd::GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    const CSize szFrame = rcWindow.Size() - rcClient.Size();
    pMinMaxInfo->ptMinTrackSize.x = std::max(pMinMaxInfo->ptMinTrackSize.x, mmi.ptMinTrackSize.x + szFrame.cx);
    pMinMaxInfo->ptMinTrackSize.y = std::max(pMinMaxInfo->ptMinTrackSize.y, mmi.ptMinTrackSize.y + szFrame.cy);
    pMinMaxInfo->ptMaxTrackSize.x = std::min(pMinMaxInfo->ptMaxTrackSize.x, mmi.ptMaxTrackSize.x + szFrame.cx);
    pMinMaxInfo->ptMaxTrackSize.y = std::min(pMinMaxInfo->ptMaxTrackSize.y, mmi.ptMaxTrackSize.y + szFrame.cy);
}

void CKTDockingPaneMiniWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    CKTDockingPaneSplitterContainer* pTop = GetTopContainer();
    CKTDockingPaneCaptionButton* pButton = IsThemed() ? CaptionButtonAt(ScreenToWindow(point)) : nullptr;
    if (pButton && pButton->IsEnabled())
    {
        PressCaptionButton(pButton, ScreenToWindow(point));
        return;
    }
    if (nHitTest != HTCAPTION || !pManager || !pTop)
    {
        CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
    SetActiveWindow();
    BringWindowToTop();
    pManager->GetDockingContext()->Drag(pTop, point);
}

void CKTDockingPaneMiniWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (nHitTest != HTCAPTION || !pManager || !GetTopContainer())
    {
        CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
        return;
    }
    CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
    if (IsThemed() && CaptionButtonAt(ScreenToWindow(point)))
        return;
    if (m_bCollapsed)
        ToggleCollapse();
    else
        pManager->ToggleNodeDocking(GetTopContainer());
}

CKTDockingPane* CKTDockingPaneMiniWnd::GetMenuPane() const
{
    if (CKTDockingPane* pSelected = GetSelectedPane())
        return pSelected;
    CKTDockingPaneNodeList groups;
    const_cast<CKTDockingPaneMiniWnd*>(this)->FindPane(ktPaneTypeTabbedContainer, groups);
    for (CKTDockingPaneNode* pNode : groups)
    {
        auto* pGroup = static_cast<CKTDockingPaneTabbedContainer*>(pNode);
        if (pGroup->IsActive())
            return pGroup->GetSelected();
    }
    return nullptr;
}

void CKTDockingPaneMiniWnd::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    CKTDockingPane* pPane = nHitTest == HTCAPTION && pManager ? GetMenuPane() : nullptr;
    if (pPane)
    {
        CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
        pPane->SetFocus();
        KT_DOCKINGPANE_MENU menu = {pPane, point.x, point.y};
        if (pManager->NotifyOwner(ktDockingPanePaneMenu, LPARAM(&menu)))
            return;
    }
    CMiniFrameWnd::OnNcRButtonDown(nHitTest, point);
}

void CKTDockingPaneMiniWnd::OnSizing(UINT nSide, LPRECT lpRect)
{
    CMiniFrameWnd::OnSizing(nSide, lpRect);
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->GetDockingContext()->OnSizing(this, nSide, lpRect);
}

LRESULT CKTDockingPaneMiniWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    if (m_bUpdatePending)
    {
        m_bUpdatePending = FALSE;
        UpdatePane(FALSE);
    }
    return CMiniFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
}

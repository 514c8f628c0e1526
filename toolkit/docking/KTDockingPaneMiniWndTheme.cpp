// KTDockingPaneMiniWndTheme.cpp: a floating frame that draws its own caption and border, its caption buttons,
// and rolling it up to the caption with a slide open while the mouse is near.
#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneCaptionButtonTracker.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneAutoHideWnd.h"
#include "KTSmartPtr.h"

namespace
{
enum
{
    kLeaveTimer = 1,
    kSlideTimer = 3
};
const int kBorder = 3;
const UINT kLeaveTick = 100;
const int kTicksAfterToggle = 6;
const int kTicksAfterExpand = 8;
const DWORD kSystemFrame = WS_BORDER | WS_THICKFRAME;
const UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
}  // namespace

BOOL CKTDockingPaneMiniWnd::m_bShowPinButton = TRUE;

BOOL CKTDockingPaneMiniWnd::IsThemed() const
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    return pManager && pManager->m_bThemedFloatingFrames && pManager->GetPaintManager();
}

int CKTDockingPaneMiniWnd::GetCaptionSize() const
{
    CKTDockingPanePaintManager* pPaint = GetPaintManager();
    return pPaint ? pPaint->GetCaptionHeight() : 0;
}

void CKTDockingPaneMiniWnd::RedrawPane()
{
    if (GetSafeHwnd() && IsThemed())
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

BOOL CKTDockingPaneMiniWnd::IsCaptionButtonVisible(CKTDockingPaneCaptionButton* pButton)
{
    switch (pButton->GetID())
    {
    case KT_IDS_DOCKING_CLOSE:
        return GetSafeHwnd() != NULL;
    case KT_IDS_DOCKING_AUTOHIDE:
        pButton->SetState(m_bCollapsed ? 2 : 0);
        return m_bShowPinButton;
    case KT_IDS_DOCKING_MENU:
    {
        CKTDockingPane* pPane = GetSelectedPane();
        return pPane && (pPane->GetOptions() & ktPaneHasMenuButton);
    }
    default:
        return TRUE;
    }
}

void CKTDockingPaneMiniWnd::RefreshFrameStyle()
{
    if (!GetSafeHwnd())
        return;
    BOOL bThemed = IsThemed();
    if (bThemed)
        ModifyStyle(kSystemFrame, 0);
    else
    {
        ModifyStyle(0, kSystemFrame);
        if (m_bCollapsed)
            ToggleCollapse();
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, kFrameChanged);
    if (bThemed && m_bCollapsed && !m_bSlidOpen)
        SetFrameHeight(GetCaptionSize() + 8);
}

void CKTDockingPaneMiniWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!IsThemed())
    {
        Default();
        return;
    }
    RECT& rc = lpncsp->rgrc[0];
    rc.left += kBorder;
    rc.right -= kBorder;
    rc.bottom -= kBorder;
    rc.top += kBorder + GetCaptionSize() + 2;
    rc.bottom = std::max(rc.bottom, rc.top);
    rc.right = std::max(rc.right, rc.left);
    (void)bCalcValidRects;
}

LRESULT CKTDockingPaneMiniWnd::OnNcHitTest(CPoint point)
{
    LRESULT nHit = Default();
    if (!IsThemed())
        return nHit;
    CPoint pt = ScreenToWindow(point);
    CRect rcWindow;
    CWnd::GetWindowRect(&rcWindow);
    const BOOL bLeft = pt.x < kBorder, bRight = pt.x >= rcWindow.Width() - kBorder;
    const BOOL bTop = pt.y < kBorder, bBottom = pt.y >= rcWindow.Height() - kBorder;
    // A rolled-up frame keeps its height: it only widens.
    if (m_bCollapsed && !m_bSlidOpen)
        return bLeft ? HTLEFT : bRight ? HTRIGHT : HTCAPTION;
    if (bTop)
        return bLeft ? HTTOPLEFT : bRight ? HTTOPRIGHT : HTTOP;
    if (bBottom)
        return bLeft ? HTBOTTOMLEFT : bRight ? HTBOTTOMRIGHT : HTBOTTOM;
    if (bLeft || bRight)
        return bLeft ? HTLEFT : HTRIGHT;
    if (pt.y < GetCaptionReach() && (nHit == HTNOWHERE || nHit == HTBORDER))
        return HTCAPTION;
    return nHit;
}

void CKTDockingPaneMiniWnd::OnNcPaint()
{
    CKTDockingPanePaintManager* pPaint = GetPaintManager();
    if (!IsThemed() || !pPaint)
    {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rcWindow, rcClient;
    CWnd::GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.TopLeft());
    rcWindow.OffsetRect(-rcWindow.TopLeft());
    // The panes paint the client area themselves.
    dc.ExcludeClipRect(rcClient);
    pPaint->DrawFloatingFrame(&dc, this, rcWindow);
}

BOOL CKTDockingPaneMiniWnd::OnNcActivate(BOOL bActive)
{
    if (IsThemed())
        return TRUE;
    return CMiniFrameWnd::OnNcActivate(bActive);
}

CPoint CKTDockingPaneMiniWnd::ScreenToWindow(CPoint ptScreen) const
{
    CRect rcWindow;
    CWnd::GetWindowRect(&rcWindow);
    return ptScreen - rcWindow.TopLeft();
}

CKTDockingPaneCaptionButton* CKTDockingPaneMiniWnd::CaptionButtonAt(CPoint ptWindow) const
{
    for (const auto& pButton : m_captionButtons)
        if (pButton->GetRect().PtInRect(ptWindow) && pButton->IsVisible())
            return pButton.get();
    return nullptr;
}

void CKTDockingPaneMiniWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    CMiniFrameWnd::OnNcMouseMove(nHitTest, point);
    if (!IsThemed())
        return;
    if (CheckCaptionButtons(ScreenToWindow(point)))
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE | TME_NONCLIENT, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
    Expand();
}

LRESULT CKTDockingPaneMiniWnd::OnNcMouseLeave(WPARAM, LPARAM)
{
    for (const auto& pButton : m_captionButtons)
        pButton->ClearHot();
    RedrawPane();
    return 0;
}

void CKTDockingPaneMiniWnd::PressCaptionButton(CKTDockingPaneCaptionButton* pButton, CPoint ptWindow)
{
    CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
    if (OnCaptionButtonDown(pButton))
        return;
    if (KTTrackCaptionButton(this, pButton, ptWindow, FALSE))
        OnCaptionButtonClick(pButton);
}

BOOL CKTDockingPaneMiniWnd::OnCaptionButtonDown(CKTDockingPaneCaptionButton* pButton)
{
    CKTDockingPane* pPane = GetSelectedPane();
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (pButton->GetID() != KT_IDS_DOCKING_MENU)
        return FALSE;
    if (!pPane || !pManager)
        return TRUE;
    pButton->SetPressed(TRUE);
    UpdateWindow();
    CRect rc = pButton->GetRect();
    CRect rcWindow;
    CWnd::GetWindowRect(&rcWindow);
    rc.OffsetRect(rcWindow.TopLeft());
    KT_DOCKINGPANE_MENU menu = {pPane, rc.left, rc.bottom};
    pManager->NotifyOwner(ktDockingPanePaneMenu, LPARAM(&menu));
    pButton->SetPressed(FALSE);
    return TRUE;
}

void CKTDockingPaneMiniWnd::OnCaptionButtonClick(CKTDockingPaneCaptionButton* pButton)
{
    if (pButton->GetID() == KT_IDS_DOCKING_CLOSE)
        SendMessage(WM_CLOSE);
    else if (pButton->GetID() == KT_IDS_DOCKING_AUTOHIDE)
        ToggleCollapse();
}

BOOL CKTDockingPaneMiniWnd::AskEveryPane(int nAction)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return FALSE;
    for (const auto& pPane : CKTDockingPaneManager::GetHeldPanes(this))
        if (pManager->NotifyAction(nAction, pPane))
            return FALSE;
    return TRUE;
}

void CKTDockingPaneMiniWnd::ReportEveryPane(int nAction)
{
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        for (const auto& pPane : CKTDockingPaneManager::GetHeldPanes(this))
            pManager->NotifyAction(nAction, pPane);
}

void CKTDockingPaneMiniWnd::SetFrameHeight(int nHeight)
{
    CRect rc;
    CWnd::GetWindowRect(&rc);
    SetWindowPos(nullptr, 0, 0, rc.Width(), std::max(nHeight, GetCaptionSize() + 8),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKTDockingPaneMiniWnd::StopSlide()
{
    if (!m_bSliding)
        return;
    KillTimer(kSlideTimer);
    m_bSliding = FALSE;
    ReportEveryPane(ktActionCollapsed);
}

void CKTDockingPaneMiniWnd::ToggleCollapse()
{
    if (!GetSafeHwnd())
        return;
    CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
    BOOL bExpanding = m_bCollapsed;
    if (!AskEveryPane(bExpanding ? ktActionPinning : ktActionUnpinning))
        return;
    if (bExpanding)
    {
        if (!m_bSlidOpen || m_nStep < m_nStepCount)
            SetFrameHeight(m_nExpandedHeight);
        m_bCollapsed = m_bSlidOpen = m_bSliding = FALSE;
        m_pointer.Stop();
        KillTimer(kLeaveTimer);
        KillTimer(kSlideTimer);
    }
    else
    {
        m_nStepCount = std::max(1, CKTDockingPaneAutoHideWnd::m_nSlideDuration /
                                       std::max(1, CKTDockingPaneAutoHideWnd::m_nSlideInterval));
        m_nStep = m_nStepCount;
        CWnd::GetWindowRect(&m_rcWindow);
        m_nExpandedHeight = m_rcWindow.Height();
        m_bCollapsed = TRUE;
        StopSlide();
        m_bSlidOpen = TRUE;
        m_nLeaveTicks = kTicksAfterToggle;
        m_pointer.Start({m_hWnd});
        SetTimer(kLeaveTimer, kLeaveTick, nullptr);
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    ReportEveryPane(bExpanding ? ktActionPinned : ktActionUnpinned);
}

void CKTDockingPaneMiniWnd::Expand()
{
    if (!m_bCollapsed || m_nStep > 0)
        return;
    CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
    StopSlide();
    if (!AskEveryPane(ktActionExpanding))
        return;
    m_nStep = m_nStepCount;
    m_bSlidOpen = TRUE;
    SetFrameHeight(m_nExpandedHeight);
    m_nLeaveTicks = kTicksAfterExpand;
    SetTimer(kLeaveTimer, kLeaveTick, nullptr);
    ReportEveryPane(ktActionExpanded);
}

void CKTDockingPaneMiniWnd::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kLeaveTimer:
        OnLeaveCheck();
        break;
    case kSlideTimer:
        OnSlideTimer();
        break;
    default:
        CMiniFrameWnd::OnTimer(nIDEvent);
        break;
    }
}

// The pointer coming back gives the frame its whole delay again once it leaves.
void CKTDockingPaneMiniWnd::OnPointerOver(BOOL bOver)
{
    if (bOver && m_bSlidOpen && !m_bSliding)
        m_nLeaveTicks = kTicksAfterExpand;
}

// The cursor itself is read: a pointer gone straight to another program's window moves over none of ours.
BOOL CKTDockingPaneMiniWnd::IsCursorOver() const
{
    CPoint pt;
    CRect rcWindow;
    CWnd::GetWindowRect(&rcWindow);
    return ::GetCursorPos(&pt) && rcWindow.PtInRect(pt);
}

void CKTDockingPaneMiniWnd::OnLeaveCheck()
{
    // A drag still holds the mouse (the frame's own move among them): the frame waits for its end.
    if (m_bHoldsFocus || m_bSliding || IsCursorOver() || ::GetCapture())
        return;
    if (--m_nLeaveTicks > 0)
        return;
    CKTSmartPtr<CKTDockingPaneMiniWnd> keepAlive(this);
    if (!AskEveryPane(ktActionCollapsing))
    {
        m_nLeaveTicks = kTicksAfterToggle;
        return;
    }
    CRect rcWindow;
    CWnd::GetWindowRect(&rcWindow);
    if (m_nStep >= m_nStepCount)
        m_nExpandedHeight = rcWindow.Height();
    m_bSliding = TRUE;
    SetTimer(kSlideTimer, UINT(std::max(1, CKTDockingPaneAutoHideWnd::m_nSlideInterval)), nullptr);
}

void CKTDockingPaneMiniWnd::OnSlideTimer()
{
    if (--m_nStep < 0)
    {
        m_nStep = 0;
        m_bSlidOpen = FALSE;
        KillTimer(kLeaveTimer);
        StopSlide();
        return;
    }
    SetFrameHeight(MulDiv(m_nExpandedHeight, m_nStep, m_nStepCount));
    Invalidate(FALSE);
}

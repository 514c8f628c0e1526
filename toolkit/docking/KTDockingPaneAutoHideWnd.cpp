// KTDockingPaneAutoHideWnd.cpp: sliding out and back, the pointer leaving it and the window's lifetime.
#include "KTDockingPaneAutoHideWnd.h"

#include <afxpriv.h>

#include <algorithm>

#include "KTColorManager.h"
#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"
#include "KTFoundationRes.h"
#include "KTResourceManager.h"

double CKTDockingPaneAutoHideWnd::m_dSlideSpeed = -1.0;
int CKTDockingPaneAutoHideWnd::m_nSlideInterval = 16;
int CKTDockingPaneAutoHideWnd::m_nSlideDuration = 128;
BOOL CKTDockingPaneAutoHideWnd::m_bCloseOnLeave = TRUE;
int CKTDockingPaneAutoHideWnd::m_nHoverTime = -1;
int CKTDockingPaneAutoHideWnd::m_nLeaveCheckInterval = 100;

BEGIN_MESSAGE_MAP(CKTDockingPaneAutoHideWnd, CWnd)
// void OnPaint()
ON_WM_PAINT()
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnTimer(UINT_PTR nIDEvent)
ON_WM_TIMER()
// void OnLButtonDown(UINT nFlags, CPoint point)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CKTDockingPaneAutoHideWnd::CKTDockingPaneAutoHideWnd(CKTDockingPaneAutoHidePanel* pPanel,
                                                     CKTDockingPaneTabbedContainer* pContainer)
    : m_pContainer(pContainer), m_pPanel(pPanel), m_pManager(pPanel->GetDockingPaneManager()),
      m_nDirection(pPanel->GetDirection())
{
}

CKTDockingPaneAutoHideWnd* CKTDockingPaneAutoHideWnd::Open(CKTDockingPaneAutoHidePanel* pPanel,
                                                           CKTDockingPaneTabbedContainer* pContainer)
{
    auto pWnd = CKTSmartPtr<CKTDockingPaneAutoHideWnd>::Adopt(new CKTDockingPaneAutoHideWnd(pPanel, pContainer));
    if (!pWnd->CreateSlideWindow())
        return nullptr;
    pWnd->m_self = pWnd;
    return pWnd;
}

CRect CKTDockingPaneAutoHideWnd::ComputeFullRect() const
{
    CKTDockingPaneManager* pManager = GetManager();
    CRect rcArea = pManager->GetTopPane() ? pManager->GetTopPane()->GetRect() : CRect();
    CKTDockingPane* pPane = m_pContainer->GetSelected();
    MINMAXINFO mmi;
    GetMinMaxInfo(&mmi, TRUE);
    int cx = std::max(int(mmi.ptMinTrackSize.x), std::min(pPane->m_nDockedWidth + ktEdge, int(mmi.ptMaxTrackSize.x)));
    int cy = std::max(int(mmi.ptMinTrackSize.y), std::min(pPane->m_nDockedHeight + ktEdge, int(mmi.ptMaxTrackSize.y)));
    int nSide = pManager->GetRTLDirection(m_nDirection);
    switch (nSide)
    {
    case ktDockLeft:
        return CRect(rcArea.left, rcArea.top, rcArea.left + cx, rcArea.bottom);
    case ktDockRight:
        return CRect(rcArea.right - cx, rcArea.top, rcArea.right, rcArea.bottom);
    case ktDockTop:
        return CRect(rcArea.left, rcArea.top, rcArea.right, rcArea.top + cy);
    default:
        return CRect(rcArea.left, rcArea.bottom - cy, rcArea.right, rcArea.bottom);
    }
}

int CKTDockingPaneAutoHideWnd::ComputeStepCount() const
{
    if (m_nSlideInterval == 0 || m_dSlideSpeed == 0)
        return 1;
    int nCount = m_nSlideDuration / m_nSlideInterval;
    if (m_dSlideSpeed > 0)
    {
        int nExtent = IsVerticalSliding() ? m_rcFull.Width() : m_rcFull.Height();
        nCount = int(nExtent * m_dSlideSpeed * 50 / m_nSlideInterval);
    }
    return std::max(1, nCount);
}

BOOL CKTDockingPaneAutoHideWnd::CreateSlideWindow()
{
    CKTDockingPaneManager* pManager = GetManager();
    CWnd* pSite = pManager ? pManager->GetSite() : nullptr;
    if (!pSite || !m_pContainer->GetSelected())
        return FALSE;
    m_rcFull = ComputeFullRect();
    HCURSOR hCursor = CanResize()
                          ? KTResourceManager()->LoadCursor(IsVerticalSliding() ? KT_IDC_SPLITTER : KT_IDC_DIVIDER)
                          : ::LoadCursor(NULL, IDC_ARROW);
    LPCSTR pszClass = AfxRegisterWndClass(0, hCursor ? hCursor : ::LoadCursor(NULL, IDC_ARROW));
    DWORD dwExStyle = pSite->GetExStyle() & WS_EX_LAYOUTRTL;
    if (!CreateEx(dwExStyle, pszClass, "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, m_rcFull, pSite, 0))
        return FALSE;
    m_nStepCount = ComputeStepCount();
    m_nStep = m_nStepCount > 1 ? 0 : m_nStepCount - 1;
    if (m_nStepCount > 1)
        SetTimer(ktTimerSlideOut, UINT(m_nSlideInterval), NULL);
    ApplyStep();
    m_pContainer->CWnd::ShowWindow(SW_SHOW);
    m_pointer.Start({m_hWnd, m_pPanel->GetSafeHwnd()});
    m_nLeaveTicks = ktLeaveTicks;
    SetTimer(ktTimerLeaveCheck, UINT(std::max(1, m_nLeaveCheckInterval)), NULL);
    return TRUE;
}

void CKTDockingPaneAutoHideWnd::ApplyStep()
{
    CRect rc = m_rcFull;
    int n = m_nStep + 1, N = m_nStepCount;
    switch (GetManager()->GetRTLDirection(m_nDirection))
    {
    case ktDockLeft:
        rc.right = rc.left + rc.Width() * n / N;
        break;
    case ktDockRight:
        rc.left = rc.right - rc.Width() * n / N;
        break;
    case ktDockTop:
        rc.bottom = rc.top + rc.Height() * n / N;
        break;
    default:
        rc.top = rc.bottom - rc.Height() * n / N;
        break;
    }
    SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    RecalcLayout();
    Invalidate(FALSE);
}

void CKTDockingPaneAutoHideWnd::RecalcLayout()
{
    if (!m_pContainer)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    int W = m_rcFull.Width(), H = m_rcFull.Height();
    CRect rc;
    switch (GetManager()->GetRTLDirection(m_nDirection))
    {
    case ktDockLeft:
        rc.SetRect(rcClient.Width() - W, 0, rcClient.Width() - ktEdge, H);
        break;
    case ktDockRight:
        rc.SetRect(ktEdge, 0, W, H);
        break;
    case ktDockTop:
        rc.SetRect(0, rcClient.Height() - H, W, rcClient.Height() - ktEdge);
        break;
    default:
        rc.SetRect(0, ktEdge, W, H);
        break;
    }
    AFX_SIZEPARENTLAYOUT layout = {};
    layout.hDWP = ::BeginDeferWindowPos(8);
    layout.rect = rc;
    m_pContainer->OnSizeParent(this, rc, &layout);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}

void CKTDockingPaneAutoHideWnd::OnPaint()
{
    CPaintDC dc(this);
    CKTDockingPanePaintManager* pPaintManager = GetManager()->GetPaintManager();
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(rc, pPaintManager->LookupColor(KTCOLOR_CONTROL_FACE));
    COLORREF clrDark = pPaintManager->LookupColor(COLOR_BTNTEXT);
    COLORREF clrShadow = pPaintManager->LookupColor(COLOR_3DSHADOW);
    COLORREF clrLight = pPaintManager->LookupColor(COLOR_BTNHIGHLIGHT);
    switch (GetManager()->GetRTLDirection(m_nDirection))
    {
    case ktDockLeft:
        dc.FillSolidRect(rc.right - 1, 0, 1, rc.Height(), clrDark);
        dc.FillSolidRect(rc.right - 2, 0, 1, rc.Height(), clrShadow);
        break;
    case ktDockRight:
        dc.FillSolidRect(1, 0, 1, rc.Height(), clrLight);
        break;
    case ktDockTop:
        dc.FillSolidRect(0, rc.bottom - 1, rc.Width(), 1, clrDark);
        dc.FillSolidRect(0, rc.bottom - 2, rc.Width(), 1, clrShadow);
        break;
    default:
        dc.FillSolidRect(0, 1, rc.Width(), 1, clrLight);
        break;
    }
}

void CKTDockingPaneAutoHideWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == ktTimerClose)
    {
        CloseWindow();
        return;
    }
    if (!m_pContainer || !m_pPanel || m_pPanel->GetActiveWnd() != this)
        return;
    // A handler of the actions sent below may close panes and with them this window.
    CKTSmartPtr<CKTDockingPaneAutoHideWnd> keepAlive(this);
    if (nIDEvent == ktTimerSlideOut)
        OnSlideOutTick();
    else if (nIDEvent == ktTimerSlideBack)
        OnSlideBackTick();
    else if (nIDEvent == ktTimerLeaveCheck)
        OnLeaveCheck();
}

void CKTDockingPaneAutoHideWnd::OnSlideOutTick()
{
    if (m_bCollapsing)
        return;
    if (++m_nStep < m_nStepCount)
    {
        ApplyStep();
        return;
    }
    m_nStep = m_nStepCount - 1;
    KillTimer(ktTimerSlideOut);
    GetManager()->NotifyAction(ktActionExpanded, m_pContainer->GetSelected());
}

void CKTDockingPaneAutoHideWnd::OnSlideBackTick()
{
    if (!m_bCollapsing)
        return;
    if (--m_nStep >= 0)
    {
        ApplyStep();
        return;
    }
    m_bCollapsing = FALSE;
    KillTimer(ktTimerSlideBack);
    GetManager()->NotifyAction(ktActionCollapsed, m_pContainer->GetSelected());
    CloseWindow();
}

// Coming back over the window or its strip turns a slide back round at once, before the next check.
void CKTDockingPaneAutoHideWnd::OnPointerOver(BOOL bOver)
{
    if (!bOver)
        return;
    m_nLeaveTicks = ktLeaveTicks;
    SlideOutAgain();
}

void CKTDockingPaneAutoHideWnd::OnContainerFocus(BOOL bActive)
{
    if (bActive)
        SlideOutAgain();
}

void CKTDockingPaneAutoHideWnd::SlideOutAgain()
{
    if (!m_bCollapsing)
        return;
    KillTimer(ktTimerSlideBack);
    m_bCollapsing = FALSE;
    SetTimer(ktTimerSlideOut, UINT(std::max(1, m_nSlideInterval)), NULL);
}

// The cursor itself is read: a pointer gone straight to another program's window moves over none of ours.
BOOL CKTDockingPaneAutoHideWnd::IsCursorOver() const
{
    CPoint pt;
    if (!::GetCursorPos(&pt))
        return FALSE;
    return CKTWindowRect(m_hWnd).PtInRect(pt) || (m_pPanel && CKTWindowRect(m_pPanel->GetSafeHwnd()).PtInRect(pt));
}

void CKTDockingPaneAutoHideWnd::OnLeaveCheck()
{
    if (m_bResizing)
        return;
    if (m_pContainer->IsActive() || IsCursorOver())
    {
        m_nLeaveTicks = ktLeaveTicks;
        SlideOutAgain();
        return;
    }
    if (m_bCollapsing || --m_nLeaveTicks > 0)
        return;
    // Kept out by the owner or by the option, the window counts the delay again.
    m_nLeaveTicks = ktLeaveTicks;
    if (!m_bCloseOnLeave || GetManager()->NotifyAction(ktActionCollapsing, m_pContainer->GetSelected()))
        return;
    m_bCollapsing = TRUE;
    SetTimer(ktTimerSlideBack, UINT(std::max(1, m_nSlideInterval)), NULL);
}

BOOL CKTDockingPaneAutoHideWnd::Close(BOOL bDelayed)
{
    CKTSmartPtr<CKTDockingPaneAutoHideWnd> keepAlive(this);
    if (m_pContainer)
    {
        CKTDockingPaneManager* pManager = GetManager();
        if (pManager->NotifyAction(ktActionCollapsing, m_pContainer->GetSelected()))
            return FALSE;
        pManager->NotifyAction(ktActionCollapsed, m_pContainer->GetSelected());
    }
    if (!bDelayed)
    {
        CloseWindow();
        return TRUE;
    }
    ReleaseContainer();
    SetTimer(ktTimerClose, 50, NULL);
    return TRUE;
}

// Gives the group back to the frame, hidden, and forgets it.
void CKTDockingPaneAutoHideWnd::ReleaseContainer()
{
    if (!m_pContainer)
        return;
    if (m_pContainer->GetSafeHwnd() && ::GetParent(m_pContainer->GetSafeHwnd()) == m_hWnd)
    {
        m_pContainer->CWnd::ShowWindow(SW_HIDE);
        m_pContainer->SetDockingSite(GetManager()->GetSite());
    }
    m_pContainer = nullptr;
}

void CKTDockingPaneAutoHideWnd::CloseWindow()
{
    if (!GetSafeHwnd())
        return;
    CWnd::ShowWindow(SW_HIDE);
    m_pointer.Stop();
    ReleaseContainer();
    // The panel may go before the window is destroyed.
    if (CKTDockingPaneAutoHidePanel* pPanel = std::exchange(m_pPanel, nullptr))
        pPanel->ClearActiveWnd(this);
    PostMessage(WM_CLOSE);
}

void CKTDockingPaneAutoHideWnd::PostNcDestroy()
{
    m_pointer.Stop();
    if (m_pPanel)
        m_pPanel->ClearActiveWnd(this);
    // Dropping the window's own reference may delete this object: nothing may follow.
    CKTSmartPtr<CKTDockingPaneAutoHideWnd> self = std::move(m_self);
}

// KTBarSizeTracker.cpp: the drag and resize loops of a tool bar, and its docked/floating toggle.
#include "KTBarSizeTracker.h"

#include "KTCaptureLoop.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTSystemInfo.h"
#include "KTToolBar.h"

#include <afxpriv.h>

namespace
{
const int KT_MIN_ON_SCREEN = 10;
const DWORD KT_FLOATING_LAYOUT = LM_COMMIT | LM_HORZ | LM_MRUWIDTH;

// Moves the rectangle the least so that the point lies inside it.
void ContainPoint(CRect& rc, CPoint pt)
{
    if (pt.x < rc.left)
        rc.OffsetRect(pt.x - rc.left, 0);
    else if (pt.x >= rc.right)
        rc.OffsetRect(pt.x - rc.right + 1, 0);
    if (pt.y < rc.top)
        rc.OffsetRect(0, pt.y - rc.top);
    else if (pt.y >= rc.bottom)
        rc.OffsetRect(0, pt.y - rc.bottom + 1);
}

void MarkOptionsChanged(CKTCommandBars* pCommandBars)
{
    if (pCommandBars)
        pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
}
}  // namespace

void CKTBarSizeTracker::SetDocked(int nPosition, const CRect& rcDocked)
{
    m_nDockedPosition = nPosition;
    m_rcDocked = rcDocked;
}

CRect CKTBarSizeTracker::GetRectInDockBar() const
{
    CRect rc = CKTWindowRect(m_pBar);
    if (CKTDockBar* pDock = m_pBar->GetDockBar())
        pDock->ScreenToClient(rc);
    return rc;
}

void CKTBarSizeTracker::StartDrag(CPoint pt)
{
    const BOOL bFloatingBefore = m_pBar->GetPosition() == ktBarFloating;
    // Where the bar is now, not only where it was last dropped: a bar docked by the program has no drop place.
    if (!bFloatingBefore && m_pBar->GetDockBar())
        SetDocked(m_pBar->GetPosition(), GetRectInDockBar());
    const CRect rcDocked = m_rcDocked;
    const int nDockedPosition = m_nDockedPosition;
    m_nTrackingMode = kDragging;
    m_rcWindow = CKTWindowRect(m_pBar);
    ContainPoint(m_rcWindow, pt);
    m_rcDrag = m_rcWindow;
    m_ptLast = pt;
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
    Track();
    if (m_pBar->GetPosition() != ktBarFloating)
        return;
    m_ptFloating = CKTWindowRect(m_pBar).TopLeft();
    if (!bFloatingBefore)
        SetDocked(nDockedPosition, rcDocked);
}

void CKTBarSizeTracker::StartResize(int nHitTest, CPoint pt)
{
    m_nTrackingMode = nHitTest;
    m_ptLast = pt;
    m_rcWindow = CKTWindowRect(m_pBar);
    // Esc ends the resize as a release does: the bar keeps the size it reached.
    Track();
    if (!m_pBar->GetSafeHwnd())
        return;
    const CRect rcNow = CKTWindowRect(m_pBar);
    if (m_pBar->GetPosition() == ktBarFloating)
        m_ptFloating = rcNow.TopLeft();
    m_pBar->SetMRUWidth(rcNow.Width());
}

BOOL CKTBarSizeTracker::Track()
{
    CKTCommandBars* pCommandBars = m_pBar->GetCommandBars();
    if (::GetCapture() || !pCommandBars)
        return FALSE;
    BOOL bReleased = FALSE;
    {
        CKTCaptureLoop loop(m_pBar->GetSafeHwnd(), ktLoopPaintFirst);
        MSG msg;
        while (loop.Next(msg))
        {
            OnTrackMessage(msg);
            pCommandBars->UpdateDelayedLayout();
        }
        bReleased = loop.IsReleased();
    }
    MarkOptionsChanged(pCommandBars);
    return bReleased;
}

// Keys other than Esc are dropped: they must not reach the frame while the bar follows the mouse.
void CKTBarSizeTracker::OnTrackMessage(const MSG& msg)
{
    if (msg.message == WM_KEYDOWN)
        return;
    if (msg.message != WM_MOUSEMOVE || CPoint(msg.pt) == m_ptLast)
        ::DispatchMessage(&msg);
    else if (m_nTrackingMode == kDragging)
        OnDragMove(msg.pt);
    else if (m_pBar->IsResizable())
        OnResizeBothMove(msg.pt);
    else
        OnResizeMove(msg.pt);
}

void CKTBarSizeTracker::OnDragMove(CPoint pt)
{
    const CSize szDelta = pt - m_ptLast;
    m_rcDrag.OffsetRect(szDelta);
    m_rcWindow.OffsetRect(szDelta);
    CKTCommandBars* pCommandBars = m_pBar->GetCommandBars();
    CKTDockBar* pDock = pCommandBars->CanDock(pt, m_pBar->GetDockBar());
    if (pDock && (m_pBar->GetFlags() & (1u << pDock->GetPosition())))
    {
        const BOOL bSameDockBar = pDock == m_pBar->GetDockBar();
        pCommandBars->DockCommandBar(m_pBar, m_rcDrag, pDock);
        if (!bSameDockBar || m_pBar->GetDockBar() != pDock)
        {
            pCommandBars->RecalcFrameLayout();
            m_rcDrag = CKTWindowRect(m_pBar);
        }
    }
    else if (m_pBar->GetFlags() & ktBarFlagFloat)
        FloatAt(pt);
    m_ptLast = pt;
}

void CKTBarSizeTracker::FloatAt(CPoint pt)
{
    if (m_pBar->GetPosition() != ktBarFloating)
    {
        m_pBar->GetCommandBars()->FloatCommandBar(m_pBar);
        m_rcWindow = CRect(m_rcWindow.TopLeft(), m_pBar->CalcDynamicLayout(0, KT_FLOATING_LAYOUT));
        ContainPoint(m_rcWindow, pt);
    }
    KeepOnScreen(m_rcWindow);
    m_pBar->MoveWindow(m_rcWindow);
}

void CKTBarSizeTracker::KeepOnScreen(CRect& rc)
{
    const CRect rcWork = KTMultiMonitor()->GetWorkAreaAtCursor();
    if (rcWork.bottom - rc.top < KT_MIN_ON_SCREEN)
        rc.OffsetRect(0, rcWork.bottom - rc.top - KT_MIN_ON_SCREEN);
    if (rc.bottom - rcWork.top < KT_MIN_ON_SCREEN)
        rc.OffsetRect(0, KT_MIN_ON_SCREEN - (rc.bottom - rcWork.top));
    if (rcWork.right - rc.left < KT_MIN_ON_SCREEN)
        rc.OffsetRect(rcWork.right - rc.left - KT_MIN_ON_SCREEN, 0);
    if (rc.right - rcWork.left < KT_MIN_ON_SCREEN)
        rc.OffsetRect(KT_MIN_ON_SCREEN - (rc.right - rcWork.left), 0);
}

// The edges the hit code names follow the mouse; the bar decides whether it takes the new size.
void CKTBarSizeTracker::OnResizeBothMove(CPoint pt)
{
    const CSize szDelta = pt - m_ptLast;
    m_ptLast = pt;
    const int nHit = m_nTrackingMode;
    CRect rc = CKTWindowRect(m_pBar);
    if (nHit == HTLEFT || nHit == HTTOPLEFT || nHit == HTBOTTOMLEFT)
        rc.left += szDelta.cx;
    if (nHit == HTRIGHT || nHit == HTTOPRIGHT || nHit == HTBOTTOMRIGHT)
        rc.right += szDelta.cx;
    if (nHit == HTTOP || nHit == HTTOPLEFT || nHit == HTTOPRIGHT)
        rc.top += szDelta.cy;
    if (nHit == HTBOTTOM || nHit == HTBOTTOMLEFT || nHit == HTBOTTOMRIGHT)
        rc.bottom += szDelta.cy;
    if (rc.Size() == CKTWindowRect(m_pBar).Size())
        return;
    const CRect rcWork = KTMultiMonitor()->GetWorkAreaOfWnd(m_pBar->GetSafeHwnd());
    CRect rcMeet;
    if (!rcMeet.IntersectRect(rc, rcWork))
        return;
    m_pBar->Resize(rc, nHit);
    m_pBar->Redraw(NULL, TRUE);
}

void CKTBarSizeTracker::OnResizeMove(CPoint pt)
{
    CRect rc = m_rcWindow;
    const CSize szDelta = pt - m_ptLast;
    m_ptLast = pt;
    DWORD dwMode = LM_COMMIT | LM_HORZ;
    int nLength = 0;
    switch (m_nTrackingMode)
    {
    case HTLEFT:
        nLength = rc.Width() - szDelta.cx;
        break;
    case HTRIGHT:
        nLength = rc.Width() + szDelta.cx;
        break;
    case HTTOP:
        nLength = rc.Height() - szDelta.cy;
        dwMode |= LM_LENGTHY;
        break;
    default:
        nLength = rc.Height() + szDelta.cy;
        dwMode |= LM_LENGTHY;
        break;
    }
    const CSize sz = m_pBar->CalcDynamicLayout(std::max(nLength, 0), dwMode);
    if (sz == m_rcWindow.Size())
        return;
    // The edge opposite the dragged one stays.
    if (m_nTrackingMode == HTLEFT)
        rc = CRect(CPoint(rc.right - sz.cx, rc.top), sz);
    else if (m_nTrackingMode == HTTOP)
        rc = CRect(CPoint(rc.left, rc.bottom - sz.cy), sz);
    else
        rc = CRect(rc.TopLeft(), sz);
    const CRect rcWork = KTMultiMonitor()->GetWorkAreaOfWnd(m_pBar->GetSafeHwnd());
    if (rc.right <= rcWork.left)
        rc.OffsetRect(rcWork.left - rc.left, 0);
    else if (rc.left >= rcWork.right)
        rc.OffsetRect(rcWork.right - rc.right, 0);
    if (rc.bottom <= rcWork.top)
        rc.OffsetRect(0, rcWork.top - rc.top);
    else if (rc.top >= rcWork.bottom)
        rc.OffsetRect(0, rcWork.bottom - rc.bottom);
    m_rcWindow = rc;
    m_pBar->MoveWindow(rc);
    m_pBar->Redraw(NULL, TRUE);
}

BOOL CKTBarSizeTracker::ToggleDocking()
{
    CKTCommandBars* pCommandBars = m_pBar->GetCommandBars();
    if (!pCommandBars)
        return FALSE;
    if (m_pBar->GetPosition() != ktBarFloating)
    {
        if (!(m_pBar->GetFlags() & ktBarFlagFloat) || !pCommandBars->GetCommandBarsOptions()->bDblClickFloat)
            return FALSE;
        CPoint ptCorner = m_ptFloating;
        if (ptCorner.x <= 0 || ptCorner.y <= 0)
            ptCorner = CKTWindowRect(m_pBar).TopLeft();
        pCommandBars->FloatCommandBar(m_pBar);
        m_pBar->MoveWindow(CRect(ptCorner, m_pBar->CalcDynamicLayout(0, KT_FLOATING_LAYOUT)));
    }
    else
    {
        CKTDockBar* pDock =
            (m_pBar->GetFlags() & ktBarFlagDockMask) ? pCommandBars->GetDockBar(m_nDockedPosition) : NULL;
        if (!pDock)
            return FALSE;
        CRect rc = m_rcDocked;
        pDock->ClientToScreen(rc);
        pCommandBars->DockCommandBar(m_pBar, rc, pDock);
        pCommandBars->RecalcFrameLayout();
    }
    MarkOptionsChanged(pCommandBars);
    return TRUE;
}

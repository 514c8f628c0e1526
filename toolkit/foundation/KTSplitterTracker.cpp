// KTSplitterTracker.cpp: the tracker's modal loop over an outline drawn on the desktop.
#include "KTSplitterTracker.h"

#include "KTCaptureLoop.h"

namespace
{

LONG Clamp(LONG n, LONG nLow, LONG nHigh) { return n < nLow ? nLow : (n > nHigh ? nHigh : n); }

CPoint ScreenPoint(const MSG& msg)
{
    CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
    ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}

}  // namespace

CKTSplitterTracker::CKTSplitterTracker(BOOL bSolid)
    : m_bSolid(bSolid), m_pDesktop(NULL), m_hSolidBrush(NULL), m_bHorizontal(FALSE)
{
}

CKTSplitterTracker::~CKTSplitterTracker()
{
    if (m_hSolidBrush)
        ::DeleteObject(m_hSolidBrush);
}

void CKTSplitterTracker::DrawTracker(const CRect& rc)
{
    if (m_pDesktop)
        m_pDesktop->Invert(rc, NULL, m_hSolidBrush);
}

CRect CKTSplitterTracker::MovedTo(const CRect& rcStart, CPoint ptStart, CPoint ptNow) const
{
    CRect rc(rcStart);
    if (m_bHorizontal)
    {
        LONG nTop = Clamp(rcStart.top + ptNow.y - ptStart.y, m_rcAvail.top, m_rcAvail.bottom);
        rc.OffsetRect(0, nTop - rc.top);
    }
    else
    {
        LONG nLeft = Clamp(rcStart.left + ptNow.x - ptStart.x, m_rcAvail.left, m_rcAvail.right);
        rc.OffsetRect(nLeft - rc.left, 0);
    }
    return rc;
}

BOOL CKTSplitterTracker::Track(CWnd* pTrackWnd, CRect rcAvail, CRect& rectTracker, CPoint ptStart, BOOL bHorizontal)
{
    if (!pTrackWnd || !pTrackWnd->GetSafeHwnd())
        return FALSE;
    m_rcAvail = rcAvail;
    m_bHorizontal = bHorizontal;
    if (m_bSolid && !m_hSolidBrush)
        m_hSolidBrush = ::CreateSolidBrush(RGB(128, 128, 128));
    CKTCaptureLoop loop(pTrackWnd->GetSafeHwnd());
    CKTDesktopOutline desktop;
    m_pDesktop = &desktop;

    CRect rcStart(rectTracker), rcCurrent(rectTracker);
    DrawTracker(rcCurrent);
    MSG msg;
    while (loop.Next(msg))
    {
        if (msg.message == WM_MOUSEMOVE)
            ShowAt(MovedTo(rcStart, ptStart, ScreenPoint(msg)), rcCurrent);
        else
            CKTCaptureLoop::Dispatch(msg);
    }
    // The release's own point places the bar.
    if (loop.IsReleased())
        ShowAt(MovedTo(rcStart, ptStart, ScreenPoint(msg)), rcCurrent);
    DrawTracker(rcCurrent);
    m_pDesktop = NULL;
    if (loop.IsReleased())
        rectTracker = rcCurrent;
    return loop.IsReleased();
}

void CKTSplitterTracker::ShowAt(const CRect& rcNew, CRect& rcCurrent)
{
    if (rcNew == rcCurrent)
        return;
    DrawTracker(rcCurrent);
    rcCurrent = rcNew;
    DrawTracker(rcCurrent);
}

// KTSplitterTracker.cpp: the tracker's modal loop over an outline drawn on the desktop.
#include "KTSplitterTracker.h"

#include "KTCaptureLoop.h"

namespace
{

HBRUSH CreateHalftoneBrush()
{
    WORD pattern[8];
    for (int i = 0; i < 8; i++)
        pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
    HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    if (!hBitmap)
        return NULL;
    HBRUSH hBrush = ::CreatePatternBrush(hBitmap);
    ::DeleteObject(hBitmap);  // the brush keeps its own copy
    return hBrush;
}

LONG Clamp(LONG n, LONG nLow, LONG nHigh) { return n < nLow ? nLow : (n > nHigh ? nHigh : n); }

CPoint ScreenPoint(const MSG& msg)
{
    CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
    ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}

// What a drag holds while it runs, given back in reverse at the end: the
// desktop locked for update (so no window paints over the outline) and the
// desktop's device context.
class CDesktopDrag
{
public:
    CDesktopDrag() : m_hDesktop(::GetDesktopWindow())
    {
        m_bLocked = ::LockWindowUpdate(m_hDesktop);
        m_hDC = ::GetDCEx(m_hDesktop, NULL, DCX_WINDOW | DCX_CACHE | (m_bLocked ? DCX_LOCKWINDOWUPDATE : 0));
    }
    ~CDesktopDrag()
    {
        if (m_hDC)
            ::ReleaseDC(m_hDesktop, m_hDC);
        if (m_bLocked)
            ::LockWindowUpdate(NULL);
    }
    CDesktopDrag(const CDesktopDrag&) = delete;
    CDesktopDrag& operator=(const CDesktopDrag&) = delete;

    HDC GetDC() const { return m_hDC; }

private:
    HWND m_hDesktop;
    BOOL m_bLocked;
    HDC m_hDC;  // NULL when the desktop gave none
};

}  // namespace

CKTSplitterTracker::CKTSplitterTracker(BOOL bSolid)
    : m_bSolid(bSolid), m_hDesktopDC(NULL), m_hBrush(NULL), m_bHorizontal(FALSE)
{
}

CKTSplitterTracker::~CKTSplitterTracker()
{
    if (m_hBrush)
        ::DeleteObject(m_hBrush);
}

void CKTSplitterTracker::DrawTracker(const CRect& rc)
{
    if (!m_hDesktopDC || !m_hBrush)
        return;
    HGDIOBJ hOld = ::SelectObject(m_hDesktopDC, m_hBrush);
    ::PatBlt(m_hDesktopDC, rc.left, rc.top, rc.Width(), rc.Height(), PATINVERT);
    ::SelectObject(m_hDesktopDC, hOld);
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
    if (!m_hBrush)
        m_hBrush = m_bSolid ? ::CreateSolidBrush(RGB(128, 128, 128)) : CreateHalftoneBrush();
    CKTCaptureLoop loop(pTrackWnd->GetSafeHwnd());
    CDesktopDrag drag;
    m_hDesktopDC = drag.GetDC();

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
    m_hDesktopDC = NULL;
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

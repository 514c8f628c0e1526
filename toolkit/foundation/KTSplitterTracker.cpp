// KTSplitterTracker.cpp: the tracker's modal loop and the mouse monitor's hook.
#include "KTSplitterTracker.h"

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

// What a drag holds while it runs, given back in reverse at the end: the
// mouse, the desktop locked for update (so no window paints over the
// outline) and the desktop's device context.
class CDesktopDrag
{
public:
    explicit CDesktopDrag(HWND hWnd) : m_hWnd(hWnd), m_hDesktop(::GetDesktopWindow())
    {
        ::SetCapture(hWnd);
        m_bLocked = ::LockWindowUpdate(m_hDesktop);
        m_hDC = ::GetDCEx(m_hDesktop, NULL, DCX_WINDOW | DCX_CACHE | (m_bLocked ? DCX_LOCKWINDOWUPDATE : 0));
    }
    ~CDesktopDrag()
    {
        if (m_hDC)
            ::ReleaseDC(m_hDesktop, m_hDC);
        if (m_bLocked)
            ::LockWindowUpdate(NULL);
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    CDesktopDrag(const CDesktopDrag&) = delete;
    CDesktopDrag& operator=(const CDesktopDrag&) = delete;

    HDC GetDC() const { return m_hDC; }

private:
    HWND m_hWnd;  // holds the capture
    HWND m_hDesktop;
    BOOL m_bLocked;
    HDC m_hDC;  // NULL when the desktop gave none
};

// The hook and the watched popup of each thread.
thread_local HHOOK t_hMouseHook = NULL;
thread_local HWND t_hWndMonitored = NULL;

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
    HWND hWnd = pTrackWnd->GetSafeHwnd();
    CDesktopDrag drag(hWnd);
    m_hDesktopDC = drag.GetDC();

    CRect rcStart(rectTracker), rcCurrent(rectTracker);
    DrawTracker(rcCurrent);
    BOOL bAccepted = FALSE, bDone = FALSE;
    MSG msg;
    while (!bDone && ::GetCapture() == hWnd)
    {
        BOOL bGot = ::GetMessageA(&msg, NULL, 0, 0);
        if (bGot <= 0)
        {
            // The quit is the application's: it ends the drag and stays queued for the main loop.
            if (bGot == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(msg.hwnd, &pt);
            CRect rcNew = MovedTo(rcStart, ptStart, pt);
            if (rcNew != rcCurrent)
            {
                DrawTracker(rcCurrent);
                rcCurrent = rcNew;
                DrawTracker(rcCurrent);
            }
            bAccepted = bDone = msg.message == WM_LBUTTONUP;
            break;
        }
        case WM_KEYDOWN:
            bDone = msg.wParam == VK_ESCAPE;
            break;
        case WM_RBUTTONDOWN:
            bDone = TRUE;
            break;
        default:
            ::DispatchMessageA(&msg);
        }
    }
    DrawTracker(rcCurrent);
    m_hDesktopDC = NULL;
    if (bAccepted)
        rectTracker = rcCurrent;
    return bAccepted;
}

void CKTMouseMonitor::SetupHook(CWnd* pWnd)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd && !t_hMouseHook)
        t_hMouseHook = ::SetWindowsHookExA(WH_MOUSE, MouseProc, NULL, ::GetCurrentThreadId());
    if (!hWnd && t_hMouseHook)
    {
        ::UnhookWindowsHookEx(t_hMouseHook);
        t_hMouseHook = NULL;
    }
    t_hWndMonitored = t_hMouseHook ? hWnd : NULL;
}

HWND CKTMouseMonitor::GetMonitoredWnd() { return t_hWndMonitored; }

LRESULT CALLBACK CKTMouseMonitor::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = t_hMouseHook;
    if (nCode != HC_ACTION || !t_hWndMonitored)
        return ::CallNextHookEx(hHook, nCode, wParam, lParam);
    switch (wParam)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    {
        const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        RECT rc;
        if (::IsWindow(t_hWndMonitored) && ::GetWindowRect(t_hWndMonitored, &rc) && !::PtInRect(&rc, pInfo->pt))
        {
            HWND hWndPopup = t_hWndMonitored;
            SetupHook(NULL);  // one close per watch
            ::PostMessageA(hWndPopup, WM_CLOSE, 0, 0);
        }
        break;
    }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

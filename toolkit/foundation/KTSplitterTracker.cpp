// KTSplitterTracker.cpp: the tracker's modal loop and the mouse monitor's hook.
#include "KTSplitterTracker.h"

namespace
{

LONG Clamp(LONG n, LONG nLow, LONG nHigh) { return n < nLow ? nLow : (n > nHigh ? nHigh : n); }

// What a drag holds while it runs, given back in reverse at the end: the
// mouse, then the desktop outline.
class CDesktopDrag
{
public:
    explicit CDesktopDrag(HWND hWnd) : m_hWnd(hWnd) { ::SetCapture(hWnd); }
    ~CDesktopDrag()
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    CDesktopDrag(const CDesktopDrag&) = delete;
    CDesktopDrag& operator=(const CDesktopDrag&) = delete;

    const CKTDesktopOutline& GetOutline() const { return m_outline; }

private:
    HWND m_hWnd;  // holds the capture
    CKTDesktopOutline m_outline;
};

// The hook and the watched popup of each thread.
thread_local HHOOK t_hMouseHook = NULL;
thread_local HWND t_hWndMonitored = NULL;

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
    HWND hWnd = pTrackWnd->GetSafeHwnd();
    CDesktopDrag drag(hWnd);
    m_pDesktop = &drag.GetOutline();

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
    m_pDesktop = NULL;
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

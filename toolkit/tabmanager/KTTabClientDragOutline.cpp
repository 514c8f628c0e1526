// KTTabClientDragOutline.cpp: the inverted outline on the desktop that shows where a dragged tab would go.
#include "KTTabClientDragOutline.h"

#include "KTCaptureLoop.h"

namespace
{
HBRUSH CreateHalftoneBrush()
{
    static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, kPattern);
    HBRUSH hBrush = hBitmap ? ::CreatePatternBrush(hBitmap) : NULL;
    if (hBitmap)
        ::DeleteObject(hBitmap);
    return hBrush;
}
}  // namespace

CKTTabClientDragOutline::CKTTabClientDragOutline(CWnd* pClient) : m_pClient(pClient) {}

CKTTabClientDragOutline::~CKTTabClientDragOutline()
{
    Hide();
    if (m_hBrush)
        ::DeleteObject(m_hBrush);
}

void CKTTabClientDragOutline::Show(const CRect& rcOutline, HCURSOR hCursor)
{
    if (!m_hDesktopDC)
    {
        CKTCaptureLoop::DispatchPendingPaint();
        HWND hDesktop = ::GetDesktopWindow();
        ::LockWindowUpdate(hDesktop);
        m_hDesktopDC = ::GetDCEx(hDesktop, NULL, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
        if (!m_hBrush)
            m_hBrush = CreateHalftoneBrush();
    }
    ::SetCursor(hCursor);
    CRect rcScreen = rcOutline;
    if (!rcScreen.IsRectEmpty())
        m_pClient->ClientToScreen(rcScreen);
    if (rcScreen == m_rcShown)
        return;
    Invert(m_rcShown);
    Invert(rcScreen);
    m_rcShown = rcScreen;
}

void CKTTabClientDragOutline::Hide()
{
    if (!m_hDesktopDC)
        return;
    Invert(m_rcShown);
    m_rcShown.SetRectEmpty();
    ::ReleaseDC(::GetDesktopWindow(), m_hDesktopDC);
    m_hDesktopDC = NULL;
    ::LockWindowUpdate(NULL);
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
}

void CKTTabClientDragOutline::Invert(const CRect& rc)
{
    if (rc.IsRectEmpty() || !m_hDesktopDC || !m_hBrush)
        return;
    int cx = ::GetSystemMetrics(SM_CXFRAME), cy = ::GetSystemMetrics(SM_CYFRAME);
    HGDIOBJ hOld = ::SelectObject(m_hDesktopDC, m_hBrush);
    ::PatBlt(m_hDesktopDC, rc.left, rc.top, rc.Width(), cy, PATINVERT);
    ::PatBlt(m_hDesktopDC, rc.left, rc.bottom - cy, rc.Width(), cy, PATINVERT);
    ::PatBlt(m_hDesktopDC, rc.left, rc.top + cy, cx, rc.Height() - 2 * cy, PATINVERT);
    ::PatBlt(m_hDesktopDC, rc.right - cx, rc.top + cy, cx, rc.Height() - 2 * cy, PATINVERT);
    ::SelectObject(m_hDesktopDC, hOld);
}

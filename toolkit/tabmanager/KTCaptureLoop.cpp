// KTCaptureLoop.cpp: the message taking of a modal mouse loop that holds the capture.
#include "KTCaptureLoop.h"

CKTCaptureLoop::CKTCaptureLoop(HWND hWnd) : m_hWnd(hWnd) { ::SetCapture(hWnd); }

CKTCaptureLoop::~CKTCaptureLoop()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

BOOL CKTCaptureLoop::Next(MSG& msg)
{
    if (::GetCapture() != m_hWnd)
        return FALSE;
    return Take(msg);
}

BOOL CKTCaptureLoop::Poll(MSG& msg, BOOL& bTaken)
{
    bTaken = FALSE;
    if (::GetCapture() != m_hWnd)
        return FALSE;
    if (!::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
        return TRUE;
    bTaken = TRUE;
    return Take(msg);
}

BOOL CKTCaptureLoop::Take(MSG& msg)
{
    if (!::GetMessage(&msg, NULL, 0, 0))
    {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return FALSE;
    }
    if (::GetCapture() == m_hWnd)
        return TRUE;
    Dispatch(msg);
    return FALSE;
}

BOOL CKTCaptureLoop::IsCancel(const MSG& msg)
{
    return msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN ||
           (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
}

void CKTCaptureLoop::DispatchPendingPaint()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
}

void CKTCaptureLoop::Dispatch(const MSG& msg)
{
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
}

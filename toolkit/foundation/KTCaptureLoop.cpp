// KTCaptureLoop.cpp: the message taking and the end rules of the toolkit's modal mouse loops.
#include "KTCaptureLoop.h"

CKTCaptureLoop::CKTCaptureLoop(HWND hWnd, UINT nFlags) : m_hWnd(hWnd), m_nFlags(nFlags) { ::SetCapture(hWnd); }

CKTCaptureLoop::~CKTCaptureLoop()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

BOOL CKTCaptureLoop::IsHeld()
{
    if (m_eState != EState::Running)
        return FALSE;
    if (::GetCapture() == m_hWnd)
        return TRUE;
    m_eState = EState::Cancelled;
    return FALSE;
}

BOOL CKTCaptureLoop::Next(MSG& msg)
{
    if (!IsHeld())
        return FALSE;
    if (m_nFlags & ktLoopPaintFirst)
        DispatchPendingPaint();
    return Take(msg);
}

BOOL CKTCaptureLoop::Poll(MSG& msg, BOOL& bTaken)
{
    bTaken = FALSE;
    if (!IsHeld())
        return FALSE;
    if (!::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
        return TRUE;
    bTaken = TRUE;
    return Take(msg);
}

BOOL CKTCaptureLoop::Take(MSG& msg)
{
    const BOOL bResult = ::GetMessage(&msg, NULL, 0, 0);
    if (bResult <= 0)
    {
        if (bResult == 0)
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        m_eState = EState::Cancelled;
        return FALSE;
    }
    if (::GetCapture() != m_hWnd)
    {
        // The capture went while the message waited: it belongs to whoever took it.
        Dispatch(msg);
        m_eState = EState::Cancelled;
        return FALSE;
    }
    if (msg.message == WM_LBUTTONUP)
        m_eState = EState::Released;
    else if (IsCancel(msg))
        m_eState = EState::Cancelled;
    return m_eState == EState::Running;
}

BOOL CKTCaptureLoop::IsCancel(const MSG& msg)
{
    return msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN ||
           (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
}

BOOL CKTCaptureLoop::DispatchPendingPaint(int* pnQuitCode)
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
    {
        if (msg.message != WM_QUIT)
        {
            ::DispatchMessage(&msg);
            continue;
        }
        if (pnQuitCode)
            *pnQuitCode = static_cast<int>(msg.wParam);
        else
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        return TRUE;
    }
    return FALSE;
}

void CKTCaptureLoop::Dispatch(const MSG& msg)
{
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
}

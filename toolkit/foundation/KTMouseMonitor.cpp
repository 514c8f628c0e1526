// KTMouseMonitor.cpp: one WH_MOUSE hook per thread: the watched popup's outside clicks, then the sinks.
#include "KTMouseMonitor.h"

CKTMouseMonitor* CKTMouseMonitor::Instance()
{
    static thread_local CKTMouseMonitor s_monitor;
    return &s_monitor;
}

CKTMouseMonitor::~CKTMouseMonitor()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
}

BOOL CKTMouseMonitor::Hook()
{
    if (!m_hHook)
        m_hHook = ::SetWindowsHookEx(WH_MOUSE, HookProc, NULL, ::GetCurrentThreadId());
    return m_hHook != NULL;
}

void CKTMouseMonitor::UnhookWhenIdle()
{
    if (!m_hHook || m_hWndWatched || !m_sinks.IsEmpty())
        return;
    ::UnhookWindowsHookEx(m_hHook);
    m_hHook = NULL;
}

void CKTMouseMonitor::SetupHook(HWND hWnd)
{
    m_hWndWatched = hWnd && Hook() ? hWnd : NULL;
    UnhookWhenIdle();
}

BOOL CKTMouseMonitor::AddSink(IKTMouseHookSink* pSink)
{
    if (!Hook())
        return FALSE;
    m_sinks.Add(pSink);
    return TRUE;
}

void CKTMouseMonitor::RemoveSink(IKTMouseHookSink* pSink)
{
    m_sinks.Remove(pSink);
    UnhookWhenIdle();
}

BOOL CKTMouseMonitor::IsPress(UINT nMessage)
{
    switch (nMessage)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

void CKTMouseMonitor::CloseWatchedOutside(UINT nMessage, POINT pt)
{
    RECT rc;
    if (!m_hWndWatched || !IsPress(nMessage) || !::IsWindow(m_hWndWatched) || !::GetWindowRect(m_hWndWatched, &rc) ||
        ::PtInRect(&rc, pt))
        return;
    const HWND hWndPopup = m_hWndWatched;
    SetupHook(NULL);  // one close per watch
    ::PostMessage(hWndPopup, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK CKTMouseMonitor::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CKTMouseMonitor* pThis = Instance();
    if (nCode != HC_ACTION)
        return ::CallNextHookEx(pThis->m_hHook, nCode, wParam, lParam);
    const UINT nMessage = static_cast<UINT>(wParam);
    const MOUSEHOOKSTRUCT& info = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    try
    {
        pThis->CloseWatchedOutside(nMessage, info.pt);
        if (pThis->m_sinks.Ask([&](IKTMouseHookSink* pSink) { return pSink->OnHookMouse(nMessage, info) != FALSE; }))
            return 1;
    }
    catch (...)
    {
        // A mouse message must never unwind through the system's hook chain.
    }
    return ::CallNextHookEx(pThis->m_hHook, nCode, wParam, lParam);
}

// KTOutsideClickMonitor.cpp: one WH_MOUSE hook per thread: the watched popup's outside clicks, then the sinks.
#include "KTOutsideClickMonitor.h"

CKTOutsideClickMonitor* CKTOutsideClickMonitor::Instance()
{
    static thread_local CKTOutsideClickMonitor s_monitor;
    return &s_monitor;
}

CKTOutsideClickMonitor::~CKTOutsideClickMonitor()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
}

BOOL CKTOutsideClickMonitor::Hook()
{
    if (!m_hHook)
        m_hHook = ::SetWindowsHookEx(WH_MOUSE, HookProc, NULL, ::GetCurrentThreadId());
    return m_hHook != NULL;
}

void CKTOutsideClickMonitor::UnhookWhenIdle()
{
    if (!m_hHook || m_hWndWatched || !m_sinks.IsEmpty())
        return;
    ::UnhookWindowsHookEx(m_hHook);
    m_hHook = NULL;
}

void CKTOutsideClickMonitor::Watch(HWND hWnd)
{
    m_hWndWatched = hWnd && Hook() ? hWnd : NULL;
    UnhookWhenIdle();
}

BOOL CKTOutsideClickMonitor::AddSink(IKTMouseHookSink* pSink)
{
    if (!Hook())
        return FALSE;
    m_sinks.Add(pSink);
    return TRUE;
}

void CKTOutsideClickMonitor::RemoveSink(IKTMouseHookSink* pSink)
{
    m_sinks.Remove(pSink);
    UnhookWhenIdle();
}

BOOL CKTOutsideClickMonitor::IsPress(UINT nMessage)
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

void CKTOutsideClickMonitor::CloseWatchedOutside(UINT nMessage, POINT pt)
{
    RECT rc;
    if (!m_hWndWatched || !IsPress(nMessage) || !::IsWindow(m_hWndWatched) || !::GetWindowRect(m_hWndWatched, &rc) ||
        ::PtInRect(&rc, pt))
        return;
    const HWND hWndPopup = m_hWndWatched;
    Watch(NULL);  // one close per watch
    ::PostMessage(hWndPopup, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK CKTOutsideClickMonitor::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CKTOutsideClickMonitor* pThis = Instance();
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

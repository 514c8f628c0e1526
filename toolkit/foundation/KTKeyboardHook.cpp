// KTKeyboardHook.cpp: one WH_KEYBOARD hook per thread, handing each key to the listening modules.
#include "KTKeyboardHook.h"

CKTKeyboardHook* CKTKeyboardHook::Instance()
{
    static thread_local CKTKeyboardHook s_hook;
    return &s_hook;
}

CKTKeyboardHook::~CKTKeyboardHook()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
}

BOOL CKTKeyboardHook::AddSink(IKTKeyboardHookSink* pSink)
{
    if (!m_hHook)
        m_hHook = ::SetWindowsHookEx(WH_KEYBOARD, HookProc, NULL, ::GetCurrentThreadId());
    if (!m_hHook)
        return FALSE;
    m_sinks.Add(pSink);
    return TRUE;
}

void CKTKeyboardHook::RemoveSink(IKTKeyboardHookSink* pSink)
{
    m_sinks.Remove(pSink);
    if (!m_sinks.IsEmpty() || !m_hHook)
        return;
    ::UnhookWindowsHookEx(m_hHook);
    m_hHook = NULL;
}

LRESULT CALLBACK CKTKeyboardHook::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CKTKeyboardHook* pThis = Instance();
    const UINT nKey = static_cast<UINT>(wParam);
    try
    {
        if (nCode == HC_ACTION &&
            pThis->m_sinks.Ask([&](IKTKeyboardHookSink* pSink) { return pSink->OnHookKey(nKey, lParam) != FALSE; }))
            return 1;
    }
    catch (...)
    {
        // A key must never unwind through the system's hook chain.
        return 1;
    }
    return ::CallNextHookEx(pThis->m_hHook, nCode, wParam, lParam);
}

// KTKeyboardHookManager.cpp: the thread's keys go to the tracking bars while any bar tracks.
#include "KTKeyboardHookManager.h"

#include "KTCommandBarsDefs.h"
#include "KTHookSink.h"
#include "KTMouseHookManager.h"

#include <algorithm>
#include <memory>

CKTKeyboardHookManager* CKTKeyboardHookManager::Instance()
{
    static thread_local std::unique_ptr<CKTKeyboardHookManager> s_pManager(new CKTKeyboardHookManager);
    return s_pManager.get();
}

CKTKeyboardHookManager::~CKTKeyboardHookManager() { Unhook(); }

void CKTKeyboardHookManager::Unhook()
{
    if (m_hHookKeyboard)
        ::UnhookWindowsHookEx(m_hHookKeyboard);
    if (m_hHookCallWndProc)
        ::UnhookWindowsHookEx(m_hHookCallWndProc);
    m_hHookKeyboard = m_hHookCallWndProc = NULL;
}

void CKTKeyboardHookManager::SetHook(CKTHookSink* pSink)
{
    DWORD dwThread = ::GetCurrentThreadId();
    if (!m_hHookKeyboard)
        m_hHookKeyboard = ::SetWindowsHookEx(WH_KEYBOARD, KeyboardProc, NULL, dwThread);
    if (!m_hHookCallWndProc)
        m_hHookCallWndProc = ::SetWindowsHookEx(WH_CALLWNDPROC, CallWndProc, NULL, dwThread);
    if (std::find(m_sinks.begin(), m_sinks.end(), pSink) == m_sinks.end())
        m_sinks.push_back(pSink);
}

void CKTKeyboardHookManager::RemoveHook(CKTHookSink* pSink)
{
    m_sinks.erase(std::remove(m_sinks.begin(), m_sinks.end(), pSink), m_sinks.end());
    if (m_sinks.empty())
        Unhook();
}

void CKTKeyboardHookManager::DiscardCurrentKey()
{
    if (!m_wCurrentKey || m_bDiscarding)
        return;
    MSG msg;
    if (!::PeekMessage(&msg, NULL, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_NOYIELD))
        return;
    const BOOL bKeyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (!bKeyDown || msg.wParam != m_wCurrentKey || HIWORD(msg.lParam) != HIWORD(m_lCurrentKey))
        return;
    m_bDiscarding = TRUE;
    ::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE | PM_NOYIELD);
    m_bDiscarding = FALSE;
}

BOOL CKTKeyboardHookManager::DispatchKey(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    std::vector<CKTHookSink*> sinks = m_sinks;
    for (auto pSink = sinks.rbegin(); pSink != sinks.rend(); ++pSink)
    {
        LRESULT lResult = 0;
        int nAnswer = (*pSink)->OnHookMessage(NULL, nMessage, wParam, lParam, lResult);
        if (nAnswer != ktHookContinue)
            return nAnswer != ktHookStopHere;
    }
    return TRUE;
}

LRESULT CALLBACK CKTKeyboardHookManager::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CKTKeyboardHookManager* pThis = Instance();
    BOOL bKeyDown = (lParam & 0x80000000) == 0;
    if (nCode != HC_ACTION || !pThis->HasSinks() || !bKeyDown || pThis->m_bDiscarding)
        return ::CallNextHookEx(pThis->m_hHookKeyboard, nCode, wParam, lParam);
    try
    {
        if (wParam == VK_MENU && (lParam & 0x20000000) && !CKTMouseHookManager::Instance()->IsLocked())
        {
            if (lParam & 0x40000000)
                return ::CallNextHookEx(pThis->m_hHookKeyboard, nCode, wParam, lParam);
            CKTMouseHookManager::Instance()->CloseAllTracked();
            return 1;
        }
        pThis->m_wCurrentKey = wParam;
        pThis->m_lCurrentKey = lParam;
        const BOOL bTaken = pThis->DispatchKey(WM_KEYDOWN, wParam, lParam);
        pThis->m_wCurrentKey = 0;
        if (bTaken)
            return 1;
    }
    catch (...)
    {
        pThis->m_wCurrentKey = 0;
        return 1;
    }
    return ::CallNextHookEx(pThis->m_hHookKeyboard, nCode, wParam, lParam);
}

LRESULT CALLBACK CKTKeyboardHookManager::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CKTKeyboardHookManager* pThis = Instance();
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_ACTIVATEAPP && !pMsg->wParam)
        CKTMouseHookManager::Instance()->CloseAllTracked();
    return ::CallNextHookEx(pThis->m_hHookCallWndProc, nCode, wParam, lParam);
}

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

// The thread's keyboard hook is made first, so that it outlives this manager.
CKTKeyboardHookManager::CKTKeyboardHookManager() { CKTKeyboardHook::Instance(); }

CKTKeyboardHookManager::~CKTKeyboardHookManager() { Unhook(); }

void CKTKeyboardHookManager::Unhook()
{
    if (m_bListening)
        CKTKeyboardHook::Instance()->RemoveSink(this);
    if (m_hHookCallWndProc)
        ::UnhookWindowsHookEx(m_hHookCallWndProc);
    m_bListening = FALSE;
    m_hHookCallWndProc = NULL;
}

void CKTKeyboardHookManager::SetHook(CKTHookSink* pSink)
{
    if (!m_bListening)
        m_bListening = CKTKeyboardHook::Instance()->AddSink(this);
    if (!m_hHookCallWndProc)
        m_hHookCallWndProc = ::SetWindowsHookEx(WH_CALLWNDPROC, CallWndProc, NULL, ::GetCurrentThreadId());
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

BOOL CKTKeyboardHookManager::OnHookKey(UINT nKey, LPARAM lParam)
{
    const BOOL bKeyDown = (lParam & 0x80000000) == 0;
    if (!HasSinks() || !bKeyDown || m_bDiscarding)
        return FALSE;
    if (nKey == VK_MENU && (lParam & 0x20000000) && !CKTMouseHookManager::Instance()->IsLocked())
    {
        if (lParam & 0x40000000)
            return FALSE;
        CKTMouseHookManager::Instance()->CloseAllTracked();
        return TRUE;
    }
    return OnKeyDown(nKey, lParam);
}

BOOL CKTKeyboardHookManager::OnKeyDown(UINT nKey, LPARAM lParam)
{
    struct CCurrentKey
    {
        WPARAM& wKey;
        ~CCurrentKey() { wKey = 0; }
    } current{m_wCurrentKey};
    m_wCurrentKey = nKey;
    m_lCurrentKey = lParam;
    return DispatchKey(WM_KEYDOWN, nKey, lParam);
}

LRESULT CALLBACK CKTKeyboardHookManager::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CKTKeyboardHookManager* pThis = Instance();
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_ACTIVATEAPP && !pMsg->wParam)
        CKTMouseHookManager::Instance()->CloseAllTracked();
    return ::CallNextHookEx(pThis->m_hHookCallWndProc, nCode, wParam, lParam);
}

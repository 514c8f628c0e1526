// Keys handed to the frame first while a test pumps messages, as the program's message loop does.
//
// Classes: CFrameKeys.
#pragma once

#include "afxwin.h"

// The program's message loop hands every message to the frame first (accelerators, the bars'
// shortcuts); the tests' pumps do not, so a test that presses such keys holds one of these.
class CFrameKeys
{
public:
    CFrameKeys() : m_hHook(::SetWindowsHookExA(WH_GETMESSAGE, Proc, nullptr, ::GetCurrentThreadId())) {}
    ~CFrameKeys()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
    }
    CFrameKeys(const CFrameKeys&) = delete;
    CFrameKeys& operator=(const CFrameKeys&) = delete;

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        MSG* pMsg = reinterpret_cast<MSG*>(lParam);
        if (nCode == HC_ACTION && wParam == PM_REMOVE && AfxPreTranslateMessage(pMsg))
            pMsg->message = WM_NULL;
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
};

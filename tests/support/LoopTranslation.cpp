// LoopTranslation.cpp: the application's pre-translation for messages taken outside its own loop.
#include "LoopTranslation.h"

#include <afxwin.h>

CLoopTranslation::CLoopTranslation()
    : m_hHook(::SetWindowsHookEx(WH_GETMESSAGE, GetMessageProc, NULL, ::GetCurrentThreadId()))
{
}

CLoopTranslation::~CLoopTranslation()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
}

LRESULT CALLBACK CLoopTranslation::GetMessageProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && AfxPreTranslateMessage(pMsg))
        pMsg->message = WM_NULL;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

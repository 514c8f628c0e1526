// KTPropertyGridMouseMonitor.cpp: the thread mouse hook that closes a popup on an outside click.
#include "KTPropertyGridMouseMonitor.h"

HHOOK CKTPropertyGridMouseMonitor::s_hHook = NULL;
HWND CKTPropertyGridMouseMonitor::s_hWndPopup = NULL;

void CKTPropertyGridMouseMonitor::SetupHook(HWND hWndPopup)
{
    s_hWndPopup = hWndPopup;
    if (hWndPopup && !s_hHook)
        s_hHook = ::SetWindowsHookEx(WH_MOUSE, MouseProc, NULL, ::GetCurrentThreadId());
    else if (!hWndPopup && s_hHook)
    {
        ::UnhookWindowsHookEx(s_hHook);
        s_hHook = NULL;
    }
}

BOOL CKTPropertyGridMouseMonitor::IsButtonDown(WPARAM wParam)
{
    switch (wParam)
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

LRESULT CALLBACK CKTPropertyGridMouseMonitor::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = s_hHook;
    if (nCode == HC_ACTION && s_hWndPopup && IsButtonDown(wParam))
    {
        const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        RECT rc;
        if (::GetWindowRect(s_hWndPopup, &rc) && !::PtInRect(&rc, pInfo->pt))
        {
            // The popup closes as it does on losing the focus.
            HWND hWndPopup = s_hWndPopup;
            SetupHook(NULL);
            ::SendMessage(hWndPopup, WM_KILLFOCUS, 0, 0);
        }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

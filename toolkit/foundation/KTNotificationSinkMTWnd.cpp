// KTNotificationSinkMTWnd.cpp: creating the hidden window and answering its one message.
#include "KTNotificationSinkMTWnd.h"
#include <afxpriv.h>

const UINT KTNotificationSinkMTOnEvent = ::RegisterWindowMessageA("KTNotificationSinkMTOnEvent");

namespace
{
const char g_szClassName[] = "KTNotificationSinkMTWnd";
using CSinkWndMap = CPermanentMap<CKTNotificationSinkMTWnd, HWND>;
}  // namespace

CKTNotificationSinkMTWnd::CKTNotificationSinkMTWnd() : m_hWnd(NULL) {}

CKTNotificationSinkMTWnd::~CKTNotificationSinkMTWnd() { DestroyWnd(); }

BOOL CKTNotificationSinkMTWnd::RegisterClassOnce()
{
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, g_szClassName, &wc))
        return TRUE;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = g_szClassName;
    return ::RegisterClassA(&wc) != 0;
}

BOOL CKTNotificationSinkMTWnd::CreateWnd()
{
    if (m_hWnd)
        return TRUE;
    if (!RegisterClassOnce())
        return FALSE;
    m_hWnd = ::CreateWindowExA(0, g_szClassName, "KTNotificationSinkMT_MsgWnd", WS_POPUP, 0, 0, 0, 0, NULL, NULL,
                               ::GetModuleHandleA(NULL), this);
    return m_hWnd != NULL;
}

void CKTNotificationSinkMTWnd::DestroyWnd()
{
    if (!m_hWnd)
        return;
    CSinkWndMap::Remove(m_hWnd);  // no callbacks into a half-destroyed object
    ::DestroyWindow(m_hWnd);
    m_hWnd = NULL;
}

LRESULT CKTNotificationSinkMTWnd::OnWindowEvent(WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }

LRESULT CALLBACK CKTNotificationSinkMTWnd::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        const CREATESTRUCTA* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        CSinkWndMap::Set(hWnd, static_cast<CKTNotificationSinkMTWnd*>(pCreate->lpCreateParams));
    }
    CKTNotificationSinkMTWnd* pThis = CSinkWndMap::Lookup(hWnd);
    if (message == WM_NCDESTROY && pThis)
    {
        // Destroyed from outside: the object must not keep a handle that may be reused.
        pThis->m_hWnd = NULL;
        CSinkWndMap::Remove(hWnd);
    }
    if (message != KTNotificationSinkMTOnEvent || !pThis)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    try
    {
        return pThis->OnWindowEvent(wParam, lParam);
    }
    catch (...)
    {
        // A handler's failure must not unwind through the system's dispatcher.
        return 0;
    }
}

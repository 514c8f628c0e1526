// Context help: the frame's help mode, in which a click on one of its windows names the topic to show.
#include "afxwin.h"
#include "afxpriv.h"

namespace
{

const DWORD kDefaultHelp = (DWORD)-1;  // the click found no topic: the application's default help
const DWORD kNonClientBase = 0x40000;  // a non-client part's topic: this plus its hit-test code

BOOL IsMouseMessage(UINT nMessage)
{
    return (nMessage >= WM_MOUSEFIRST && nMessage <= WM_MOUSELAST) ||
           (nMessage >= WM_NCMOUSEMOVE && nMessage <= WM_NCXBUTTONDBLCLK);
}

BOOL IsKeyMessage(UINT nMessage) { return nMessage >= WM_KEYFIRST && nMessage <= WM_KEYLAST; }

BOOL IsSystemKey(UINT nMessage) { return nMessage >= WM_SYSKEYDOWN && nMessage <= WM_SYSDEADCHAR; }

// Is hWnd the frame, one of its children, or a popup it owns (a floating bar, a menu)?
BOOL IsFramesWindow(HWND hWndFrame, HWND hWnd)
{
    if (!hWnd || ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId())
        return FALSE;
    for (; hWnd; hWnd = ::GetParent(hWnd))
        if (hWnd == hWndFrame)
            return TRUE;
    return FALSE;
}

// Waits for the next message; FALSE on a quit, which is posted again for the application's own loop.
BOOL NextMessage(MSG& msg)
{
    while (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        ::WaitMessage();
    if (msg.message != WM_QUIT)
        return TRUE;
    ::PostQuitMessage((int)msg.wParam);
    return FALSE;
}

// The release of the click that named the topic belongs to help mode too: a button must not run its command on it.
// Meanwhile mouse and keys go nowhere, and the rest is handled as usual.
void SwallowRelease(HWND hWndCapture)
{
    MSG msg;
    while (::GetCapture() == hWndCapture && ::GetKeyState(VK_LBUTTON) < 0 && NextMessage(msg))
        if (!IsMouseMessage(msg.message) && !IsKeyMessage(msg.message))
            ::DispatchMessage(&msg);
}

}  // namespace

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !pApp->m_pszHelpFilePath || !*pApp->m_pszHelpFilePath)
        return;
    ::WinHelp(GetTopLevelParent()->GetSafeHwnd(), pApp->m_pszHelpFilePath, nCmd, dwData);
}

void CFrameWnd::OnContextHelp()
{
    if (m_bHelpMode == helpActive)
        return;
    MSG msg;
    if (::PeekMessage(&msg, m_hWnd, WM_EXITHELPMODE, WM_EXITHELPMODE, PM_REMOVE))
    {
        m_bHelpMode = helpInactive;
        return;
    }
    if (m_bHelpMode == helpInactive)
    {
        // The command may come from a menu or a key still being handled: the mode starts after them.
        m_bHelpMode = helpEntering;
        PostMessage(WM_COMMAND, ID_CONTEXT_HELP);
        return;
    }
    m_bHelpMode = helpActive;
    HWND hWnd = m_hWnd;
    LRESULT nMessageSaved = SendMessage(WM_SETMESSAGESTRING, AFX_IDS_HELPMODEMESSAGE);
    DWORD dwContext = RunHelpLoop();
    // A window the loop dispatched to may have closed the frame, which deleted itself.
    if (!::IsWindow(hWnd))
        return;
    m_bHelpMode = helpInactive;
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    SendMessage(WM_SETMESSAGESTRING, nMessageSaved ? nMessageSaved : AFX_IDS_IDLEMESSAGE);
    if (dwContext == kDefaultHelp)
        SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
    else if (dwContext)
        WinHelp(dwContext);
}

DWORD CFrameWnd::RunHelpLoop()
{
    HWND hWnd = m_hWnd;
    POINT pt;
    ::GetCursorPos(&pt);
    SetHelpCapture(pt, nullptr);
    DWORD dwContext = 0;
    MSG msg;
    while (::IsWindow(hWnd) && NextMessage(msg))
        if (!ProcessHelpMsg(msg, &dwContext))
            break;
    return dwContext;
}

BOOL CFrameWnd::ProcessHelpMsg(MSG& msg, DWORD* pContext)
{
    if (msg.message == WM_EXITHELPMODE || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
        return FALSE;
    if (IsKeyMessage(msg.message))
    {
        // Only system keys work meanwhile (Alt+F4 closes the frame); the others would act on the focus.
        if (IsSystemKey(msg.message))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        return TRUE;
    }
    if (IsMouseMessage(msg.message))
        return ProcessHelpMouse(msg, pContext);
    ::DispatchMessage(&msg);
    return TRUE;
}

BOOL CFrameWnd::ProcessHelpMouse(MSG& msg, DWORD* pContext)
{
    BOOL bOwnWindow = FALSE;
    HWND hWndHit = SetHelpCapture(msg.pt, &bOwnWindow);
    if (!bOwnWindow)
    {
        ::DispatchMessage(&msg);
        return TRUE;
    }
    if (msg.message != WM_LBUTTONDOWN && msg.message != WM_NCLBUTTONDOWN)
        return TRUE;
    int nHit = (int)::SendMessage(hWndHit, WM_NCHITTEST, 0, MAKELPARAM(msg.pt.x, msg.pt.y));
    if (nHit == HTMENU || nHit == HTSYSMENU)
        return OpenMenuForHelp(hWndHit, nHit, msg.pt);
    *pContext = nHit == HTCLIENT ? MapClientArea(hWndHit, msg.pt) : kNonClientBase + nHit;
    SwallowRelease(m_hWnd);
    return FALSE;
}

// The menu opens as it would without help mode, so that the topic of one of its entries can be asked for.
BOOL CFrameWnd::OpenMenuForHelp(HWND hWndHit, int nHit, POINT point)
{
    HWND hWnd = m_hWnd;
    ::ReleaseCapture();
    ::SendMessage(hWndHit, WM_NCLBUTTONDOWN, nHit, MAKELPARAM(point.x, point.y));
    if (!::IsWindow(hWnd))
        return FALSE;
    ::GetCursorPos(&point);
    SetHelpCapture(point, nullptr);
    return TRUE;
}

HWND CFrameWnd::SetHelpCapture(POINT point, BOOL* pbOwnWindow)
{
    HWND hWndHit = ::WindowFromPoint(point);
    BOOL bOwnWindow = IsFramesWindow(m_hWnd, hWndHit);
    if (bOwnWindow)
    {
        if (::GetCapture() != m_hWnd)
            ::SetCapture(m_hWnd);
        ::SetCursor(::LoadCursor(nullptr, IDC_HELP));
    }
    else if (::GetCapture() == m_hWnd)
    {
        ::ReleaseCapture();
    }
    if (pbOwnWindow)
        *pbOwnWindow = bOwnWindow;
    return hWndHit;
}

DWORD CFrameWnd::MapClientArea(HWND hWndHit, POINT point)
{
    for (HWND hWnd = hWndHit; hWnd; hWnd = ::GetParent(hWnd))
    {
        POINT pt = point;
        ::ScreenToClient(hWnd, &pt);
        DWORD dwContext = (DWORD)::SendMessage(hWnd, WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (dwContext)
            return dwContext;
        if (hWnd == m_hWnd)
            break;
    }
    return kDefaultHelp;
}

// CMiniFrameWnd: tool-window popup frames whose caption follows the owner's
// activation when MFS_SYNCACTIVE is set.
#include "afxwin.h"
#include "afxpriv.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_NCCREATE()
ON_WM_NCACTIVATE()
ON_WM_SYSCOMMAND()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName ? lpWindowName : "";
    m_bSyncActive = (dwStyle & MFS_SYNCACTIVE) != 0;
    HWND hWndParent = pParentWnd->GetSafeHwnd();
    HMENU hMenu = (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : nullptr;
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, hWndParent, hMenu);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The framework's own style bits mean nothing to the system.
    cs.style &= ~(MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME | MFS_BLOCKSYSMENU);
    if (m_bSyncActive)
        cs.style |= MFS_SYNCACTIVE;
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMiniFrameWnd::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CFrameWnd::OnNcCreate(lpcs))
        return FALSE;
    if (!(GetStyle() & MFS_SYNCACTIVE))
        return TRUE;
    // Born looking like its owner: active when the owner, or a synchronised
    // popup of it, is the foreground window.
    CWnd* pParent = GetTopLevelParent();
    HWND hWndActive = ::GetForegroundWindow();
    BOOL bActive =
        pParent && hWndActive &&
        (pParent->m_hWnd == hWndActive || (::GetLastActivePopup(pParent->m_hWnd) == hWndActive &&
                                           ::SendMessage(hWndActive, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0));
    SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
    return TRUE;
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    // A synchronised frame shows its owner's state, sent through WM_FLOATSTATUS.
    if ((GetStyle() & MFS_SYNCACTIVE) && !(m_nFlags & WF_KEEPMINIACTIVE))
        return TRUE;
    if (m_nFlags & WF_KEEPMINIACTIVE)
        return FALSE;
    m_bActive = bActive;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow(!(wParam & FS_DISABLE));
    if ((wParam & (FS_ACTIVATE | FS_DEACTIVATE)) && (GetStyle() & MFS_SYNCACTIVE))
    {
        ModifyStyle(MFS_SYNCACTIVE, 0);
        SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0);
        ModifyStyle(0, MFS_SYNCACTIVE);
    }
    return (GetStyle() & MFS_SYNCACTIVE) != 0;
}

void CMiniFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    // A tool window's system menu never opens from the keyboard.
    if ((nID & 0xFFF0) == SC_KEYMENU)
        return;
    CFrameWnd::OnSysCommand(nID, lParam);
}

// KTDockingPaneContextAlphaWnd.cpp: a layered popup filled with the highlight colour.
#include "KTDockingPaneContextAlphaWnd.h"

BEGIN_MESSAGE_MAP(CKTDockingPaneContextAlphaWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CKTDockingPaneContextAlphaWnd::Create(CWnd* pOwner, const CRect& rcScreen)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
    if (!CreateEx(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, _T(""), WS_POPUP, rcScreen, pOwner, 0))
        return FALSE;
    if (!::SetLayeredWindowAttributes(m_hWnd, 0, kAlpha, LWA_ALPHA))
    {
        DestroyWindow();
        return FALSE;
    }
    Place(rcScreen);
    return TRUE;
}

void CKTDockingPaneContextAlphaWnd::Place(const CRect& rcScreen)
{
    SetWindowPos(nullptr, rcScreen.left, rcScreen.top, rcScreen.Width(), rcScreen.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

BOOL CKTDockingPaneContextAlphaWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CKTDockingPaneContextAlphaWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(rcClient, ::GetSysColor(COLOR_HIGHLIGHT));
}

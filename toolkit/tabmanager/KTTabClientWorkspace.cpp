// KTTabClientWorkspace.cpp: the tab strip window beside the MDI client when the tab client has no groups.
#include "KTTabClientWorkspace.h"

#include <windowsx.h>

#include "KTDrawObjects.h"
#include "KTMouseHookManager.h"
#include "KTTabClientWnd.h"

CKTTabClientWorkspace::~CKTTabClientWorkspace()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

// Below the MDI client, so that its siblings clip the client's area out of the strip's painting.
BOOL CKTTabClientWorkspace::Create(CWnd* pFrame)
{
    LPCSTR pszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    DWORD dwExStyle = pFrame->GetExStyle() & WS_EX_LAYOUTRTL;
    if (!CreateEx(dwExStyle, pszClass, NULL, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                  CRect(0, 0, 0, 0), pFrame, 0))
        return FALSE;
    return SetWindowPos(&wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CKTTabClientWorkspace::RedrawControl(LPCRECT lpRect, BOOL)
{
    if (!GetTabClient()->IsRedrawLocked() && GetSafeHwnd())
        InvalidateRect(lpRect, FALSE);
}

INT_PTR CKTTabClientWorkspace::OnToolHitTest(CPoint pt, TOOLINFO* pTI) const
{
    if (!GetTabClient()->m_bEnabled || IsMouseLocked())
        return -1;
    return CKTTabClientGroup::OnToolHitTest(m_hWnd, pt, pTI);
}

LRESULT CKTTabClientWorkspace::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CKTToolTipController::FilterToolTipMessage(GetTabClient()->GetToolTipController(), this, message, wParam, lParam);
    if (GetTabClient()->OfferPressToFrame(message, lParam))
        return 0;
    CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message)
    {
    case WM_SIZEPARENT:
        OnSizeParent(reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        GetTabClient()->SuspendUpdates();
        PerformClick(m_hWnd, pt);
        return 0;
    case WM_MOUSEMOVE:
        PerformMouseMove(m_hWnd, pt);
        return 0;
    case WM_MOUSELEAVE:
        PerformMouseMove(m_hWnd, CPoint(-1, -1));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// The strip is laid out in the area the frame has left; the MDI client gets the strip's client area.
void CKTTabClientWorkspace::OnSizeParent(AFX_SIZEPARENTPARAMS* pLayout)
{
    CRect rcArea = pLayout->rect;
    CKTScreenDC dc;
    GetTabClient()->GetPaintManager()->RepositionTabControl(this, &dc, CRect(CPoint(0, 0), rcArea.Size()));
    AfxRepositionWindow(pLayout, m_hWnd, rcArea);
    CRect rcClient = m_rcClient;
    rcClient.OffsetRect(rcArea.TopLeft());
    pLayout->rect = rcClient;
    Invalidate(FALSE);
}

void CKTTabClientWorkspace::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    CKTBufferDC buffer(&dc, rc);
    GetTabClient()->GetPaintManager()->DrawTabControl(this, &buffer, rc);
}

// KTPropertyGridToolTip.cpp: creating, placing and painting the grid's text tooltip.
#include "KTPropertyGridToolTip.h"

#include <windowsx.h>

#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTPropertyGridView.h"
#include "KTSystemInfo.h"

namespace
{

const char kToolTipClass[] = "KTPropertyGridToolTip";

}  // namespace

BEGIN_MESSAGE_MAP(CKTPropertyGridToolTip, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

BOOL CKTPropertyGridToolTip::Create(CKTPropertyGridView* pView, CFont* pFont)
{
    m_pView = pView;
    LOGFONT lf;
    if (pFont && pFont->GetLogFont(&lf))
        m_font.CreateFontIndirect(&lf);
    if (!CKTDrawHelpers::RegisterWndClass(NULL, kToolTipClass, CS_SAVEBITS))
        return FALSE;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kToolTipClass, "", WS_POPUP, CRect(0, 0, 0, 0), pView, 0);
}

void CKTPropertyGridToolTip::Show(const CString& strText, CRect rcScreen)
{
    m_strText = strText;
    CRect rcWork = KTMultiMonitor()->GetWorkAreaAtCursor();
    if (rcScreen.right > rcWork.right)
        rcScreen.OffsetRect(rcWork.right - rcScreen.right, 0);
    if (rcScreen.left < rcWork.left)
        rcScreen.OffsetRect(rcWork.left - rcScreen.left, 0);
    m_rcScreen = rcScreen;
    SetWindowPos(&CWnd::wndTopMost, rcScreen.left, rcScreen.top, rcScreen.Width(), rcScreen.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate(FALSE);
}

void CKTPropertyGridToolTip::Hide()
{
    m_rcScreen.SetRectEmpty();
    if (GetSafeHwnd() && IsWindowVisible())
        ShowWindow(SW_HIDE);
}

int CKTPropertyGridToolTip::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

// The mouse goes through to the row below, which decides when the tip goes.
LRESULT CKTPropertyGridToolTip::OnNcHitTest(CPoint /*point*/) { return HTTRANSPARENT; }

// Where the system still hands the tip a mouse message, the row gets it.
LRESULT CKTPropertyGridToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message < WM_MOUSEFIRST || message > WM_MOUSELAST || message == WM_MOUSEWHEEL || !m_pView)
        return CWnd::WindowProc(message, wParam, lParam);
    CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    MapWindowPoints(m_pView, &point, 1);
    Hide();
    return m_pView->SendMessage(message, wParam, MAKELPARAM(point.x, point.y));
}

void CKTPropertyGridToolTip::OnPaint()
{
    CPaintDC dc(this);
    CKTClientRect rc(this);
    dc.FillSolidRect(rc, ::GetSysColor(COLOR_INFOBK));
    COLORREF clrText = ::GetSysColor(COLOR_INFOTEXT);
    dc.Draw3dRect(rc, clrText, clrText);
    dc.SetBkMode(TRANSPARENT);
    CKTFontDC font(&dc, m_font.GetSafeHandle() ? &m_font : nullptr, clrText);
    rc.left += 4;
    dc.DrawText(m_strText, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The tip pop-up: creation as a layered, click-through tool window, showing without activation, its time-out and
// its default drawing.
#include "KTTipWnd.h"

#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

BEGIN_MESSAGE_MAP(CKTTipWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_NCHITTEST()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CKTTipWnd::~CKTTipWnd()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

// A hit-test answer alone does not carry the mouse past one top-level window to another: a layered window that is
// transparent does, to whatever lies below it.
BOOL CKTTipWnd::Create(CWnd* pOwner, LPCSTR pszClassName, BOOL bBorder)
{
    m_pOwner = pOwner;
    if (GetSafeHwnd())
        return TRUE;
    if (!CKTDrawHelpers::RegisterWndClass(NULL, pszClassName, CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW))
        return FALSE;
    CWnd* pTop = pOwner ? pOwner->GetTopLevelParent() : NULL;
    DWORD dwStyle = WS_POPUP | WS_CLIPSIBLINGS | (bBorder ? WS_BORDER : 0);
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT, pszClassName, "", dwStyle, 0,
                  0, 0, 0, pTop ? pTop->GetSafeHwnd() : NULL, NULL))
        return FALSE;
    if (!::SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA))
        TRACE("the tip may not show\n");
    return TRUE;
}

void CKTTipWnd::SetTextStyle(CFont* pFont, UINT nFormat, CPoint ptInset)
{
    m_pFont = pFont;
    m_nFormat = nFormat;
    m_ptInset = ptInset;
}

void CKTTipWnd::ShowAt(const CRect& rcScreen)
{
    if (!GetSafeHwnd())
        return;
    KillTimer(ktTimerHide);
    SetWindowPos(&wndTop, rcScreen.left, rcScreen.top, rcScreen.Width(), rcScreen.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate(FALSE);
    if (m_nShowTime > 0)
        SetTimer(ktTimerHide, m_nShowTime, NULL);
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_pOwner ? m_pOwner->GetSafeHwnd() : NULL, 0};
    if (tme.hwndTrack && !::TrackMouseEvent(&tme))
        TRACE("the tip cannot follow the pointer out of its window\n");
}

void CKTTipWnd::Hide()
{
    if (!GetSafeHwnd())
        return;
    KillTimer(ktTimerHide);
    if (IsWindowVisible())
        ShowWindow(SW_HIDE);
}

void CKTTipWnd::Draw(CDC* pDC, const CRect& rcClient)
{
    pDC->FillSolidRect(rcClient, ::GetSysColor(COLOR_INFOBK));
    CKTFontDC font(pDC, m_pFont ? m_pFont : GetFont(), ::GetSysColor(COLOR_INFOTEXT));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rcClient);
    rcText.left += m_ptInset.x;
    rcText.top += m_ptInset.y;
    pDC->DrawText(m_strText, rcText, m_nFormat);
}

void CKTTipWnd::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc, CKTClientRect(this));
}

BOOL CKTTipWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;  // the drawing fills every pixel
}

void CKTTipWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != ktTimerHide)
        return CWnd::OnTimer(nIDEvent);
    Hide();
}

LRESULT CKTTipWnd::OnNcHitTest(CPoint) { return HTTRANSPARENT; }

int CKTTipWnd::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

// The tooltip's layout against the monitor's work area, its painting and its hide timer.
#include "KTSyntaxEditTipWnd.h"

#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTSystemInfo.h"
#include "themes/KTSyntaxEditPaintManager.h"

#include <algorithm>

namespace
{
const char kClassName[] = "ZiduzuduSEToolTip";
const int kMargin = 8;       // added to the text's size on both axes
const int kTextInset = 3;    // from the left and top of the client area
const int kRightGap = 10;    // kept free before the work area's right edge
const int kLineHeight = 20;  // the measuring rectangle's start height; DrawText grows it
const UINT kTextFormat = DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
}  // namespace

BEGIN_MESSAGE_MAP(CKTSyntaxEditTipWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CKTSyntaxEditTipWnd::CKTSyntaxEditTipWnd()
{
    CKTDrawHelpers::RegisterWndClass(NULL, kClassName, CS_HREDRAW | CS_VREDRAW);
}

CKTSyntaxEditTipWnd::~CKTSyntaxEditTipWnd()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

// Owned by the control's top-level window, so that the tip stays above the frame it belongs to. Clicks go
// through it to the text below: a hit-test answer alone does not carry them past one top-level window to another.
BOOL CKTSyntaxEditTipWnd::Create(CWnd* pOwner)
{
    m_pOwner = pOwner;
    if (GetSafeHwnd())
        return TRUE;
    CWnd* pTop = pOwner ? pOwner->GetTopLevelParent() : NULL;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT, kClassName, "",
                  WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER, 0, 0, 0, 0, pTop ? pTop->GetSafeHwnd() : NULL, NULL))
        return FALSE;
    if (!::SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA))
        TRACE("the tooltip may not show\n");
    return TRUE;
}

// A new text on a tip already up is shown at once, in the new size.
void CKTSyntaxEditTipWnd::Activate(const CString& strText)
{
    if (!GetSafeHwnd())
        return;
    KillTimer(ktTimerHide);
    BOOL bChanged = strText != m_strText || !IsWindowVisible();
    m_strText = strText;
    if (bChanged)
    {
        Layout();
        ShowWindow(SW_SHOWNA);
        Invalidate();
    }
    SetTimer(ktTimerHide, m_nShowTime, NULL);
}

void CKTSyntaxEditTipWnd::Hide()
{
    if (!GetSafeHwnd())
        return;
    KillTimer(ktTimerHide);
    if (IsWindowVisible())
        ShowWindow(SW_HIDE);
}

void CKTSyntaxEditTipWnd::Layout()
{
    RECT rcWork = KTMultiMonitor()->GetWorkAreaAtCursor();
    CRect rcText(0, 0, std::max(1, int(rcWork.right - m_ptTopLeft.x) - kRightGap), kLineHeight);
    {
        CKTScreenDC dc;
        CKTFontDC font(&dc, KTSyntaxEditPaintManager()->GetFontStatus());
        dc.DrawText(m_strText, rcText, DT_CALCRECT | kTextFormat);
    }
    SetWindowPos(NULL, m_ptTopLeft.x, m_ptTopLeft.y, rcText.Width() + kMargin, rcText.Height() + kMargin,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKTSyntaxEditTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CKTClientRect rc(this);
    dc.FillSolidRect(rc, ::GetSysColor(COLOR_INFOBK));
    CKTFontDC font(&dc, KTSyntaxEditPaintManager()->GetFontStatus(), ::GetSysColor(COLOR_INFOTEXT));
    dc.SetBkMode(TRANSPARENT);
    rc.left += kTextInset;
    rc.top += kTextInset;
    dc.DrawText(m_strText, rc, kTextFormat);
}

BOOL CKTSyntaxEditTipWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;  // the paint fills every pixel
}

void CKTSyntaxEditTipWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != ktTimerHide)
        return CWnd::OnTimer(nIDEvent);
    Hide();
}

LRESULT CKTSyntaxEditTipWnd::OnNcHitTest(CPoint) { return HTTRANSPARENT; }

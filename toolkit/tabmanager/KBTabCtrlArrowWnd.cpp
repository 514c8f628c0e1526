// KBTabCtrlArrowWnd.cpp: the tab control's arrow window: its place, its buttons' states and the press that scrolls
// the row while it is held.
#include "KBTabCtrlArrowWnd.h"

#include <commctrl.h>

#include "KBTabBase.h"
#include "KBTabBaseTheme.h"
#include "KTCaptureLoop.h"
#include "KTPressRepeat.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

namespace
{
const int kButtonWidth = 14;
const int kButtonHeight = 15;
const UINT kRepeatTimer = 1;
const UINT kRepeatInterval = 150;
const char kArrowClass[] = "KBTabCtrlArrowWnd";
}  // namespace

BEGIN_MESSAGE_MAP(CKBTabCtrlArrowWnd, CWnd)
// void OnPaint()
ON_WM_PAINT()
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnMouseMove(UINT nFlags, CPoint point)
ON_WM_MOUSEMOVE()
// LRESULT OnMouseLeave(WPARAM, LPARAM)
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
// void OnLButtonDown(UINT nFlags, CPoint point)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// The control's own scroll arrows, once it has made them, become this window, so that one set of arrows shows.
BOOL CKBTabCtrlArrowWnd::EnsureWindow()
{
    HWND hTabCtrl = m_pTabBase->GetTabCtrl()->GetSafeHwnd();
    HWND hOwnArrows = ::FindWindowEx(hTabCtrl, NULL, UPDOWN_CLASS, NULL);
    if (GetSafeHwnd() && (!hOwnArrows || m_hWnd == hOwnArrows))
        return TRUE;
    if (GetSafeHwnd())
        DestroyWindow();
    m_bOwnArrows = hOwnArrows && SubclassWindow(hOwnArrows);
    if (m_bOwnArrows)
        return TRUE;
    CKTDrawHelpers::RegisterWndClass(NULL, kArrowClass, 0);
    return CreateEx(0, kArrowClass, "", WS_CHILD, CRect(0, 0, 0, 0), m_pTabBase->GetTabCtrl(), 0);
}

// The control's own arrows go back to it, to show them as it needs; a window of our own only hides.
void CKBTabCtrlArrowWnd::Hide()
{
    if (!GetSafeHwnd())
        return;
    if (m_bOwnArrows)
        UnsubclassWindow();
    else
        ShowWindow(SW_HIDE);
}

void CKBTabCtrlArrowWnd::Update(BOOL bShow)
{
    CTabCtrl* pTabCtrl = m_pTabBase->GetTabCtrl();
    if (!bShow || pTabCtrl->GetItemCount() == 0)
    {
        Hide();
        return;
    }
    if (!EnsureWindow())
        return;
    CRect rcClient, rcFirst;
    pTabCtrl->GetClientRect(&rcClient);
    pTabCtrl->GetItemRect(0, &rcFirst);
    int nWidth =
        10 + ((m_dwOptions & kbShowArrows) ? 2 * kButtonWidth : 0) + ((m_dwOptions & kbShowClose) ? kButtonWidth : 0);
    CRect rc(rcClient.right - nWidth, rcFirst.top, rcClient.right, rcFirst.bottom);
    rc.OffsetRect(0, (pTabCtrl->GetStyle() & TCS_BOTTOM) ? -2 : 1);
    SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate(FALSE);
}

BOOL CKBTabCtrlArrowWnd::IsButtonShown(int nButton) const
{
    return nButton == CKBTabBaseTheme::kbButtonClose ? (m_dwOptions & kbShowClose) != 0
                                                     : (m_dwOptions & kbShowArrows) != 0;
}

CRect CKBTabCtrlArrowWnd::GetButtonRect(int nButton) const
{
    if (!GetSafeHwnd() || !IsButtonShown(nButton))
        return CRect(0, 0, 0, 0);
    CRect rcClient;
    GetClientRect(&rcClient);
    int nRight = rcClient.right - 5;
    // Close rightmost, then the right and the left arrow.
    for (int nEach :
         {int(CKBTabBaseTheme::kbButtonClose), int(CKBTabBaseTheme::kbButtonRight), int(CKBTabBaseTheme::kbButtonLeft)})
    {
        if (!IsButtonShown(nEach))
            continue;
        int nTop = (rcClient.Height() - 13) / 2;
        if (nEach == nButton)
            return CRect(nRight - kButtonWidth, nTop, nRight, nTop + kButtonHeight);
        nRight -= kButtonWidth;
    }
    return CRect(0, 0, 0, 0);
}

DWORD CKBTabCtrlArrowWnd::GetButtonState(int nButton) const
{
    CTabCtrl* pTabCtrl = m_pTabBase->GetTabCtrl();
    DWORD dwState = 0;
    int nCount = pTabCtrl->GetItemCount();
    // The control answers FALSE for a tab scrolled out of sight, yet gives its place.
    CRect rcFirst(0, 0, 0, 0), rcLast(0, 0, 0, 0);
    pTabCtrl->GetItemRect(0, &rcFirst);
    pTabCtrl->GetItemRect(nCount - 1, &rcLast);
    if (nButton == CKBTabBaseTheme::kbButtonRight)
    {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        pTabCtrl->ScreenToClient(&rcWindow);
        // Only while the last tab runs under this window or past it.
        if (nCount == 0 || rcLast.right <= rcWindow.left)
            dwState |= CKBTabBaseTheme::kbButtonDisabled;
    }
    else if (nButton == CKBTabBaseTheme::kbButtonLeft && (nCount == 0 || rcFirst.left >= 0))
        dwState |= CKBTabBaseTheme::kbButtonDisabled;
    if (nButton == m_nPressed)
        dwState |= CKBTabBaseTheme::kbButtonPressed;
    if (nButton == m_nHot)
        dwState |= CKBTabBaseTheme::kbButtonHot;
    return dwState;
}

void CKBTabCtrlArrowWnd::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CKTBufferDC dc(&paintDC, rcClient);
    CKBTabBaseTheme* pTheme = m_pTabBase->GetTheme();
    if (!pTheme)
        return;
    COLORREF clrGlyph = pTheme->DrawArrowBackground(&dc, rcClient, m_pTabBase->GetTabCtrl()->GetStyle());
    for (int nButton :
         {int(CKBTabBaseTheme::kbButtonClose), int(CKBTabBaseTheme::kbButtonLeft), int(CKBTabBaseTheme::kbButtonRight)})
        if (IsButtonShown(nButton))
            pTheme->DrawArrowButton(&dc, GetButtonRect(nButton), GetButtonState(nButton), nButton, clrGlyph);
}

int CKBTabCtrlArrowWnd::ButtonAt(CPoint pt) const
{
    for (int nButton :
         {int(CKBTabBaseTheme::kbButtonClose), int(CKBTabBaseTheme::kbButtonLeft), int(CKBTabBaseTheme::kbButtonRight)})
        if (GetButtonRect(nButton).PtInRect(pt))
            return nButton;
    return -1;
}

void CKBTabCtrlArrowWnd::OnMouseMove(UINT, CPoint point)
{
    int nHot = ButtonAt(point);
    if (nHot == m_nHot)
        return;
    m_nHot = nHot;
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
    Invalidate(FALSE);
}

LRESULT CKBTabCtrlArrowWnd::OnMouseLeave(WPARAM, LPARAM)
{
    m_nHot = -1;
    Invalidate(FALSE);
    return 0;
}

void CKBTabCtrlArrowWnd::OnLButtonDown(UINT, CPoint point)
{
    int nButton = ButtonAt(point);
    if (nButton < 0 || ::GetCapture() || (GetButtonState(nButton) & CKBTabBaseTheme::kbButtonDisabled))
        return;
    TrackButton(nButton, point);
}

void CKBTabCtrlArrowWnd::TrackButton(int nButton, CPoint pt)
{
    const BOOL bArrow = nButton != CKBTabBaseTheme::kbButtonClose;
    const CRect rcButton = GetButtonRect(nButton);
    m_nPressed = nButton;
    Invalidate(FALSE);
    BOOL bReleasedOver = FALSE;
    {
        // The loop ends on the release, a right press, Esc, a cancel, the capture going or a quit.
        CKTCaptureLoop loop(m_hWnd, ktLoopPaintFirst);
        CKTPressRepeat repeat(
            m_hWnd, kRepeatTimer, kRepeatInterval, kRepeatInterval, [this, nButton] { Scroll(nButton); },
            [this, nButton]
            { return m_nPressed == nButton && !(GetButtonState(nButton) & CKBTabBaseTheme::kbButtonDisabled); });
        if (bArrow)
            repeat.Press();
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message == WM_MOUSEMOVE)
                pt = CPoint(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
            else if (!repeat.OnMessage(msg))
                CKTCaptureLoop::Dispatch(msg);
            int nPressed = rcButton.PtInRect(pt) ? nButton : -1;
            if (nPressed != m_nPressed)
            {
                m_nPressed = nPressed;
                Invalidate(FALSE);
            }
        }
        bReleasedOver =
            loop.IsReleased() && rcButton.PtInRect(CPoint(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam))));
    }
    m_nPressed = -1;
    Invalidate(FALSE);
    if (!bArrow && bReleasedOver)
        m_pTabBase->GetTabCtrl()->SendMessage(WM_COMMAND, kCloseCommand);
}

int CKBTabCtrlArrowWnd::FirstVisibleTab() const
{
    CTabCtrl* pTabCtrl = m_pTabBase->GetTabCtrl();
    CRect rcFirst;
    pTabCtrl->GetItemRect(0, &rcFirst);
    TCHITTESTINFO hti = {{5, (rcFirst.top + rcFirst.bottom) / 2}, 0};
    return std::max(0, pTabCtrl->HitTest(&hti));
}

void CKBTabCtrlArrowWnd::Scroll(int nButton)
{
    CTabCtrl* pTabCtrl = m_pTabBase->GetTabCtrl();
    int nFirst = FirstVisibleTab() + (nButton == CKBTabBaseTheme::kbButtonLeft ? -1 : 1);
    nFirst = std::max(0, std::min(nFirst, pTabCtrl->GetItemCount() - 1));
    pTabCtrl->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, nFirst));
    pTabCtrl->Invalidate(FALSE);
    Invalidate(FALSE);
}

// KTControlCustom.cpp: placing, showing and enabling a hosted window with its control.
#include "KTControlCustom.h"

#include "KTCommandBar.h"
#include "KTWindowHookManager.h"

IMPLEMENT_DYNCREATE(CKTControlCustom, CKTControlButton)

CKTControlCustom::CKTControlCustom() { m_dwFlags |= ktFlagNoMovable; }

CKTControlCustom::~CKTControlCustom() { SetControl(NULL); }

void CKTControlCustom::SetControl(HWND hWnd)
{
    // A window it placed on its bar would stay there, covering the button the control now draws: it hides, as on
    // removal. Once removed the control has hidden it already and keeps away from a copy that may host it now.
    if (hWnd != m_hWndChild && m_pParent && IsWindowPlacedHere())
        ShowPlacedWindow(FALSE);
    CKTWindowHookManager::Instance()->RemoveAll(this);
    m_hWndChild = hWnd;
    m_hWndPlacedOn = NULL;
    if (hWnd)
        CKTWindowHookManager::Instance()->SetHook(hWnd, this);
    DelayLayoutParent();
}

void CKTControlCustom::SetEnabled(int nEnabled)
{
    m_nEnabled = nEnabled;
    if (m_hWndChild)
        ::EnableWindow(m_hWndChild, IsEnabled());
    RedrawParent(FALSE);
}

void CKTControlCustom::SetRect(CRect rc)
{
    // Only a window this control placed is in place: one hosted again is moved and shown again, though it never left.
    const BOOL bPlaced = !m_hWndChild || (m_pParent && m_hWndPlacedOn && m_hWndPlacedOn == m_pParent->GetSafeHwnd() &&
                                          IsWindowPlacedHere());
    if (rc == m_rcControl && bPlaced)
        return;
    m_rcControl = rc;
    if (m_hWndChild && ::IsWindow(m_hWndChild) && m_pParent && m_pParent->GetSafeHwnd())
    {
        ::SetParent(m_hWndChild, m_pParent->GetSafeHwnd());
        m_hWndPlacedOn = m_pParent->GetSafeHwnd();
        LONG lStyle = ::GetWindowLong(m_hWndChild, GWL_STYLE);
        ::SetWindowLong(m_hWndChild, GWL_STYLE, (lStyle & ~WS_POPUP) | WS_CHILD);
        CRect rcWindow(rc.left + m_rcBorders.left, rc.top + m_rcBorders.top, rc.right - m_rcBorders.right,
                       rc.bottom - m_rcBorders.bottom);
        ::MoveWindow(m_hWndChild, rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(), TRUE);
    }
    UpdateWindowVisibility();
}

void CKTControlCustom::UpdateWindowVisibility()
{
    const BOOL bShow =
        m_pParent && m_bWindowVisible && IsVisible() && m_pParent->GetSafeHwnd() && m_pParent->IsVisible();
    // A copy that shares the window (a loaded state, a duplicate) leaves it to the control that placed it. One that
    // no bar holds yet hides at once: shown, it would stand in the place of the button the layout measures.
    if (IsWindowPlacedHere() || (!bShow && IsWindowOnNoBar()))
        ShowPlacedWindow(bShow);
}

BOOL CKTControlCustom::IsWindowPlacedHere() const
{
    return m_hWndChild && ::IsWindow(m_hWndChild) && ::GetParent(m_hWndChild) == m_hWndPlacedOn;
}

BOOL CKTControlCustom::IsWindowOnNoBar() const
{
    return m_hWndChild && ::IsWindow(m_hWndChild) &&
           !dynamic_cast<CKTCommandBar*>(CWnd::FromHandlePermanent(::GetParent(m_hWndChild)));
}

void CKTControlCustom::ShowPlacedWindow(BOOL bShow)
{
    ::SetWindowPos(m_hWndChild, NULL, 0, 0, 0, 0,
                   (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CSize CKTControlCustom::GetSize(CDC* pDC)
{
    if (!HasWindowToShow())
        return CKTControlButton::GetSize(pDC);
    return CSize(m_szControl.cx + m_rcBorders.left + m_rcBorders.right,
                 m_szControl.cy + m_rcBorders.top + m_rcBorders.bottom);
}

void CKTControlCustom::Draw(CDC* pDC)
{
    if (!IsDrawnByItself())
        CKTControlButton::Draw(pDC);
}

void CKTControlCustom::OnCalcDynamicSize(DWORD dwMode)
{
    const BOOL bVertical = (dwMode & LM_VERTDOCK) != 0;
    if (m_nVertOptions == ktVertHideControl)
        SetHideFlag(ktHideDockingVertical, bVertical);
    else if (m_nVertOptions == ktVertHideWindow)
    {
        m_bWindowVisible = !bVertical;
        UpdateWindowVisibility();
    }
}

void CKTControlCustom::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    if (CKTControlCustom* pCustom = dynamic_cast<CKTControlCustom*>(pFrom))
    {
        m_rcBorders = pCustom->m_rcBorders;
        m_nVertOptions = pCustom->m_nVertOptions;
        m_szControl = pCustom->m_szControl;
        SetControl(pCustom->m_hWndChild);
    }
    CKTControlButton::Copy(pFrom, bRecursive);
}

void CKTControlCustom::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (IsDrawnByItself() && !IsCustomizeMode())
        return;
    CKTControlButton::OnClick(bKeyboard, pt);
}

BOOL CKTControlCustom::IsCustomizeDropAllowed(CKTCommandBar* pBar) const { return pBar->GetType() == ktBarTypePopup; }

int CKTControlCustom::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM&, LPARAM& lParam, LRESULT&)
{
    if (nMessage != WM_MOUSEMOVE || !m_pParent || !m_pParent->GetSafeHwnd())
        return ktHookContinue;
    CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    ::MapWindowPoints(hWnd, m_pParent->GetSafeHwnd(), &pt, 1);
    m_pParent->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    return ktHookContinue;
}

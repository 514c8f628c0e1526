// KTToolBar.cpp: a bar of buttons docked in a row of its dock bar, or floating.
#include "KTToolBar.h"

#include "KTBarSizeTracker.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDockBar.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTToolBarCloseButton.h"
#include "KTToolBarExpandButton.h"

#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CKTToolBar, CKTCommandBar)

namespace
{
const int kFloatingFrame = 3;  // a floating bar's frame on every side
}

BEGIN_MESSAGE_MAP(CKTToolBar, CKTCommandBar)
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEACTIVATE()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_SETCURSOR()
ON_WM_NCCREATE()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
ON_WM_NCACTIVATE()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CKTToolBar::CKTToolBar() : m_pDockContext(new CKTBarSizeTracker(this))
{
    m_dwFlags = ktBarFlagMovable | ktBarFlagWrap;
    CKTDrawHelpers::RegisterWndClass(NULL, "KTToolBar", CS_DBLCLKS);
}

CKTToolBar::~CKTToolBar() = default;

BOOL CKTToolBar::CreateToolBar(DWORD dwStyle, CWnd* pParentWnd, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!CreateEx(0, "KTToolBar", NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    m_nBarPosition = ktBarTop;
    m_pDockContext.reset();
    m_dwFlags &= ~(ktBarFlagMovable | ktBarFlagWrap);
    if ((dwStyle & CBRS_TOOLTIPS) && !GetCommandBars())
        EnableToolTips();
    return TRUE;
}

BOOL CKTToolBar::SetPosition(int nPosition)
{
    if (nPosition == ktBarFloating)
        return Float();
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTDockBar* pDock = pCommandBars ? pCommandBars->GetDockBar(nPosition) : NULL;
    if (!pDock || !EnterDockBar(pDock))
        return FALSE;
    pDock->DockCommandBar(this);
    pCommandBars->RecalcFrameLayout();
    return TRUE;
}

BOOL CKTToolBar::DockAt(CKTDockBar* pDock, const CRect& rcScreen)
{
    if (!pDock || !EnterDockBar(pDock))
        return FALSE;
    pDock->DockCommandBar(this, rcScreen);
    GetCommandBars()->RecalcFrameLayout();
    return TRUE;
}

BOOL CKTToolBar::EnterDockBar(CKTDockBar* pDock)
{
    if (!CreateBarWindow(pDock, FALSE))
        return FALSE;
    m_nBarPosition = pDock->GetPosition();
    return TRUE;
}

BOOL CKTToolBar::Float()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CWnd* pSite = pCommandBars ? pCommandBars->GetSite() : NULL;
    if (!pSite || !CreateBarWindow(pSite, TRUE))
        return FALSE;
    if (m_pDockBar)
        m_pDockBar->RemoveCommandBar(this);
    m_nBarPosition = ktBarFloating;
    pCommandBars->RecalcFrameLayout();
    OnRecalcLayout();
    return TRUE;
}

BOOL CKTToolBar::CreateBarWindow(CWnd* pParent, BOOL bFloating)
{
    if (GetSafeHwnd())
        return bFloating ? BecomePopup(pParent) : BecomeChild(pParent);
    if (!bFloating)
        return CKTCommandBar::CreateBarWindow("KTToolBar", pParent, AFX_IDW_TOOLBAR);
    const CPoint pt = m_pDockContext ? m_pDockContext->GetFloatingPoint() : CPoint(100, 100);
    // A floating bar is no child of the frame: it takes the frame's reading order itself.
    CKTCommandBars* pCommandBars = GetCommandBars();
    const DWORD dwExStyle = pCommandBars && pCommandBars->IsLayoutRTL() ? WS_EX_LAYOUTRTL : 0;
    if (!CreateEx(dwExStyle, "KTToolBar", m_strTitle, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE,
                  CRect(pt, CSize(0, 0)), pParent, 0))
        return FALSE;
    ShowWindow(SW_SHOWNA);
    return TRUE;
}

BOOL CKTToolBar::BecomePopup(CWnd* pOwner)
{
    if (!(GetStyle() & WS_CHILD))
        return TRUE;
    const CRect rc = CKTWindowRect(this);
    if (!::SetParent(m_hWnd, NULL))
        return FALSE;
    ModifyStyle(WS_CHILD, WS_POPUP | MFS_SYNCACTIVE);
    ::SetWindowLongPtr(m_hWnd, GWLP_HWNDPARENT, (LONG_PTR)pOwner->GetSafeHwnd());
    // Where it was on the screen, now as a window of its own.
    SetWindowPos(&wndTop, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return TRUE;
}

BOOL CKTToolBar::BecomeChild(CWnd* pParent)
{
    if (GetStyle() & WS_POPUP)
    {
        ::SetWindowLongPtr(m_hWnd, GWLP_HWNDPARENT, 0);
        ModifyStyle(WS_POPUP | MFS_SYNCACTIVE, WS_CHILD);
    }
    if (GetParent() != pParent && !::SetParent(m_hWnd, pParent->GetSafeHwnd()))
        return FALSE;
    return TRUE;
}

CSize CKTToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcDockingLayout(nLength, dwMode);
    const CSize sz = m_nBarPosition == ktBarFloating ? LayoutFloating(nLength, dwMode)
                                                     : m_pControls->CalcDynamicSize(nLength, dwMode, GetRowBorders());
    CommitPendingLayout(dwMode);
    return sz;
}

CSize CKTToolBar::LayoutFloating(int nLength, DWORD dwMode)
{
    // The caption's buttons are laid out apart from the others.
    CKTControl* pClose = m_bCloseable ? CKTToolBarCloseButton::FindOrCreate(this) : NULL;
    CKTControl* pExpand =
        m_bExpandButtonAllowed && GetCommandBars() ? CKTToolBarExpandButton::FindOrCreate(this) : NULL;
    for (CKTControl* pCaptionButton : {pClose, pExpand})
        if (pCaptionButton)
            pCaptionButton->SetHideFlags(ktHideGeneric);
    const CRect rcBorders = GetFloatingBorders();
    // A menu made a bar draws its controls as menu entries, so it keeps them one under another.
    const CSize sz = m_nBarType == ktBarTypePopup ? m_pControls->CalcPopupSize(rcBorders)
                                                  : m_pControls->CalcDynamicSize(nLength, dwMode, rcBorders);
    if (dwMode & LM_COMMIT)
        PlaceCaptionButtons(sz, rcBorders.top - kFloatingFrame - 1, pClose, pExpand);
    return sz;
}

void CKTToolBar::PlaceCaptionButtons(CSize szBar, int nCaptionHeight, CKTControl* pClose, CKTControl* pExpand)
{
    int nRight = szBar.cx - kFloatingFrame;
    auto placeNext = [&nRight, nCaptionHeight](CKTControl* pButton)
    {
        pButton->SetHideFlags(0);
        pButton->SetRect(CRect(CPoint(nRight - nCaptionHeight, kFloatingFrame), CSize(nCaptionHeight, nCaptionHeight)));
        nRight -= nCaptionHeight;
    };
    if (pClose)
        placeNext(pClose);
    const BOOL bShowExpand = pExpand && GetCommandBars()->GetCommandBarsOptions()->bShowExpandButtonAlways;
    if (bShowExpand && nRight - nCaptionHeight >= kFloatingFrame)
        placeNext(pExpand);
}

CRect CKTToolBar::GetFloatingBorders()
{
    CKTScreenDC dc;
    const CSize szCaption = GetPaintManager()->DrawCommandBarGripper(&dc, this, FALSE);
    return CRect(kFloatingFrame, kFloatingFrame + szCaption.cy + 1, kFloatingFrame, kFloatingFrame);
}

void CKTToolBar::OnRecalcLayout()
{
    // The holder's layout, run from here, may ask the bar again.
    if (!GetSafeHwnd() || !IsVisible() || m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    if (m_nBarPosition == ktBarFloating)
    {
        const CRect rc = CKTWindowRect(this);
        MoveWindow(CRect(rc.TopLeft(), CalcDynamicLayout(-1, LM_COMMIT | LM_HORZ | LM_MRUWIDTH)));
    }
    else if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout();
    else
        ResizeHolder();
    Redraw(NULL, FALSE);
    m_bInRecalcLayout = FALSE;
}

void CKTToolBar::SetVisible(BOOL bVisible)
{
    if (bVisible == m_bVisible)
        return;
    if (!bVisible)
        SetTrackingMode(ktTrackingNone);
    CKTCommandBar::SetVisible(bVisible);
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
    {
        if (!bVisible && m_nBarPosition <= ktBarRight)
            ResizeHolder();
        else if (bVisible)
            OnRecalcLayout();
        return;
    }
    pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
    if (m_nBarPosition <= ktBarRight)
        pCommandBars->RecalcFrameLayout();
    else if (bVisible)
        OnRecalcLayout();
    CWnd* pSite = pCommandBars->GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(KTWM_BARVISIBLECHANGED, (WPARAM)this, bVisible);
    if (!bVisible && m_bTearOff && pCommandBars->FindIndex(this) >= 0)
        pCommandBars->RemoveLater(this);
}

void CKTToolBar::Copy(CKTCommandBar* pFrom, BOOL bRecursive)
{
    CKTCommandBar::Copy(pFrom, bRecursive);
    CKTToolBar* pToolBar = pFrom->AsToolBar();
    if (!pToolBar)
        return;
    m_bBuiltIn = pToolBar->m_bBuiltIn;
    m_bSaveAlways = pToolBar->m_bSaveAlways;
    m_bTearOff = pToolBar->m_bTearOff;
    m_bCloseable = pToolBar->m_bCloseable;
}

void CKTToolBar::ResizeHolder()
{
    // A plain toolbar's window lays its children out on WM_SIZE.
    CWnd* pHolder = GetParent();
    if (!pHolder || !pHolder->GetSafeHwnd())
        return;
    const CRect rc = CKTClientRect(pHolder);
    pHolder->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
}

BOOL CKTToolBar::IsTextBelowIcons() const
{
    if (m_nTextBelowIcons != 2)
        return m_nTextBelowIcons;
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->GetCommandBarsOptions()->bShowTextBelowIcons;
}

void CKTToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
    {
        CKTCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    CKTControl* pControl = m_pControls->HitTest(point);
    if (pControl && pControl->OnRButtonDown(point))
        return;
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    SetTrackingMode(ktTrackingNone);
    SetSelected(-1);
    Redraw(NULL, FALSE);
    ClientToScreen(&point);
    pCommandBars->ContextMenu(0, point.x, point.y);
}

void CKTToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nBarPosition == ktBarFloating)
        SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    // Customising still moves the bar by its gripper; only a press on a control is the customiser's.
    if (m_pControls->HitTest(point))
    {
        CKTCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    if (!m_pDockContext || !(m_dwFlags & ktBarFlagMovable))
        return;
    ClientToScreen(&point);
    m_pDockContext->StartDrag(point);
}

void CKTToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pControls->HitTest(point) || !m_pDockContext)
    {
        CKTCommandBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    m_pDockContext->ToggleDocking();
}

int CKTToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (m_nBarPosition == ktBarFloating || IsCustomizeMode() || IsFocusInMiniFrame())
        return MA_NOACTIVATE;
    return CKTCommandBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

// A floating window of the frame keeps the keyboard while the frame's bars are clicked.
BOOL CKTToolBar::IsFocusInMiniFrame() const
{
    if (!CKTDrawHelpers::IsTopParentActive(m_hWnd))
        return FALSE;
    for (HWND hWnd = ::GetFocus(); hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
            return TRUE;
    }
    return FALSE;
}

LRESULT CKTToolBar::OnNcHitTest(CPoint point)
{
    if (m_nBarPosition != ktBarFloating || m_nBarType == ktBarTypePopup)
        return CKTCommandBar::OnNcHitTest(point);
    CRect rc = CKTWindowRect(this);
    rc.DeflateRect(3, 3);
    if (point.y < rc.top)
        return HTTOP;
    if (point.y >= rc.bottom)
        return HTBOTTOM;
    if (point.x < rc.left)
        return HTLEFT;
    if (point.x >= rc.right)
        return HTRIGHT;
    return CKTCommandBar::OnNcHitTest(point);
}

void CKTToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT || !m_pDockContext)
    {
        CKTCommandBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ActivateTopParent();
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    m_pDockContext->StartResize(nHitTest, point);
}

BOOL CKTToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    const BOOL bDocked = m_nBarPosition >= ktBarTop && m_nBarPosition <= ktBarRight;
    if (!bDocked || !GetShowGripper() || !(m_dwFlags & ktBarFlagMovable) || !m_pDockContext || nHitTest != HTCLIENT)
        return CKTCommandBar::OnSetCursor(pWnd, nHitTest, message);
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    // The gripper lies within the row's leading border: left on a horizontal bar, top on a vertical one.
    const CRect rcBorder = GetRowBorders();
    const BOOL bOverGripper = IsVerticalPosition() ? pt.y < rcBorder.top : pt.x < rcBorder.left;
    if (!bOverGripper)
        return CKTCommandBar::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
    return TRUE;
}

void CKTToolBar::HideTemporarily(BOOL bHide)
{
    if (bHide == m_bHiddenTemporarily)
        return;
    m_bHiddenTemporarily = bHide;
    if (bHide)
    {
        m_bShownBeforeHiding = m_bVisible;
        m_bVisible = FALSE;
        if (GetSafeHwnd())
            ShowWindow(SW_HIDE);
        return;
    }
    if (!m_bShownBeforeHiding)
        return;
    m_bVisible = TRUE;
    if (GetSafeHwnd())
        ShowWindow(SW_SHOWNA);
    CFrameWnd* pFrame = GetParentFrame();
    if (GetType() == ktBarTypeMenuBar && pFrame)
        pFrame->RecalcLayout();
}

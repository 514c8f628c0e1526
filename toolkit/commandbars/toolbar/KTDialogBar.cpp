// KTDialogBar.cpp: the dialog bar's layout around its child, its caption strip, edges and sizes.
#include "KTDialogBar.h"

#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTDialogBarCaption.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTDialogBar, CKTToolBar)

BEGIN_MESSAGE_MAP(CKTDialogBar, CKTToolBar)
ON_WM_NCHITTEST()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const int kCaptionButtonSize = 16;
const int kSizingBorder = 3;
}  // namespace

CKTDialogBar::CKTDialogBar() : m_pCaptionPopup(KTMakeCounted<CKTDialogBarCaptionPopup>())
{
    m_bExpandButtonAllowed = FALSE;
    // Its controls are its own caption's: customising neither takes them away nor drops others among them.
    m_bCustomizable = FALSE;
}

CKTDialogBar::~CKTDialogBar() = default;

BOOL CKTDialogBar::IsCaptionPopupEnabled() const
{
    return m_bCaptionPopupEnabled && m_pCaptionPopup->GetControlCount() > 0;
}

CSize CKTDialogBar::CalcDynamicLayout(int, DWORD) { return CalcBarLayout(m_szFloating); }

CSize CKTDialogBar::CalcDockingLayout(int, DWORD, int) { return CalcBarLayout(m_szDocked); }

CSize CKTDialogBar::CalcBarLayout(CSize szClient)
{
    CSize sz(szClient.cx + m_rcMargins.left + m_rcMargins.right, szClient.cy + m_rcMargins.top + m_rcMargins.bottom);
    m_nCaptionHeight = 0;
    if (!m_bShowCaption)
    {
        for (UINT nId : {KT_ID_TOOLBAR_CLOSE, KT_ID_DIALOGBAR_CAPTION})
            if (CKTControl* pControl = m_pControls->FindControl(nId))
                pControl->SetHideFlags(ktHideGeneric);
        return sz;
    }
    CKTPaintManager* pPaintManager = GetPaintManager();
    CWindowDC dc(GetSafeHwnd() ? this : NULL);
    // Measured in the font the caption control draws it in, or a wider font cuts it short.
    CKTFontDC font(&dc, pPaintManager->GetSmallCaptionFont());
    // The theme's caption strip sets its height, whether or not its gripper shows.
    const int nStripHeight = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE).cy;
    m_nCaptionHeight = m_rcMargins.top + nStripHeight;
    sz.cy += m_nCaptionHeight;
    // The caption keeps room for the gripper, its text with the control's insets (the drop-down mark's on the
    // right) and the close button.
    const int nTextWidth = dc.GetTextExtent(GetCaption()).cx;
    sz.cx = std::max<int>(sz.cx, m_rcMargins.left + GetGripperWidth() + 2 + nTextWidth + 15 + kCaptionButtonSize +
                                     m_rcMargins.right);
    LayoutCaption(sz, nStripHeight);
    return sz;
}

void CKTDialogBar::LayoutCaption(CSize szBar, int nStripHeight)
{
    int nTop = m_rcMargins.top - kCaptionButtonSize / 2 + nStripHeight / 2;
    int nRight = szBar.cx - m_rcMargins.right;
    CKTControl* pClose = m_pControls->FindControl(KT_ID_TOOLBAR_CLOSE);
    if (!m_bCloseable && pClose)
        pClose->SetHideFlags(ktHideGeneric);
    if (m_bCloseable)
    {
        if (!pClose)
            pClose = m_pControls->Add(KTMakeCounted<CKTDialogBarCloseButton>(), KT_ID_TOOLBAR_CLOSE, NULL, -1, TRUE);
        pClose->SetHideFlags(0);
        pClose->SetRect(CRect(nRight - kCaptionButtonSize, nTop, nRight, nTop + kCaptionButtonSize));
        nRight -= kCaptionButtonSize;
    }
    auto* pCaption = dynamic_cast<CKTDialogBarCaptionControl*>(m_pControls->FindControl(KT_ID_DIALOGBAR_CAPTION));
    if (!pCaption)
    {
        CKTSmartPtr<CKTDialogBarCaptionControl> pNew = KTMakeCounted<CKTDialogBarCaptionControl>();
        m_pCaptionPopup->SetCommandBars(GetCommandBars());
        pNew->SetCommandBar(m_pCaptionPopup.GetInterface());
        pCaption = pNew.GetInterface();
        m_pControls->Add(CKTSmartPtr<CKTControl>(pCaption), KT_ID_DIALOGBAR_CAPTION, NULL, -1, TRUE);
    }
    pCaption->SetHideFlags(0);
    pCaption->SetCaptionEnabled(IsCaptionPopupEnabled());
    pCaption->SetCaption(GetCaption());
    pCaption->SetRect(CRect(m_rcMargins.left + GetGripperWidth(), nTop, nRight, nTop + kCaptionButtonSize));
}

int CKTDialogBar::GetGripperWidth()
{
    return GetShowGripper() ? GetPaintManager()->DrawCommandBarGripper(NULL, this, FALSE).cx : 0;
}

int CKTDialogBar::IsPointInside(int x, int y) const
{
    CRect rc = CKTWindowRect(this);
    rc.bottom = rc.top + m_nCaptionHeight;
    return rc.PtInRect(CPoint(x, y)) ? 1 : -2;
}

LRESULT CKTDialogBar::OnNcHitTest(CPoint point)
{
    if (!m_bResizable)
        return CKTToolBar::OnNcHitTest(point);
    CRect rc = CKTWindowRect(this);
    rc.DeflateRect(kSizingBorder, kSizingBorder);
    LRESULT nHit = m_nBarPosition == ktBarFloating ? HitTestFloating(point, rc) : HitTestDocked(point, rc);
    return nHit != HTNOWHERE ? nHit : CKTToolBar::OnNcHitTest(point);
}

LRESULT CKTDialogBar::HitTestFloating(CPoint point, const CRect& rc) const
{
    BOOL bLeft = point.x < rc.left, bRight = point.x >= rc.right;
    if (point.y < rc.top)
        return bLeft ? HTTOPLEFT : bRight ? HTTOPRIGHT : HTTOP;
    if (point.y >= rc.bottom)
        return bLeft ? HTBOTTOMLEFT : bRight ? HTBOTTOMRIGHT : HTBOTTOM;
    return bLeft ? HTLEFT : bRight ? HTRIGHT : HTNOWHERE;
}

// A docked bar sizes from the edge that faces the frame's middle.
LRESULT CKTDialogBar::HitTestDocked(CPoint point, const CRect& rc) const
{
    BOOL bStretch = (m_dwFlags & ktBarFlagStretch) != 0;
    if (m_nBarPosition == ktBarBottom ? point.y <= rc.top
                                      : (point.y >= rc.bottom && !(bStretch && IsVerticalPosition())))
        return m_nBarPosition == ktBarBottom ? HTTOP : HTBOTTOM;
    if (m_nBarPosition == ktBarRight ? point.x <= rc.left
                                     : (point.x >= rc.right && !(bStretch && !IsVerticalPosition())))
        return m_nBarPosition == ktBarRight ? HTLEFT : HTRIGHT;
    return HTNOWHERE;
}

void CKTDialogBar::Resize(const CRect& rcWindow, int nHitTest)
{
    if (rcWindow.Width() < m_szMin.cx || rcWindow.Height() < m_szMin.cy)
        return;
    CSize szFrame(m_rcMargins.left + m_rcMargins.right, m_rcMargins.top + m_rcMargins.bottom + m_nCaptionHeight);
    CSize szClient = rcWindow.Size() - szFrame;
    if (m_nBarPosition == ktBarFloating)
    {
        m_szFloating = szClient;
        CalcDynamicLayout(0, 0);
        MoveWindow(rcWindow, TRUE);
        Redraw(NULL, TRUE);
        return;
    }
    if (nHitTest == HTLEFT || nHitTest == HTRIGHT)
        m_szDocked.cx = szClient.cx;
    else
        m_szDocked.cy = szClient.cy;
    OnRecalcLayout();
}

void CKTDialogBar::OnSize(UINT nType, int cx, int cy)
{
    CKTToolBar::OnSize(nType, cx, cy);
    if (!m_hwndChild || !::IsWindow(m_hwndChild))
        return;
    int nTop = m_rcMargins.top + m_nCaptionHeight;
    ::SetWindowPos(m_hwndChild, NULL, m_rcMargins.left, nTop,
                   std::max<int>(0, cx - m_rcMargins.left - m_rcMargins.right),
                   std::max<int>(0, cy - nTop - m_rcMargins.bottom), SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hwndChild, NULL, FALSE);
}

BOOL CKTDialogBar::IsFocusInside() const
{
    HWND hFocus = ::GetFocus();
    if (!hFocus)
        return FALSE;
    if (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus))
        return TRUE;
    // A window the bar's child opened, such as a drop-down list.
    HWND hOwner = ::GetWindow(hFocus, GW_OWNER);
    HWND hParent = ::GetParent(hFocus);
    return (hOwner && ::IsChild(m_hWnd, hOwner)) || (hParent && ::IsChild(m_hWnd, hParent));
}

void CKTDialogBar::IdleUpdate(BOOL bUpdate, BOOL bDisableIfNoHandler)
{
    BOOL bActive = IsFocusInside();
    if (bActive != m_bActive)
    {
        m_bActive = bActive;
        Redraw(NULL, TRUE);
    }
    CKTToolBar::IdleUpdate(bUpdate, bDisableIfNoHandler);
}

void CKTDialogBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->FillCommandBarEntry(pDC, this);
    if (GetShowGripper())
        pPaintManager->DrawCommandBarGripper(pDC, this, TRUE);
    pDC->SetBkMode(TRANSPARENT);
    DrawControls(pDC, rcClipBox);
}

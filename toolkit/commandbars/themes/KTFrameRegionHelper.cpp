// KTFrameRegionHelper.cpp: a frame's border, caption, region and glass, measured by its theme and its caption bar.
#include "KTFrameRegionHelper.h"

#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTStatusBar.h"
#include "KTSystemInfo.h"
#include "KTThemeStyle5.h"
#include "KTWindowHookManager.h"

namespace
{
const UINT KT_WM_REFRESHFRAME = 0x363;
const int KT_GLASS_BORDER = 4;  // the border a composited frame keeps unless maximised

// The composition library loads with the first frame that asks about glass, not with the program.
CKTWinDwmWrapper& Composition()
{
    static CKTWinDwmWrapper s_dwm;
    return s_dwm;
}
}  // namespace

CKTFrameRegionHelper::CKTFrameRegionHelper(CWnd* pFrame, CKTThemeStyle5* pTheme) : m_pFrame(pFrame), m_pTheme(pTheme)
{
    m_nFrameBorder = MeasureFrameBorder();
}

CKTFrameRegionHelper::CKTFrameRegionHelper(CWnd* pFrame, CKTCommandBars* pCommandBars, IKTFrameCaptionBar* pCaptionBar)
    : m_pFrame(pFrame), m_pCommandBars(pCommandBars), m_pCaptionBar(pCaptionBar)
{
    m_nFrameBorder = MeasureFrameBorder();
    if (!m_pFrame->GetSafeHwnd())
        return;
    CKTWindowHookManager::Instance()->SetHook(m_pFrame->GetSafeHwnd(), this);
    m_bHooked = TRUE;
}

// The frame may be going too: giving it its caption back is the owner's to ask for.
CKTFrameRegionHelper::~CKTFrameRegionHelper()
{
    if (m_bHooked)
        CKTWindowHookManager::Instance()->RemoveAll(this);
}

void CKTFrameRegionHelper::RestoreFrame()
{
    if (m_bHooked)
        CKTWindowHookManager::Instance()->RemoveAll(this);
    m_bHooked = FALSE;
    HWND hFrame = m_pFrame->GetSafeHwnd();
    if (!hFrame)
        return;
    SetRegion(NULL);
    ::SetWindowPos(hFrame, NULL, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (CFrameWnd* pFrameWnd = dynamic_cast<CFrameWnd*>(m_pFrame))
        pFrameWnd->RecalcLayout(FALSE);
}

CKTThemeStyle5* CKTFrameRegionHelper::GetTheme() const
{
    if (m_pCommandBars)
        return dynamic_cast<CKTThemeStyle5*>(m_pCommandBars->GetPaintManager());
    return m_pTheme;
}

CKTThemeStyle5* CKTFrameRegionHelper::GetFrameTheme() const
{
    return m_bComposition || IsCaptionVisible() ? NULL : GetTheme();
}

BOOL CKTFrameRegionHelper::QueryComposition() const { return Composition().IsCompositionEnabled(); }

LRESULT CKTFrameRegionHelper::HitTestComposition(CPoint ptScreen) const
{
    HWND hFrame = m_pFrame ? m_pFrame->GetSafeHwnd() : NULL;
    LRESULT lResult = 0;
    if (!hFrame ||
        Composition().DefWindowProc(hFrame, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y), &lResult) != S_OK)
        return 0;
    return lResult;
}

int CKTFrameRegionHelper::MeasureFrameBorder() const
{
    HWND hFrame = m_pFrame ? m_pFrame->GetSafeHwnd() : NULL;
    if (!hFrame)
        return 0;
    CRect rc(0, 0, 100, 100);
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLong(hFrame, GWL_STYLE));
    const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLong(hFrame, GWL_EXSTYLE));
    if (!::AdjustWindowRectEx(&rc, dwStyle, FALSE, dwExStyle))
        return 0;
    return -rc.left;
}

BOOL CKTFrameRegionHelper::IsMDIMaximized() const
{
    return (m_pFrame->GetStyle() & WS_MAXIMIZE) && (m_pFrame->GetExStyle() & WS_EX_MDICHILD);
}

BOOL CKTFrameRegionHelper::IsCaptionVisible() const
{
    if (IsMDIMaximized())
        return FALSE;
    if (!m_pCaptionBar || !m_pCaptionBar->IsDrawingFrameCaption())
        return TRUE;
    // A minimised child keeps the caption that is all there is of it.
    const DWORD dwStyle = m_pFrame->GetStyle();
    return (dwStyle & WS_MINIMIZE) && (dwStyle & WS_CHILD);
}

int CKTFrameRegionHelper::GetCaptionHeight() const
{
    if (!IsCaptionVisible() && m_pCaptionBar)
        return m_pCaptionBar->GetCaptionHeight();
    CKTThemeStyle5* pTheme = GetTheme();
    return (pTheme ? pTheme->m_nFrameCaptionHeight : ::GetSystemMetrics(SM_CYCAPTION)) + m_nFrameBorder;
}

HWND CKTFrameRegionHelper::FindStatusBar() const
{
    if (m_pStatusBar)
        return m_pStatusBar->GetSafeHwnd();
    HWND hStatusBar = m_pFrame->GetSafeHwnd() ? ::GetDlgItem(m_pFrame->GetSafeHwnd(), AFX_IDW_STATUS_BAR) : NULL;
    return hStatusBar && ::SendMessage(hStatusBar, KTWM_ISFRAMESTATUSBAR, 0, 0) ? hStatusBar : NULL;
}

int CKTFrameRegionHelper::GetFrameStatusBarHeight() const
{
    CKTThemeStyle5* pTheme = GetTheme();
    HWND hStatusBar = pTheme && pTheme->m_bFrameStatusBar ? FindStatusBar() : NULL;
    CRect rc;
    if (!hStatusBar || !::IsWindowVisible(hStatusBar) || !::GetWindowRect(hStatusBar, &rc))
        return 0;
    return rc.Height();
}

BOOL CKTFrameRegionHelper::IsCaptionButtonEnabled(const KT_FRAMECAPTIONBUTTON& button) const
{
    if (button.nEnabled != -1)
        return button.nEnabled;
    CMenu* pMenu = m_pFrame->GetSystemMenu(FALSE);
    if (!pMenu)
        return TRUE;
    UINT nState = pMenu->GetMenuState(button.nId, MF_BYCOMMAND);
    return nState == static_cast<UINT>(-1) || !(nState & (MF_GRAYED | MF_DISABLED));
}

void CKTFrameRegionHelper::PostRefresh()
{
    if (!m_pFrame->GetSafeHwnd() || !::PostMessage(m_pFrame->GetSafeHwnd(), KT_WM_REFRESHFRAME, 0, 0))
        return;
    m_bRefreshPending = TRUE;
}

void CKTFrameRegionHelper::RefreshFrame()
{
    m_szRegion = CSize(0, 0);
    m_bRefreshPending = FALSE;
    HWND hFrame = m_pFrame->GetSafeHwnd();
    if (!hFrame)
        return;
    // The layout below reads the border and the composition answer; a size that does not change sends no WM_SIZE.
    UpdateFrameRegion();
    ::SetWindowPos(hFrame, NULL, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (CFrameWnd* pFrameWnd = dynamic_cast<CFrameWnd*>(m_pFrame))
        pFrameWnd->RecalcLayout(FALSE);
    else
    {
        CRect rc;
        ::GetClientRect(hFrame, &rc);
        ::SendMessage(hFrame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
    }
    if (m_pCaptionBar)
        m_pCaptionBar->RedrawFrameCaption();
}

void CKTFrameRegionHelper::UpdateFrameRegion()
{
    CRect rc;
    if (m_pFrame->GetSafeHwnd() && ::GetWindowRect(m_pFrame->GetSafeHwnd(), &rc))
        UpdateFrameRegion(rc.Width(), rc.Height(), TRUE);
}

void CKTFrameRegionHelper::UpdateFrameRegion(int cx, int cy, BOOL bForce)
{
    if (m_bUpdating || (!bForce && m_szRegion == CSize(cx, cy)))
        return;
    m_bUpdating = TRUE;
    m_nFrameBorder = MeasureFrameBorder();
    m_bComposition = QueryComposition();
    if (m_bComposition)
    {
        if (!m_pFrame->IsZoomed())
            m_nFrameBorder = KT_GLASS_BORDER;
        m_bComposition = ExtendFrameIntoClientArea();
    }
    // The system refusing the glass leaves the frame to the region; glass takes no region.
    SetRegion(m_bComposition ? NULL : CreateRegion(cx, cy));
    m_szRegion = CSize(cx, cy);
    m_bUpdating = FALSE;
}

void CKTFrameRegionHelper::SetRegion(HRGN hRgn)
{
    // A region the window refused is still ours to free.
    if (!::SetWindowRgn(m_pFrame->GetSafeHwnd(), hRgn, TRUE) && hRgn)
        ::DeleteObject(hRgn);
}

BOOL CKTFrameRegionHelper::ExtendFrameIntoClientArea()
{
    const int cyTop = IsCaptionVisible() ? 0 : GetCaptionHeight();
    return SUCCEEDED(Composition().ExtendFrameIntoClientArea(m_pFrame->GetSafeHwnd(), 0, cyTop, 0, 0));
}

HRGN CKTFrameRegionHelper::CreateRegion(int cx, int cy) const
{
    if (IsMDIMaximized())
        return NULL;
    // A maximised frame's border lies off the screen; what would show of it on a second monitor is cut.
    if (m_pFrame->IsZoomed())
        return ::CreateRectRgn(m_nFrameBorder, m_nFrameBorder, cx - m_nFrameBorder, cy - m_nFrameBorder);
    CKTThemeStyle5* pTheme = GetTheme();
    return pTheme ? pTheme->CreateFrameRegion(const_cast<CKTFrameRegionHelper*>(this), cx, cy) : NULL;
}

int CKTFrameRegionHelper::OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    switch (nMessage)
    {
    case WM_NCCALCSIZE:
        if (IsCaptionVisible())
            return ktHookContinue;
        OnCalcSize(static_cast<BOOL>(wParam), lParam);
        lResult = 0;
        return ktHookHandled;
    case WM_NCPAINT:
        if (!GetFrameTheme())
            return ktHookContinue;
        GetFrameTheme()->DrawFrame(this);
        lResult = 0;
        return ktHookHandled;
    case WM_NCACTIVATE:
        m_bActive = static_cast<BOOL>(wParam);
        Repaint();
        if (!GetFrameTheme())
            return ktHookContinue;
        lResult = TRUE;
        return ktHookHandled;
    case WM_SIZE:
        UpdateFrameRegion();
        return ktHookContinue;
    case WM_SETTEXT:
        // The title is placed by the caption bar's layout, which reads the text once it is set.
        if (!IsCaptionVisible())
            PostRefresh();
        return ktHookContinue;
    case WM_DWMCOMPOSITIONCHANGED:
        // Glass came or went: the frame's border, region and caption follow the new answer.
        RefreshFrame();
        return ktHookContinue;
    case KT_WM_REFRESHFRAME:
        if (m_bRefreshPending)
            RefreshFrame();
        lResult = 0;
        return ktHookHandled;
    }
    return ktHookContinue;
}

// The caption bar's window takes the caption's place: the client area reaches the window's top.
void CKTFrameRegionHelper::OnCalcSize(BOOL bValidRects, LPARAM lParam)
{
    RECT* pRect =
        bValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    const int b = MeasureFrameBorder();
    pRect->left += b;
    pRect->right -= b;
    pRect->bottom -= b;
}

void CKTFrameRegionHelper::Repaint()
{
    if (CKTThemeStyle5* pTheme = GetFrameTheme())
        pTheme->DrawFrame(this);
    if (m_pCaptionBar)
        m_pCaptionBar->RedrawFrameCaption();
}

// KTRibbonBarFrame.cpp: the ribbon drawing its frame's caption: the frame-region object, the caption buttons and
// the title.
#include "KTRibbonBar.h"

#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTRibbonCaptionButton.h"
#include "KTPaintManager.h"
#include "KTSystemChange.h"

#include <algorithm>

namespace
{
const int KT_CAPTION_CLIENT_LEFT = 70;  // where the title's room starts without a quick access toolbar above
const int KT_TITLE_MARGIN = 90;         // room around the title's text
const int KT_CAPTION_BUTTONS_BOTTOM = 3;

// The frame's system menu text for the command, up to its shortcut.
CString SystemMenuText(CWnd* pFrame, UINT nCommand)
{
    CString strText;
    CMenu* pMenu = pFrame->GetSystemMenu(FALSE);
    if (!pMenu || pMenu->GetMenuString(nCommand, strText, MF_BYCOMMAND) <= 0)
        return CString();
    const int nTab = strText.Find('\t');
    return nTab < 0 ? strText : strText.Left(nTab);
}
}  // namespace

void CKTRibbonBar::EnableFrameTheme(BOOL bEnable)
{
    CFrameWnd* pFrame = GetFrameSite();
    if (!bEnable || !pFrame)
    {
        SetFrameRegion(nullptr);
        return;
    }
    SetFrameRegion(std::unique_ptr<CKTFrameRegionHelper>(new CKTFrameRegionHelper(pFrame, GetCommandBars(), this)));
}

void CKTRibbonBar::SetFrameRegion(std::unique_ptr<CKTFrameRegionHelper> pFrameRegion)
{
    // The buttons draw through the object that goes.
    RemoveCaptionButtons();
    std::unique_ptr<CKTFrameRegionHelper> pOld = std::move(m_pFrameRegion);
    m_pFrameRegion = std::move(pFrameRegion);
    // A frame already gone (the bars may outlive it) has nothing to get back, and its object is not to be read.
    if (pOld && !m_pFrameRegion && GetFrameSite())
        pOld->RestoreFrame();
    if (m_pFrameRegion)
        m_pFrameRegion->RefreshFrame();
}

BOOL CKTRibbonBar::IsCompositedCaptionRect(const CRect& rc) const
{
    CRect rcMeet;
    return IsDwmEnabled() && rcMeet.IntersectRect(rc, m_rcCaption);
}

BOOL CKTRibbonBar::IsDrawingFrameCaption() const
{
    return IsVisible() && IsWindowShown() && m_bShown && GetPosition() == ktBarTop;
}

// Refreshed before the system shows or hides the window, so that the frame has its caption and layout right when
// ShowWindow returns.
void CKTRibbonBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CKTMenuBar::OnShowWindow(bShow, nStatus);
    if (StoreWindowShown(bShow) && m_pFrameRegion)
        m_pFrameRegion->RefreshFrame();
}

// Shown or hidden by SetWindowPos alone, which sends no WM_SHOWWINDOW. Posted: the frame's layout must not run
// inside the bar's own move.
void CKTRibbonBar::OnWindowPosChanged(WINDOWPOS* pPos)
{
    CKTMenuBar::OnWindowPosChanged(pPos);
    if (!(pPos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
        return;
    if (StoreWindowShown((pPos->flags & SWP_SHOWWINDOW) != 0) && m_pFrameRegion)
        m_pFrameRegion->PostRefresh();
}

BOOL CKTRibbonBar::StoreWindowShown(BOOL bShown)
{
    bShown = bShown != FALSE;
    if (bShown == m_bWindowShown)
        return FALSE;
    m_bWindowShown = bShown;
    return TRUE;
}

// Sent here directly, the change takes the one path that refreshes the paint manager and lays the bars out again.
void CKTRibbonBar::OnSysColorChange() { KTSystemChange()->Apply(ktSystemChangeColors); }

void CKTRibbonBar::SetVisible(BOOL bVisible)
{
    const BOOL bWasVisible = IsVisible(), bWindowWasShown = IsWindowShown();
    CKTMenuBar::SetVisible(bVisible);
    // A window that showed or hid has refreshed the frame already.
    if (m_pFrameRegion && bWasVisible != IsVisible() && bWindowWasShown == IsWindowShown())
        m_pFrameRegion->RefreshFrame();
}

void CKTRibbonBar::LayoutCaption(int nWidth)
{
    m_rcCaptionText.SetRectEmpty();
    m_rcCaptionClient.SetRectEmpty();
    if (IsCaptionVisible())
    {
        m_rcCaptionClient.SetRect(0, 0, nWidth, m_rcCaption.bottom);
        const int xQuickAccessEnd = GetQuickAccessCaptionEnd();
        if (m_pFrameRegion)
        {
            m_rcCaptionClient.left = xQuickAccessEnd >= 0 ? xQuickAccessEnd : KT_CAPTION_CLIENT_LEFT;
            m_rcCaptionClient.top += GetFrameBorder();
            m_rcCaptionClient.bottom -= KT_CAPTION_BUTTONS_BOTTOM;
            LayoutCaptionButtons();
            LayoutCaptionTitle();
        }
        else if (xQuickAccessEnd >= 0)
            m_rcCaptionClient.left = xQuickAccessEnd;
    }
    m_contextHeaders.Layout(m_pControlTab, m_rcCaption, m_rcCaptionClient.left, m_rcCaptionClient.right,
                            &m_rcCaptionText);
}

int CKTRibbonBar::GetQuickAccessCaptionEnd() const
{
    if (!m_bQuickAccessVisible || m_bQuickAccessBelow)
        return -1;
    const BOOL bDropDown = m_pQuickAccessPopup && m_pQuickAccessPopup->IsVisible();
    return m_rcQuickAccess.right + (bDropDown ? m_pQuickAccessPopup->GetRect().Width() + 2 : 12);
}

void CKTRibbonBar::LayoutCaptionButtons()
{
    CWnd* pFrame = m_pFrameRegion->GetSite();
    const DWORD dwStyle = pFrame->GetStyle();
    const BOOL bMaximizedChild = (dwStyle & WS_CHILD) && (dwStyle & WS_MAXIMIZE);
    // On glass the system draws the frame's own buttons.
    const BOOL bButtons = !bMaximizedChild && !m_pFrameRegion->IsCompositionEnabled() && (dwStyle & WS_SYSMENU);
    const BOOL bRestore = (dwStyle & (WS_MAXIMIZE | WS_MINIMIZE)) != 0;
    LayoutCaptionButton(SC_CLOSE, bButtons);
    LayoutCaptionButton(SC_RESTORE, bButtons && (dwStyle & WS_MAXIMIZEBOX) && bRestore);
    LayoutCaptionButton(SC_MAXIMIZE, bButtons && (dwStyle & WS_MAXIMIZEBOX) && !bRestore);
    LayoutCaptionButton(SC_MINIMIZE, bButtons && (dwStyle & WS_MINIMIZEBOX) && !(dwStyle & WS_MINIMIZE));
}

void CKTRibbonBar::LayoutCaptionButton(UINT nCommand, BOOL bWanted)
{
    CKTControl* pButton = m_pControls->FindControl(static_cast<int>(nCommand));
    if (!bWanted)
    {
        if (pButton)
            m_pControls->Remove(pButton);
        return;
    }
    CWnd* pFrame = m_pFrameRegion->GetSite();
    if (!pButton)
    {
        pButton = m_pControls->Add(KTMakeCounted<CKTRibbonCaptionButton>(m_pFrameRegion.get(), nCommand),
                                   static_cast<int>(nCommand), NULL, -1, TRUE);
        pButton->SetCaption(SystemMenuText(pFrame, nCommand));
    }
    const int nSide = m_rcCaptionClient.Height();
    pButton->SetRect(CRect(m_rcCaptionClient.right - nSide, m_rcCaptionClient.top, m_rcCaptionClient.right,
                           m_rcCaptionClient.bottom));
    m_rcCaptionClient.right -= nSide;
    KT_FRAMECAPTIONBUTTON button;
    button.nId = nCommand;
    pButton->SetEnabled(m_pFrameRegion->IsCaptionButtonEnabled(button));
}

void CKTRibbonBar::LayoutCaptionTitle()
{
    CString strTitle;
    m_pFrameRegion->GetSite()->GetWindowText(strTitle);
    CKTScreenDC dc;
    CKTFontDC font(&dc, GetPaintManager()->GetFrameCaptionFont());
    const int nWidth = std::min<int>(dc.GetTextExtent(strTitle).cx + KT_TITLE_MARGIN, m_rcCaptionClient.Width());
    const int xLeft = m_rcCaptionClient.left + (m_rcCaptionClient.Width() - nWidth) / 2;
    m_rcCaptionText.SetRect(xLeft, m_rcCaptionClient.top, xLeft + nWidth, m_rcCaptionClient.bottom);
}

void CKTRibbonBar::RemoveCaptionButtons()
{
    for (UINT nCommand : {SC_CLOSE, SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE})
        LayoutCaptionButton(nCommand, FALSE);
}

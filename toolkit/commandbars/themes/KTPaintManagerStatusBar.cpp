// KTPaintManagerStatusBar.cpp: status-bar background, panes, pane borders and the size grip.
#include "KTPaintManager.h"

#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTStatusBar.h"

namespace
{
const int SP_PANE_ = 1, SP_GRIPPERPANE_ = 2, SP_GRIPPER_ = 3;
}  // namespace

void CKTPaintManager::FillStatusBar(CDC* pDC, CWnd* pStatusBar)
{
    CRect rc = CKTClientRect(pStatusBar);
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemeReady())
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, &rc, NULL);
    else
        pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
}

void CKTPaintManager::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemeReady())
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), bGripperPane ? SP_GRIPPERPANE_ : SP_PANE_, 0, &rc,
                                             NULL);
    else
        Draw3dRect(pDC, rc, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
}

void CKTPaintManager::DrawStatusBarGripper(CDC* pDC, CRect rc)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemeReady())
    {
        CRect rcGrip(rc.right - 18, rc.top, rc.right, rc.bottom);
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), SP_GRIPPER_, 0, &rcGrip, NULL);
        return;
    }
    // Diagonal grip lines from the bottom edge to the right edge, 4 pixels apart.
    for (int nOffset = 2; nOffset <= 10; nOffset += 4)
    {
        for (int i = 0; i < 2; i++)
            Line(pDC, rc.right - nOffset - i - 1, rc.bottom - 1, rc.right - 1, rc.bottom - nOffset - i - 2,
                 COLOR_BTNSHADOW);
        Line(pDC, rc.right - nOffset - 3, rc.bottom - 1, rc.right - 1, rc.bottom - nOffset - 4, COLOR_BTNHIGHLIGHT);
    }
}

void CKTPaintManager::DrawStatusBarPane(CDC* pDC, CRect rc, CKTStatusBarPane* pPane)
{
    if (pPane->KTGetDwordMember() != (DWORD)-1)
        pDC->FillSolidRect(rc, pPane->KTGetDwordMember());
    CRect rcPadding = pPane->GetPadding();
    rc.DeflateRect(rcPadding.left, rcPadding.top, rcPadding.right, rcPadding.bottom);
    const BOOL bDisabled = (pPane->GetStyle() & SBPS_DISABLED) != 0;
    if (CKTImageManagerIcon* pIcon = pPane->GetIconId() ? KTImageManager()->GetImage(pPane->GetIconId(), 0) : NULL)
    {
        const CPoint pt(rc.left, (rc.top + rc.bottom) / 2 - pIcon->m_nHeight / 2);
        pIcon->Draw(pDC, pt, bDisabled ? pIcon->GetDisabledIcon() : pIcon->GetIcon());
        rc.left += pIcon->m_nWidth + 2;
    }
    static const UINT alignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    int nAlignment = pPane->GetTextAlignment();
    UINT nFormat = alignments[nAlignment >= 0 && nAlignment <= 2 ? nAlignment : 0];
    CKTFontDC font(pDC, &m_fontStatus, bDisabled ? GetColor(COLOR_GRAYTEXT) : m_clrStatusTextColor);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(pPane->GetText(), rc, nFormat | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

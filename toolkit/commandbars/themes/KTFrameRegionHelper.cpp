// KTFrameRegionHelper.cpp: a frame's border, caption and status-bar strip as its theme measures them.
#include "KTFrameRegionHelper.h"

#include "KTThemeStyle5.h"

CKTFrameRegionHelper::CKTFrameRegionHelper(CWnd* pFrame, CKTThemeStyle5* pTheme) : m_pFrame(pFrame), m_pTheme(pTheme) {}

int CKTFrameRegionHelper::GetFrameBorder() const
{
    CRect rcWindow, rcClient;
    if (!m_pFrame->GetSafeHwnd() || !::GetWindowRect(m_pFrame->GetSafeHwnd(), &rcWindow))
        return 0;
    ::GetClientRect(m_pFrame->GetSafeHwnd(), &rcClient);
    m_pFrame->ClientToScreen(&rcClient);
    return rcClient.left - rcWindow.left;
}

int CKTFrameRegionHelper::GetCaptionHeight() const { return m_pTheme->m_nFrameCaptionHeight + GetFrameBorder(); }

int CKTFrameRegionHelper::GetFrameStatusBarHeight() const
{
    if (!m_pTheme->m_bFrameStatusBar || !m_pStatusBar || !m_pStatusBar->IsWindowVisible())
        return 0;
    CRect rc;
    m_pStatusBar->GetWindowRect(&rc);
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

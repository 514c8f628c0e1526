// KTRibbonCaptionButton.cpp: a caption button drawn by the frame's theme, posting its system command to the frame.
#include "KTRibbonCaptionButton.h"

#include "KTCommandBar.h"
#include "KTFrameRegionHelper.h"
#include "KTThemeStyle5.h"

CKTRibbonCaptionButton::CKTRibbonCaptionButton(CKTFrameRegionHelper* pFrameRegion, UINT nCommand)
    : m_pFrameRegion(pFrameRegion)
{
    m_dwFlags = ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable;
    SetID(static_cast<int>(nCommand));
}

void CKTRibbonCaptionButton::Draw(CDC* pDC)
{
    const BOOL bActive = m_pFrameRegion->IsActive() && IsEnabled();
    if (CKTThemeStyle5* pTheme = dynamic_cast<CKTThemeStyle5*>(GetPaintManager()))
    {
        pTheme->DrawFrameCaptionButton(pDC, m_rcControl, m_nId, m_nSelected, m_nPressed, bActive);
        return;
    }
    UINT nState = m_nId == SC_CLOSE      ? DFCS_CAPTIONCLOSE
                  : m_nId == SC_MINIMIZE ? DFCS_CAPTIONMIN
                  : m_nId == SC_MAXIMIZE ? DFCS_CAPTIONMAX
                                         : DFCS_CAPTIONRESTORE;
    if (m_nPressed && m_nSelected)
        nState |= DFCS_PUSHED;
    if (!bActive)
        nState |= DFCS_INACTIVE;
    CRect rc = m_rcControl;
    pDC->DrawFrameControl(rc, DFC_CAPTION, nState);
}

void CKTRibbonCaptionButton::OnExecute()
{
    m_nPressed = 0;
    CWnd* pFrame = m_pFrameRegion->GetSite();
    if (pFrame->GetSafeHwnd())
        pFrame->PostMessage(WM_SYSCOMMAND, static_cast<WPARAM>(m_nId), 0);
}

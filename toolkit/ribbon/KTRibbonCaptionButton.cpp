// KTRibbonCaptionButton.cpp: a caption button drawn by the frame's theme, posting its system command to the frame.
#include "KTRibbonCaptionButton.h"

#include "KTCommandBar.h"
#include "KTFrameRegionHelper.h"
#include "KTPaintManager.h"

CKTRibbonCaptionButton::CKTRibbonCaptionButton(CKTFrameRegionHelper* pFrameRegion, UINT nCommand)
    : m_pFrameRegion(pFrameRegion)
{
    m_dwFlags = ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable;
    SetID(static_cast<int>(nCommand));
}

void CKTRibbonCaptionButton::Draw(CDC* pDC)
{
    const BOOL bActive = m_pFrameRegion->IsActive() && IsEnabled();
    GetPaintManager()->DrawFrameCaptionButton(pDC, m_rcControl, m_nId, m_nSelected, m_nPressed, bActive);
}

void CKTRibbonCaptionButton::OnExecute()
{
    m_nPressed = 0;
    CWnd* pFrame = m_pFrameRegion->GetSite();
    if (pFrame->GetSafeHwnd())
        pFrame->PostMessage(WM_SYSCOMMAND, static_cast<WPARAM>(m_nId), 0);
}

// KTDockingPaneTheme0.cpp: captions of the plain docking theme.
#include "KTDockingPaneTheme0.h"

#include "KTDockingPaneTabbedContainer.h"

void CKTDockingPaneTheme0::DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    // This theme keeps a fixed top margin whatever the caption margins say.
    CRect rcCaption = pContainer->IsCaptionVertical()
                          ? CRect(rc.left + 2, rc.top, rc.left + 2 + m_nCaptionHeight + 1, rc.bottom)
                          : CRect(rc.left, rc.top + 2, rc.right, rc.top + 2 + m_nCaptionHeight + 1);
    pDC->FillSolidRect(rcCaption, m_clrTable[COLOR_3DFACE]);
    BOOL bActive = m_bHighlightActiveCaption && pContainer->IsActive();
    DrawCaptionBody(pDC, pContainer, rcCaption, pContainer->GetTitle(), bActive, pContainer->IsCaptionVertical());
}

void CKTDockingPaneTheme0::DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle,
                                           BOOL bActive, BOOL bVertical)
{
    pDC->FillSolidRect(rc, m_clrTable[bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION]);
    (bVertical ? rc.bottom : rc.right) -= 2;
    DrawCaptionButtons(pDC, pOwner->GetCaptionButtons(), rc, m_clrTable[COLOR_BTNTEXT], 14, 0, bVertical);
    COLORREF clrText = m_clrTable[bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT];
    DrawCaptionTitle(pDC, pOwner, rc, strTitle, clrText, bVertical);
}

void CKTDockingPaneTheme0::DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc)
{
    DrawRingedFloatingFrame(pDC, pFrame, rc, RGB(0, 0, 0));
}

// KTDockingPaneTheme4.cpp: unfilled captions with grip bars between the title and the buttons.
#include "KTDockingPaneTheme4.h"

#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"

void CKTDockingPaneTheme4::DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle,
                                           BOOL, BOOL bVertical)
{
    COLORREF clrText = m_clrTable[COLOR_BTNTEXT];
    DrawCaptionButtons(pDC, pOwner->GetCaptionButtons(), rc, clrText, 14, 2, bVertical);
    int nNear = (bVertical ? rc.top : rc.left) + 4;
    if (!strTitle.IsEmpty())
    {
        DrawCaptionTitle(pDC, pOwner, rc, strTitle, clrText, bVertical);
        CKTFontDC font(pDC, &GetCaptionFont(bVertical));
        nNear += pDC->GetTextExtent(strTitle).cx;
    }
    DrawGripBars(pDC, rc, nNear + 4, bVertical);
}

void CKTDockingPaneTheme4::DrawGripBars(CDC* pDC, const CRect& rc, int nNear, BOOL bVertical)
{
    int nFar = bVertical ? rc.bottom : rc.right;
    if (nFar <= nNear)
        return;
    int nMiddle = bVertical ? (rc.left + rc.right) / 2 : (rc.top + rc.bottom) / 2;
    for (int nOffset : {-3, 1})
    {
        CRect rcBar = bVertical ? CRect(nMiddle + nOffset, nNear, nMiddle + nOffset + 3, nFar)
                                : CRect(nNear, nMiddle + nOffset, nFar, nMiddle + nOffset + 3);
        pDC->Draw3dRect(rcBar, m_clrTable[COLOR_3DHIGHLIGHT], m_clrTable[COLOR_3DSHADOW]);
    }
}

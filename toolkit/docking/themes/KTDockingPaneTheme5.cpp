// KTDockingPaneTheme5.cpp: ring-framed panes and floating frames with ruled grips.
#include "KTDockingPaneTheme5.h"

#include "KTColorManager.h"
#include "KTDockingPane.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"
#include "KTTabColorSet.h"
#include "KTTabPainter.h"

CKTDockingPaneTheme5::CKTDockingPaneTheme5()
{
    m_nCaptionButtonStyle = 2;
    m_nCaptionGap = 2;
    GetContainerTabPainter()->SetAppearance(8);
    GetContainerTabPainter()->SetPosition(ktTabPositionTop);
    GetPanelTabPainter()->SetAppearance(6);
}

void CKTDockingPaneTheme5::SubtractCaption(const CKTDockingPaneTabbedContainer* pContainer, CRect& rc) const
{
    CKTDockingPanePaintManager::SubtractCaption(pContainer, rc);
    BOOL bVertical = pContainer->IsCaptionVertical();
    int nTopExtra = pContainer->IsTitleVisible() ? 0 : 3;
    // The ring is turned with the caption: the caption's side stands for the top.
    if (bVertical)
        rc.DeflateRect(3 + nTopExtra, 3, 3, 3);
    else
        rc.DeflateRect(3, 3 + nTopExtra, 3, 3);
    if (!pContainer->IsTabsVisible() && GetContainerTabPainter()->GetLayout() != ktTabLayoutFixedWidth)
        rc.DeflateRect(1, 1);
}

void CKTDockingPaneTheme5::DrawPane(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    const CRect rcPane = rc;
    BOOL bActive = m_bHighlightActiveCaption && pContainer->IsActive();
    pDC->FillSolidRect(rc, m_clrTable[bActive ? KTCOLOR_HIGHLIGHT : KTCOLOR_TOOLBAR_FACE]);
    if (pContainer->IsTitleVisible())
    {
        CRect rcCaption = GetCaptionRect(pContainer, rc);
        if (pContainer->IsCaptionVertical())
            pDC->FillSolidRect(rcCaption.left, rcCaption.top, 1, rcCaption.Height(), m_clrSplitter.GetColor());
        else
            pDC->FillSolidRect(rcCaption.left, rcCaption.top, rcCaption.Width(), 1, m_clrSplitter.GetColor());
        DrawCaption(pDC, pContainer, rc);
    }
    SubtractCaption(pContainer, rc);
    CKTTabPainter* pPainter = GetContainerTabPainter();
    if (pContainer->IsTabsVisible())
        pPainter->DrawTabControl(&pContainer->GetTabRow(), pDC, rc);
    else if (pPainter->m_nClientFrame != ktTabClientFrameNone)
    {
        CRect rcFrame = rc;
        rcFrame.InflateRect(1, 1);
        COLORREF clrBorder = pPainter->GetColorSet()->m_clrFrameBorder.GetColor();
        pDC->Draw3dRect(rcFrame, clrBorder, clrBorder);
    }
    COLORREF clrCorner = m_clrTable[KTCOLOR_CONTROL_FACE];
    pDC->SetPixel(rcPane.left, rcPane.top, clrCorner);
    pDC->SetPixel(rcPane.right - 1, rcPane.top, clrCorner);
    pDC->SetPixel(rcPane.left, rcPane.bottom - 1, clrCorner);
    pDC->SetPixel(rcPane.right - 1, rcPane.bottom - 1, clrCorner);
}

void CKTDockingPaneTheme5::DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    BOOL bVertical = pContainer->IsCaptionVertical();
    CRect rcCaption = GetCaptionRect(pContainer, rc);
    COLORREF clrText = m_clrTable[COLOR_BTNTEXT];
    DrawCaptionButtons(pDC, pContainer->GetCaptionButtons(), rcCaption, clrText, 16, 0, bVertical);
    CString strTitle = pContainer->GetTitle();
    DrawCaptionTitle(pDC, pContainer, rcCaption, strTitle, clrText, bVertical);
    int nNear = (bVertical ? rcCaption.top : rcCaption.left) + 4 + 10;
    if (!strTitle.IsEmpty())
    {
        CKTFontDC font(pDC, &GetCaptionFont(bVertical));
        nNear += pDC->GetTextExtent(strTitle).cx;
    }
    BOOL bActive = m_bHighlightActiveCaption && pContainer->IsActive();
    COLORREF clrGrip = m_clrTable[bActive ? COLOR_BTNTEXT : KTCOLOR_GRIPPER];
    DrawRuledGrip(pDC, rcCaption, nNear, bVertical ? rcCaption.bottom : rcCaption.right, clrGrip, bVertical);
}

void CKTDockingPaneTheme5::DrawRuledGrip(CDC* pDC, const CRect& rc, int nNear, int nFar, COLORREF clr, BOOL bVertical)
{
    if (nFar <= nNear)
        return;
    int nMiddle = bVertical ? (rc.left + rc.right) / 2 : (rc.top + rc.bottom) / 2;
    for (int nOffset : {-3, -1, 1, 3})
    {
        if (bVertical)
            pDC->FillSolidRect(nMiddle + nOffset, nNear, 1, nFar - nNear, clr);
        else
            pDC->FillSolidRect(nNear, nMiddle + nOffset, nFar - nNear, 1, clr);
    }
}

void CKTDockingPaneTheme5::DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc)
{
    BOOL bActive = IsFrameActive(pFrame);
    COLORREF clrFrame = m_clrTable[bActive ? KTCOLOR_HIGHLIGHT : KTCOLOR_TOOLBAR_FACE];
    pDC->Draw3dRect(rc, clrFrame, RGB(0, 0, 0));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, m_clrTable[COLOR_3DHIGHLIGHT], m_clrTable[COLOR_3DSHADOW]);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
    rc.DeflateRect(1, 1);
    CRect rcStrip(rc.left, rc.top, rc.right, rc.top + m_nCaptionHeight + 3);
    pDC->FillSolidRect(rcStrip, clrFrame);
    DrawFloatingTitle(pDC, pFrame, rcStrip, m_clrTable[bActive ? COLOR_BTNTEXT : KTCOLOR_GRIPPER]);
}

void CKTDockingPaneTheme5::DrawFloatingTitle(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, const CRect& rcStrip,
                                             COLORREF clrGrip)
{
    CRect rcButtons = rcStrip;
    rcButtons.right -= 2;
    COLORREF clrText = m_clrTable[COLOR_BTNTEXT];
    DrawCaptionButtons(pDC, pFrame->GetCaptionButtons(), rcButtons, clrText, 16, 0, FALSE);
    CString strTitle = FrameTitle(pFrame);
    int nGripLeft = rcStrip.left + 4;
    if (!strTitle.IsEmpty())
    {
        CKTFontDC font(pDC, &GetCaptionFont(FALSE), clrText);
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        CRect rcText(rcStrip.left + 4, rcStrip.top + 1, rcButtons.right - 2, rcStrip.bottom);
        pDC->DrawText(strTitle, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
        pDC->SetBkMode(nOldMode);
        nGripLeft = rcStrip.left + 14 + pDC->GetTextExtent(strTitle).cx;
    }
    DrawRuledGrip(pDC, rcStrip, nGripLeft, rcButtons.right - 4, clrGrip, FALSE);
}

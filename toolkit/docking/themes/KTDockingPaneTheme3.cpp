// KTDockingPaneTheme3.cpp: captions and floating frames through the visual style's small window parts.
#include "KTDockingPaneTheme3.h"

#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTTabPainter.h"

namespace
{
const int kSmallCaption = 2;
const int kSmallFrameLeft = 10;
const int kSmallFrameRight = 11;
const int kSmallFrameBottom = 12;
const int kStateActive = 1;
const int kStateInactive = 2;
}  // namespace

CKTDockingPaneTheme3::CKTDockingPaneTheme3()
{
    m_nCaptionButtonStyle = 3;
    m_nCaptionGap = 7;
    m_bGradientCaption = TRUE;
    for (CKTTabPainter* pPainter : {GetContainerTabPainter(), GetPanelTabPainter()})
    {
        pPainter->SetAppearance(0);
        pPainter->SetColor(8);
        pPainter->m_bHotTracking = TRUE;
    }
}

BOOL CKTDockingPaneTheme3::IsWindowStyled() const
{
    return m_themeWindow.IsAppThemed() && m_themeWindow.GetThemeHandle() != NULL;
}

void CKTDockingPaneTheme3::DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    if (!IsWindowStyled())
    {
        DrawBandedCaption(pDC, pContainer, rc);
        return;
    }
    BOOL bVertical = pContainer->IsCaptionVertical();
    CRect rcCaption = GetCaptionRect(pContainer, rc);
    BOOL bActive = m_bHighlightActiveCaption && pContainer->IsActive();
    m_themeWindow.DrawThemeBackground(pDC->GetSafeHdc(), kSmallCaption, bActive ? kStateActive : kStateInactive,
                                      rcCaption, NULL);
    DrawCaptionBody(pDC, pContainer, rcCaption, pContainer->GetTitle(), bActive, bVertical);
}

void CKTDockingPaneTheme3::DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle,
                                           BOOL bActive, BOOL bVertical)
{
    if (!IsWindowStyled())
    {
        CKTDockingPaneTheme1::DrawCaptionBody(pDC, pOwner, rc, strTitle, bActive, bVertical);
        return;
    }
    COLORREF clrText = m_clrTable[bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT];
    DrawCaptionButtons(pDC, pOwner->GetCaptionButtons(), rc, clrText, 16, 3, bVertical);
    DrawCaptionTitle(pDC, pOwner, rc, strTitle, clrText, bVertical);
}

void CKTDockingPaneTheme3::DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc)
{
    if (!IsWindowStyled() || !DrawStyledFrame(pDC, pFrame, rc))
        DrawRingedFloatingFrame(pDC, pFrame, rc, m_clrTable[COLOR_3DFACE]);
}

BOOL CKTDockingPaneTheme3::DrawStyledFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, const CRect& rc)
{
    BOOL bActive = IsFrameActive(pFrame);
    int nState = bActive ? kStateActive : kStateInactive;
    HDC hDC = pDC->GetSafeHdc();
    CRect rcCaption(rc.left, rc.top, rc.right, rc.top + 3 + m_nCaptionHeight + 2);
    CRect rcLeft(rc.left, rcCaption.bottom, rc.left + 3, rc.bottom - 3);
    CRect rcRight(rc.right - 3, rcCaption.bottom, rc.right, rc.bottom - 3);
    CRect rcBottom(rc.left, rc.bottom - 3, rc.right, rc.bottom);
    if (FAILED(m_themeWindow.DrawThemeBackground(hDC, kSmallCaption, nState, rcCaption, NULL)))
        return FALSE;
    m_themeWindow.DrawThemeBackground(hDC, kSmallFrameLeft, nState, rcLeft, NULL);
    m_themeWindow.DrawThemeBackground(hDC, kSmallFrameRight, nState, rcRight, NULL);
    m_themeWindow.DrawThemeBackground(hDC, kSmallFrameBottom, nState, rcBottom, NULL);
    CRect rcBody = rcCaption;
    rcBody.DeflateRect(3, 3, 3, 0);
    DrawCaptionBody(pDC, pFrame, rcBody, FrameTitle(pFrame), bActive, FALSE);
    return TRUE;
}

// KTDockingPaneTheme2.cpp: gradient caption strips with a gripper, and the scheme colours of the family.
#include "KTDockingPaneTheme2.h"

#include "KTColorManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTTabPainter.h"

namespace
{
struct SchemeLook
{
    int nScheme;
    COLORREF clrLight, clrDark;
    float fFactor;
    COLORREF clrSplitter;
};

const SchemeLook kSchemeLooks[] = {
    {ktSystemThemeBlue, RGB(221, 236, 254), RGB(129, 169, 226), 0.75f, RGB(216, 231, 252)},
    {ktSystemThemeOlive, RGB(244, 247, 222), RGB(183, 198, 145), 0.3f, RGB(226, 231, 191)},
    {ktSystemThemeSilver, RGB(249, 249, 255), RGB(156, 155, 183), 0.75f, RGB(223, 223, 234)},
};

// The table entries a scheme takes from its own palette.
const int kSchemeEntries[] = {30, 31, 32, 33, 36, 37, 38, 39, 40, 41, 43, 47, 50};
}  // namespace

CKTDockingPaneTheme2::CKTDockingPaneTheme2()
{
    m_nCaptionButtonStyle = 2;
    m_nCaptionGap = 7;
    m_bBoldCaption = TRUE;
    for (CKTTabPainter* pPainter : {GetContainerTabPainter(), GetPanelTabPainter()})
    {
        pPainter->SetAppearance(2);
        pPainter->SetColor(4);
        pPainter->m_bHotTracking = TRUE;
    }
}

int CKTDockingPaneTheme2::ChosenScheme() const
{
    CKTColorManager* pColors = KTColorManager();
    if (m_nDrawOption == 5)
        return pColors->IsLunaColorsDisabled() ? int(ktSystemThemeNone) : pColors->GetCurrentSystemTheme();
    if (m_nDrawOption == 4)
        return pColors->GetSystemTheme();
    return ktSystemThemeNone;
}

void CKTDockingPaneTheme2::RefreshMetrics()
{
    CKTDockingPaneTheme1::RefreshMetrics();
    COLORREF clrFace = m_clrTable[COLOR_3DFACE];
    m_clrBackground.SetStandardValue(clrFace, CKTColorManager::BlendColors(clrFace, m_clrTable[COLOR_WINDOW], 205));
    m_clrNormalCaptionText.SetStandardValue(m_clrTable[COLOR_BTNTEXT]);
    m_clrNormalCaption.SetStandardValue(m_clrTable[KTCOLOR_HIGHLIGHT_CHECKED]);
    m_clrActiveCaptionText.SetStandardValue(m_clrTable[COLOR_BTNTEXT]);
    m_bWarmHighlight = FALSE;
    if (CKTColorManager::IsLowResolution())
    {
        m_clrNormalCaption.SetStandardValue(m_clrTable[COLOR_3DFACE]);
        m_clrActiveCaption.SetStandardValue(m_clrTable[COLOR_HIGHLIGHT]);
        m_clrActiveCaptionText.SetStandardValue(m_clrTable[COLOR_HIGHLIGHTTEXT]);
    }
    ApplyScheme(ChosenScheme());
}

void CKTDockingPaneTheme2::ApplyScheme(int nScheme)
{
    for (const SchemeLook& look : kSchemeLooks)
    {
        if (look.nScheme != nScheme)
            continue;
        m_clrBackground.SetStandardValue(look.clrLight, look.clrDark, look.fFactor);
        m_clrSplitter.SetStandardValue(look.clrSplitter);
        for (int nIndex : kSchemeEntries)
            m_clrTable[nIndex] = KTColorManager()->GetLunaColor(nIndex);
        m_clrGrip.SetStandardValue(m_clrTable[KTCOLOR_GRIPPER]);
        m_bWarmHighlight = TRUE;
        return;
    }
}

void CKTDockingPaneTheme2::DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    BOOL bVertical = pContainer->IsCaptionVertical();
    BOOL bActive = m_bHighlightActiveCaption && pContainer->IsActive();
    CRect rcCaption = bVertical ? CRect(rc.left, rc.top, rc.left + m_nCaptionHeight + 3, rc.bottom)
                                : CRect(rc.left, rc.top, rc.right, rc.top + m_nCaptionHeight + 3);
    const CKTPaintManagerColorGradient& grc = bActive ? m_clrActiveCaption : m_clrNormalCaption;
    {
        CKTClipDC clip(pDC, rcCaption);
        if (m_bRoundedCaption)
        {
            pDC->FillSolidRect(rcCaption, m_clrSplitter.GetColor());
            CKTDrawHelpers::ExcludeCorners(pDC, rcCaption);
        }
        KTDrawHelpers()->GradientFill(pDC, rcCaption, grc, !bVertical);
        DrawCaptionBody(pDC, pContainer, rcCaption, pContainer->GetTitle(), bActive, bVertical);
    }
    if (!m_bRoundedCaption)
        DrawCaptionLines(pDC, rcCaption, m_clrTable[KTCOLOR_WINDOW_FRAME], bVertical);
}

void CKTDockingPaneTheme2::DrawCaptionLines(CDC* pDC, const CRect& rc, COLORREF clr, BOOL bVertical)
{
    // Open on the side that meets the group's body.
    pDC->FillSolidRect(rc.left, rc.top, bVertical ? 1 : rc.Width(), bVertical ? rc.Height() : 1, clr);
    pDC->FillSolidRect(rc.left, rc.top, bVertical ? rc.Width() : 1, bVertical ? 1 : rc.Height(), clr);
    if (bVertical)
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clr);
    else
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clr);
}

void CKTDockingPaneTheme2::DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle,
                                           BOOL bActive, BOOL bVertical)
{
    COLORREF clrText = DrawCaptionBackground(pDC, rc, bActive, bVertical);
    (bVertical ? rc.bottom : rc.right) -= 4;
    DrawCaptionButtons(pDC, pOwner->GetCaptionButtons(), rc, clrText, 16, 0, bVertical);
    if (m_bDrawGripper && (bVertical ? rc.Width() : rc.Height()) >= 8)
        DrawGripper(pDC, rc, bVertical);
    DrawCaptionTitle(pDC, pOwner, rc, strTitle, clrText, bVertical);
}

void CKTDockingPaneTheme2::DrawGripper(CDC* pDC, CRect& rc, BOOL bVertical)
{
    COLORREF clrDot = m_clrTable[KTCOLOR_GRIPPER];
    COLORREF clrShade = m_clrTable[COLOR_WINDOW];
    int nAcross = bVertical ? rc.Width() : rc.Height();
    for (int nAt = 2; nAt + 3 <= nAcross - 1; nAt += 4)
    {
        CPoint pt = bVertical ? CPoint(rc.left + nAt, rc.top + 3) : CPoint(rc.left + 3, rc.top + nAt);
        pDC->FillSolidRect(pt.x + 1, pt.y + 1, 2, 2, clrShade);
        pDC->FillSolidRect(pt.x, pt.y, 2, 2, clrDot);
    }
    (bVertical ? rc.top : rc.left) += 8;
}

void CKTDockingPaneTheme2::DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc)
{
    COLORREF clrBorder = m_clrTable[KTCOLOR_POPUP_BORDER];
    {
        CKTClipDC clip(pDC, rc);
        CKTDrawHelpers::ExcludeCorners(pDC, rc);
        for (int i = 0; i < 3; ++i)
            pDC->Draw3dRect(rc.left + i, rc.top + i, rc.Width() - 2 * i, rc.Height() - 2 * i, clrBorder, clrBorder);
    }
    rc.DeflateRect(3, 3);
    COLORREF clrInner = m_clrNormalCaption.clrDark.GetColor();
    pDC->Draw3dRect(rc, clrInner, clrInner);
    BOOL bActive = IsFrameActive(pFrame);
    const CKTPaintManagerColorGradient& grc = bActive ? m_clrActiveCaption : m_clrNormalCaption;
    CRect rcStrip(rc.left, rc.top, rc.right, rc.top + m_nCaptionHeight + 3);
    CKTBufferDC buffer(pDC, rcStrip);
    KTDrawHelpers()->GradientFill(&buffer, rcStrip, grc, TRUE);
    buffer.SetPixel(rcStrip.left, rcStrip.bottom - 1, clrInner);
    buffer.SetPixel(rcStrip.right - 1, rcStrip.bottom - 1, clrInner);
    DrawCaptionBody(&buffer, pFrame, rcStrip, FrameTitle(pFrame), bActive, FALSE);
}

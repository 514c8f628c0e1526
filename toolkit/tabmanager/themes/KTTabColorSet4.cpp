// KTTabColorSet4.cpp: the colours that follow the system colour scheme, or plain colours without one.
#include "KTTabColorSet4.h"

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

namespace
{
COLORREF Sys(int nIndex) { return KTColorManager()->GetColor(nIndex); }

// Fixed colours of the three schemes, in the order blue, olive, silver.
struct KT_SCHEME_COLORS
{
    COLORREF clrFrame, clrDarkShadow, clrShadow, clrButtonBorder, clrHeaderLight, clrHeaderDark, clrNormal, clrHot,
        clrAutoHideLight, clrAutoHideDark;
};

const KT_SCHEME_COLORS kSchemes[3] = {
    {0x9C613B, 0x9A3500, 0xF1A675, 0x800000, 0xFADAC4, 0xFEFDFC, 0xF6C0A2, 0xC9F0FF, 0xF5BE9E, 0xFADAC4},
    {0x588060, 0x6B7760, 0x8CC2B0, 0x385D3F, 0xE4F1F2, 0xFEFEFC, 0xAADED0, 0xC7F0FF, 0xA7D9D9, 0xE4F1F2},
    {0x947C7C, 0x927476, 0xCEB9BA, 0x6F4B4B, 0xF7F3F3, 0xFEFEFC, 0xE6D9D9, 0xC2EEFF, 0xE5D7D7, 0xF7F3F3}};
}  // namespace

void CKTTabColorSet4::RefreshMetrics()
{
    CKTTabColorSet::RefreshMetrics();
    COLORREF clrFace = Sys(COLOR_BTNFACE);
    m_clrHeaderFace.SetStandardValue(clrFace, CKTColorManager::BlendColors(clrFace, Sys(COLOR_WINDOW), 50), 0.5f);
    m_clrButtonSelected.SetStandardValue(Sys(KTCOLOR_HIGHLIGHT_CHECKED), Sys(KTCOLOR_HIGHLIGHT_CHECKED));
    m_clrButtonSelectedBorder.SetStandardValue(Sys(KTCOLOR_HIGHLIGHT_CHECKED_BORDER),
                                               Sys(KTCOLOR_HIGHLIGHT_CHECKED_BORDER));
    m_clrHotTab.SetStandardValue(Sys(KTCOLOR_HIGHLIGHT_CHECKED));
    m_clrPressedTab.SetStandardValue(Sys(KTCOLOR_HIGHLIGHT_PUSHED));
    m_clrTextHot.SetStandardValue(Sys(COLOR_BTNTEXT));
    m_clrAutoHideFace.SetStandardValue(m_clrHeaderFace);
    m_bLunaColors = FALSE;
    if (!m_pPainter->IsLunaColorsDisabled())
        ApplySchemeColors(KTColorManager()->GetCurrentSystemTheme());
    if (m_bLunaColors)
        m_clrPressedTab.SetStandardValue(0x4B8EFE);
    COLORREF clrFrame = m_clrFrameBorder, none = COLORREF(-1);
    m_csSelectedEdges = {{clrFrame, clrFrame, clrFrame, none, none, none}};
    m_csNormalEdges = m_csSelectedEdges;
    if (GetAppearance() == 4)
    {
        m_clrButtonSelected.SetStandardValue(clrFace, clrFace);
        m_clrButtonSelectedBorder.SetStandardValue(clrFace, clrFace);
    }
}

void CKTTabColorSet4::ApplySchemeColors(int nTheme)
{
    if (nTheme < 1 || nTheme > 3)
    {
        m_clrSelectedTab.SetStandardValue(Sys(KTCOLOR_HIGHLIGHT_CHECKED));
        return;
    }
    const KT_SCHEME_COLORS& c = kSchemes[nTheme - 1];
    m_clrFrameBorder.SetStandardValue(c.clrFrame);
    m_clrEdgeMiddle.SetStandardValue(c.clrFrame);
    m_clrTabDarkShadow.SetStandardValue(c.clrDarkShadow);
    m_clrEdgeOuter.SetStandardValue(c.clrDarkShadow);
    m_clrTabShadow.SetStandardValue(c.clrShadow);
    m_clrEdgeInner.SetStandardValue(c.clrShadow);
    m_clrEdgeFace.SetStandardValue(0xFFFFFF);
    m_clrButtonSelected.SetStandardValue(0x6FC0FF, 0x6FC0FF);
    m_clrButtonSelectedBorder.SetStandardValue(c.clrButtonBorder, c.clrButtonBorder);
    m_clrHeaderFace.SetStandardValue(c.clrHeaderLight, c.clrHeaderDark, 0.5f);
    m_clrNormalTab.SetStandardValue(c.clrNormal);
    m_clrSelectedTab.SetStandardValue(0x73C2FF);
    m_clrHotTab.SetStandardValue(c.clrHot);
    m_clrAutoHideFace.SetStandardValue(c.clrAutoHideLight, c.clrAutoHideDark, 0.5f);
    m_clrNavigateBorder.SetStandardValue(c.clrButtonBorder);
    m_bLunaColors = TRUE;
}

COLORREF CKTTabColorSet4::StateColor(const CKTTabManagerItem* pItem) const
{
    if (pItem->IsPressed())
        return m_clrPressedTab;
    if (pItem->IsHighlighted())
        return m_clrHotTab;
    return GetItemColor(pItem);
}

// From 30 % of the colour on white at the outer edge to the colour at the client side.
COLORREF CKTTabColorSet4::FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem)
{
    COLORREF clr = StateColor(pItem);
    FillGradient(pDC, rc, CKTColorManager::BlendColors(clr, 0xFFFFFF, 300), clr,
                 m_pPainter->GetDrawPosition(pItem->GetTabManager()));
    return clr;
}

void CKTTabColorSet4::FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc)
{
    pDC->SetTextColor(Sys(COLOR_BTNTEXT));
    BOOL bHot = pButton->GetTabManager()->GetHighlightedButton() == pButton;
    if (!pButton->IsEnabled() || (!pButton->IsPressed() && !bHot))
        return;
    BOOL bPressed = pButton->IsPressed() && bHot;
    if (m_bLunaColors)
    {
        KTDrawHelpers()->GradientFill(pDC, rc, bPressed ? 0x4B8EFE : 0xC8F2FF, bPressed ? 0x8BCFFF : 0x97D4FF, FALSE);
        pDC->Draw3dRect(rc, m_clrNavigateBorder, m_clrNavigateBorder);
        return;
    }
    pDC->FillSolidRect(rc, Sys(bPressed ? KTCOLOR_HIGHLIGHT_PUSHED : KTCOLOR_HIGHLIGHT));
    COLORREF clrFrame = Sys(bPressed ? KTCOLOR_HIGHLIGHT_PUSHED_BORDER : KTCOLOR_HIGHLIGHT_BORDER);
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
    pDC->SetTextColor(Sys(bPressed ? KTCOLOR_HIGHLIGHT_PUSHED_TEXT : KTCOLOR_HIGHLIGHT_TEXT));
}

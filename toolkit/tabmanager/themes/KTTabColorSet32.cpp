// KTTabColorSet32.cpp: the scheme colours overridden from the style resources.
#include "KTTabColorSet32.h"

#include "KTColorManager.h"
#include "KTStyleResourceSet.h"
#include "KTTabManager.h"
#include "KTTabManagerNavigateButton.h"

// Without style resources the blue scheme's colours stand; with them, the style overrides the scheme's.
void CKTTabColorSet32::RefreshMetrics()
{
    CKTTabColorSet4::RefreshMetrics();
    if (KTStyleResourceSet()->IsLoaded())
        ReadStyleColors();
    else
    {
        ApplySchemeColors(ktSystemThemeBlue);
        m_clrPressedTab.SetStandardValue(KTColorManager()->GetColor(KTCOLOR_HIGHLIGHT_PUSHED));
        m_clrTextHot.SetStandardValue(KTColorManager()->GetColor(COLOR_BTNTEXT));
    }
    m_bLunaColors = TRUE;
}

// A key the style lacks keeps the scheme's colour; -1 there would paint black or nothing.
void CKTTabColorSet32::ReadStyleColors()
{
    const CKTStyleResourceSet& style = *KTStyleResourceSet();
    m_clrTextHot.SetStandardValue(0);
    style.ReadColor("TabManager", "FrameBorder", m_clrFrameBorder);
    m_clrEdgeMiddle.SetStandardValue(m_clrFrameBorder);
    style.ReadColor("TabManager", "DarkShadow", m_clrTabDarkShadow);
    m_clrEdgeOuter.SetStandardValue(m_clrTabDarkShadow);
    style.ReadColor("TabManager", "LightShadow", m_clrTabShadow);
    m_clrEdgeInner.SetStandardValue(m_clrTabShadow);
    m_clrEdgeFace.SetStandardValue(0xFFFFFF);
    COLORREF clrFace = m_clrHeaderFace.clrLight;
    if (style.ReadColor("Ribbon", "RibbonFace", clrFace))
    {
        m_clrHeaderFace.SetStandardValue(clrFace, clrFace);
        m_clrAutoHideFace.SetStandardValue(clrFace, clrFace);
    }
    style.ReadColor("Window", "ButtonFace", m_clrNormalTab);
    style.ReadColor("Window", "HighlightChecked", m_clrSelectedTab);
    style.ReadColor("Window", "HighlightSelected", m_clrHotTab);
    style.ReadColor("Window", "WindowFrame", m_clrNavigateBorder);
    style.ReadColor("Ribbon", "TabNormalText", m_clrTextHot);
    m_clrTextNormal.SetStandardValue(m_clrTextHot);
    style.ReadColor("Ribbon", "TabSelectedText", m_clrTextSelected);
}

void CKTTabColorSet32::FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc)
{
    if (!KTStyleResourceSet()->IsLoaded())
    {
        CKTTabColorSet4::FillNavigateButton(pDC, pButton, rc);
        return;
    }
    pDC->SetTextColor(m_clrTextNormal);
    BOOL bHot = pButton->GetTabManager()->GetHighlightedButton() == pButton;
    CKTStyleImage* pImage = KTStyleResourceSet()->GetImage("TOOLBARBUTTONS22");
    if (!pImage || !pButton->IsEnabled() || (!pButton->IsPressed() && !bHot))
        return;
    pImage->DrawImage(pDC, rc, pImage->GetSource(0, 2), CRect(0, 0, 0, 0));
    pDC->SetTextColor(0);
}

// KTTabColorSet32.cpp: the scheme colours overridden from the style resources.
#include "KTTabColorSet32.h"

#include "KTColorManager.h"
#include "KTStyleResourceSet.h"

// Without style resources the blue scheme's colours stand.
void CKTTabColorSet32::RefreshMetrics()
{
    CKTTabColorSet4::RefreshMetrics();
    ApplySchemeColors(ktSystemThemeBlue);
    m_clrPressedTab.SetStandardValue(KTColorManager()->GetColor(KTCOLOR_HIGHLIGHT_PUSHED));
    m_clrTextHot.SetStandardValue(KTColorManager()->GetColor(COLOR_BTNTEXT));
    if (KTStyleResourceSet()->IsLoaded())
        ReadStyleColors();
    m_bLunaColors = TRUE;
}

void CKTTabColorSet32::ReadStyleColors()
{
    CKTStyleResourceSet* pStyle = KTStyleResourceSet();
    m_clrTextHot.SetStandardValue(0);
    m_clrFrameBorder.SetStandardValue(pStyle->GetColor("TabManager", "FrameBorder"));
    m_clrEdgeMiddle.SetStandardValue(m_clrFrameBorder);
    m_clrTabDarkShadow.SetStandardValue(pStyle->GetColor("TabManager", "DarkShadow"));
    m_clrEdgeOuter.SetStandardValue(m_clrTabDarkShadow);
    m_clrTabShadow.SetStandardValue(pStyle->GetColor("TabManager", "LightShadow"));
    m_clrEdgeInner.SetStandardValue(m_clrTabShadow);
    m_clrEdgeFace.SetStandardValue(0xFFFFFF);
    COLORREF clrFace = pStyle->GetColor("Ribbon", "RibbonFace");
    m_clrHeaderFace.SetStandardValue(clrFace, clrFace);
    m_clrAutoHideFace.SetStandardValue(clrFace, clrFace);
    m_clrNormalTab.SetStandardValue(pStyle->GetColor("Window", "ButtonFace"));
    m_clrSelectedTab.SetStandardValue(pStyle->GetColor("Window", "HighlightChecked"));
    m_clrHotTab.SetStandardValue(pStyle->GetColor("Window", "HighlightSelected"));
    m_clrNavigateBorder.SetStandardValue(pStyle->GetColor("Window", "WindowFrame"));
    m_clrTextHot.SetStandardValue(pStyle->GetColor("Ribbon", "TabNormalText"));
    m_clrTextNormal.SetStandardValue(m_clrTextHot);
    m_clrTextSelected.SetStandardValue(pStyle->GetColor("Ribbon", "TabSelectedText"));
}

void CKTTabColorSet32::FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc)
{
    if (!KTStyleResourceSet()->IsLoaded())
    {
        CKTTabColorSet4::FillNavigateButton(pDC, pButton, rc);
        return;
    }
    pDC->SetTextColor(m_clrTextNormal);
}

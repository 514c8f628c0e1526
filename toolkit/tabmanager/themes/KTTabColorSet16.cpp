// KTTabColorSet16.cpp: the colours of the designer's own look: plain faces, optionally gradient tabs.
#include "KTTabColorSet16.h"

#include "KTColorManager.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

namespace
{
COLORREF Sys(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

// With scheme colours allowed the set is the scheme set; otherwise plain faces, tinted by the scheme.
void CKTTabColorSet16::RefreshMetrics()
{
    m_bGradientTabs = FALSE;
    if (!m_pPainter->IsLunaColorsDisabled())
    {
        CKTTabColorSet4::RefreshMetrics();
        return;
    }
    CKTTabColorSet::RefreshMetrics();
    m_clrSelectedTab.SetStandardValue(Sys(COLOR_WINDOW));
    m_clrTextSelected.SetStandardValue(Sys(COLOR_WINDOWTEXT));
    m_bLunaColors = FALSE;
    m_clrHotTab.SetStandardValue(Sys(KTCOLOR_HIGHLIGHT_CHECKED));
    m_clrPressedTab.SetStandardValue(Sys(KTCOLOR_HIGHLIGHT_PUSHED));
    m_clrTextHot.SetStandardValue(Sys(COLOR_BTNTEXT));
    int nTheme = KTColorManager()->GetCurrentSystemTheme();
    if (nTheme == ktSystemThemeBlue || nTheme == ktSystemThemeOlive)
        m_clrHeaderFace.SetStandardValue(0xD5E2E4, 0xD5E2E4);
    if (nTheme == ktSystemThemeSilver)
    {
        m_clrNormalTab.SetStandardValue(0xF8F5F5);
        m_clrHeaderFace.SetStandardValue(0xEEEEEE, 0xEEEEEE);
    }
    m_bGradientTabs = nTheme >= ktSystemThemeBlue && nTheme <= ktSystemThemeSilver;
    m_clrFrameBorder.SetStandardValue(Sys(KTCOLOR_FLAT_BORDER));
    m_clrEdgeMiddle.SetStandardValue(Sys(KTCOLOR_FLAT_BORDER));
}

COLORREF CKTTabColorSet16::FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem)
{
    COLORREF clr = pItem->IsHighlighted() ? COLORREF(m_clrHotTab) : GetItemColor(pItem);
    if (m_bGradientTabs)
        FillGradient(pDC, rc, CKTColorManager::BlendColors(clr, 0xFFFFFF, 300), clr,
                     m_pPainter->GetDrawPosition(pItem->GetTabManager()));
    else
        pDC->FillSolidRect(rc, clr);
    return clr;
}

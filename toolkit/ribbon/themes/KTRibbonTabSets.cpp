// KTRibbonTabSets.cpp: the ribbon tab strip's appearance: the theme's tab height and tab images.
#include "KTRibbonTabSets.h"

#include "KTRibbonTab.h"
#include "KTRibbonThemePainter.h"
#include "KTTabPainter.h"

CKTRibbonTabAppearanceSet::CKTRibbonTabAppearanceSet(CKTRibbonThemePainter* pOwner) : m_pOwner(pOwner)
{
    m_rcHeaderMargin.SetRect(0, 1, 0, 0);
}

int CKTRibbonTabAppearanceSet::GetButtonHeight(const CKTTabManager*) const
{
    return m_pOwner->GetRibbonTabHeight() + 1;
}

void CKTRibbonTabAppearanceSet::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    if (CKTRibbonTab* pTab = dynamic_cast<CKTRibbonTab*>(pItem))
        m_pOwner->DrawTab(pDC, pTab);
    m_pPainter->DrawItemContent(pDC, pItem, pItem->GetRect(), 1);
}

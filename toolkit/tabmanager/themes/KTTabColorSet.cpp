// KTTabColorSet.cpp: the base colours of a strip and the filling of its header, client, tabs and flat buttons.
#include "KTTabColorSet.h"

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

namespace
{
COLORREF Sys(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

void CKTTabColorSet::RefreshMetrics()
{
    // Fresh system colours for a caller that refreshes the strip without the system-change path.
    KTRefreshColors();
    m_clrHeaderFace.SetStandardValue(Sys(COLOR_BTNFACE), Sys(COLOR_BTNFACE));
    m_clrFrameBorder.SetStandardValue(Sys(COLOR_BTNSHADOW));
    m_clrClientFace.SetStandardValue(Sys(COLOR_BTNFACE));
    m_clrPaneFace.SetStandardValue(Sys(COLOR_BTNFACE));
    m_clrTabBorder.SetStandardValue(Sys(COLOR_BTNHIGHLIGHT));
    m_clrSelectedTab.SetStandardValue(Sys(GetAppearance() == 7 ? COLOR_WINDOW : COLOR_BTNFACE));
    m_clrHotTab.SetStandardValue(Sys(COLOR_BTNFACE));
    m_clrPressedTab.SetStandardValue(Sys(COLOR_BTNFACE));
    m_clrNormalTab.SetStandardValue(Sys(COLOR_BTNFACE));
    m_clrTextNormal.SetStandardValue(Sys(COLOR_BTNTEXT));
    m_clrTextInactive.SetStandardValue(Sys(COLOR_BTNTEXT));
    m_clrTextSelected.SetStandardValue(Sys(COLOR_BTNTEXT));
    m_clrTextHot.SetStandardValue(0x800000);
    m_clrTextDisabled.SetStandardValue(Sys(COLOR_GRAYTEXT));
    m_clrButtonSelected.SetStandardValue(Sys(COLOR_WINDOW), Sys(COLOR_WINDOW));
    m_clrButtonSelectedBorder.SetStandardValue(Sys(COLOR_HIGHLIGHT), Sys(COLOR_HIGHLIGHT));
    m_clrTabHighlight.SetStandardValue(Sys(COLOR_BTNHIGHLIGHT));
    m_clrTabShadow.SetStandardValue(Sys(COLOR_BTNSHADOW));
    m_clrTabDarkShadow.SetStandardValue(Sys(COLOR_3DDKSHADOW));
    m_clrEdgeOuter.SetStandardValue(Sys(COLOR_BTNSHADOW));
    m_clrEdgeMiddle.SetStandardValue(Sys(COLOR_BTNSHADOW));
    m_clrEdgeInner.SetStandardValue(Sys(COLOR_BTNFACE));
    m_clrEdgeFace.SetStandardValue(Sys(COLOR_BTNFACE));
    const COLORREF none = COLORREF(-1);
    m_csSelectedEdges = {{Sys(COLOR_BTNTEXT), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNTEXT), none, none, none}};
    m_csNormalEdges = m_csSelectedEdges;
    m_csNormalEdges.clr[3] = Sys(COLOR_WINDOW);
    m_csNormalEdges.clr[4] = Sys(COLOR_BTNSHADOW);
    m_clrAutoHideFace.SetStandardValue(m_clrHeaderFace);
}

int CKTTabColorSet::GetAppearance() const { return m_pPainter ? m_pPainter->GetAppearance() : 0; }

CKTTabManager* CKTTabColorSet::ManagerOf(const CKTTabManagerItem* pItem) const { return pItem->GetTabManager(); }

void CKTTabColorSet::SetTextColor(CDC* pDC, CKTTabManagerItem* pItem)
{
    COLORREF clr = m_clrTextNormal;
    if (!pItem->IsEnabled())
        clr = m_clrTextDisabled;
    else if (!pItem->GetTabManager()->IsActive())
        clr = m_clrTextInactive;
    else if (pItem->IsSelected())
        clr = m_clrTextSelected;
    else if (pItem->IsHighlighted())
        clr = m_clrTextHot;
    pDC->SetTextColor(clr);
}

void CKTTabColorSet::FillHeader(CDC* pDC, CRect rc, CKTTabManager* pManager)
{
    COLORREF clrFace = Sys(COLOR_BTNFACE);
    if (m_clrHeaderFace.clrLight == clrFace && m_clrHeaderFace.clrDark == clrFace &&
        pManager->OnDrawHook(pDC, rc, 0, 0, 0))
        return;
    FillGradient(pDC, rc, m_clrHeaderFace, m_pPainter->GetDrawPosition(pManager));
}

COLORREF CKTTabColorSet::FillClient(CDC* pDC, CRect rc, CKTTabManager* pManager)
{
    CKTTabManagerItem* pSelected = pManager->GetSelectedItem();
    COLORREF clr = pSelected ? GetItemColor(pSelected) : COLORREF(m_clrSelectedTab);
    pDC->FillSolidRect(rc, clr);
    return clr;
}

void CKTTabColorSet::FillSelectedButton(CDC* pDC, CRect rc, CKTTabManagerItem* pItem)
{
    if (!pItem->IsSelected())
    {
        CRect rcEtch = pItem->GetTabManager()->IsHorizontalPosition()
                           ? CRect(rc.left, rc.top + 2, rc.left + 2, rc.bottom - 2)
                           : CRect(rc.left + 2, rc.top, rc.right - 2, rc.top + 2);
        pDC->Draw3dRect(rcEtch, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        return;
    }
    if (m_pPainter->m_bItemColors)
        pDC->FillSolidRect(rc, GetItemColor(pItem));
    else
        FillGradient(pDC, rc, m_clrButtonSelected, m_pPainter->GetDrawPosition(pItem->GetTabManager()));
    pDC->Draw3dRect(rc, m_clrButtonSelectedBorder.clrLight, m_clrButtonSelectedBorder.clrDark);
}

COLORREF CKTTabColorSet::FillItemSolid(CDC* pDC, CRect rc, const CKTTabManagerItem* pItem)
{
    COLORREF clr = GetItemColor(pItem);
    pDC->FillSolidRect(rc, clr);
    return clr;
}

COLORREF CKTTabColorSet::FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem)
{
    return FillItemSolid(pDC, rc, pItem);
}

void CKTTabColorSet::ExcludeClientCorner(CDC*, CRect, CKTTabManager*) {}

COLORREF CKTTabColorSet::GetItemColor(const CKTTabManagerItem* pItem) const
{
    if (m_pPainter->m_bItemColors)
        return CKTTabPainter::GetIndexedTabColor(pItem->GetColor());
    return pItem->IsSelected() ? m_clrSelectedTab : m_clrNormalTab;
}

COLORREF CKTTabColorSet::GetIndexedColor(COLORREF clrIndex) const
{
    return CKTTabPainter::GetIndexedTabColor(clrIndex);
}

void CKTTabColorSet::FillGradient(CDC* pDC, CRect rc, const CKTPaintManagerColorGradient& grc, int nPosition) const
{
    FillGradient(pDC, rc, grc.clrLight, grc.clrDark, nPosition);
}

// The dark end lies at the client side; a light colour of -2 asks for a checked pattern instead.
void CKTTabColorSet::FillGradient(CDC* pDC, CRect rc, COLORREF clrLight, COLORREF clrDark, int nPosition) const
{
    if (clrLight == COLORREF(-2))
    {
        if (HBRUSH hBrush = KTHalftoneBrush())
            ::FillRect(pDC->GetSafeHdc(), rc, hBrush);
        return;
    }
    BOOL bHorizontalStrip = nPosition == ktTabPositionTop || nPosition == ktTabPositionBottom;
    BOOL bLightFirst = nPosition == ktTabPositionTop || nPosition == ktTabPositionLeft;
    if (m_pPainter && m_pPainter->m_bInvertGradient)
        bLightFirst = !bLightFirst;
    COLORREF clrFrom = bLightFirst ? clrLight : clrDark;
    COLORREF clrTo = bLightFirst ? clrDark : clrLight;
    KTDrawHelpers()->GradientFill(pDC, rc, clrFrom, clrTo, !bHorizontalStrip);
}

// KTTabAppearanceSet0.cpp: raised three-dimensional tabs over a raised client.
#include "KTTabAppearanceSet0.h"

#include "KTTabManager.h"
#include "KTTabPainter.h"
#include "KTTabTurnedDC.h"

CKTTabAppearanceSet0::CKTTabAppearanceSet0() { m_rcHeaderMargin.SetRect(2, 3, 6, 0); }

// Visual styles draw the client's frame a little wider on its far sides.
CRect CKTTabAppearanceSet0::GetClientMargin(const CKTTabManager* pManager) const
{
    CRect rc = CKTTabAppearanceSet::GetClientMargin(pManager);
    if (!GetColorSet()->IsVisualStyle() || m_pPainter->m_nClientFrame != ktTabClientFrameFull)
        return rc;
    rc.right += 2;
    int nPosition = GetPosition(pManager);
    if (nPosition == ktTabPositionTop || nPosition == ktTabPositionLeft)
        rc.bottom += 2;
    return rc;
}

CRect CKTTabAppearanceSet0::FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager)
{
    CKTTabColorSet* pColors = GetColorSet();
    CRect rcHeader = pManager->m_rcHeaderRect;
    CKTTabPainter::AdjustRectByPosition(rcHeader, 0, 0, 0, 1, GetPosition(pManager));
    pColors->FillHeader(pDC, rcHeader, pManager);
    CRect rcClient = GetClientRect(rcControl, pManager);
    if (m_pPainter->m_nClientFrame == ktTabClientFrameFull)
    {
        pColors->FillClient(pDC, rcClient, pManager);
        pDC->Draw3dRect(rcClient, pColors->m_clrTabHighlight, pColors->m_clrTabDarkShadow);
        FillHorizontal(pDC, rcClient.left + 1, rcClient.bottom - 2, rcClient.Width() - 3, pColors->m_clrTabShadow);
        FillVertical(pDC, rcClient.right - 2, rcClient.top + 1, rcClient.Height() - 3, pColors->m_clrTabShadow);
    }
    else if (m_pPainter->m_nClientFrame == ktTabClientFrameLine)
        DrawEdgeLine(pDC, rcClient, GetPosition(pManager), pColors->m_clrTabHighlight, pColors->m_clrTabDarkShadow);
    return rcClient;
}

void CKTTabAppearanceSet0::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    if (pItem->IsSelected())
        CKTTabPainter::AdjustRectByPosition(rc, 2, 2, 2, 0, GetPosition(pItem->GetTabManager()));
    {
        CKTTabTurnedDC turned(m_pPainter, pDC, GetButtonDrawRect(pItem), GetPosition(pItem->GetTabManager()));
        DrawRaisedTab(turned.GetDC(), pItem, turned.ToTop(rc));
    }
    m_pPainter->DrawItemContent(pDC, pItem, rc, 1);
}

void CKTTabAppearanceSet0::DrawRaisedTab(CDC* pDC, CKTTabManagerItem* pItem, CRect rc)
{
    CKTTabColorSet* pColors = GetColorSet();
    COLORREF clrFill = pColors->FillItem(pDC, CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1), pItem);
    COLORREF clrLight = pColors->m_clrTabHighlight;
    FillVertical(pDC, rc.left, rc.top + 2, rc.Height() - 2, clrLight);
    FillHorizontal(pDC, rc.left + 1, rc.top + 1, 1, clrLight);
    FillHorizontal(pDC, rc.left + 2, rc.top, rc.Width() - 4, clrLight);
    COLORREF clrDark = pColors->m_clrTabDarkShadow;
    FillHorizontal(pDC, rc.right - 2, rc.top + 1, 1, clrDark);
    FillVertical(pDC, rc.right - 1, rc.top + 2, rc.Height() - 2, clrDark);
    FillVertical(pDC, rc.right - 2, rc.top + 2, rc.Height() - 2, pColors->m_clrTabShadow);
    // The selected tab of the row next to the client runs into the client without a line between.
    if (pItem->IsSelected() && pItem->GetRow() == 0)
        FillHorizontal(pDC, rc.left + 1, rc.bottom - 1, rc.Width() - 3, clrFill);
}

void CKTTabAppearanceSet1::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    if (pItem->IsSelected() || pItem->IsHighlighted())
        CKTTabAppearanceSet0::DrawSingleButton(pDC, pItem);
    else
        m_pPainter->DrawItemContent(pDC, pItem, pItem->GetRect(), 1);
}

// KTTabAppearanceSet10.cpp: the look drawn from the style resources; without them nothing shows.
#include "KTTabAppearanceSet10.h"

#include "KTStyleResourceSet.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

CKTTabAppearanceSet10::CKTTabAppearanceSet10() { m_rcHeaderMargin.SetRect(4, 1, 0, 0); }

CRect CKTTabAppearanceSet10::FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager)
{
    if (!KTStyleResourceSet()->IsLoaded())
        return rcControl;
    CKTTabColorSet* pColors = GetColorSet();
    pDC->FillSolidRect(pManager->m_rcHeaderRect, pColors->m_clrHeaderFace.clrLight);
    CRect rcClient = GetClientRect(rcControl, pManager);
    if (m_pPainter->m_nClientFrame == ktTabClientFrameLine)
        DrawEdgeLine(pDC, rcClient, GetPosition(pManager), pColors->m_clrTabShadow, pColors->m_clrTabShadow);
    return rcClient;
}

void CKTTabAppearanceSet10::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    if (KTStyleResourceSet()->IsLoaded())
        m_pPainter->DrawItemContent(pDC, pItem, pItem->GetRect(), 1);
}

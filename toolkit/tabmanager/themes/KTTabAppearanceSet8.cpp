// KTTabAppearanceSet8.cpp: tabs as stacked bars, the selected one's page between the bars above and below.
#include "KTTabAppearanceSet8.h"

#include <algorithm>

#include "KTColorManager.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

CRect CKTTabAppearanceSet8::GetHeaderRect(CRect, CKTTabManager*) { return CRect(0, 0, 0, 0); }

int CKTTabAppearanceSet8::SelectedIndex(CKTTabManager* pManager) const { return std::max(pManager->GetCurSel(), 0); }

int CKTTabAppearanceSet8::Inset() const { return m_pPainter->m_nClientFrame == ktTabClientFrameNone ? 0 : 1; }

CRect CKTTabAppearanceSet8::GetClientRect(CRect rcControl, CKTTabManager* pManager)
{
    int nHeight = GetButtonHeight(pManager), nSelected = SelectedIndex(pManager);
    int nAfter = pManager->GetItemCount() - nSelected - 1;
    CRect rc(rcControl.left + Inset(), (nSelected + 1) * nHeight + 1 + rcControl.top, rcControl.right - Inset(),
             rcControl.bottom - nAfter * nHeight);
    rc.bottom = std::max<int>(rc.bottom, rc.top + nHeight);
    return rc;
}

// Bars run down from the top to the selected one; the rest stand at the bottom, a page's row below the selected bar.
void CKTTabAppearanceSet8::RepositionTabControl(CKTTabManager* pManager, CDC*, CRect rcControl, KT_TAB_LAYOUT&)
{
    CKTTabPainter::DeflateRectByPosition(rcControl, m_pPainter->m_rcControlMargin, ktTabPositionTop);
    int nHeight = GetButtonHeight(pManager), nSelected = SelectedIndex(pManager), nCount = pManager->GetItemCount();
    int nLeft = rcControl.left + Inset();
    int y = rcControl.top + 1;
    for (int i = 0; i < nCount; i++)
    {
        if (i == nSelected + 1)
        {
            // The selected page keeps at least one row, even in a group too short for every bar.
            int nBottom = rcControl.bottom - (nCount - nSelected - 1) * nHeight;
            y = std::min<int>(std::max(nBottom, y + nHeight), rcControl.bottom - 1);
        }
        pManager->GetItem(i)->SetRect(CRect(nLeft, y, rcControl.right, y + nHeight));
        y += nHeight;
    }
}

void CKTTabAppearanceSet8::DrawTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl)
{
    CKTTabColorSet* pColors = GetColorSet();
    pDC->FillSolidRect(rcControl, pColors->m_clrClientFace);
    CKTTabPainter::DeflateRectByPosition(rcControl, m_pPainter->m_rcControlMargin, ktTabPositionTop);
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcControl);
    if (m_pPainter->m_nClientFrame != ktTabClientFrameNone)
        pDC->Draw3dRect(rcControl, pColors->m_clrFrameBorder, pColors->m_clrFrameBorder);
    else if (pManager->GetItemCount() > 0)
        FillHorizontal(pDC, rcControl.left, rcControl.top, rcControl.Width(), pColors->m_clrFrameBorder);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcClip, rcMeet;
    pDC->GetClipBox(rcClip);
    for (int i = pManager->GetItemCount() - 1; i >= 0; i--)
    {
        CKTTabManagerItem* pItem = pManager->GetItem(i);
        if (pItem->IsVisible() && rcMeet.IntersectRect(pItem->GetRect(), rcClip))
            DrawSingleButton(pDC, pItem);
    }
    pDC->RestoreDC(nSaved);
}

void CKTTabAppearanceSet8::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    CKTTabColorSet* pColors = GetColorSet();
    CRect rc = pItem->GetRect();
    pColors->FillItem(pDC, rc, pItem);
    pDC->Draw3dRect(rc, pColors->m_clrTabBorder, pColors->m_clrFrameBorder);
    COLORREF clrGripper = KTColorManager()->GetColor(KTCOLOR_GRIPPER);
    for (int y = rc.top + 4; y < rc.bottom - 3; y += 2)
        FillHorizontal(pDC, rc.right - 7, y, 3, clrGripper);
    rc.right -= 7;
    m_pPainter->DrawItemContent(pDC, pItem, rc, 1);
}

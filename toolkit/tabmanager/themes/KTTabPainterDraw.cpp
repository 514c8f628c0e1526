// KTTabPainterDraw.cpp: the drawing order of a whole strip: frame, background, client, rows and buttons.
#include "KTTabPainter.h"

#include "KTDrawObjects.h"
#include "KTTabManager.h"

void CKTTabPainter::DrawTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl)
{
    m_pAppearanceSet->DrawTabControl(pManager, pDC, rcControl);
}

void CKTTabPainter::DrawItems(CKTTabManager* pManager, CDC* pDC, CRect rcControl)
{
    int nPosition = pManager->GetPosition();
    if (pManager->IsDrawFrame())
    {
        pDC->Draw3dRect(rcControl, m_pColorSet->m_clrFrameBorder, m_pColorSet->m_clrFrameBorder);
        rcControl.DeflateRect(1, 1);
        pDC->Draw3dRect(rcControl, m_pColorSet->m_clrClientFace, m_pColorSet->m_clrClientFace);
        DeflateRectByPosition(rcControl, CRect(1, 0, 1, 1), nPosition);
    }
    if (m_bFillBackground)
        pDC->FillSolidRect(rcControl, m_pColorSet->m_clrClientFace);
    DeflateRectByPosition(rcControl, m_rcControlMargin, nPosition);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bFillBackground)
        m_pAppearanceSet->FillClient(pDC, rcControl, pManager);
    CRect rcClip;
    pDC->GetClipBox(rcClip);
    if (m_bClipHeader)
        rcClip.IntersectRect(rcClip, pManager->m_rcHeaderRect);
    if (!rcClip.IsRectEmpty())
        DrawClippedRows(pManager, pDC, rcClip);
    const auto& arrButtons = pManager->GetNavigateButtons();
    for (auto it = arrButtons.rbegin(); it != arrButtons.rend(); ++it)
        DrawNavigateButton(pDC, it->get(), (*it)->GetRect());
}

// Rows go down from the last, so the row next to the client is drawn over the others.
void CKTTabPainter::DrawClippedRows(CKTTabManager* pManager, CDC* pDC, const CRect& rcClip)
{
    int nSaved = pDC->SaveDC();
    if (m_bClipHeader)
    {
        pDC->IntersectClipRect(rcClip);
        m_pColorSet->ExcludeClientCorner(pDC, pManager->m_rcHeaderRect, pManager);
    }
    for (int nRow = pManager->GetRowCount() - 1; nRow >= 0; nRow--)
        DrawRowItems(pManager, pDC, rcClip, nRow);
    pDC->RestoreDC(nSaved);
}

void CKTTabPainter::DrawRowItems(CKTTabManager* pManager, CDC* pDC, const CRect& rcClip, int nRow)
{
    if (pManager->GetItemCount() == 0)
        return;
    auto [nFirst, nLast] = pManager->GetRowItems(nRow);
    CKTTabManagerItem* pSelected = pManager->GetSelectedItem();
    // FALSE for a tab of another row: it ends the pass.
    auto draw = [&](int i)
    {
        CKTTabManagerItem* pItem = pManager->GetItem(i);
        if (!pItem || pItem->GetRow() != nRow)
            return false;
        CRect rcMeet;
        if (pItem->IsVisible() && rcMeet.IntersectRect(m_pAppearanceSet->GetButtonDrawRect(pItem), rcClip))
            m_pAppearanceSet->DrawSingleButton(pDC, pItem);
        return true;
    };
    int nSelected = pSelected && pSelected->GetRow() == nRow ? pSelected->GetIndex() : -1;
    if (m_pAppearanceSet->IsLeftToRightOrder())
    {
        int nStop = nSelected >= 0 ? nSelected : nLast + 1;
        for (int i = nFirst; i < nStop && draw(i); i++)
            ;
        if (nSelected < 0)
            return;
        for (int i = nLast; i > nSelected && draw(i); i--)
            ;
    }
    else
    {
        for (int i = nLast; i >= nFirst; i--)
        {
            if (i != nSelected && !draw(i))
                break;
        }
    }
    if (nSelected >= 0)
        draw(nSelected);
}

void CKTTabPainter::DrawNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect rc)
{
    if (rc.IsRectEmpty())
        return;
    m_pColorSet->FillNavigateButton(pDC, pButton, rc);
    COLORREF clrText = pDC->GetTextColor();
    CKTPenDC pen(pDC->GetSafeHdc(), clrText);
    if (pButton->IsEnabled())
    {
        CKTBrushDC brush(pDC->GetSafeHdc(), clrText);
        pButton->DrawEntry(pDC, rc);
        return;
    }
    // Only outlined while disabled.
    HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(NULL_BRUSH));
    pButton->DrawEntry(pDC, rc);
    ::SelectObject(pDC->GetSafeHdc(), hOld);
}

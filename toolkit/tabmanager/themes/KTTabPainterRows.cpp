// KTTabPainterRows.cpp: the multi-row layout: tabs shared out over rows, balanced, the selected tab's row
// next to the client.
#include "KTTabPainter.h"

#include <algorithm>

#include "KTTabManager.h"

namespace
{
int LengthOf(CKTTabManager* pManager, int nIndex) { return pManager->GetItem(nIndex)->GetLength(); }

// Rows as a greedy fill makes them: a tab that would overflow a row that has tabs starts the next one.
int CountRows(CKTTabManager* pManager, int nAvailable)
{
    int nRows = 1, nLength = 0;
    for (int i = 0; i < pManager->GetItemCount(); i++)
    {
        int nTab = LengthOf(pManager, i);
        if (nLength > 0 && nLength + nTab > nAvailable)
        {
            nRows++;
            nLength = 0;
        }
        nLength += nTab;
    }
    return nRows;
}
}  // namespace

void CKTTabPainter::RepositionMultiRow(CKTTabManager* pManager, CDC* pDC, CRect rcControl, KT_TAB_LAYOUT& layout)
{
    layout.nScrollOffset = 0;
    CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    BOOL bHorizontal = pManager->IsHorizontalPosition();
    CRect rcHeader = RepositionNavigateButtons(pManager, rcControl);
    int nAvailable = (bHorizontal ? rcHeader.Width() : rcHeader.Height()) - rcMargin.left - rcMargin.right;
    ArrangeRows(pManager, pDC, nAvailable);
    layout.rcHeader = RepositionNavigateButtons(pManager, rcControl);
    PlaceRows(pManager, nAvailable, layout.rcHeader);
}

void CKTTabPainter::ArrangeRows(CKTTabManager* pManager, CDC* pDC, int nAvailable)
{
    MeasureItems(pManager, pDC);
    int nRows = CountRows(pManager, nAvailable);
    pManager->SetRowCount(nRows);
    if (nRows < 2)
        return;
    int nTotal = pManager->GetItemsLength();
    // An unbalanced fill always succeeds, as the rows were counted that way.
    if (!FillRows(pManager, nAvailable, 0, 0, nTotal, m_bMultiRowJustified))
        FillRows(pManager, nAvailable, 0, 0, nTotal, FALSE);
    CKTTabManagerItem* pSelected = pManager->GetSelectedItem();
    if (!m_bMultiRowFixed && pSelected && pSelected->GetRow() > 0)
        SwapRows(pManager, 0, pSelected->GetRow());
}

// Fills the row from the tab given; a tab that would overflow it starts the next row, and when the rows
// after cannot take the rest it stays here while it fits at all.
BOOL CKTTabPainter::FillRows(CKTTabManager* pManager, int nAvailable, int nRow, int nFirst, int nRemaining,
                             BOOL bBalanced)
{
    int nRows = pManager->GetRowCount(), nCount = pManager->GetItemCount();
    int nLimit = bBalanced ? std::min(nRemaining / (nRows - nRow), nAvailable) : nAvailable;
    int nLength = 0;
    for (int i = nFirst; i < nCount; i++)
    {
        int nTab = LengthOf(pManager, i);
        if (nLength > 0 && nTab >= 1 && nLength + nTab > nLimit)
        {
            if (nRow + 1 < nRows && FillRows(pManager, nAvailable, nRow + 1, i, nRemaining - nLength, bBalanced))
            {
                pManager->SetRowItems(nRow, nFirst, i - 1);
                return TRUE;
            }
            if (nLength + nTab > nAvailable)
                return FALSE;
        }
        pManager->GetItem(i)->SetRow(nRow);
        nLength += nTab;
    }
    pManager->SetRowItems(nRow, nFirst, nCount - 1);
    for (int nEmpty = nRow + 1; nEmpty < nRows; nEmpty++)
        pManager->SetRowItems(nEmpty, nCount, nCount - 1);
    return TRUE;
}

void CKTTabPainter::SwapRows(CKTTabManager* pManager, int nRow1, int nRow2)
{
    auto first = pManager->GetRowItems(nRow1), second = pManager->GetRowItems(nRow2);
    pManager->SetRowItems(nRow1, second.first, second.second);
    pManager->SetRowItems(nRow2, first.first, first.second);
    for (int i = second.first; i <= second.second; i++)
        pManager->GetItem(i)->SetRow(nRow1);
    for (int i = first.first; i <= first.second; i++)
        pManager->GetItem(i)->SetRow(nRow2);
}

// Row 0 lies next to the client and each further row one row height and the spacing further out; with
// several rows each is stretched to the full length.
void CKTTabPainter::PlaceRows(CKTTabManager* pManager, int nAvailable, const CRect& rcHeader)
{
    CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    int nHeight = m_pAppearanceSet->GetButtonHeight(pManager);
    int nStep = nHeight + m_pAppearanceSet->GetRowSpacing();
    BOOL bHorizontal = pManager->IsHorizontalPosition();
    int nStart = (bHorizontal ? rcHeader.left : rcHeader.top) + rcMargin.left;
    for (int nRow = 0; nRow < pManager->GetRowCount(); nRow++)
    {
        auto [nFirst, nLast] = pManager->GetRowItems(nRow);
        int nAcross = RowStart(pManager->GetPosition(), rcHeader, rcMargin, nHeight, nRow * nStep);
        int nNatural = 0;
        for (int i = nFirst; i <= nLast; i++)
            nNatural += LengthOf(pManager, i);
        int nLeft = nAvailable, x = nStart;
        for (int i = nFirst; i <= nLast; i++)
        {
            CKTTabManagerItem* pItem = pManager->GetItem(i);
            int nLength = pItem->GetLength();
            if (pManager->GetRowCount() > 1 && m_bMultiRowJustified)
                nLength += (nLeft - nNatural) / (nLast - i + 1);
            nLeft -= nLength;
            nNatural -= pItem->GetLength();
            pItem->m_nLength = nLength;
            pItem->SetRect(bHorizontal ? CRect(x, nAcross, x + nLength, nAcross + nHeight)
                                       : CRect(nAcross, x, nAcross + nHeight, x + nLength));
            x += nLength;
        }
    }
}

// Where a row begins across the strip, counted from the client side outwards.
int CKTTabPainter::RowStart(int nPosition, const CRect& rcHeader, const CRect& rcMargin, int nHeight, int nOffset)
{
    switch (nPosition)
    {
    case ktTabPositionBottom:
        return rcHeader.top + rcMargin.bottom + nOffset;
    case ktTabPositionLeft:
        return rcHeader.right - rcMargin.bottom - nHeight - nOffset;
    case ktTabPositionRight:
        return rcHeader.left + rcMargin.bottom + nOffset;
    default:
        return rcHeader.bottom - rcMargin.bottom - nHeight - nOffset;
    }
}

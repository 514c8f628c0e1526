// KTTabPainterLayout.cpp: the layout of a strip: tab lengths, the header, navigate buttons, scrolling and fitting.
#include "KTTabPainter.h"

#include <algorithm>
#include <numeric>

#include "KTTabManager.h"

void CKTTabPainter::AdjustClientRect(CKTTabManager* pManager, CRect& rcClient)
{
    if (pManager->IsDrawFrame())
        DeflateRectByPosition(rcClient, CRect(2, 1, 2, 2), pManager->GetPosition());
    if (pManager->GetItemCount() > 0)
        m_pAppearanceSet->AdjustClientRect(pManager, rcClient);
}

// A corrected scroll offset is laid out once more, so that the navigate buttons show for it.
void CKTTabPainter::RepositionTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl)
{
    KT_TAB_LAYOUT layout = Layout(pManager, pDC, rcControl);
    if (layout.nScrollOffset != pManager->GetScrollOffset())
    {
        pManager->SetLayout(layout);
        layout = Layout(pManager, pDC, rcControl);
    }
    pManager->SetLayout(layout);
}

KT_TAB_LAYOUT CKTTabPainter::Layout(CKTTabManager* pManager, CDC* pDC, CRect rcControl)
{
    KT_TAB_LAYOUT layout;
    layout.rcControl = rcControl;
    layout.rcClient = rcControl;
    layout.nScrollOffset = pManager->GetScrollOffset();
    pManager->SetRowCount(1);
    for (int i = 0; i < pManager->GetItemCount(); i++)
        pManager->GetItem(i)->SetRow(0);
    m_pAppearanceSet->RepositionTabControl(pManager, pDC, rcControl, layout);
    AdjustClientRect(pManager, layout.rcClient);
    return layout;
}

int CKTTabPainter::MeasureItems(CKTTabManager* pManager, CDC* pDC)
{
    int nTotal = 0;
    for (int i = 0; i < pManager->GetItemCount(); i++)
    {
        CKTTabManagerItem* pItem = pManager->GetItem(i);
        int nLength = pItem->IsVisible() ? DrawItemContent(pDC, pItem, CRect(0, 0, 0, 0), 0) : 0;
        pItem->m_nFullLength = nLength;
        pItem->m_nLength = pItem->IsVisible() ? nLength + m_nExtraTabLength : 0;
        nTotal += pItem->m_nLength;
    }
    return nTotal;
}

CRect CKTTabPainter::RepositionNavigateButtons(CKTTabManager* pManager, CRect rcControl)
{
    CRect rcHeader = m_pAppearanceSet->GetHeaderRect(rcControl, pManager);
    if (pManager->IsHorizontalPosition())
        rcHeader.right--;
    else
        rcHeader.bottom--;
    const auto& arrButtons = pManager->GetNavigateButtons();
    for (auto it = arrButtons.rbegin(); it != arrButtons.rend(); ++it)
        (*it)->Reposition(rcHeader);
    return rcHeader;
}

namespace
{
int LengthAlong(const CRect& rc, BOOL bHorizontal) { return bHorizontal ? rc.Width() : rc.Height(); }
}  // namespace

void CKTTabPainter::RepositionTabRow(CKTTabManager* pManager, CDC* pDC, CRect rcControl, KT_TAB_LAYOUT& layout)
{
    int nPosition = pManager->GetPosition();
    if (pManager->IsDrawFrame())
        DeflateRectByPosition(rcControl, CRect(2, 1, 2, 2), nPosition);
    DeflateRectByPosition(rcControl, m_rcControlMargin, nPosition);
    if (m_nLayout == ktTabLayoutMultiRow)
    {
        RepositionMultiRow(pManager, pDC, rcControl, layout);
        return;
    }
    MeasureItems(pManager, pDC);
    if (pManager->GetItemCount() == 0)
    {
        layout.rcHeader = RepositionNavigateButtons(pManager, rcControl);
        return;
    }
    BOOL bHorizontal = pManager->IsHorizontalPosition();
    CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    if (m_nLayout == ktTabLayoutSizeToFit)
    {
        int nAvailable = LengthAlong(rcControl, bHorizontal) - rcMargin.left - rcMargin.right;
        const auto& arrButtons = pManager->GetNavigateButtons();
        for (auto it = arrButtons.rbegin(); it != arrButtons.rend(); ++it)
            (*it)->AdjustWidth(nAvailable);
        FitTabsToLength(pManager, nAvailable);
    }
    CRect rcHeader = RepositionNavigateButtons(pManager, rcControl);
    int nSpace = LengthAlong(rcHeader, bHorizontal) - rcMargin.left - rcMargin.right;
    int nTotal = pManager->GetItemsLength();
    if (layout.nScrollOffset < 0 && layout.nScrollOffset + nTotal < nSpace)
        layout.nScrollOffset = std::min(0, nSpace - nTotal);
    layout.rcHeader = rcHeader;
    PlaceRowItems(pManager, rcControl, m_pAppearanceSet->GetButtonHeight(pManager), layout);
}

// The row lies at the strip side of the control, the header margin away from its edge.
void CKTTabPainter::PlaceRowItems(CKTTabManager* pManager, const CRect& rcControl, int nRowHeight,
                                  const KT_TAB_LAYOUT& layout)
{
    CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    const CRect& rcHeader = layout.rcHeader;
    int nPosition = pManager->GetPosition();
    CRect rcRow;
    switch (nPosition)
    {
    case ktTabPositionBottom:
        rcRow.SetRect(0, rcControl.bottom - rcMargin.top - nRowHeight, 0, rcControl.bottom - rcMargin.top);
        break;
    case ktTabPositionLeft:
        rcRow.SetRect(rcControl.left + rcMargin.top, 0, rcControl.left + rcMargin.top + nRowHeight, 0);
        break;
    case ktTabPositionRight:
        rcRow.SetRect(rcControl.right - rcMargin.top - nRowHeight, 0, rcControl.right - rcMargin.top, 0);
        break;
    default:
        rcRow.SetRect(0, rcControl.top + rcMargin.top, 0, rcControl.top + rcMargin.top + nRowHeight);
        break;
    }
    BOOL bHorizontal = pManager->IsHorizontalPosition();
    int x = layout.nScrollOffset + (bHorizontal ? rcHeader.left : rcHeader.top) + rcMargin.left;
    for (int i = 0; i < pManager->GetItemCount(); i++)
    {
        CKTTabManagerItem* pItem = pManager->GetItem(i);
        BOOL bRotated = m_nLayout == ktTabLayoutRotated;
        int nAlong = bRotated ? nRowHeight : pItem->GetLength();
        CRect rcItem =
            bHorizontal ? CRect(x, rcRow.top, x + nAlong, rcRow.bottom) : CRect(rcRow.left, x, rcRow.right, x + nAlong);
        if (bRotated)
            rcItem = RotatedItemRect(nPosition, rcItem, rcHeader, rcMargin.bottom, pItem->GetLength());
        pItem->SetRect(rcItem);
        x += nAlong;
    }
}

// A rotated tab stands on the client side of the header and reaches its own length away from it.
CRect CKTTabPainter::RotatedItemRect(int nPosition, CRect rcItem, const CRect& rcHeader, int nMargin, int nLength)
{
    switch (nPosition)
    {
    case ktTabPositionBottom:
        return CRect(rcItem.left, rcHeader.top + nMargin, rcItem.right, rcHeader.top + nMargin + nLength);
    case ktTabPositionLeft:
        return CRect(rcHeader.right - nMargin - nLength, rcItem.top, rcHeader.right - nMargin, rcItem.bottom);
    case ktTabPositionRight:
        return CRect(rcHeader.left + nMargin, rcItem.top, rcHeader.left + nMargin + nLength, rcItem.bottom);
    default:
        return CRect(rcItem.left, rcHeader.bottom - nMargin - nLength, rcItem.right, rcHeader.bottom - nMargin);
    }
}

// Shortens the longest tabs first, levelling them down to the next length, until the row fits.
void CKTTabPainter::FitTabsToLength(CKTTabManager* pManager, int nAvailable)
{
    int nCount = pManager->GetItemCount();
    int nTotal = pManager->GetItemsLength();
    if (nTotal <= nAvailable || nCount == 0)
        return;
    if (nCount == 1)
    {
        pManager->GetItem(0)->m_nLength = nAvailable;
        return;
    }
    std::vector<CKTTabManagerItem*> arrSorted;
    for (int i = 0; i < nCount; i++)
        arrSorted.push_back(pManager->GetItem(i));
    std::stable_sort(arrSorted.begin(), arrSorted.end(),
                     [](const CKTTabManagerItem* a, const CKTTabManagerItem* b)
                     { return a->m_nLength > b->m_nLength; });
    int nExcess = nTotal - nAvailable;
    for (;;)
    {
        int nGreatest = arrSorted[0]->m_nLength;
        size_t nGroup = 1;
        while (nGroup < arrSorted.size() && arrSorted[nGroup]->m_nLength == nGreatest)
            nGroup++;
        if (nGroup == arrSorted.size())
        {
            for (CKTTabManagerItem* pItem : arrSorted)
                pItem->m_nLength = nAvailable / nCount;
            return;
        }
        int nNext = arrSorted[nGroup]->m_nLength;
        int nGroupSize = static_cast<int>(nGroup);
        if ((nGreatest - nNext) * nGroupSize >= nExcess)
        {
            for (size_t i = 0; i < nGroup; i++)
                arrSorted[i]->m_nLength -= nExcess / nGroupSize;
            return;
        }
        nExcess -= (nGreatest - nNext) * nGroupSize;
        for (size_t i = 0; i < nGroup; i++)
            arrSorted[i]->m_nLength = nNext;
    }
}

void CKTTabPainter::EnsureVisible(CKTTabManager* pManager, CKTTabManagerItem* pItem)
{
    const CRect& rcHeader = pManager->m_rcHeaderRect;
    CRect rcItem = pItem->GetRect();
    if (rcHeader.IsRectEmpty() || rcItem.IsRectEmpty() || m_nLayout == ktTabLayoutSizeToFit)
        return;
    BOOL bHorizontal = pManager->IsHorizontalPosition();
    int nStart = bHorizontal ? rcItem.left : rcItem.top;
    int nEnd = bHorizontal ? rcItem.right : rcItem.bottom;
    int nHeaderStart = bHorizontal ? rcHeader.left : rcHeader.top;
    int nHeaderEnd = bHorizontal ? rcHeader.right : rcHeader.bottom;
    int nOffset = pManager->GetScrollOffset();
    if (nStart < nHeaderStart)
        nOffset = m_pAppearanceSet->GetHeaderMargin().left - nStart + nOffset + nHeaderStart;
    else if (nEnd > nHeaderEnd)
        nOffset = nOffset - nEnd + nHeaderEnd;
    pManager->SetScrollOffset(nOffset);
}

// KTRibbonContextHeaders.cpp: grouping context tabs into headers and fitting the headers into the caption.
#include "KTRibbonContextHeaders.h"

#include "KTCommandBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"

#include <algorithm>

namespace
{
const int KT_MIN_HEADER_WIDTH = 40;
const int KT_HEADER_TOP = 4;  // below the caption's top
}  // namespace

KT_RIBBONCONTEXTHEADER* CKTRibbonContextHeaders::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_headers[nIndex].get() : NULL;
}

KT_RIBBONCONTEXTHEADER* CKTRibbonContextHeaders::HitTest(CPoint pt) const
{
    for (const auto& pHeader : m_headers)
        if (pHeader->rc.PtInRect(pt))
            return pHeader.get();
    return NULL;
}

void CKTRibbonContextHeaders::RemoveAll() { m_headers.clear(); }

void CKTRibbonContextHeaders::Clear(CKTRibbonControlTab* pTabs)
{
    for (int i = 0; pTabs && i < pTabs->GetItemCount(); i++)
        pTabs->GetTab(i)->SetContextHeader(NULL);
    RemoveAll();
}

void CKTRibbonContextHeaders::Layout(CKTRibbonControlTab* pTabs, CRect rcCaption, int nLeft, int nRight, CRect* pTitle)
{
    Clear(pTabs);
    if (!pTabs || rcCaption.IsRectEmpty())
        return;
    KT_RIBBONCONTEXTHEADER* pRun = NULL;
    for (int i = 0; i < pTabs->GetItemCount(); i++)
    {
        CKTRibbonTab* pTab = pTabs->GetTab(i);
        if (!pTab->IsVisible())
            continue;
        if (pTab->GetContextColor() == 0 || pTab->GetContextCaption().IsEmpty())
        {
            pRun = NULL;
            continue;
        }
        const CRect rcTab = pTab->GetRect();
        if (pRun && pRun->clr == pTab->GetContextColor() && pRun->strCaption == pTab->GetContextCaption())
        {
            pRun->pLastTab = pTab;
            pRun->rc.right = rcTab.right;
        }
        else
        {
            m_headers.push_back(std::unique_ptr<KT_RIBBONCONTEXTHEADER>(new KT_RIBBONCONTEXTHEADER{
                pTab, pTab, pTab->GetContextCaption(), pTab->GetContextColor(),
                CRect(rcTab.left, rcCaption.top + KT_HEADER_TOP, rcTab.right, rcCaption.bottom)}));
            pRun = m_headers.back().get();
        }
        pTab->SetContextHeader(pRun);
    }
    // Narrow runs widen first, so that the fitting below also moves what they now overlap.
    for (const auto& pHeader : m_headers)
        pHeader->rc.right = std::max<int>(pHeader->rc.right, pHeader->rc.left + KT_MIN_HEADER_WIDTH);
    if (!Fit(nLeft, nRight) || (pTitle && !MoveTitleAside(*pTitle, nLeft, nRight)))
        Clear(pTabs);
}

BOOL CKTRibbonContextHeaders::MoveTitleAside(CRect& rcTitle, int nLeft, int nRight)
{
    if (m_headers.empty() || rcTitle.IsRectEmpty())
        return TRUE;
    const int nWidth = rcTitle.Width();
    const int xSpanLeft = m_headers.front()->rc.left, xSpanRight = m_headers.back()->rc.right;
    if (rcTitle.right <= xSpanLeft || rcTitle.left >= xSpanRight)
        return TRUE;
    if (rcTitle.CenterPoint().x > (xSpanLeft + xSpanRight) / 2)
    {
        if (nRight - xSpanRight >= nWidth)
            rcTitle.left = xSpanRight;
        else if (Fit(nLeft, nRight - nWidth))
            rcTitle.left = nRight - nWidth;
        else
            return FALSE;
    }
    else if (xSpanLeft - nLeft >= nWidth)
        rcTitle.left = xSpanLeft - nWidth;
    else if (Fit(nLeft + nWidth, nRight))
        rcTitle.left = nLeft;
    else
        return FALSE;
    rcTitle.right = rcTitle.left + nWidth;
    return TRUE;
}

BOOL CKTRibbonContextHeaders::Fit(int nLeft, int nRight)
{
    int nEdge = nLeft;
    for (const auto& pHeader : m_headers)
    {
        if (pHeader->rc.left < nEdge)
        {
            pHeader->rc.left = nEdge;
            pHeader->rc.right = std::max<int>(pHeader->rc.right, nEdge + KT_MIN_HEADER_WIDTH);
        }
        nEdge = pHeader->rc.right;
    }
    // The headers no longer overlap: cutting one back fails only where it would run into the one before it.
    nEdge = nRight;
    for (int i = GetCount() - 1; i >= 0; i--)
    {
        CRect& rc = m_headers[i]->rc;
        if (rc.right <= nEdge)
            return TRUE;
        rc.right = nEdge;
        rc.left = std::min<int>(rc.left, nEdge - KT_MIN_HEADER_WIDTH);
        nEdge = rc.left;
        if (nEdge < (i > 0 ? m_headers[i - 1]->rc.right : nLeft))
            return FALSE;
    }
    return TRUE;
}

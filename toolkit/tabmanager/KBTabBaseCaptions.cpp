// KBTabBaseCaptions.cpp: cutting the tab captions with "..." until every tab fits on one row, or showing them
// whole while cutting is off.
#include "KBTabBase.h"

#include <algorithm>

#include "KTDrawObjects.h"

namespace
{
const char kEllipsis[] = "...";
const int kEllipsisLength = 3;

struct CaptionCut
{
    CString strText;  // what the tab will show
    int nWidth;       // what it asks for with that text
    BOOL bImage;
    BOOL bDone;  // cannot or need not shrink further
};

// Takes one character off before the ellipsis; FALSE when only the ellipsis is left.
BOOL ShortenBeforeEllipsis(CString& strText)
{
    if (strText.Right(kEllipsisLength) != kEllipsis)
        strText += kEllipsis;
    if (strText.GetLength() <= kEllipsisLength)
        return FALSE;
    strText.Delete(strText.GetLength() - kEllipsisLength - 1);
    return TRUE;
}

// Shortens the caption until it is narrower than before or as short as it may get.
template <class TMeasure>
void ShrinkCaption(CaptionCut& cut, int nShortest, TMeasure measure)
{
    const int nBefore = cut.nWidth;
    for (;;)
    {
        // A caption down to the ellipsis alone is as short as it gets, however wide that still is.
        if (!ShortenBeforeEllipsis(cut.strText))
        {
            cut.nWidth = measure(cut);
            cut.bDone = TRUE;
            return;
        }
        cut.nWidth = measure(cut);
        if (cut.nWidth <= nShortest)
            cut.bDone = TRUE;
        if (cut.bDone || cut.nWidth < nBefore)
            return;
    }
}

// Shrinks the widest caption again and again until the row fits.
template <class TMeasure>
void CutToFit(std::vector<CaptionCut>& cuts, int nTotal, int nAvailable, int nShortest, TMeasure measure)
{
    while (nTotal > nAvailable)
    {
        auto itWidest = std::max_element(cuts.begin(), cuts.end(),
                                         [](const CaptionCut& a, const CaptionCut& b)
                                         { return (a.bDone ? -1 : a.nWidth) < (b.bDone ? -1 : b.nWidth); });
        if (itWidest == cuts.end() || itWidest->bDone)
            return;  // nothing can shrink any more: the row stays too long
        const int nBefore = itWidest->nWidth;
        ShrinkCaption(*itWidest, nShortest, measure);
        nTotal -= nBefore - itWidest->nWidth;
    }
}
}  // namespace

int CKBTabBase::MeasureCaption(CDC* pDC, const CString& strText, BOOL bImage) const
{
    int nWidth = pDC->GetTextExtent(strText).cx + 12;
    // A single character would crowd the tab's edges.
    if (strText.GetLength() == 1)
        nWidth += 1;
    return bImage ? nWidth + 22 : nWidth;
}

void CKBTabBase::CutCaptions()
{
    if (!m_pTabCtrl->GetSafeHwnd() || m_items.empty())
        return;
    CClientDC dc(m_pTabCtrl);
    CKTFontDC font(&dc, m_pTabCtrl->GetFont());
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    const int nShortest = (3 * tm.tmAveCharWidth + 6) * 2;
    const DWORD dwStyle = m_pTabCtrl->GetStyle();
    CRect rcClient;
    m_pTabCtrl->GetClientRect(&rcClient);
    const int nAvailable = (dwStyle & TCS_VERTICAL) ? rcClient.Height() : rcClient.Width();
    if (nAvailable <= 0)
        return;
    const BOOL bImages = m_pTabCtrl->GetImageList() != nullptr;
    std::vector<CaptionCut> cuts;
    int nTotal = 4 + ((dwStyle & (TCS_MULTILINE | TCS_VERTICAL)) ? 1 : 0);
    for (const auto& pItem : m_items)
    {
        CaptionCut cut = {pItem->m_strLabel, 0, bImages, FALSE};
        cut.nWidth = MeasureCaption(&dc, cut.strText, cut.bImage);
        nTotal += cut.nWidth;
        cuts.push_back(cut);
    }
    if (m_bTruncateCaptions)
        CutToFit(cuts, nTotal, nAvailable, nShortest,
                 [&](const CaptionCut& cut) { return MeasureCaption(&dc, cut.strText, cut.bImage); });
    for (size_t i = 0; i < cuts.size(); ++i)
    {
        CKBTabCtrlItem& item = *m_items[i];
        if (item.m_strDisplay == cuts[i].strText)
            continue;
        item.m_strDisplay = cuts[i].strText;
        TCITEM tci = {};
        tci.mask = TCIF_TEXT;
        tci.pszText = const_cast<LPTSTR>(LPCTSTR(item.m_strDisplay));
        m_pTabCtrl->SetItem(int(i), &tci);
    }
}

void CKBTabBase::SetTruncateCaptions(BOOL bTruncate)
{
    m_bTruncateCaptions = bTruncate;
    // Turned off, the full labels come back.
    CutCaptions();
}

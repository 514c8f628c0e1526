// KTDockBarLayout.cpp: the rows of a dock bar laid out in lines: bars keep their dropped places where they can,
// push each other along, shrink when they may wrap, and go to a further line when they cannot fit.
#include "KTDockBar.h"

#include "KTBarSizeTracker.h"
#include "KTCommandBars.h"
#include "KTDrawObjects.h"
#include "KTToolBar.h"

#include <algorithm>

// One bar of a line, worked along the x axis (a vertical dock bar's rectangles are swapped).
struct CKTDockBar::CLayoutRecord
{
    CKTToolBar* pBar;
    CRect rc;       // where the bar goes
    CRect rcFirst;  // where it wished to go
    int nIndex;     // its entry in the bar list
    DWORD dwMode;   // its base layout mode
    int nMinLength = 0;
    int nPrefix = 0;  // the minimum lengths of the records before it
};

namespace
{
CSize Swapped(CSize sz) { return CSize(sz.cy, sz.cx); }
}  // namespace

DWORD CKTDockBar::GetBaseMode(CKTToolBar* pBar) const
{
    DWORD dwMode = IsHorizontal() ? LM_HORZDOCK | LM_HORZ : LM_VERTDOCK;
    if (pBar->GetFlags() & ktBarFlagStretch)
        dwMode |= LM_STRETCH;
    if ((pBar->GetFlags() & ktBarFlagWrap) && !(m_pCommandBars && m_pCommandBars->IsCustomizeMode()))
        dwMode |= KT_LM_HIDEWRAP;
    return dwMode;
}

CSize CKTDockBar::CalcFixedLayout(int nLength, DWORD dwMode, BOOL bCommit)
{
    const int nAlong = (dwMode & LM_STRETCH) ? 32767 : 0;
    int nOffset = 0;
    std::vector<CKTToolBar*> row;
    for (size_t i = 1; i < m_bars.size(); i++)
    {
        CKTToolBar* pBar = m_bars[i];
        if (pBar)
        {
            if (pBar->IsVisible() && pBar->GetSafeHwnd())
                row.push_back(pBar);
            continue;
        }
        if (!row.empty())
            nOffset += LayoutRow(row, nOffset, nLength, bCommit);
        row.clear();
    }
    return IsHorizontal() ? CSize(nAlong, nOffset) : CSize(nOffset, nAlong);
}

int CKTDockBar::LayoutRow(std::vector<CKTToolBar*> bars, int nOffset, int nLength, BOOL bCommit)
{
    int nThickness = 0;
    while (!bars.empty())
    {
        std::vector<CKTToolBar*> waiting;
        int nLine = -1;
        for (;;)
        {
            CKTToolBar* pOut = NULL;
            nLine = LayoutLine(bars, nOffset, nLength, bCommit, pOut);
            if (nLine >= 0 || !pOut)
                break;
            bars.erase(std::find(bars.begin(), bars.end(), pOut));
            waiting.push_back(pOut);
        }
        nLine = std::max(nLine, 0);
        nThickness += nLine;
        nOffset += nLine;
        bars = waiting;
    }
    return nThickness;
}

int CKTDockBar::LayoutLine(const std::vector<CKTToolBar*>& bars, int nOffset, int nLength, BOOL bCommit,
                           CKTToolBar*& pOut)
{
    const BOOL bHorz = IsHorizontal();
    CKTDockBarRows records;
    for (CKTToolBar* pBar : bars)
    {
        const DWORD dwMode = GetBaseMode(pBar);
        const CSize sz = pBar->CalcDockingLayout(nLength, dwMode);
        const CRect rcDocked = pBar->GetDockContext() ? pBar->GetDockContext()->GetDockedRect() : CRect(0, 0, 0, 0);
        // Along the bar from where it was dropped; across at the line's offset.
        CRect rc(CPoint(bHorz ? rcDocked.left : rcDocked.top, nOffset), bHorz ? sz : Swapped(sz));
        records.push_back({pBar, rc, rc, FindBar(pBar), dwMode});
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const CLayoutRecord& a, const CLayoutRecord& b) { return a.rc.left < b.rc.left; });
    PlaceRecords(records, nLength);
    if (!records.empty() && records.back().rc.right > nLength && !ShrinkRecords(records, nLength, pOut))
        return -1;
    int nThickness = 0;
    for (const CLayoutRecord& r : records)
    {
        const CSize sz = r.pBar->CalcDockingLayout(r.rc.Width(), r.dwMode);
        nThickness = std::max<int>(nThickness, bHorz ? sz.cy : sz.cx);
    }
    if (bCommit)
        CommitRecords(records, nLength, nThickness);
    return nThickness;
}

void CKTDockBar::PlaceRecords(CKTDockBarRows& records, int nLength) const
{
    // Forward: an overlapping bar moves on when it came later in the list, or while others are being pushed.
    int nPreviousRight = 0, nPreviousIndex = -1;
    BOOL bPushing = TRUE;
    for (CLayoutRecord& r : records)
    {
        bPushing = r.rc.left < nPreviousRight && (r.nIndex > nPreviousIndex || bPushing);
        if (bPushing)
            r.rc.OffsetRect(nPreviousRight - r.rc.left, 0);
        nPreviousRight = r.rc.right;
        nPreviousIndex = r.nIndex;
    }
    // Backward: what passes the end moves back the same way.
    int nLimit = nLength, nNextIndex = -1;
    bPushing = TRUE;
    for (auto it = records.rbegin(); it != records.rend(); ++it)
    {
        bPushing = it->rc.right > nLimit && (it->nIndex > nNextIndex || bPushing);
        if (bPushing)
            it->rc.OffsetRect(nLimit - it->rc.right, 0);
        nLimit = it->rc.left;
        nNextIndex = it->nIndex;
    }
    // Last, nothing overlaps, and nothing starts before the dock bar: what passes the end then shrinks or wraps.
    nPreviousRight = 0;
    for (CLayoutRecord& r : records)
    {
        if (r.rc.left < nPreviousRight)
            r.rc.OffsetRect(nPreviousRight - r.rc.left, 0);
        nPreviousRight = r.rc.right;
    }
}

BOOL CKTDockBar::ShrinkRecords(CKTDockBarRows& records, int nLength, CKTToolBar*& pOut) const
{
    const BOOL bHorz = IsHorizontal();
    int nPrefix = 0;
    for (CLayoutRecord& r : records)
    {
        // A bar that cannot wrap its own buttons needs the whole length.
        const CSize szWrapped = r.pBar->CalcDockingLayout(1, r.dwMode);
        r.nMinLength = (r.dwMode & KT_LM_HIDEWRAP) ? (bHorz ? szWrapped.cx : szWrapped.cy) : nLength;
        r.nPrefix = nPrefix;
        nPrefix += r.nMinLength;
    }
    int nLimit = nLength;
    for (auto it = records.rbegin(); it != records.rend(); ++it)
    {
        int nStart = std::max<int>(std::min<int>(it->rcFirst.left, it->rc.left), nLimit - it->rc.Width());
        nStart = std::max(nStart, it->nPrefix);
        if (nLimit - nStart < it->nMinLength)
            nStart = nLimit - it->nMinLength;
        if ((nLimit - nStart < it->nMinLength || nStart < it->nPrefix) && records.size() > 1)
        {
            pOut = records.back().pBar;
            return FALSE;
        }
        it->rc.left = std::max(nStart, 0);
        it->rc.right = nLimit;
        nLimit = it->rc.left;
    }
    return TRUE;
}

void CKTDockBar::CommitRecords(CKTDockBarRows& records, int nLength, int nThickness)
{
    const BOOL bHorz = IsHorizontal();
    for (size_t i = 0; i < records.size(); i++)
    {
        CLayoutRecord& r = records[i];
        DWORD dwMode = r.dwMode | LM_COMMIT;
        CRect rc = r.rc;
        // An empty bar takes the room its neighbours leave, so it stays in sight as a place to drop on.
        if ((r.pBar->GetFlags() & ktBarFlagFillGap) || r.pBar->ShowsNoControls())
        {
            rc.right = i + 1 < records.size() ? records[i + 1].rc.left : nLength;
            rc.left = std::min<int>(rc.left, i > 0 ? records[i - 1].rc.right : 0);
            r.rc = rc;  // the next bar's room starts where this one now ends, so two such bars never overlap
            dwMode |= LM_STRETCH;
        }
        const CSize sz = r.pBar->CalcDockingLayout(rc.Width(), dwMode, nThickness);
        const CRect rcBar = bHorz ? CRect(rc.TopLeft(), sz) : CRect(CPoint(rc.top, rc.left), sz);
        if (CKTBarSizeTracker* pContext = r.pBar->GetDockContext())
            pContext->SetDockedPosition(GetPosition());
        CRect rcNow = CKTWindowRect(r.pBar);
        ScreenToClient(rcNow);
        if (rcNow == rcBar)
            continue;
        r.pBar->SetWindowPos(NULL, rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        r.pBar->Redraw(NULL, TRUE);
    }
}

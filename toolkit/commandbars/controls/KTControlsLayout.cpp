// KTControlsLayout.cpp: controls laid out in rows (columns on vertical bars), or as groups, at a given length.
#include "KTControls.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControlsGroupLayout.h"
#include "KTPaintManager.h"
#include "KTDrawObjects.h"

#include <algorithm>

namespace
{
// Along and across the layout axis.
int Along(CSize sz, BOOL bVert) { return bVert ? sz.cy : sz.cx; }
int Across(CSize sz, BOOL bVert) { return bVert ? sz.cx : sz.cy; }

class CLayout
{
public:
    CLayout(std::vector<KT_LAYOUTRECORD>& records, CSize szSeparator, BOOL bVert)
        : m_records(records), m_szSeparator(szSeparator), m_bVert(bVert)
    {
    }

    // Breaks the rows at the length; returns the number of rows.
    int Wrap(int nLength, BOOL bHideOverflow, BOOL bBreakAtGroups = FALSE)
    {
        m_bBroke = FALSE;
        int nRows = 1;
        int nSum = 0;
        BOOL bFirst = TRUE;
        size_t nFirst = 0;
        for (KT_LAYOUTRECORD& r : m_records)
            r.bWrap = r.bHidden = FALSE;
        for (size_t i = 0; i < m_records.size(); i++)
        {
            KT_LAYOUTRECORD& r = m_records[i];
            if (!r.bVisible)
                continue;
            if (bFirst)
                nFirst = i;
            int nGap = r.pControl->GetBeginGroup() && !bFirst ? Along(m_szSeparator, m_bVert) : 0;
            if (r.pControl->GetFlags() & ktFlagWrapRow && !bFirst)
            {
                r.bWrap = TRUE;
                nRows++;
                nSum = Along(r.sz, m_bVert);
                continue;
            }
            nSum += nGap + Along(r.sz, m_bVert);
            BOOL bGroupBreak = bBreakAtGroups && r.pControl->GetBeginGroup();
            if ((nSum > nLength || bGroupBreak) && !bFirst)
            {
                m_bBroke = TRUE;
                // The rows after the next forced row break still have their own length to keep.
                i = bHideOverflow ? HideFrom(i) : BreakBefore(i, nFirst);
                if (i == m_records.size())
                    break;
                nRows++;
                nSum = Along(m_records[i].sz, m_bVert);
            }
            bFirst = FALSE;
        }
        return nRows;
    }

    // A row had to break or hide in the last wrap.
    BOOL HasBroken() const { return m_bBroke; }

    // Floating: the shortest length that keeps the row count of the given one.
    int FitSameRows(int nLength)
    {
        int nRows = Wrap(nLength, FALSE);
        int nLow = 0, nHigh = nLength;
        while (nLow < nHigh)
        {
            int nMid = (nLow + nHigh) / 2;
            if (Wrap(nMid, FALSE) <= nRows)
                nHigh = nMid;
            else
                nLow = nMid + 1;
        }
        return nHigh;
    }

    // Groups on rows of their own at the width; a block far taller than wide gets a balanced width.
    void WrapGroups(int nWidth)
    {
        Wrap(nWidth, FALSE, TRUE);
        CSize szBlock = Position();
        if (szBlock.cy > 3 * szBlock.cx && nWidth <= 0)
            WrapBalanced();
        else
            Wrap(szBlock.cx, FALSE, TRUE);
    }

    // The block's widths when wrapped as narrow and as wide as it goes: the bounds of a width search.
    void WidthRange(int& nLow, int& nHigh)
    {
        Wrap(0, FALSE);
        nLow = Position().cx;
        Wrap(32767, FALSE);
        nHigh = Position().cx;
    }

    // The width at which the block is about as wide as it is high.
    void WrapBalanced()
    {
        int nLow = 0, nHigh = 0;
        WidthRange(nLow, nHigh);
        while (nLow < nHigh)
        {
            int nMid = (nLow + nHigh) / 2;
            Wrap(nMid, FALSE);
            CSize szBlock = Position();
            if (szBlock.cx == szBlock.cy)
                return;
            if (szBlock.cy > szBlock.cx)
                nLow = nMid + 1;
            else
                nHigh = nMid;
        }
        Wrap(nHigh, FALSE);
    }

    // The narrowest width whose block is no higher than the height.
    int FitHeight(int nHeight)
    {
        int nLow = 0, nHigh = 0;
        WidthRange(nLow, nHigh);
        while (nLow < nHigh)
        {
            int nMid = (nLow + nHigh) / 2;
            Wrap(nMid, FALSE);
            if (Position().cy <= nHeight)
                nHigh = nMid;
            else
                nLow = nMid + 1;
        }
        return nHigh;
    }

    // Places the rows one after another, columns from right to left; returns the extent.
    CSize Position()
    {
        CSize szExtent(0, 0);
        int nAlong = 0, nRowStart = 0, nRowThickness = 0;
        BOOL bFirst = TRUE;
        for (KT_LAYOUTRECORD& r : m_records)
        {
            if (!r.bVisible || r.bHidden)
                continue;
            if (r.bWrap)
            {
                nRowStart += nRowThickness + (r.pControl->GetBeginGroup() ? Across(m_szSeparator, m_bVert) : 0);
                nAlong = nRowThickness = 0;
            }
            else if (r.pControl->GetBeginGroup() && !bFirst)
                nAlong += Along(m_szSeparator, m_bVert);
            CPoint pt = m_bVert ? CPoint(nRowStart, nAlong) : CPoint(nAlong, nRowStart);
            r.rc = CRect(pt, r.sz);
            nAlong += Along(r.sz, m_bVert);
            nRowThickness = std::max(nRowThickness, Across(r.sz, m_bVert));
            szExtent.cx = std::max<int>(szExtent.cx, r.rc.right);
            szExtent.cy = std::max<int>(szExtent.cy, r.rc.bottom);
            bFirst = FALSE;
        }
        if (m_bVert)
            MirrorColumns(szExtent.cx);
        return szExtent;
    }

private:
    void MirrorColumns(int nWidth)
    {
        for (KT_LAYOUTRECORD& r : m_records)
            if (r.bVisible && !r.bHidden)
                r.rc.OffsetRect(nWidth - r.rc.right - r.rc.left, 0);
    }

    // Hides up to the next visible control that starts a row of its own; returns that control (or the end).
    size_t HideFrom(size_t i)
    {
        for (; i < m_records.size(); i++)
        {
            KT_LAYOUTRECORD& r = m_records[i];
            if (!r.bVisible)
                continue;
            if (r.pControl->GetFlags() & ktFlagWrapRow)
            {
                r.bWrap = TRUE;
                return i;
            }
            r.bHidden = TRUE;
        }
        return i;
    }

    // The new row starts at the nearest group start at or before i; the first control never leaves the first row.
    size_t BreakBefore(size_t i, size_t nFirst)
    {
        for (size_t j = i; j > nFirst; j--)
        {
            if (m_records[j].bWrap)
                break;
            if (m_records[j].bVisible && m_records[j].pControl->GetBeginGroup())
            {
                m_records[j].bWrap = TRUE;
                return j;
            }
        }
        m_records[i].bWrap = TRUE;
        return i;
    }

    std::vector<KT_LAYOUTRECORD>& m_records;
    CSize m_szSeparator;
    BOOL m_bVert;
    BOOL m_bBroke = FALSE;
};

// Centres each control across the thickness of its row, unless its bar lays out groups, and stores the row.
void AlignRows(std::vector<KT_LAYOUTRECORD>& records, BOOL bVert, BOOL bCentre)
{
    size_t nRowFirst = 0;
    for (size_t i = 0; i <= records.size(); i++)
    {
        BOOL bRowEnd = i == records.size() || (records[i].bVisible && records[i].bWrap);
        if (!bRowEnd)
            continue;
        CRect rcRow(0, 0, 0, 0);
        for (size_t j = nRowFirst; j < i; j++)
            if (records[j].bVisible && !records[j].bHidden)
                rcRow = rcRow.IsRectNull() ? records[j].rc : (rcRow | records[j].rc);
        for (size_t j = nRowFirst; j < i; j++)
        {
            KT_LAYOUTRECORD& r = records[j];
            r.pControl->SetRowRect(rcRow);
            if (!bCentre)
                continue;
            int nShift = ((bVert ? rcRow.Width() : rcRow.Height()) - Across(r.sz, bVert)) / 2;
            r.rc.OffsetRect(bVert ? CPoint(rcRow.left - r.rc.left + nShift, 0)
                                  : CPoint(0, rcRow.top - r.rc.top + nShift));
        }
        nRowFirst = i;
    }
}

int Start(const CRect& rc, BOOL bVert) { return bVert ? rc.top : rc.left; }
int End(const CRect& rc, BOOL bVert) { return bVert ? rc.bottom : rc.right; }
void Shift(CRect& rc, int n, BOOL bVert) { rc.OffsetRect(bVert ? CPoint(0, n) : CPoint(n, 0)); }

// The placed records of each row, in order.
std::vector<std::vector<KT_LAYOUTRECORD*>> PlacedRows(std::vector<KT_LAYOUTRECORD>& records)
{
    std::vector<std::vector<KT_LAYOUTRECORD*>> rows(1);
    for (KT_LAYOUTRECORD& r : records)
    {
        if (!r.bVisible || r.bHidden)
            continue;
        if (r.bWrap && !rows.back().empty())
            rows.emplace_back();
        rows.back().push_back(&r);
    }
    return rows;
}

// Right-aligned controls at the row's end go to the bar's far end; returns how many moved.
size_t PushToEnd(std::vector<KT_LAYOUTRECORD*>& row, int nEnd, BOOL bVert)
{
    size_t nPushed = 0;
    for (auto it = row.rbegin(); it != row.rend() && ((*it)->pControl->GetFlags() & ktFlagRightAlign); ++it)
    {
        const int nShift = nEnd - End((*it)->rc, bVert);
        if (nShift < 0)
            break;
        Shift((*it)->rc, nShift, bVert);
        nEnd = Start((*it)->rc, bVert);
        nPushed++;
    }
    return nPushed;
}

// The row's spare length shared equally among its stretched controls, those after them moving along.
void ShareSpare(std::vector<KT_LAYOUTRECORD*>& row, size_t nCount, int nEnd, BOOL bVert)
{
    if (nCount == 0)
        return;
    const int nStretched =
        (int)std::count_if(row.begin(), row.begin() + nCount,
                           [](KT_LAYOUTRECORD* r) { return (r->pControl->GetFlags() & ktFlagControlStretched) != 0; });
    const int nSpare = nEnd - End(row[nCount - 1]->rc, bVert);
    if (nStretched == 0 || nSpare <= 0)
        return;
    int nMoved = 0, nIndex = 0;
    for (size_t i = 0; i < nCount; i++)
    {
        CRect& rc = row[i]->rc;
        Shift(rc, nMoved, bVert);
        if (!(row[i]->pControl->GetFlags() & ktFlagControlStretched))
            continue;
        const int nGrow = nSpare / nStretched + (nIndex++ < nSpare % nStretched ? 1 : 0);
        (bVert ? rc.bottom : rc.right) += nGrow;
        nMoved += nGrow;
    }
}

// Right-aligned controls to the far end of each row, then the rest of the row to its stretched controls.
void FillRows(std::vector<KT_LAYOUTRECORD>& records, int nEnd, BOOL bVert)
{
    for (std::vector<KT_LAYOUTRECORD*>& row : PlacedRows(records))
    {
        const size_t nPushed = PushToEnd(row, nEnd, bVert);
        const size_t nRest = row.size() - nPushed;
        ShareSpare(row, nRest, nPushed ? Start(row[nRest]->rc, bVert) : nEnd, bVert);
    }
}

// Rows (columns on vertical bars) as the mode asks; a docked row that had to break or hide tells so.
CSize LayOutRows(std::vector<KT_LAYOUTRECORD>& records, CSize szSeparator, DWORD dwMode, int nLength, CSize szBorders,
                 int nMRUWidth, BOOL& bBroke)
{
    const BOOL bVert = (dwMode & LM_VERTDOCK) != 0;
    const BOOL bDocked = (dwMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0;
    CLayout layout(records, szSeparator, bVert);
    if (dwMode & KT_LM_MRUGROUPS)
        layout.WrapGroups(nMRUWidth);
    else if (bDocked)
        layout.Wrap(nLength - Along(szBorders, bVert), (dwMode & KT_LM_HIDEWRAP) != 0);
    else if (dwMode & LM_LENGTHY)
        layout.Wrap(layout.FitHeight(nLength - szBorders.cy), FALSE);
    else
        layout.Wrap(layout.FitSameRows(nLength - szBorders.cx), FALSE);
    bBroke = bDocked && layout.HasBroken();
    return layout.Position();
}

// Groups in one row; a row that had to be reduced (or lose what did not fit) tells so.
CSize LayOutGroups(std::vector<KT_LAYOUTRECORD>& records, int nGroupGap, CDC* pDC, int nLength, BOOL bHideOverflow,
                   BOOL& bBroke)
{
    CKTGroupLayout layout(records, nGroupGap, pDC);
    const CSize szExtent = layout.Fit(nLength, bHideOverflow);
    bBroke = layout.IsReduced();
    return szExtent;
}
// A docked bar at least as thick as the minimum, its borders left out.
void KeepMinimumThickness(CSize& szInner, DWORD dwMode, int nMinLength, CSize szBorders)
{
    if (nMinLength <= 0 || !(dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return;
    const BOOL bVertDock = (dwMode & LM_VERTDOCK) != 0;
    LONG& nThickness = bVertDock ? szInner.cx : szInner.cy;
    nThickness = std::max<LONG>(nThickness, nMinLength - (bVertDock ? szBorders.cx : szBorders.cy));
}
}  // namespace

CSize CKTControls::CalcDynamicSize(int nLength, DWORD dwMode, CRect rcBorder, int nMinLength)
{
    CKTCommandBar* pBar = m_pParent;
    if (!pBar)
        return CSize(0, 0);
    // Controls hide or show for the docking first: fields leave vertical bars. Place holders add items after
    // themselves, so the count is read again each time.
    for (int i = 0; i < GetCount(); i++)
        GetAt(i)->OnCalcDynamicSize(dwMode);
    // Groups always run along a row.
    const BOOL bGroups = (pBar->GetFlags() & ktBarFlagGroupLayout) != 0;
    BOOL bVert = (dwMode & LM_VERTDOCK) && !bGroups;
    CKTScreenDC screen;
    CDC* pDC = &screen;
    std::vector<KT_LAYOUTRECORD> records;
    BOOL bAnyVisible = FALSE;
    for (const auto& pControl : m_controls)
    {
        KT_LAYOUTRECORD r = {pControl, CSize(0, 0), CRect(0, 0, 0, 0), pControl->IsVisible(ktHideWrap)};
        if (r.bVisible)
            r.sz = pControl->GetSize(pDC);
        bAnyVisible |= r.bVisible;
        records.push_back(r);
    }
    CSize szBorders(rcBorder.left + rcBorder.right, rcBorder.top + rcBorder.bottom);
    if (!bAnyVisible)
    {
        CSize sz(23, 22);
        KeepMinimumThickness(sz, dwMode, nMinLength, szBorders);
        sz += szBorders;
        // A docked bar's free room in its row is its dock bar's to give: measured, the bar is only its block.
        if (dwMode & LM_STRETCH)
            (bVert ? sz.cy : sz.cx) = std::max<int>(nLength, Along(sz, bVert));
        return sz;
    }
    CSize szSeparator = pBar->GetPaintManager()->DrawCommandBarSeparator(NULL, pBar, m_controls.front(), FALSE);
    if (dwMode & LM_MRUWIDTH)
        nLength = pBar->GetMRUWidth();
    BOOL bBroke = FALSE;
    const BOOL bHideOverflow = (dwMode & KT_LM_HIDEWRAP) != 0;
    CSize szExtent = bGroups
                         ? LayOutGroups(records, szSeparator.cx, pDC, nLength - szBorders.cx, bHideOverflow, bBroke)
                         : LayOutRows(records, szSeparator, dwMode, nLength, szBorders, pBar->GetMRUWidth(), bBroke);
    KeepMinimumThickness(szExtent, dwMode, nMinLength, szBorders);
    CSize sz = szExtent + szBorders;
    if ((dwMode & LM_STRETCH) || bBroke)
        (bVert ? sz.cy : sz.cx) = std::max<int>(nLength, Along(sz, bVert));
    if (dwMode & LM_COMMIT)
    {
        for (KT_LAYOUTRECORD& r : records)
            r.rc.OffsetRect(rcBorder.left, rcBorder.top);
        AlignRows(records, bVert, !bGroups);
        FillRows(records, Along(sz, bVert) - (bVert ? rcBorder.bottom : rcBorder.right), bVert);
        for (KT_LAYOUTRECORD& r : records)
        {
            r.pControl->SetHideFlag(ktHideWrap, r.bHidden);
            r.pControl->SetWrap(r.bWrap);
            if (r.bVisible && !r.bHidden)
                r.pControl->SetRect(r.rc);
        }
    }
    return sz;
}

// Caret placement, keeping it in view, the selection and hit testing.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditNotify.h"

#include <algorithm>

BOOL CKTSyntaxEditCtrl::SetTopRow(int nRow)
{
    if (nRow > GetRowCount())
        return FALSE;
    PlaceTopRow(nRow);
    return TRUE;
}

// The one way the top row changes, so that the rows remembered as shown
// change with it; taken again at the same top row when the window's height
// or the folds change what it shows.
void CKTSyntaxEditCtrl::PlaceTopRow(int nRow)
{
    const int nOldTop = m_nTopRow;
    m_nTopRow = std::max(nRow, 1);
    int v = GetVisibleRows();
    m_nFirstVisibleRow = GetRowAtDisplayOffset(m_nTopRow, 1);
    m_nLastVisibleRow = GetRowAtDisplayOffset(m_nTopRow, v);
    m_nParseShownRow = GetRowAtDisplayOffset(m_nTopRow, v + 4);
    // The horizontal range is that of the rows shown: other rows may be wider.
    if (m_nTopRow != nOldTop)
        UpdateHScrollBar();
}

BOOL CKTSyntaxEditCtrl::SetRedrawRow(int nRow)
{
    if (nRow > GetRowCount())
        return FALSE;
    m_nRedrawRow = nRow;
    m_nPrevRedrawRow = -1;
    return TRUE;
}

void CKTSyntaxEditCtrl::SetCurrentRow(int nRow)
{
    int nCount = GetRowCount();
    nRow = std::min(nRow, nCount);
    if (nRow < 1 || nCount == 0)
        nRow = 1;
    m_nCurrentRow = nRow;
    if (nRow < m_nFirstVisibleRow || nRow > m_nLastVisibleRow)
        RecalcScrollBars();
}

void CKTSyntaxEditCtrl::SetCaretChar(int nRow, int nCharPos)
{
    m_nCurrentRow = nRow;
    m_nCurrentChar = std::max(nCharPos, 1);
    m_nDispCol = GetDisplayColumn(nRow, m_nCurrentChar);
    m_nWantedDispCol = m_nDispCol;
}

void CKTSyntaxEditCtrl::SetCaretTextPos(const KT_EDIT_TEXTPOS& pos) { SetCaretChar(pos.nLine, pos.nCol); }

void CKTSyntaxEditCtrl::UpdateCaretColumns()
{
    m_nDispCol = SnapDisplayColumn(m_nCurrentRow, m_nDispCol);
    m_nCurrentChar = GetCharPosition(m_nCurrentRow, m_nDispCol);
    m_nWantedDispCol = m_nDispCol;
}

void CKTSyntaxEditCtrl::SetCurrentPosition(int nRow, int nDispCol, BOOL bKeepSelection, BOOL bRedraw)
{
    SetCurrentRow(nRow);
    m_nDispCol = nDispCol;
    UpdateCaretColumns();
    if (bKeepSelection && !bRedraw)
        return;
    if (bKeepSelection)
    {
        MoveCaretTo(GetCurrentDisplayOffset(), m_nDispCol, TRUE);
    }
    else
    {
        BOOL bDropped = m_bSelection;
        if (bDropped)
        {
            m_bSelection = FALSE;
            m_nRedrawRow = -1;
        }
        EnsureVisible(m_nCurrentRow, m_nDispCol, bDropped, bRedraw);
    }
    UpdateWindow();
    NotifyViewChanged(KT_EDIT_VIEW_VERT | KT_EDIT_VIEW_HORZ);
}

// The top row moves the least that shows the row; returns the row's y.
int CKTSyntaxEditCtrl::ScrollRowIntoView(int nRow)
{
    int nBottom = GetRowAtDisplayOffset(m_nTopRow, GetVisibleRows());
    if (nRow > nBottom)
    {
        PlaceTopRow(m_nTopRow + nRow - nBottom);
    }
    else if (nRow < m_nTopRow)
    {
        m_nPrevRedrawRow = m_nTopRow;
        PlaceTopRow(nRow);
    }
    return (GetDisplayRowCount(m_nTopRow, nRow) - 1) * GetRowHeight();
}

// The horizontal shift that shows column K, and the caret's x in the text
// after it: leftwards it lands 10 columns from the edge, rightwards the view
// jumps 20 columns further than needed. A column at h is already left of the
// first visible column h + 1.
int CKTSyntaxEditCtrl::HorzShiftFor(int K, int& x) const
{
    int h = GetHorzPos(), cw = GetCharWidth(), nCols = GetVisibleColumns();
    x = (K - 1 - h) * cw;
    if (K <= nCols + h && K <= h)
    {
        x = K < 10 ? (K - 1) * cw : 9 * cw;
        return std::max(K - h - 10, -h);
    }
    if (K <= nCols + h)
        return 0;
    int nOver = K - (nCols + h);
    x = (K - h - 1 - nOver - 20) * cw;
    return nOver + 20;
}

void CKTSyntaxEditCtrl::EnsureVisible(int nRow, int nDispCol, BOOL bRedraw, BOOL bNotify)
{
    if (!GetSafeHwnd())
        return;
    int K = m_nForcedColumn > 0 ? m_nForcedColumn : nDispCol;
    if (m_selStart == m_selEnd)
        m_bSelection = FALSE;
    CRect rc;
    GetClientRect(&rc);
    if (rc.IsRectEmpty() || m_tm.tmHeight <= 0 || GetCharWidth() <= 0)
        return;
    int nOldTop = m_nTopRow;
    int y = std::max(ScrollRowIntoView(nRow), 0);
    int x = 0;
    int dh = HorzShiftFor(K, x);
    if (K > 0)
        SetHorzPos(GetHorzPos() + dh, TRUE);
    int v = GetVisibleRows();
    EnableBar(SB_VERT, GetRowCount() >= v);
    if (GetRowCount() >= v)
        SetBarPos(SB_VERT, GetDisplayRowCount(1, m_nTopRow), TRUE);
    if (bNotify)
        NotifyCaretMoved(m_nCurrentRow, m_nForcedColumn > 0 ? K : m_nDispCol);
    if (dh != 0)
        m_nRedrawRow = -1;
    if (m_nTopRow != nOldTop || dh != 0 || bRedraw)
        Invalidate(FALSE);
    if (::GetFocus() == m_hWnd)
    {
        CreateSolidCaret(CaretWidth(), GetRowHeight());
        SetCaretPos(CPoint(std::max(x, 0) + m_nTextLeft, y));
        ShowCaret();
    }
}

void CKTSyntaxEditCtrl::MoveCaretTo(int nDisplayOffset, int nDispCol, BOOL bScroll)
{
    if (bScroll)
    {
        EnsureVisible(GetRowAtDisplayOffset(m_nTopRow, nDisplayOffset), nDispCol, TRUE, TRUE);
        return;
    }
    if (!GetSafeHwnd() || GetCharWidth() <= 0)
        return;
    int x = (nDispCol - GetHorzPos() - 1) * GetCharWidth() + m_nTextLeft;
    if (x < m_nTextLeft)
    {
        HideCaret();
        return;
    }
    if (::GetFocus() != m_hWnd)
        return;
    CreateSolidCaret(CaretWidth(), GetRowHeight());
    SetCaretPos(CPoint(x, (nDisplayOffset - 1) * GetRowHeight()));
    ShowCaret();
}

CPoint CKTSyntaxEditCtrl::GetCaretPoint() const { return CWnd::GetCaretPos(); }

// Ordered copies: the anchor stays where the selection began, or the next Shift+arrow after a repaint would
// extend it from the wrong end.
BOOL CKTSyntaxEditCtrl::GetSelection(KT_EDIT_TEXTPOS& start, KT_EDIT_TEXTPOS& end) const
{
    if (!m_bSelection)
        return FALSE;
    start = std::min(m_selStart, m_selEnd);
    end = std::max(m_selStart, m_selEnd);
    return TRUE;
}

void CKTSyntaxEditCtrl::ClearSelection()
{
    if (!m_bSelection)
        return;
    m_bSelection = FALSE;
    m_nRedrawRow = -1;
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CKTSyntaxEditCtrl::NormalizeSelection()
{
    if (m_selEnd < m_selStart)
        std::swap(m_selStart, m_selEnd);
}

BOOL CKTSyntaxEditCtrl::IsInSelection(int nRow, int nDispCol) const
{
    if (!m_bSelection || nDispCol < 1)
        return FALSE;
    KT_EDIT_TEXTPOS lo = m_selStart, hi = m_selEnd;
    if (hi.nLine < lo.nLine)
        std::swap(lo, hi);
    if (m_bColumnSelection || lo.nLine == hi.nLine)
    {
        int nLeft = std::min(lo.nCol, hi.nCol), nRight = std::max(lo.nCol, hi.nCol);
        return lo.nLine <= nRow && nRow <= hi.nLine && nLeft <= nDispCol && nDispCol < nRight;
    }
    if (nRow == lo.nLine)
        return nDispCol >= lo.nCol;
    if (nRow == hi.nLine)
        return nDispCol <= hi.nCol;
    return lo.nLine < nRow && nRow < hi.nLine;
}

BOOL CKTSyntaxEditCtrl::Select(int nStartRow, int nStartCol, int nEndRow, int nEndCol, BOOL bRedraw)
{
    int nCount = GetRowCount();
    if (nStartRow < 1 || nStartRow > nCount || nEndRow < 1 || nEndRow > nCount)
        return FALSE;
    m_selStart = KT_EDIT_TEXTPOS(nStartRow, SnapDisplayColumn(nStartRow, nStartCol));
    m_selEnd = KT_EDIT_TEXTPOS(nEndRow, SnapDisplayColumn(nEndRow, nEndCol));
    m_bSelection = TRUE;
    const KT_EDIT_TEXTPOS& caret = std::max(m_selStart, m_selEnd);
    m_nCurrentRow = caret.nLine;
    m_nDispCol = caret.nCol;
    UpdateCaretColumns();
    if (!bRedraw)
        return TRUE;
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    UpdateWindow();
    NotifyViewChanged(KT_EDIT_VIEW_VERT);
    return TRUE;
}

void CKTSyntaxEditCtrl::SelectAll()
{
    int nCount = GetRowCount();
    if (nCount == 0)
    {
        m_bSelection = FALSE;
        return;
    }
    m_selStart = KT_EDIT_TEXTPOS(1, 1);
    m_selEnd = KT_EDIT_TEXTPOS(nCount, GetRowEndColumn(m_pBuffer->GetLineTextEx(nCount)));
    m_bSelection = TRUE;
    m_nCurrentRow = nCount;
    m_nDispCol = m_selEnd.nCol;
    UpdateCaretColumns();
    m_nForcedColumn = 0;
    m_nRedrawRow = -1;
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
}

// Rows by the pixel lines they are painted on, rounded down also above the window: a point over it lies on the
// rows above the top row, which a selection dragged upwards reaches.
BOOL CKTSyntaxEditCtrl::HitTest(int x, int y, int& nRow, int& nCol, int* pnDisplayOffset, int* pnColOffset) const
{
    BOOL bClamped = FALSE;
    int rh = GetRowHeight(), cw = std::max(GetCharWidth(), 1);
    int xr = x - m_nTextLeft;
    int d = (y >= 0 ? y / rh : -((rh - 1 - y) / rh)) + 1;
    if (xr < 0)
    {
        nCol = 0;
        bClamped = TRUE;
    }
    else
    {
        nCol = GetHorzPos() + 1 + xr / cw + (xr % cw > cw / 2 ? 1 : 0);
    }
    nRow = GetRowAtDisplayOffset(m_nTopRow, d);
    int nCount = std::max(GetRowCount(), 1);
    if (nRow < 1 || nRow > nCount)
    {
        nRow = std::clamp(nRow, 1, nCount);
        bClamped = TRUE;
    }
    if (pnDisplayOffset)
        *pnDisplayOffset = d;
    if (pnColOffset)
        *pnColOffset = xr < 0 ? 0 : xr / cw;
    return bClamped;
}

int CKTSyntaxEditCtrl::MoveUp(int n)
{
    int d = GetCurrentDisplayOffset() - n;
    if (d > 0)
    {
        m_nCurrentRow = GetRowAtDisplayOffset(m_nTopRow, d);
        m_nRedrawRow = m_nCurrentRow;
        return d;
    }
    int t = GetRowAtDisplayOffset(1, std::max(GetDisplayRowCount(1, m_nCurrentRow) - n, 1));
    int nShift = std::min(m_nCurrentRow - t, m_nTopRow - 1);
    PlaceTopRow(m_nTopRow - nShift);
    m_nCurrentRow -= nShift;
    m_nRedrawRow = -1;
    return GetCurrentDisplayOffset();
}

int CKTSyntaxEditCtrl::MoveDown(int n)
{
    int nTarget = std::min(GetRowAtDisplayOffset(m_nTopRow, GetCurrentDisplayOffset() + n), GetRowCount());
    nTarget = std::max(nTarget, 1);
    m_nCurrentRow = nTarget;
    m_nPrevRedrawRow = m_nRedrawRow;
    m_nRedrawRow = nTarget;
    if (nTarget > GetBottomRow(GetVisibleRows()))
    {
        PlaceTopRow(GetRowAtDisplayOffset(m_nTopRow, n + 1));
        m_nRedrawRow = -1;
    }
    return GetCurrentDisplayOffset();
}

// Selecting whole words under the mouse: a double click, Ctrl+click, and dragging on from either.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditNotify.h"

#include <cstring>

namespace
{
const char kWordDelimiters[] = "&%\"|\t[](){}:,;=+-/\\<>. ";

BOOL IsWordDelimiter(char ch) { return ch != '\0' && strchr(kWordDelimiters, ch) != NULL; }

// The word around the 0-based index as [first, last + 1); a delimiter is a word of its own.
void WordAround(const CString& strRow, int i, int& nFirst, int& nEnd)
{
    int nLeft = i, nRight = i;
    while (nLeft >= 0 && nLeft < strRow.GetLength() && !IsWordDelimiter(strRow[nLeft]))
        --nLeft;
    while (nRight < strRow.GetLength() && !IsWordDelimiter(strRow[nRight]))
        ++nRight;
    if (nLeft == nRight)
    {
        nFirst = i;
        nEnd = i + 1;
        return;
    }
    nFirst = nLeft + 1;
    nEnd = nRight;
}
}  // namespace

BOOL CKTSyntaxEditCtrl::WordAtPoint(CPoint point, KT_EDIT_TEXTPOS& start, KT_EDIT_TEXTPOS& end)
{
    int nRow = 0, nCol = 0, nDisplayOffset = 0;
    if (!m_pBuffer || GetRowCount() == 0)
        return FALSE;
    // Above or below the rows the hit test clamps to the nearest row, which holds no word there; left of
    // the text it clamps only the column.
    if (HitTest(point.x, point.y, nRow, nCol, &nDisplayOffset) &&
        nRow != GetRowAtDisplayOffset(m_nTopRow, nDisplayOffset))
        return FALSE;
    CString strRow = m_pBuffer->GetLineTextEx(nRow);
    int i = GetCharPosition(nRow, SnapDisplayColumn(nRow, std::max(nCol, 1))) - 1;
    int nFirst = 0, nEnd = 0;
    WordAround(strRow, std::min(i, std::max(strRow.GetLength() - 1, 0)), nFirst, nEnd);
    nEnd = std::min(nEnd, strRow.GetLength());
    start = KT_EDIT_TEXTPOS(nRow, GetDisplayColumn(nRow, nFirst + 1));
    end = KT_EDIT_TEXTPOS(nRow, GetDisplayColumn(nRow, nEnd + 1));
    return TRUE;
}

void CKTSyntaxEditCtrl::SelectWordAtPoint(CPoint point)
{
    KT_EDIT_TEXTPOS start, end;
    if (!WordAtPoint(point, start, end))
        return;
    if (m_bMouseSelecting)
    {
        KT_EDIT_TEXTPOS firstStart, firstEnd;
        WordAtPoint(m_ptWordSelect, firstStart, firstEnd);
        BOOL bBefore = start < firstStart;
        m_selStart = bBefore ? firstEnd : firstStart;
        m_selEnd = bBefore ? start : end;
    }
    else
    {
        m_selStart = start;
        m_selEnd = end;
        SetTimer(ktTimerAutoScroll, 100, NULL);
    }
    m_bSelection = TRUE;
    SetCurrentRow(m_selEnd.nLine);
    m_nDispCol = m_selEnd.nCol;
    UpdateCaretColumns();
    m_nRedrawRow = -1;
    Invalidate(FALSE);
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    UpdateWindow();
    NotifyViewChanged(m_bMouseSelecting ? KT_EDIT_VIEW_VERT | KT_EDIT_VIEW_HORZ : KT_EDIT_VIEW_VERT);
}

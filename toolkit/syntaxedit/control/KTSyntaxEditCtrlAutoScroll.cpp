// Whole-row selection and the scrolling that follows the pointer while the left button selects.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditNotify.h"

#include <algorithm>

// The caret stands at the row's start: at its end a long row would scroll the view aside while rows are picked.
void CKTSyntaxEditCtrl::SelectRow(int nRow, BOOL bSelect)
{
    m_nCurrentChar = m_nDispCol = m_nWantedDispCol = 1;
    if (!bSelect || !GetSafeHwnd())
    {
        SetCurrentPosition(nRow, 0, FALSE, TRUE);
        return;
    }
    m_bLineSelection = TRUE;
    m_nLineSelectRow = nRow;
    m_selStart = KT_EDIT_TEXTPOS(nRow, 1);
    m_selEnd = KT_EDIT_TEXTPOS(nRow + 1, 1);
    m_bSelection = TRUE;
    m_nRedrawRow = -1;
    SetCurrentRow(nRow);
    Invalidate(FALSE);
    m_bMouseDown = TRUE;
    m_bMouseSelecting = TRUE;
    PlaceCaretAtDisplayRow(TRUE);
    SetTimer(ktTimerAutoScroll, 100);
}

// Above the text the target is three rows over the top, below it three rows under the pointer; FALSE while the
// pointer is over the whole rows. The part row at the bottom counts as below: its row is not fully shown.
BOOL CKTSyntaxEditCtrl::AutoScrollTarget(int& nRow, int& nCol) const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CRect rc;
    GetClientRect(&rc);
    int nHitRow = 0;
    HitTest(pt.x, pt.y, nHitRow, nCol);
    if (pt.y < rc.top)
        nRow = std::max(m_nTopRow - 3, 1);
    else if (pt.y >= GetVisibleRows() * GetRowHeight())
        nRow = GetRowAtDisplayOffset(m_nTopRow, pt.y / GetRowHeight() + 1) + 3;
    else
        return FALSE;
    nRow = std::min(nRow, std::max(GetRowCount(), 1));
    return TRUE;
}

void CKTSyntaxEditCtrl::AdvanceAutoScroll()
{
    if (::GetAsyncKeyState(::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) >= 0)
    {
        m_bMouseDown = m_bMouseSelecting = m_bColumnSelection = FALSE;
        KillTimer(ktTimerAutoScroll);
        return;
    }
    int nRow = 0, nCol = 0;
    if (!AutoScrollTarget(nRow, nCol))
        return;
    int nOldRow = m_nCurrentRow, nOldCol = m_nDispCol;
    m_nCurrentRow = nRow;
    if (!m_bColumnSelection)
        nCol = std::clamp(SnapDisplayColumn(nRow, nCol), 1, GetRowEndColumn(m_pBuffer->GetLineTextEx(nRow)));
    m_nDispCol = nCol;
    m_selEnd = KT_EDIT_TEXTPOS(nRow, nCol);
    m_bSelection = TRUE;
    if (m_bLineSelection && m_nDispCol == 1)
        SpanWholeRows();
    m_nRedrawRow = -1;
    if (nRow == nOldRow && nCol == nOldCol)
        return;
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    UpdateWindow();
    NotifyViewChanged(KT_EDIT_VIEW_VERT | KT_EDIT_VIEW_HORZ);
}

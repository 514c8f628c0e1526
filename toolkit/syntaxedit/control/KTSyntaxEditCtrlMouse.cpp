// The left button: placing the caret, selecting by characters, words, rows and column blocks, margin clicks.
#include "KTSyntaxEditCtrl.h"

#include "KTKeyState.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditCompletion.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditTipWnd.h"

#include <algorithm>

// A press inside the selection may start dragging the selected text.
void CKTSyntaxEditCtrl::TestDragPending(CPoint point)
{
    m_bDragPending = FALSE;
    if (m_bMouseSelecting || !m_bSelection || m_bDragging)
        return;
    int nRow = 0, nCol = 0;
    HitTest(point.x, point.y, nRow, nCol);
    m_ptDrop = KT_EDIT_TEXTPOS(nRow, nCol);
    if (point.x < m_nTextLeft || !IsInSelection(nRow, nCol))
        return;
    m_ptDrop = KT_EDIT_TEXTPOS(-1, -1);
    m_bDropState = FALSE;
    m_bDragPending = TRUE;
}

void CKTSyntaxEditCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    m_pCompletion->Close();
    TestDragPending(point);
    m_bDragging = m_bMouseSelecting = m_bMouseDown = m_bLineSelection = FALSE;
    m_nForcedColumn = 0;
    if (m_bSelection)
        Invalidate(FALSE);
    SendNotify(KT_EDIT_NM_BEFOREINPUT);
    SetCapture();
    m_bNoDragCursor = FALSE;
    if (m_bDragPending)
    {
        m_bOleDragDrop ? (void)SendNotify(KT_EDIT_NM_DRAGSTART) : (void)(m_bDragging = TRUE);
        return;
    }
    int nRow = 0, nCol = 0;
    HitTest(point.x, point.y, nRow, nCol);
    if (m_pBuffer && !(KT_EDIT_TEXTPOS(nRow, nCol) == KT_EDIT_TEXTPOS(m_nCurrentRow, m_nDispCol)))
        m_pBuffer->GetUndoRedoManager()->SetGroupInsertMode(FALSE);
    if (int nFoldRow = CollapseButtonRowAt(point))
    {
        ClearSelection();
        ToggleCollapse(nFoldRow);
        return;
    }
    if (IsInSelMargin(point))
        ClickMargin(point);
    else
        ClickText(point, nRow, nCol, (nFlags & MK_CONTROL) != 0, (nFlags & MK_SHIFT) != 0, KTIsKeyDown(VK_MENU));
}

// The row whose collapse button holds the point, 0 when the point is on none.
int CKTSyntaxEditCtrl::CollapseButtonRowAt(CPoint point)
{
    if (!m_bCollapseButtons || point.x >= m_nTextLeft || point.y < 0 || GetRowHeight() <= 0)
        return 0;
    int nDisplayRow = point.y / GetRowHeight();
    int nRow = GetRowAtDisplayOffset(m_nTopRow, nDisplayRow + 1);
    if (nRow > GetRowCount() || !(m_folding.GetRowState(nRow) & 0x03))
        return 0;
    return GetCollapseButtonRect(nDisplayRow).PtInRect(point) ? nRow : 0;
}

// Without an answer from the notify window the margin toggles a breakpoint, only on a row that is there: below
// the last row the click would otherwise land on it.
void CKTSyntaxEditCtrl::ClickMargin(CPoint point)
{
    int nRow = 0, nCol = 0, nDisplayRow = 0;
    HitTest(point.x, point.y, nRow, nCol, &nDisplayRow);
    ClearSelection();
    KT_EDIT_NMHDR_POS nm = {{}, nRow, nDisplayRow};
    const BOOL bTaken = Notify(&nm.hdr, KT_EDIT_NM_MARGINCLICK) != 0 && HasNotifyWindow();
    if (bTaken || GetRowCount() == 0 || GetRowAtDisplayOffset(m_nTopRow, nDisplayRow) != nRow)
        return;
    ToggleBreakpoint(nRow);
    SetCurrentPosition(nRow, 1, FALSE, TRUE);
}

void CKTSyntaxEditCtrl::ClickText(CPoint point, int nRow, int nCol, BOOL bCtrl, BOOL bShift, BOOL bAlt)
{
    if (bCtrl && !bAlt)
    {
        m_bMouseDown = m_bWordSelecting = TRUE;
        m_ptWordSelect = point;
        SelectWordAtPoint(point);
        return;
    }
    m_bWordSelecting = FALSE;
    m_bMouseDown = TRUE;
    if (!bShift && !bAlt)
        ClearSelection();
    if (bShift && !m_bSelection)
        m_selStart = KT_EDIT_TEXTPOS(m_nCurrentRow, m_nDispCol);
    m_bColumnSelection = bAlt;
    if (!bShift && !bAlt && point.x < m_nTextLeft)
    {
        SelectRow(nRow, TRUE);
        return;
    }
    PutCaretAtCell(nRow, nCol);
    m_nPrevRedrawRow = nRow;
    if (!bShift)
        m_selStart = m_selEnd = KT_EDIT_TEXTPOS(nRow, m_nDispCol);
    if (bShift || bAlt)
    {
        m_selEnd = KT_EDIT_TEXTPOS(nRow, m_nDispCol);
        m_bSelection = TRUE;
        m_bMouseDown = FALSE;
        m_bMouseSelecting = TRUE;
        m_nRedrawRow = -1;
    }
    EnsureVisible(m_nCurrentRow, m_nDispCol, m_bSelection, TRUE);
    SetTimer(ktTimerAutoScroll, 100, NULL);
}

// The caret at the start of the cell under the display column, not past the row's end.
void CKTSyntaxEditCtrl::PutCaretAtCell(int nRow, int nCol)
{
    SetCurrentRow(nRow);
    m_nDispCol = SnapDisplayColumn(nRow, std::clamp(nCol, 1, GetRowEndColumn(GetLineText(nRow))));
    UpdateCaretColumns();
}

void CKTSyntaxEditCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    KillTimer(ktTimerAutoScroll);
    if (m_folding.HitTestBox(point))
    {
        // The box stands on its folded row; the mark goes with the fold.
        int nRow = 0, nCol = 0;
        HitTest(point.x, point.y, nRow, nCol);
        m_pToolTip->Hide();
        ToggleCollapse(nRow);
        return;
    }
    m_bMouseDown = m_bWordSelecting = TRUE;
    m_ptWordSelect = point;
    m_bLineSelection = FALSE;
    SelectWordAtPoint(point);
}

void CKTSyntaxEditCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    m_pToolTip->TrackPointer(point);
    if (m_bMouseSelecting)
        ExtendSelectionTo(nFlags, point);
    else if (m_bMouseDown)
        StartMouseSelection(point);
    else if (m_bDragging || m_bNoDragCursor)
        TrackDrag(point);
    // An OLE drag runs inside the press's notification: no move of this gesture reaches here before it ends.
    TestDragPending(point);
    m_folding.TrackPointer(point);
    CWnd::OnMouseMove(nFlags, point);
}

// The first move after a click: the caret follows the pointer at once, a word selection keeps its word.
void CKTSyntaxEditCtrl::StartMouseSelection(CPoint point)
{
    m_bMouseDown = FALSE;
    m_bMouseSelecting = TRUE;
    if (m_bWordSelecting)
        return;
    int nRow = 0, nCol = 0;
    HitTest(point.x, point.y, nRow, nCol);
    PutCaretAtCell(nRow, nCol);
    EnsureVisible(m_nCurrentRow, m_nDispCol, FALSE, TRUE);
}

void CKTSyntaxEditCtrl::ExtendSelectionTo(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON))
    {
        m_bColumnSelection = m_bMouseSelecting = m_bMouseDown = FALSE;
        return;
    }
    int nRow = 0, nCol = 0;
    HitTest(point.x, point.y, nRow, nCol);
    if (KT_EDIT_TEXTPOS(nRow, nCol) == m_selEnd)
        return;
    if (m_bWordSelecting)
    {
        SelectWordAtPoint(point);
        return;
    }
    int nOldRow = m_nCurrentRow;
    MoveSelectionEnd(nRow, nCol);
    if (m_bLineSelection && point.x >= m_nTextLeft)
        m_bLineSelection = FALSE;
    else if (m_bLineSelection)
        SpanWholeRows();
    m_nRedrawRow = -1;
    m_nPrevRedrawRow = nOldRow;
    Invalidate(FALSE);
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    UpdateWindow();
    NotifyViewChanged(KT_EDIT_VIEW_VERT | KT_EDIT_VIEW_HORZ);
}

// A column block keeps the raw column, which may lie past a short row's end.
void CKTSyntaxEditCtrl::MoveSelectionEnd(int nRow, int nCol)
{
    SetCurrentRow(nRow);
    if (m_bColumnSelection)
    {
        m_nDispCol = m_nCurrentChar = m_nWantedDispCol = std::max(nCol, 1);
    }
    else
    {
        m_nDispCol = std::clamp(SnapDisplayColumn(m_nCurrentRow, nCol), 1, GetRowEndColumn(GetLineText(m_nCurrentRow)));
        UpdateCaretColumns();
    }
    m_bSelection = TRUE;
    m_selEnd = KT_EDIT_TEXTPOS(m_nCurrentRow, m_nDispCol);
}

// Rows selected from the line-number column always include the row first clicked.
void CKTSyntaxEditCtrl::SpanWholeRows()
{
    int nCount = GetRowCount();
    if (m_nCurrentRow < m_nLineSelectRow)
    {
        m_selStart = KT_EDIT_TEXTPOS(m_nLineSelectRow + 1, 1);
        m_selEnd = KT_EDIT_TEXTPOS(m_nCurrentRow, 1);
    }
    else
    {
        m_selStart = KT_EDIT_TEXTPOS(m_nLineSelectRow, 1);
        m_selEnd = KT_EDIT_TEXTPOS(m_nCurrentRow + 1, 1);
    }
    for (KT_EDIT_TEXTPOS* pPos : {&m_selStart, &m_selEnd})
    {
        if (pPos->nLine > nCount)
            *pPos = KT_EDIT_TEXTPOS(nCount, GetRowEndColumn(m_pBuffer->GetLineTextEx(nCount)));
    }
}

// Rows selected downwards end at the start of the next row: the caret goes there too, so that the
// keyboard carries on from the selection's end.
void CKTSyntaxEditCtrl::EndRowSelectionAtItsEnd()
{
    if (!m_bLineSelection || m_nCurrentChar != 1 || m_nCurrentRow >= GetRowCount() || m_nCurrentRow < m_nLineSelectRow)
        return;
    SetCaretChar(m_nCurrentRow + 1, 1);
}

void CKTSyntaxEditCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (GetCapture() != this || ::GetFocus() != m_hWnd)
    {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    ReleaseOwnCapture();
    KillTimer(ktTimerAutoScroll);
    EndRowSelectionAtItsEnd();
    m_bMouseSelecting = m_bMouseDown = FALSE;
    if (m_bDragging && m_bDropState)
        DropSelection(KTIsKeyDown(VK_CONTROL));
    else if (m_bDragging)
        ClearSelection();
    m_bDragging = m_bDropState = m_bDragPending = m_bWordSelecting = FALSE;
    m_nRedrawRow = -1;
    Invalidate(FALSE);
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    UpdateWindow();
}

// A capture held with no button down belongs to a gesture whose button-up went elsewhere: it ends as a lost one.
void CKTSyntaxEditCtrl::EndCaptureWithoutButton()
{
    for (int nButton : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2})
    {
        if (KTIsKeyDown(nButton))
            return;
    }
    if (GetSafeHwnd() && GetCapture() == this)
        ::ReleaseCapture();
}

void CKTSyntaxEditCtrl::ReleaseOwnCapture()
{
    m_bReleasingCapture = TRUE;
    ::ReleaseCapture();
    m_bReleasingCapture = FALSE;
}

// The capture went elsewhere mid-gesture (a window opened, the system cancelled): the selection stays as far as it
// got and carried text is not dropped. An OLE drag takes the capture for its own loop and ends in EndOleDrag.
void CKTSyntaxEditCtrl::OnCaptureChanged(CWnd* pWnd)
{
    CWnd::OnCaptureChanged(pWnd);
    if (m_bReleasingCapture || pWnd == this || (m_bOleDragDrop && m_bDragPending))
        return;
    if (!m_bMouseDown && !m_bMouseSelecting && !m_bDragging && !m_bDragPending && !m_bNoDragCursor)
        return;
    KillTimer(ktTimerAutoScroll);
    EndRowSelectionAtItsEnd();
    m_bMouseSelecting = m_bMouseDown = m_bWordSelecting = FALSE;
    m_bDragging = m_bDropState = m_bDragPending = m_bNoDragCursor = FALSE;
    m_nRedrawRow = -1;
    Invalidate(FALSE);
}

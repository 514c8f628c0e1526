// Tab and Shift+Tab over selected rows, each one undo step, and deleting whole rows with Ctrl+L.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditUndoText.h"

#include <algorithm>

// A selection whose lower end stands in column 1, made either way, leaves that row alone.
BOOL CKTSyntaxEditCtrl::GetBlockRows(int& nFirst, int& nLast) const
{
    if (!m_bSelection || m_selStart.nLine == m_selEnd.nLine)
        return FALSE;
    KT_EDIT_TEXTPOS first = std::min(m_selStart, m_selEnd), last = std::max(m_selStart, m_selEnd);
    nFirst = first.nLine;
    nLast = last.nCol == 1 ? last.nLine - 1 : last.nLine;
    return TRUE;
}

BOOL CKTSyntaxEditCtrl::IndentSelection()
{
    int nFirst = 0, nLast = 0;
    BOOL bOverwrite = m_pBuffer && m_pBuffer->GetOverwriteMode();
    if (!m_pBuffer || !GetBlockRows(nFirst, nLast))
    {
        int nTab = GetTabSize();
        int nStop = m_nDispCol + nTab - (m_nDispCol - 1) % nTab;
        if (!bOverwrite || !m_pBuffer || nStop >= GetRowEndColumn(m_pBuffer->GetLineTextEx(m_nCurrentRow)))
            return FALSE;
        SetCurrentPosition(m_nCurrentRow, nStop, FALSE, TRUE);
        return TRUE;
    }
    if (!CanEditDoc())
        return FALSE;
    // Overwrite mode inserts nothing, yet the rows are picked whole as they would be.
    if (!bOverwrite)
        IndentRows(nFirst, nLast);
    WidenToRows(nFirst, nLast);
    FinishBlockIndent(!bOverwrite);
    return TRUE;
}

void CKTSyntaxEditCtrl::IndentRows(int nFirst, int nLast)
{
    OnParserBreak();
    CString strIndent = m_bTabWithSpace ? CString(' ', GetTabSize()) : CString('\t');
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    pUndo->SetGroupInsertMode(FALSE);
    pUndo->SetGroupInsertMode(TRUE);
    for (int nRow = nFirst; nRow <= nLast; ++nRow)
    {
        m_pBuffer->InsertText(strIndent, nRow, 1, TRUE);
        OnTextEdited(nRow, 1, nRow, 1 + strIndent.GetLength(), CKTSyntaxEditLexParserLink::editInserted);
    }
    pUndo->SetGroupInsertMode(FALSE);
    pUndo->SetLastCommandText(KT_IDS_EDIT_INDENT);
    NotifyTextChanged(nFirst, nLast, KT_EDIT_CHANGE_TEXT);
}

void CKTSyntaxEditCtrl::UnindentRow(int nRow, BOOL& bAny)
{
    CString strRow = m_pBuffer->GetLineTextEx(nRow);
    int nCount = strRow.Left(1) == "\t" ? 1 : 0;
    int nMax = nCount ? 0 : std::min(GetTabSize(), strRow.GetLength());
    while (nCount < nMax && strRow[nCount] == ' ')
        ++nCount;
    if (nCount == 0)
        return;
    m_pBuffer->DeleteText(nRow, 1, nRow, nCount + 1, TRUE, FALSE);
    OnTextEdited(nRow, 1, nRow, nCount + 1, CKTSyntaxEditLexParserLink::editDeleted);
    bAny = TRUE;
}

BOOL CKTSyntaxEditCtrl::UnindentSelection()
{
    int nFirst = 0, nLast = 0;
    if (!m_pBuffer)
        return FALSE;
    if (!GetBlockRows(nFirst, nLast))
    {
        ClearSelection();
        int nTab = GetTabSize(), c = m_nDispCol - 1;
        int nCol = std::max((c / nTab - (c % nTab == 0 ? 1 : 0)) * nTab + 1, 1);
        SetCurrentPosition(m_nCurrentRow, nCol, FALSE, TRUE);
        return TRUE;
    }
    if (!CanEditDoc())
        return FALSE;
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    pUndo->SetGroupInsertMode(FALSE);
    pUndo->SetGroupInsertMode(TRUE);
    BOOL bAny = FALSE;
    for (int nRow = nFirst; nRow <= nLast; ++nRow)
        UnindentRow(nRow, bAny);
    pUndo->SetGroupInsertMode(FALSE);
    if (bAny)
    {
        pUndo->SetLastCommandText(KT_IDS_EDIT_DECREASE_INDENT);
        NotifyTextChanged(nFirst, nLast, KT_EDIT_CHANGE_TEXT);
    }
    WidenToRows(nFirst, nLast);
    FinishBlockIndent(bAny);
    return TRUE;
}

// A selection made downwards grows to whole rows; one made upwards keeps its anchors.
void CKTSyntaxEditCtrl::WidenToRows(int nFirst, int nLast)
{
    if (m_selEnd.nLine < m_selStart.nLine)
        return;
    BOOL bEndAfterStart = m_selEnd.nCol > 1;
    m_selStart = KT_EDIT_TEXTPOS(nFirst, 1);
    if (!bEndAfterStart)
    {
        SetCaretChar(m_selEnd.nLine, 1);
        return;
    }
    if (nLast < GetRowCount())
        m_selEnd = KT_EDIT_TEXTPOS(nLast + 1, 1);
    else
        m_selEnd = KT_EDIT_TEXTPOS(nLast, GetRowEndColumn(m_pBuffer->GetLineTextEx(nLast)));
    SetCurrentRow(m_selEnd.nLine);
    SetCaretChar(m_selEnd.nLine, GetCharPosition(m_selEnd.nLine, m_selEnd.nCol));
}

void CKTSyntaxEditCtrl::FinishBlockIndent(BOOL bChanged)
{
    m_nRedrawRow = -1;
    InvalidateRowRange(-1, -1);
    Invalidate(FALSE);
    if (bChanged)
        NotifyModified(TRUE);
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    UpdateWindow();
    NotifyViewChanged(7);
}

void CKTSyntaxEditCtrl::DeleteLines(int nRow)
{
    if (!m_pBuffer)
        return;
    int nFirst = nRow, nLast = nRow;
    if (m_bSelection)
    {
        NormalizeSelection();
        nFirst = m_selStart.nLine;
        nLast = m_selEnd.nLine;
    }
    m_bSelection = FALSE;
    if (nLast < GetRowCount())
    {
        DeleteRange(nFirst, 1, nLast + 1, 1, ktDelRedraw | ktDelRepaintAll);
        return;
    }
    int nEnd = m_pBuffer->GetLineLength(nLast) + 1;
    if (nEnd > 1 || nLast > nFirst)
        DeleteRange(nFirst, 1, nLast, nEnd, ktDelRedraw | ktDelRepaintAll);
}

// The end of a drag inside the control: moving or copying the selected text, and the menu of a right-button drag.
#include "KTSyntaxEditCtrl.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditUndoText.h"

#include <algorithm>

namespace
{
CString LoadText(UINT nID, LPCSTR pszDefault)
{
    CString strText;
    if (!KTResourceManager()->LoadString(&strText, nID) || strText.IsEmpty())
        strText = pszDefault;
    return strText;
}
}  // namespace

// Where the dropped text goes once a moved selection is gone, in character positions.
KT_EDIT_TEXTPOS CKTSyntaxEditCtrl::DropTargetAfterDelete(const KT_EDIT_TEXTPOS& first, const KT_EDIT_TEXTPOS& last,
                                                         KT_EDIT_TEXTPOS drop) const
{
    if (drop < last && !(m_bColumnSelection && drop.nLine >= first.nLine && drop.nLine <= last.nLine))
        return drop;
    if (m_bColumnSelection)
    {
        if (drop.nLine >= first.nLine && drop.nLine <= last.nLine && drop.nCol >= last.nCol)
            drop.nCol -= last.nCol - first.nCol;
        return drop;
    }
    // The rest of the last row joins the first one: a drop on it lands on the first row.
    if (drop.nLine == last.nLine)
        return KT_EDIT_TEXTPOS(first.nLine, first.nCol + drop.nCol - last.nCol);
    drop.nLine -= last.nLine - first.nLine;
    return drop;
}

BOOL CKTSyntaxEditCtrl::DropSelection(BOOL bCopy)
{
    if (!m_bSelection || !m_pBuffer || IsInSelection(m_ptDrop.nLine, m_ptDrop.nCol) || !CanEditDoc())
        return FALSE;
    CString strText;
    if (!GetSelectionText(strText) || strText.IsEmpty())
        return FALSE;
    NormalizeSelection();
    KT_EDIT_TEXTPOS first = m_selStart, last = m_selEnd;
    if (m_bColumnSelection && last.nCol < first.nCol)
        std::swap(first.nCol, last.nCol);
    int nDropRow = std::clamp(m_ptDrop.nLine, 1, GetRowCount());
    KT_EDIT_TEXTPOS drop(nDropRow, GetCharPosition(nDropRow, m_ptDrop.nCol));
    first.nCol = GetCharPosition(first.nLine, first.nCol);
    last.nCol = GetCharPosition(last.nLine, last.nCol);
    if (!bCopy)
    {
        if (!DeleteSelection(FALSE))
            return FALSE;
        drop = DropTargetAfterDelete(first, last, drop);
    }
    return InsertDropped(strText, drop, bCopy);
}

BOOL CKTSyntaxEditCtrl::InsertDropped(const CString& strText, const KT_EDIT_TEXTPOS& drop, BOOL bCopy)
{
    OnParserBreak();
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    KT_EDIT_TEXTPOS end;
    BOOL bInserted = m_bColumnSelection ? m_pBuffer->InsertTextBlock(strText, drop.nLine, drop.nCol, TRUE, &end)
                                        : m_pBuffer->InsertText(strText, drop.nLine, drop.nCol, TRUE, &end);
    if (!bInserted)
    {
        if (!bCopy)
            Undo();
        return FALSE;
    }
    if (!bCopy)
        pUndo->ChainLastCommand();
    pUndo->SetLastCommandText(bCopy ? KT_IDS_EDIT_COPY : KT_IDS_EDIT_MOVE);
    m_selStart = KT_EDIT_TEXTPOS(drop.nLine, GetDisplayColumn(drop.nLine, drop.nCol));
    m_selEnd = KT_EDIT_TEXTPOS(end.nLine, GetDisplayColumn(end.nLine, end.nCol));
    if (!m_bColumnSelection)
        SetCaretChar(end.nLine, end.nCol);
    m_bSelection = TRUE;
    RecalcGutter();
    RecalcScrollBars();
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    NotifyModified(TRUE);
    OnTextEdited(drop.nLine, drop.nCol, end.nLine, end.nCol, CKTSyntaxEditLexParserLink::editInserted);
    InvalidateRowRange(-1, -1);
    m_nRedrawRow = -1;
    Invalidate(FALSE);
    UpdateWindow();
    // A block goes into rows that are there: the marks below it keep their rows.
    NotifyTextChanged(drop.nLine, end.nLine,
                      m_bColumnSelection ? KT_EDIT_CHANGE_TEXT : KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_INSERTED);
    return TRUE;
}

void CKTSyntaxEditCtrl::ShowDropMenu(BOOL bCopy)
{
    const BOOL bAsk = m_bNoDragCursor;
    m_bNoDragCursor = m_bDragging = FALSE;
    if (!CanEditDoc())
        return;
    if (!bAsk)
    {
        DropSelection(bCopy);
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    menu.AppendMenu(MF_STRING, ktCmdDropMove, LoadText(KT_IDS_EDIT_MOVE_HERE, "&Move Here"));
    menu.AppendMenu(MF_STRING, ktCmdDropCopy, LoadText(KT_IDS_EDIT_COPY_HERE, "&Copy Here"));
    menu.AppendMenu(MF_SEPARATOR, 0, (LPCSTR)NULL);
    menu.AppendMenu(MF_STRING, IDCANCEL, LoadText(KT_IDS_EDIT_CANCEL_DROP, "C&ancel"));
    CPoint point;
    ::GetCursorPos(&point);
    UINT nCommand = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, this);
    if (nCommand == ktCmdDropMove || nCommand == ktCmdDropCopy)
        DropSelection(nCommand == ktCmdDropCopy);
}

void CKTSyntaxEditCtrl::OnDropMove()
{
    DropSelection(FALSE);
    m_bNoDragCursor = FALSE;
}

void CKTSyntaxEditCtrl::OnDropCopy()
{
    DropSelection(TRUE);
    m_bNoDragCursor = FALSE;
}

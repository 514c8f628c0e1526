// Keys that move the caret or edit around it: arrows, Home, End, page keys, Backspace, Delete and Insert.
#include "KTSyntaxEditCtrl.h"

#include "KTKeyState.h"
#include "KTSyntaxEditCompletion.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditTipWnd.h"

#include <algorithm>

namespace
{
BOOL IsCaretKey(UINT nChar)
{
    return nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_HOME || nChar == VK_END || nChar == VK_LEFT ||
           nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN;
}

int LeadingBlanks(const CString& strText)
{
    int i = 0;
    while (i < strText.GetLength() && (strText[i] == ' ' || strText[i] == '\t'))
        ++i;
    return i;
}
}  // namespace

void CKTSyntaxEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_pToolTip->Hide();
    if (IsMouseBusy())
    {
        RefreshCursor();
        return;
    }
    if (m_pCompletion->IsOpen() && m_pCompletion->HandleKey(nChar, nRepCnt))
        return;
    BOOL bCtrl = KTIsKeyDown(VK_CONTROL), bShift = KTIsKeyDown(VK_SHIFT);
    m_bShiftSelecting = bShift;
    if (bShift && !m_bSelection)
    {
        m_bColumnSelection = KTIsKeyDown(VK_MENU);
        m_selStart = KT_EDIT_TEXTPOS(m_nCurrentRow, m_nDispCol);
    }
    m_nPrevRedrawRow = m_nCurrentRow;
    switch (nChar)
    {
    case VK_BACK:
        KeyBackspace(bCtrl);
        break;
    case VK_DELETE:
        KeyDelete(bCtrl);
        break;
    case VK_SPACE:
        if (KTIsCommandCtrl())
            m_pCompletion->Open();
        break;
    case VK_INSERT:
        SendNotify(KT_EDIT_NM_INSERTKEY);
        SetOverwriteMode(!(m_pBuffer && m_pBuffer->GetOverwriteMode()));
        break;
    default:
        if (m_pBuffer && MoveByKey(nChar, bCtrl, bShift))
            FinishKeyMove(bShift, FALSE);
        break;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

// Alt comes as a system key, which would otherwise pass the list by and leave it open over a menu. With Alt and
// Shift held, the caret keys select a column; every other Alt key stays the menu's.
void CKTSyntaxEditCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (KTIsKeyDown(VK_SHIFT) && IsCaretKey(nChar))
        return OnKeyDown(nChar, nRepCnt, nFlags);
    if (nChar == VK_MENU && m_pCompletion->IsOpen())
        m_pCompletion->HandleKey(nChar, nRepCnt);
    CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

// Ctrl let go during a drag turns the copy cursor into the move cursor at once, not at the next move.
void CKTSyntaxEditCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bDragging)
        RefreshCursor();
    else if (!KTIsKeyDown(VK_SHIFT))
        m_bShiftSelecting = FALSE;
    CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
}

BOOL CKTSyntaxEditCtrl::MoveByKey(UINT nChar, BOOL bCtrl, BOOL bShift)
{
    switch (nChar)
    {
    case VK_PRIOR:
    case VK_NEXT:
        KeyPage(nChar == VK_PRIOR);
        return TRUE;
    case VK_HOME:
    case VK_END:
        if (DropSelectionForMove(bShift, TRUE))
            m_nRedrawRow = -1;
        nChar == VK_HOME ? KeyHome(bCtrl) : KeyEnd(bCtrl);
        return TRUE;
    case VK_LEFT:
        KeyLeft(bCtrl, bShift);
        return TRUE;
    case VK_RIGHT:
        KeyRight(bCtrl, bShift);
        return TRUE;
    case VK_UP:
    case VK_DOWN:
        KeyVertical(nChar == VK_UP, bCtrl, bShift);
        return TRUE;
    default:
        return FALSE;
    }
}

// Home and End drop a pending indentation, and without Shift the selection.
BOOL CKTSyntaxEditCtrl::DropSelectionForMove(BOOL bShift, BOOL bToEnd)
{
    BOOL bDrop = m_nForcedColumn >= 1 || (!bShift && m_bSelection);
    if (!bDrop || !bToEnd)
        return FALSE;
    m_nForcedColumn = 0;
    if (!bShift)
        m_bSelection = FALSE;
    Invalidate(FALSE);
    return TRUE;
}

// Smart Home: first to the row's first non-blank character, from there to column 1.
void CKTSyntaxEditCtrl::KeyHome(BOOL bCtrl)
{
    if (bCtrl)
    {
        SetCurrentRow(1);
        SetCaretChar(1, 1);
        m_nRedrawRow = -1;
        return;
    }
    int nSmart = LeadingBlanks(m_pBuffer->GetLineTextEx(m_nCurrentRow)) + 1;
    int nOld = m_nCurrentChar;
    SetCaretChar(m_nCurrentRow, nOld == nSmart ? 1 : nSmart);
    m_nRedrawRow = m_nCurrentChar != nOld && IsRowVisible(m_nCurrentRow) ? m_nCurrentRow : -1;
}

void CKTSyntaxEditCtrl::KeyEnd(BOOL bCtrl)
{
    if (bCtrl)
    {
        SetCurrentRow(GetRowCount());
        m_nRedrawRow = -1;
    }
    SetCaretChar(m_nCurrentRow, GetShownLength(m_nCurrentRow) + 1);
    if (m_nRedrawRow != -1)
        m_nRedrawRow = m_nCurrentRow;
}

void CKTSyntaxEditCtrl::SetCaretFromWanted()
{
    int nLength = GetShownLength(m_nCurrentRow);
    m_nCurrentChar = std::min(GetCharPosition(m_nCurrentRow, m_nWantedDispCol), nLength + 1);
    m_nDispCol = GetDisplayColumn(m_nCurrentRow, m_nCurrentChar);
}

void CKTSyntaxEditCtrl::KeyPage(BOOL bUp)
{
    m_nForcedColumn = 0;
    int nPage = std::max(GetVisibleRows(), 1);
    int nOldRow = m_nCurrentRow;
    if (bUp && m_nTopRow - nPage < 1)
        SetCurrentRow(1);
    else if (!bUp && GetRowCount() < m_nTopRow + nPage)
        SetCurrentRow(GetRowCount());
    else if (bUp)
        MoveUp(nPage);
    else
        MoveDown(nPage);
    if (m_nCurrentRow == nOldRow)
        return;
    SetCaretFromWanted();
    m_nRedrawRow = -1;
}

void CKTSyntaxEditCtrl::KeyLeft(BOOL bCtrl, BOOL bShift)
{
    if (m_nForcedColumn >= 1)
    {
        m_nForcedColumn = 0;
        SetCaretChar(m_nCurrentRow, 1);
        m_nRedrawRow = m_nCurrentRow;
        return;
    }
    if (!bShift && m_bSelection)
    {
        KT_EDIT_TEXTPOS first = std::min(m_selStart, m_selEnd);
        m_bSelection = FALSE;
        SetCurrentRow(first.nLine);
        SetCaretChar(m_nCurrentRow, GetCharPosition(first.nLine, first.nCol));
        return;
    }
    if (bCtrl)
    {
        MoveWord(-1);
        return;
    }
    if (m_nCurrentChar > 1)
    {
        SetCaretChar(m_nCurrentRow, m_nCurrentChar - 1);
        m_nRedrawRow = m_nCurrentRow;
        return;
    }
    if (m_nCurrentRow <= 1)
        return;
    MoveUp(1);
    SetCaretChar(m_nCurrentRow, GetShownLength(m_nCurrentRow) + 1);
    m_nRedrawRow = -1;
}

void CKTSyntaxEditCtrl::KeyRight(BOOL bCtrl, BOOL bShift)
{
    m_nForcedColumn = 0;
    if (!bShift && m_bSelection)
    {
        KT_EDIT_TEXTPOS last = std::max(m_selStart, m_selEnd);
        m_bSelection = FALSE;
        SetCurrentRow(last.nLine);
        SetCaretChar(m_nCurrentRow, GetCharPosition(last.nLine, last.nCol));
        return;
    }
    if (bCtrl)
    {
        MoveWord(1);
        return;
    }
    int nLength = GetShownLength(m_nCurrentRow);
    if (m_nCurrentChar <= nLength)
    {
        SetCaretChar(m_nCurrentRow, m_nCurrentChar + 1);
        m_nRedrawRow = m_nCurrentRow;
        return;
    }
    if (m_nCurrentRow >= GetRowCount())
        return;
    MoveDown(1);
    SetCaretChar(m_nCurrentRow, 1);
    m_nRedrawRow = -1;
}

// Ctrl scrolls the view by a row; the caret stays unless it would leave the window.
void CKTSyntaxEditCtrl::KeyVertical(BOOL bUp, BOOL bCtrl, BOOL bShift)
{
    m_nForcedColumn = 0;
    if (bCtrl)
    {
        bUp ? ScrollUp(1, TRUE) : ScrollDown(1, TRUE);
        m_nDispCol = m_nWantedDispCol;
        SetCaretFromWanted();
        return;
    }
    if (bUp)
    {
        if (m_nCurrentRow > 1)
            MoveUp(1);
        SetCaretFromWanted();
        return;
    }
    int nOldRow = m_nCurrentRow;
    if (m_nCurrentRow >= GetRowCount())
    {
        SetCaretChar(m_nCurrentRow, GetShownLength(m_nCurrentRow) + 1);
        m_nRedrawRow = m_nCurrentRow;
        m_nPrevRedrawRow = -1;
        return;
    }
    MoveDown(1);
    if (bShift)
        m_nPrevRedrawRow = nOldRow;
    SetCaretFromWanted();
}

void CKTSyntaxEditCtrl::FinishKeyMove(BOOL bShift, BOOL bTextChanged)
{
    KT_EDIT_TEXTPOS caret(m_nCurrentRow, m_nDispCol);
    BOOL bHadSelection = m_bSelection;
    if (bShift && !(caret == m_selStart))
        m_bSelection = TRUE;
    if (!bShift && m_bSelection)
    {
        m_bSelection = FALSE;
        m_nRedrawRow = -1;
    }
    if (m_nForcedColumn < 1)
        m_nDispCol = SnapDisplayColumn(m_nCurrentRow, m_nDispCol);
    m_selEnd = KT_EDIT_TEXTPOS(m_nCurrentRow, m_nDispCol);
    EnsureVisible(m_nCurrentRow, m_nDispCol, bShift || bHadSelection != m_bSelection, TRUE);
    if (m_pBuffer)
        m_pBuffer->GetUndoRedoManager()->SetGroupInsertMode(FALSE);
    if (bShift || bHadSelection)
        Invalidate(FALSE);
    UpdateWindow();
    NotifyViewChanged(bTextChanged ? 7 : 3);
}

void CKTSyntaxEditCtrl::KeyBackspace(BOOL bCtrl)
{
    if (!bCtrl && m_nForcedColumn >= 1)
    {
        ShrinkPendingIndent();
        FinishKeyMove(FALSE, TRUE);
        return;
    }
    BOOL bDeleted = m_bSelection;
    if (m_bSelection)
        DeleteSelection(TRUE);
    else if (!bCtrl)
        DeleteChar(m_nCurrentRow, m_nCurrentChar, TRUE);
    if (!bCtrl)
        return;
    int nRow = m_nCurrentRow, nChar = m_nCurrentChar;
    MoveWord(-1);
    if (KT_EDIT_TEXTPOS(m_nCurrentRow, m_nCurrentChar) < KT_EDIT_TEXTPOS(nRow, nChar) &&
        DeleteRange(m_nCurrentRow, m_nCurrentChar, nRow, nChar, ktDelRedraw) && bDeleted)
        m_pBuffer->GetUndoRedoManager()->ChainLastCommand();
}

void CKTSyntaxEditCtrl::KeyDelete(BOOL bCtrl)
{
    BOOL bDeleted = m_bSelection;
    BOOL bManyRows = m_bSelection && m_selStart.nLine != m_selEnd.nLine;
    if (m_bSelection)
        DeleteSelection(TRUE);
    if (!bCtrl)
    {
        if (bDeleted)
            return;
        if (m_bAutoIndent && m_nForcedColumn >= 1)
            InsertPendingIndent();
        DeleteChar(m_nCurrentRow, m_nCurrentChar, FALSE);
        return;
    }
    int nRow = m_nCurrentRow, nChar = m_nCurrentChar;
    MoveWord(1);
    if (KT_EDIT_TEXTPOS(nRow, nChar) < KT_EDIT_TEXTPOS(m_nCurrentRow, m_nCurrentChar) &&
        DeleteRange(nRow, nChar, m_nCurrentRow, m_nCurrentChar, ktDelRedraw | (bManyRows ? ktDelRepaintAll : 0)) &&
        bDeleted)
        m_pBuffer->GetUndoRedoManager()->ChainLastCommand();
}

// One space of the pending indentation goes, or a tab when no spaces are left.
void CKTSyntaxEditCtrl::ShrinkPendingIndent()
{
    if (m_nIndentSpaces > 0)
        --m_nIndentSpaces;
    else if (m_nIndentTabs > 0)
        --m_nIndentTabs;
    int nWidth = m_nIndentTabs * GetTabSize() + m_nIndentSpaces;
    int nRowEnd = GetRowEndColumn(m_pBuffer->GetLineTextEx(m_nCurrentRow));
    if (nRowEnd - 1 >= nWidth)
    {
        m_nForcedColumn = 0;
        SetCaretChar(m_nCurrentRow, m_pBuffer->GetLineLength(m_nCurrentRow) + 1);
        return;
    }
    m_nForcedColumn = nWidth + 1;
}

void CKTSyntaxEditCtrl::InsertPendingIndent()
{
    CString strIndent = CString('\t', m_nIndentTabs) + CString(' ', m_nIndentSpaces);
    m_nForcedColumn = 0;
    if (strIndent.IsEmpty() || !CanEditDoc())
        return;
    m_pBuffer->InsertText(strIndent, m_nCurrentRow, m_nCurrentChar, TRUE);
    OnTextEdited(m_nCurrentRow, m_nCurrentChar, m_nCurrentRow, m_nCurrentChar + strIndent.GetLength(),
                 CKTSyntaxEditLexParserLink::editInserted);
    SetCaretChar(m_nCurrentRow, strIndent.GetLength() + 1);
}

// Edits through the control: each one undoable, booked with the parser and announced to the notify window.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditCompletion.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditUndoText.h"
#include "KTSyntaxEditLexParserAdapter.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace
{
const DWORD kChangeBits = KT_EDIT_CHANGE_ROWS_INSERTED | KT_EDIT_CHANGE_ROWS_DELETED | KT_EDIT_CHANGE_TEXT;

// The buffer's overwrite mode switched off for one scope.
class CInsertModeScope
{
public:
    explicit CInsertModeScope(CKTSyntaxEditBufferManager* pBuffer)
        : m_pBuffer(pBuffer), m_bOverwrite(pBuffer->GetOverwriteMode())
    {
        m_pBuffer->SetOverwriteMode(FALSE);
    }
    ~CInsertModeScope() { m_pBuffer->SetOverwriteMode(m_bOverwrite); }
    CInsertModeScope(const CInsertModeScope&) = delete;
    CInsertModeScope& operator=(const CInsertModeScope&) = delete;

private:
    CKTSyntaxEditBufferManager* m_pBuffer;
    BOOL m_bOverwrite;
};

// Would the case change alter any character of the row's columns?
BOOL ChangesCase(CKTSyntaxEditBufferManager* pBuffer, int nRow, int nCol1, int nCol2, BOOL bUpper)
{
    int o1 = pBuffer->GetCharOffsetOfColumn(nRow, nCol1);
    int o2 = pBuffer->GetCharOffsetOfColumn(nRow, nCol2);
    CString strOld = pBuffer->GetLineTextEx(nRow).Mid(std::min(o1, o2), std::abs(o2 - o1));
    CString strNew = strOld;
    if (bUpper)
        strNew.MakeUpper();
    else
        strNew.MakeLower();
    return strNew != strOld;
}
}  // namespace

void CKTSyntaxEditCtrl::TrimScreenCache(int nRow) { m_ScreenCache.Trim(nRow); }

void CKTSyntaxEditCtrl::InvalidateRowRange(int nFirstRow, int nLastRow)
{
    if (nFirstRow < 0 && nLastRow < 0)
        m_ScreenCache.Clear();
    else
        TrimScreenCache(nFirstRow);
}

// Columns are character positions; the parser link counts them from 1 as well.
void CKTSyntaxEditCtrl::OnTextEdited(int nRow1, int nCol1, int nRow2, int nCol2, int nAction)
{
    TrimScreenCache(nRow1);
    m_folding.InvalidateFolds();
    CKTSyntaxEditLexParserLink* pLink = m_pBuffer ? m_pBuffer->GetLexParser() : NULL;
    if (m_bSyntaxColor && pLink)
        pLink->OnEditChanged(KT_EDIT_TEXTPOS(nRow1, nCol1), KT_EDIT_TEXTPOS(nRow2, nCol2), nAction, m_pBuffer);
}

void CKTSyntaxEditCtrl::InvalidateRows()
{
    m_ScreenCache.Clear();
    m_folding.InvalidateFolds();
    if (!m_pBuffer)
        return;
    CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(m_pBuffer.GetInterface());
    if (m_bSyntaxColor && pLink)
        pLink->GetParser()->ParseAll(&pLink->GetText());
    m_pCompletion->RefreshWords();
    SetRedrawRow(-1);
    if (GetSafeHwnd())
        Invalidate(TRUE);
}

void CKTSyntaxEditCtrl::DeleteColumnBlock(int nRow1, int nCol1, int nRow2, int nCol2)
{
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    pUndo->SetGroupInsertMode(TRUE);
    for (int nRow = nRow1; nRow <= nRow2; ++nRow)
        m_pBuffer->DeleteText(nRow, nCol1, nRow, nCol2, TRUE, TRUE);
    pUndo->SetGroupInsertMode(FALSE);
    pUndo->SetLastCommandText(KT_IDS_EDIT_DELETE_BLOCK);
}

// A column block keeps its display columns on every row; no row goes, so
// it is announced as a change of text only and the line marks stay.
BOOL CKTSyntaxEditCtrl::DeleteRange(int nRow1, int nCol1, int nRow2, int nCol2, int nFlags)
{
    BOOL bColumn = (nFlags & ktDelColumnBlock) != 0;
    if (KT_EDIT_TEXTPOS(nRow2, nCol2) < KT_EDIT_TEXTPOS(nRow1, nCol1))
    {
        std::swap(nRow1, nRow2);
        std::swap(nCol1, nCol2);
    }
    if (bColumn && nCol2 < nCol1)
        std::swap(nCol1, nCol2);
    if (!m_pBuffer || !CanEditDoc())
        return FALSE;
    OnParserBreak();
    int nChar1 = nCol1, nChar2 = nCol2;
    if (nFlags & ktDelDisplayColumns)
    {
        nChar1 = GetCharPosition(nRow1, nCol1);
        nChar2 = GetCharPosition(nRow2, nCol2);
    }
    if (bColumn && nRow1 != nRow2)
        DeleteColumnBlock(nRow1, nCol1, nRow2, nCol2);
    else
        m_pBuffer->DeleteText(nRow1, nChar1, nRow2, nChar2, TRUE, FALSE);
    m_nPrevRedrawRow = -1;
    SetCaretChar(nRow1, nChar1);
    OnTextEdited(nRow1, nChar1, nRow2, nChar2, CKTSyntaxEditLexParserLink::editDeleted);
    DWORD dwChange = bColumn ? KT_EDIT_CHANGE_TEXT : KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_DELETED;
    NotifyTextChanged(nRow1, nRow2, dwChange);
    m_nRedrawRow = nRow1 == nRow2 && !(nFlags & ktDelRepaintAll) ? nRow1 : -1;
    NotifyModified(TRUE);
    RecalcScrollBars();
    PlaceCaretAtDisplayRow(TRUE);
    if (nFlags & ktDelRedraw)
    {
        EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
        UpdateWindow();
    }
    return TRUE;
}

BOOL CKTSyntaxEditCtrl::DeleteChar(int nRow, int nCharPos, BOOL bBackspace)
{
    int nLength = m_pBuffer ? m_pBuffer->GetLineLength(nRow) : 0;
    if (bBackspace && nCharPos > 1)
        return DeleteRange(nRow, nCharPos - 1, nRow, nCharPos, ktDelRedraw);
    if (bBackspace)
    {
        if (nRow <= 1)
            return FALSE;
        for (const KT_EDIT_LEXFOLD& fold : m_folding.GetFolds())
        {
            if (fold.posEnd.nRow == nRow - 1 && IsRowCollapsed(fold.posStart.nRow))
                GetLineMarksManager()->DeleteLineMark(fold.posStart.nRow, KT_EDIT_MARK_COLLAPSED);
        }
        return DeleteRange(nRow - 1, m_pBuffer->GetLineLength(nRow - 1) + 1, nRow, 1, ktDelRedraw);
    }
    if (nCharPos <= nLength)
        return DeleteRange(nRow, nCharPos, nRow, nCharPos + 1, ktDelRedraw);
    if (nRow >= GetRowCount())
        return FALSE;
    return DeleteRange(nRow, nCharPos, nRow + 1, 1, ktDelRedraw);
}

BOOL CKTSyntaxEditCtrl::DeleteSelection(BOOL bRedraw)
{
    if (!m_bSelection)
        return TRUE;
    int nFlags = ktDelDisplayColumns | (m_bColumnSelection ? ktDelColumnBlock : 0);
    if (!DeleteRange(m_selStart.nLine, m_selStart.nCol, m_selEnd.nLine, m_selEnd.nCol, nFlags))
        return FALSE;
    m_bSelection = FALSE;
    if (bRedraw)
    {
        m_nRedrawRow = -1;
        Invalidate(FALSE);
        EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    }
    return TRUE;
}

// The change is reported from the row the text went into, and the document
// counts as modified: callers may insert anywhere, not only at the caret.
BOOL CKTSyntaxEditCtrl::InsertString(LPCSTR pszText, int nRow, int nCol, BOOL bDeleteSelection, BOOL bRedraw)
{
    if (!m_pBuffer || !CanEditDoc())
        return FALSE;
    if (nRow != m_nCurrentRow)
        SetCurrentRow(nRow);
    m_nCurrentChar = nCol;
    BOOL bDeleted = FALSE;
    if (bDeleteSelection)
    {
        bDeleted = m_bSelection;
        if (!DeleteSelection(bRedraw))
            return FALSE;
    }
    if (!pszText || !*pszText)
        return FALSE;
    KT_EDIT_TEXTPOS start(m_nCurrentRow, m_nCurrentChar);
    OnParserBreak();
    BOOL bIndented = FALSE;
    if (m_bAutoIndent && m_nForcedColumn >= 1)
    {
        CString strIndent = CString('\t', m_nIndentTabs) + CString(' ', m_nIndentSpaces);
        bIndented = m_pBuffer->InsertText(strIndent, m_nCurrentRow, m_nCurrentChar, TRUE);
        m_nCurrentChar = m_nIndentTabs + m_nIndentSpaces + 1;
        m_nForcedColumn = 0;
    }
    KT_EDIT_TEXTPOS end;
    if (!m_pBuffer->InsertText(pszText, m_nCurrentRow, m_nCurrentChar, TRUE, &end))
        return FALSE;
    // The indentation the caret stood at is part of the text put there: one undo takes both away. Grouped typing
    // has merged them into its own step already.
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    if (bIndented && !pUndo->IsGroupInsertMode())
        pUndo->ChainLastCommand();
    if (bDeleted)
        pUndo->ChainLastCommand();
    SetCaretChar(end.nLine, end.nCol);
    RecalcScrollBars();
    OnTextEdited(start.nLine, start.nCol, end.nLine, end.nCol, CKTSyntaxEditLexParserLink::editInserted);
    DWORD dwChange = end.nLine > start.nLine ? KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_INSERTED : KT_EDIT_CHANGE_TEXT;
    NotifyTextChanged(start.nLine, end.nLine, dwChange);
    NotifyModified(TRUE);
    if (bRedraw)
    {
        EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
        UpdateWindow();
    }
    return TRUE;
}

// FALSE when the text may not change: a caller counting replacements must not count this one.
BOOL CKTSyntaxEditCtrl::ReplaceSelection(LPCSTR pszText, BOOL bRedraw)
{
    if (!m_bSelection || !m_pBuffer || !CanEditDoc())
        return FALSE;
    NormalizeSelection();
    m_nCurrentRow = m_selStart.nLine;
    m_nDispCol = m_selStart.nCol;
    UpdateCaretColumns();
    CInsertModeScope insertMode(m_pBuffer);
    if (!pszText || !*pszText)
        return DeleteSelection(bRedraw);
    return InsertString(pszText, m_nCurrentRow, m_nCurrentChar, TRUE, bRedraw);
}

// Only rows whose case really changes are recorded: a change that alters
// nothing leaves no undo step and no modified document.
BOOL CKTSyntaxEditCtrl::ChangeSelectionCase(BOOL bUpper)
{
    if (!m_bSelection || !m_pBuffer || !CanEditDoc())
        return FALSE;
    // Ordered copies: the selection stays as it was made, so Shift+arrows go on from its anchor.
    const KT_EDIT_TEXTPOS first = std::min(m_selStart, m_selEnd), last = std::max(m_selStart, m_selEnd);
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    pUndo->SetGroupInsertMode(FALSE);
    pUndo->SetGroupInsertMode(TRUE);
    m_bSelection = FALSE;
    BOOL bChanged = FALSE;
    for (int nRow = first.nLine; nRow <= last.nLine; ++nRow)
    {
        int nCol1 = m_bColumnSelection || nRow == first.nLine ? first.nCol : 0;
        int nCol2 = m_bColumnSelection || nRow == last.nLine ? last.nCol : INT_MAX;
        if (!ChangesCase(m_pBuffer, nRow, nCol1, nCol2, bUpper))
            continue;
        m_pBuffer->ChangeCase(nRow, nCol1, nCol2, bUpper, TRUE);
        bChanged = TRUE;
    }
    pUndo->SetGroupInsertMode(FALSE);
    m_bSelection = TRUE;
    if (!bChanged)
        return TRUE;
    pUndo->SetLastCommandText(KT_IDS_EDIT_CHANGE_CASE);
    m_nRedrawRow = first.nLine;
    InvalidateRowRange(first.nLine, last.nLine);
    NotifyTextChanged(first.nLine, last.nLine, KT_EDIT_CHANGE_TEXT);
    NotifyModified(TRUE);
    Invalidate(FALSE);
    return TRUE;
}

BOOL CKTSyntaxEditCtrl::CanUndo() const { return m_pBuffer && m_pBuffer->GetUndoRedoManager()->CanUndo(); }

BOOL CKTSyntaxEditCtrl::CanRedo() const { return m_pBuffer && m_pBuffer->GetUndoRedoManager()->CanRedo(); }

BOOL CKTSyntaxEditCtrl::Undo(int nCount) { return CanUndo() && ReplayUndo(FALSE, nCount); }

BOOL CKTSyntaxEditCtrl::Redo(int nCount) { return CanRedo() && ReplayUndo(TRUE, nCount); }

// FALSE when the notify window keeps the text as it is.
BOOL CKTSyntaxEditCtrl::ReplayUndo(BOOL bRedo, int nCount)
{
    CWaitCursor wait;
    if (!CanEditDoc())
        return FALSE;
    m_bSelection = FALSE;
    m_nForcedColumn = 0;
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    BOOL bOneRow = FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        KT_EDIT_TEXTPOS from, to;
        DWORD dwFlags = bRedo ? pUndo->DoRedo(from, to, this) : pUndo->DoUndo(from, to, this);
        if (!dwFlags)
            break;
        TrimScreenCache(from.nLine);
        m_folding.InvalidateFolds();
        NotifyTextChanged(from.nLine, to.nLine, dwFlags & kChangeBits);
        bOneRow = from.nLine == to.nLine;
    }
    SetCaretChar(m_nCurrentRow, m_nCurrentChar);
    RecalcScrollBars();
    if (nCount >= 2)
    {
        m_nRedrawRow = -1;
        EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    }
    else if (bOneRow)
    {
        m_nRedrawRow = m_nCurrentRow;
    }
    else
    {
        m_nRedrawRow = -1;
        if (m_nCurrentRow > GetRowCount())
            SetCaretChar(std::max(GetRowCount(), 1), 1);
    }
    EnsureVisible(m_nCurrentRow, m_nDispCol, FALSE, TRUE);
    UpdateWindow();
    NotifyViewChanged(KT_EDIT_VIEW_VERT | KT_EDIT_VIEW_HORZ | KT_EDIT_VIEW_LAYOUT);
    NotifyModified(m_pBuffer->IsModified());
    Invalidate(FALSE);
    return TRUE;
}

// Typed characters: the text a character inserts, automatic indentation after Enter, typing as one undo step.
#include "KTSyntaxEditCtrl.h"

#include "KTKeyState.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditCompletion.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditUndoText.h"

#include <algorithm>
#include <cstring>

namespace
{
// Typing one of these starts a new undo step.
const char kGroupBreakers[] = " [{()}];.,\t\r\n\"";

BOOL BreaksTypingGroup(UINT nChar) { return nChar < 256 && nChar != 0 && strchr(kGroupBreakers, int(nChar)); }

BOOL IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

BOOL IsBlankUpTo(const CString& strText, int nChars)
{
    for (int i = 0; i < std::min(nChars, strText.GetLength()); ++i)
    {
        if (!IsBlank(strText[i]))
            return FALSE;
    }
    return TRUE;
}

int BlankWidth(const CString& strText, int nTab)
{
    int nWidth = 0;
    for (int i = 0; i < strText.GetLength() && IsBlank(strText[i]); ++i)
        nWidth += strText[i] == '\t' ? nTab - nWidth % nTab : 1;
    return nWidth;
}
}  // namespace

void CKTSyntaxEditCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsMouseBusy())
    {
        RefreshCursor();
        return;
    }
    SendNotify(KT_EDIT_NM_BEFOREINPUT);
    // A character made with Ctrl as a command is never typed, so it closes or chooses nothing either.
    BOOL bCtrl = KTIsCommandCtrl();
    if (!bCtrl && m_pCompletion->HandleChar(nChar))
        return CWnd::OnChar(nChar, nRepCnt, nFlags);
    BOOL bConsumed = FALSE;
    if (nChar == '\t')
        bConsumed = KTIsKeyDown(VK_SHIFT) ? UnindentSelection() : IndentSelection();
    if (nChar == 12 && bCtrl)
    {
        DeleteLines(m_nCurrentRow);
    }
    else if (nChar == VK_ESCAPE)
    {
        ClearSelection();
        NotifyViewChanged(7);
    }
    else if (!bConsumed && !bCtrl && nChar != VK_BACK && m_pBuffer && CanEditDoc())
    {
        TypeChar(nChar);
        bConsumed = TRUE;
    }
    if (bConsumed)
        m_pCompletion->OpenAtTag(nChar);
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

void CKTSyntaxEditCtrl::TypeChar(UINT nChar)
{
    if (m_bSyntaxColor && m_pBuffer->GetLexParser())
        m_pBuffer->GetLexParser()->BreakParsing();
    BOOL bOverwrite = m_pBuffer->GetOverwriteMode();
    BOOL bEnter = nChar == '\r';
    BOOL bReplaced = m_bSelection && !(bOverwrite && bEnter);
    CKTSyntaxEditUndoRedoManager* pUndo = m_pBuffer->GetUndoRedoManager();
    pUndo->SetGroupInsertMode(!bOverwrite && !BreaksTypingGroup(nChar) && !bReplaced);
    if (bReplaced)
    {
        DeleteSelection(TRUE);
        m_pBuffer->SetOverwriteMode(FALSE);
    }
    m_bSelection = FALSE;
    if (bEnter && GetLineMarksManager())
        GetLineMarksManager()->DeleteLineMark(m_nCurrentRow, KT_EDIT_MARK_COLLAPSED);
    CTyped typed;
    typed.nCommands = bReplaced ? 2 : 1;
    BOOL bInsert = bEnter ? (ComposeLineEnd(m_pBuffer->GetLineEndText(), typed), typed.bInsert)
                          : ComposeTypedText(CString(char(nChar)), typed);
    m_nRedrawRow = bEnter || bReplaced ? -1 : m_nCurrentRow;
    KT_EDIT_TEXTPOS end(m_nCurrentRow, m_nCurrentChar);
    BOOL bChanged = bInsert && m_pBuffer->InsertText(typed.strText, m_nCurrentRow, m_nCurrentChar, TRUE, &end);
    if (bChanged && typed.nCommands >= 2 && !pUndo->IsGroupInsertMode())
    {
        for (int i = 1; i < typed.nCommands; ++i)
            pUndo->ChainLastCommand();
        pUndo->SetLastCommandText(KT_IDS_EDIT_TYPING);
    }
    m_pBuffer->SetOverwriteMode(bOverwrite);
    if (bChanged)
        OnTextEdited(m_nCurrentRow, m_nCurrentChar, end.nLine, end.nCol, CKTSyntaxEditLexParserLink::editInserted);
    SetCurrentRow(typed.nRow);
    m_nCurrentChar = typed.nChar;
    m_nDispCol = m_nWantedDispCol = typed.nDispCol;
    if (bChanged)
        NotifyTextChanged(typed.nFirstRow, typed.nLastRow,
                          bEnter ? KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_INSERTED : KT_EDIT_CHANGE_TEXT);
    EnsureVisible(m_nCurrentRow, m_nDispCol, m_nRedrawRow == -1, TRUE);
    RecalcScrollBars();
    // The row shows the character now, in the colours the on-screen parse
    // knows; the background re-parse recolours it when it ends.
    if (m_nRedrawRow > 0)
        InvalidateRow(m_nRedrawRow);
    UpdateWindow();
    if (bChanged || bReplaced)
        NotifyModified(TRUE);
}

// Spaces before the caret that complete tab stops become tabs when a tab is typed after them.
void CKTSyntaxEditCtrl::MergeSpacesIntoTabs(CTyped& typed)
{
    CString strRow = m_pBuffer->GetLineTextEx(m_nCurrentRow);
    int nStart = m_nCurrentChar - 1;
    while (nStart > 0 && strRow[nStart - 1] == ' ')
        --nStart;
    int nRun = m_nCurrentChar - 1 - nStart;
    if (nRun == 0)
        return;
    int nTab = GetTabSize(), nStops = 0;
    for (int i = nStart; i < nStart + nRun; ++i)
        nStops += GetDisplayColumn(m_nCurrentRow, i + 1) % nTab == 0 ? 1 : 0;
    m_pBuffer->SetOverwriteMode(FALSE);
    m_pBuffer->DeleteText(m_nCurrentRow, nStart + 1, m_nCurrentRow, m_nCurrentChar, TRUE, FALSE);
    m_pBuffer->GetUndoRedoManager()->SetLastCommandText(KT_IDS_EDIT_FORMAT);
    OnTextEdited(m_nCurrentRow, nStart + 1, m_nCurrentRow, m_nCurrentChar, CKTSyntaxEditLexParserLink::editDeleted);
    typed.strText = CString('\t', nStops) + typed.strText;
    m_nCurrentChar = nStart + 1;
    ++typed.nCommands;
}

BOOL CKTSyntaxEditCtrl::ComposeTypedText(const CString& strText, CTyped& typed)
{
    m_nDispCol = GetDisplayColumn(m_nCurrentRow, m_nCurrentChar);
    typed.strText = strText;
    typed.nRow = typed.nFirstRow = typed.nLastRow = m_nCurrentRow;
    // A tab reaches the next stop after the pending indentation, which goes in first.
    int nTypedCol = m_nDispCol;
    if (m_bAutoIndent && m_nForcedColumn > m_nDispCol)
    {
        CString strIndent;
        BuildIndentation(nTypedCol, strIndent, FALSE);
        typed.strText = strIndent + strText;
    }
    m_nForcedColumn = 0;
    BOOL bTab = strText == "\t";
    if (bTab && m_bTabWithSpace)
        typed.strText.Replace("\t", CString(' ', GetTabSize() - (nTypedCol - 1) % GetTabSize()));
    else if (bTab && typed.strText == "\t" && m_nCurrentChar > 1)
        MergeSpacesIntoTabs(typed);
    CString strBefore = m_pBuffer->GetLineTextEx(m_nCurrentRow).Left(m_nCurrentChar - 1);
    typed.nDispCol = GetRowEndColumn(strBefore + typed.strText);
    typed.nChar = m_nCurrentChar + typed.strText.GetLength();
    return TRUE;
}

// The width of the indentation Enter carries to the next row, and whether the caret row is blank up to the caret.
int CKTSyntaxEditCtrl::MeasureIndentWidth(int nRow, BOOL& bBlankBefore)
{
    CString strRow = m_pBuffer->GetLineTextEx(nRow);
    bBlankBefore = IsBlankUpTo(strRow, m_nCurrentChar - 1);
    if (!bBlankBefore)
        return BlankWidth(strRow, GetTabSize());
    for (int nAbove = nRow - 1; nAbove >= 1; --nAbove)
    {
        CString strAbove = m_pBuffer->GetLineTextEx(nAbove);
        if (!IsBlankUpTo(strAbove, strAbove.GetLength()))
            return BlankWidth(strAbove, GetTabSize());
    }
    return 0;
}

void CKTSyntaxEditCtrl::ComposeLineEnd(const CString& strLineEnd, CTyped& typed)
{
    int nLength = m_pBuffer->GetLineLength(m_nCurrentRow);
    BOOL bAtEnd = m_nCurrentChar > nLength;
    BOOL bLastRow = m_nCurrentRow >= GetRowCount();
    BOOL bOverwrite = m_pBuffer->GetOverwriteMode();
    typed.strText = strLineEnd;
    typed.nFirstRow = bAtEnd ? m_nCurrentRow + 1 : m_nCurrentRow;
    typed.nLastRow = typed.nFirstRow + 1;
    typed.nRow = m_nCurrentRow + 1;
    typed.nChar = typed.nDispCol = 1;
    m_nForcedColumn = 0;
    if (bOverwrite && !(bLastRow && bAtEnd))
    {
        typed.bInsert = FALSE;
        typed.nRow = bLastRow ? m_nCurrentRow : m_nCurrentRow + 1;
        typed.nChar = typed.nDispCol = bLastRow ? m_nCurrentChar : 1;
        return;
    }
    if (!m_bAutoIndent)
        return;
    BOOL bBlankBefore = FALSE;
    int nWidth = MeasureIndentWidth(m_nCurrentRow, bBlankBefore);
    CString strRow = m_pBuffer->GetLineTextEx(m_nCurrentRow);
    BOOL bRowBlank = IsBlankUpTo(strRow, strRow.GetLength());
    if (bBlankBefore && !bOverwrite && !bRowBlank)
    {
        int nBlanks = 0;
        while (nBlanks < strRow.GetLength() && IsBlank(strRow[nBlanks]))
            ++nBlanks;
        if (nBlanks > 0 && m_pBuffer->DeleteText(m_nCurrentRow, 1, m_nCurrentRow, nBlanks + 1, TRUE, FALSE))
        {
            OnTextEdited(m_nCurrentRow, 1, m_nCurrentRow, nBlanks + 1, CKTSyntaxEditLexParserLink::editDeleted);
            m_nCurrentChar = std::max(m_nCurrentChar - nBlanks, 1);
            ++typed.nCommands;
        }
    }
    if (nWidth <= 0)
        return;
    m_nForcedColumn = nWidth + 1;
    BOOL bReal = !bAtEnd || (bBlankBefore && !bRowBlank);
    int nDispCol = 1;
    CString strIndent;
    BuildIndentation(nDispCol, strIndent, bOverwrite || !bReal);
    if (bReal && !bOverwrite)
    {
        typed.strText += strIndent;
        m_nForcedColumn = 0;
    }
    typed.nDispCol = nWidth + 1;
    typed.nChar = m_nIndentTabs + m_nIndentSpaces + 1;
    if (!bReal || bOverwrite)
        typed.nChar = 1;
}

void CKTSyntaxEditCtrl::BuildIndentation(int& nDispCol, CString& strText, BOOL bCountOnly)
{
    m_nIndentTabs = m_nIndentSpaces = 0;
    int nTab = GetTabSize();
    while (nDispCol < m_nForcedColumn)
    {
        int nStop = nDispCol + nTab - (nDispCol - 1) % nTab;
        BOOL bTab = nStop <= m_nForcedColumn && !m_bTabWithSpace;
        if (!bCountOnly)
            strText += bTab ? '\t' : ' ';
        bTab ? ++m_nIndentTabs : ++m_nIndentSpaces;
        nDispCol = bTab ? nStop : nDispCol + 1;
    }
}

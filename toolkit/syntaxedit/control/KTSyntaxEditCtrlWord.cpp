// Word movement of the caret: over runs of one class of characters, whitespace between them skipped.
#include "KTSyntaxEditCtrl.h"

#include <cstring>

namespace
{
const char kDelimiters[] = "[]{}()<>.,;:=#-/\"'\t";

BOOL IsSpace(char ch) { return ch == ' ' || ch == '\t'; }

BOOL IsDelimiter(char ch) { return ch != '\0' && strchr(kDelimiters, ch) != NULL; }

BOOL IsWhitespaceOnly(const CString& strRow)
{
    for (int i = 0; i < strRow.GetLength(); ++i)
    {
        if (!IsSpace(strRow[i]))
            return FALSE;
    }
    return TRUE;
}
}  // namespace

// Positions are 1-based characters; the character before the caret is at pos - 1.
void CKTSyntaxEditCtrl::MoveWordLeft(int& nRow, int& nPos, BOOL& bBoundary) const
{
    CString strRow = m_pBuffer->GetLineTextEx(nRow);
    if (nPos <= 1)
    {
        if (nRow <= 1)
            return;
        nPos = m_pBuffer->GetLineLength(--nRow) + 1;
        return;
    }
    while (nPos > 1 && IsSpace(strRow[nPos - 2]))
        --nPos;
    while (nPos <= 1 && nRow > 1 && IsWhitespaceOnly(strRow))
    {
        strRow = m_pBuffer->GetLineTextEx(--nRow);
        nPos = strRow.GetLength() + 1;
        while (nPos > 1 && IsSpace(strRow[nPos - 2]))
            --nPos;
    }
    if (nPos <= 1)
        return;
    BOOL bDelimiter = IsDelimiter(strRow[nPos - 2]);
    while (nPos > 1 && !IsSpace(strRow[nPos - 2]) && IsDelimiter(strRow[nPos - 2]) == bDelimiter)
        --nPos;
    bBoundary = nPos > 1;
}

void CKTSyntaxEditCtrl::MoveWordRight(int& nRow, int& nPos, BOOL& bBoundary) const
{
    CString strRow = m_pBuffer->GetLineTextEx(nRow);
    int nLength = strRow.GetLength();
    if (nPos > nLength)
    {
        if (nRow >= GetRowCount())
            return;
        ++nRow;
        nPos = 1;
        return;
    }
    BOOL bDelimiter = IsDelimiter(strRow[nPos - 1]);
    while (nPos <= nLength && !IsSpace(strRow[nPos - 1]) && IsDelimiter(strRow[nPos - 1]) == bDelimiter)
        ++nPos;
    bBoundary = nPos <= nLength;
    while (nPos <= nLength && IsSpace(strRow[nPos - 1]))
        ++nPos;
}

void CKTSyntaxEditCtrl::MoveWord(int nDirection)
{
    if (!m_pBuffer || GetRowCount() == 0)
        return;
    int nRow = m_nCurrentRow, nPos = m_nCurrentChar;
    BOOL bBoundary = FALSE;
    if (nDirection < 0)
        MoveWordLeft(nRow, nPos, bBoundary);
    else
        MoveWordRight(nRow, nPos, bBoundary);
    if (!bBoundary)
        m_nRedrawRow = -1;
    SetCurrentRow(nRow);
    SetCaretChar(m_nCurrentRow, nPos);
}

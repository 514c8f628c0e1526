// Text search from the caret or the selection, forwards or backwards, without wrapping.
#include "KTSyntaxEditCtrl.h"

#include <cstring>

namespace
{
const char kWordDelimiters[] = "() \t<>{}:;,.=%\"'!@#$^&*-\\|[]/?";

BOOL IsDelimiter(char ch) { return ch != '\0' && strchr(kWordDelimiters, ch) != NULL; }

BOOL MatchesAt(LPCSTR pszRow, int i, LPCSTR pszText, int m, BOOL bMatchCase)
{
    LPCSTR p = pszRow + i - 1;
    return bMatchCase ? strncmp(p, pszText, size_t(m)) == 0 : _strnicmp(p, pszText, size_t(m)) == 0;
}

// A match at the row's start or end needs no delimiter on that side.
BOOL IsWholeWord(LPCSTR pszRow, int n, int i, int m)
{
    if (i + m - 1 < n && !IsDelimiter(pszRow[i + m - 1]))
        return FALSE;
    return i <= 1 || IsDelimiter(pszRow[i - 2]);
}
}  // namespace

BOOL CKTSyntaxEditCtrl::FindInRow(int nRow, const CString& strRow, LPCSTR pszText, int nStart, BOOL bMatchWholeWord,
                                  BOOL bMatchCase, BOOL bSearchDown, BOOL bSelect)
{
    int n = strRow.GetLength(), m = int(strlen(pszText));
    int nStep = bSearchDown ? 1 : -1;
    int nLast = bSearchDown ? n - m + 1 : 1;
    for (int i = bSearchDown ? nStart : nStart - m; bSearchDown ? i <= nLast : i >= nLast; i += nStep)
    {
        if (i < 1 || !MatchesAt(strRow, i, pszText, m, bMatchCase))
            continue;
        if (bMatchWholeWord && !IsWholeWord(strRow, n, i, m))
            continue;
        int nFirstCol = GetDisplayColumn(nRow, i), nEndCol = GetDisplayColumn(nRow, i + m);
        if (bSearchDown)
        {
            Select(nRow, nFirstCol, nRow, nEndCol, bSelect);
            SetCaretChar(nRow, i + m);
            return TRUE;
        }
        Select(nRow, nEndCol, nRow, nFirstCol, bSelect);
        SetCaretChar(nRow, i);
        if (bSelect)
            EnsureVisible(m_nCurrentRow, m_nDispCol, FALSE, TRUE);
        return TRUE;
    }
    return FALSE;
}

BOOL CKTSyntaxEditCtrl::Find(LPCSTR pszText, BOOL bMatchWholeWord, BOOL bMatchCase, BOOL bSearchDown, BOOL bSelect)
{
    if (!m_pBuffer || !pszText || !*pszText)
        return FALSE;
    int nTop = m_nTopRow;
    int nVisible = GetVisibleRows();
    int nLastVisible = GetRowAtDisplayOffset(nTop, nVisible);
    NormalizeSelection();
    int nRow = m_nCurrentRow, nPos = m_nCurrentChar;
    if (m_bSelection)
    {
        const KT_EDIT_TEXTPOS& from = bSearchDown ? m_selEnd : m_selStart;
        nRow = from.nLine;
        nPos = GetCharPosition(nRow, from.nCol);
    }
    if (FindInRow(nRow, m_pBuffer->GetLineTextEx(nRow), pszText, nPos, bMatchWholeWord, bMatchCase, bSearchDown,
                  bSelect))
        return TRUE;
    BOOL bFound = FALSE;
    for (int r = nRow + (bSearchDown ? 1 : -1); !bFound && r >= 1 && r <= GetRowCount(); r += bSearchDown ? 1 : -1)
    {
        CString strRow = m_pBuffer->GetLineTextEx(r);
        int nFrom = bSearchDown ? 1 : strRow.GetLength() + 1;
        bFound = FindInRow(r, strRow, pszText, nFrom, bMatchWholeWord, bMatchCase, bSearchDown, bSelect);
    }
    if (!bFound)
        return FALSE;
    if (m_selStart.nLine > nLastVisible)
        ScrollDown(2 * nVisible / 3);
    else if (m_selStart.nLine < nTop)
        ScrollUp(nVisible / 3);
    return TRUE;
}

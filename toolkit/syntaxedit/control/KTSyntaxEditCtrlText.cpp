// Rows as the control shows them: folded text, display columns, tabs expanded, selected text.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCollapsedMark.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
const char kVisibleTab = char(187);
const char kVisibleSpace = char(183);
}  // namespace

CKTSyntaxEditLineMarksManager* CKTSyntaxEditCtrl::GetLineMarksManager() const
{
    return m_pBuffer ? m_pBuffer->GetLineMarksManager() : NULL;
}

const CString& CKTSyntaxEditCtrl::GetLineText(int nRow)
{
    m_strLineText.Empty();
    if (!m_pBuffer)
        return m_strLineText;
    m_pBuffer->GetLineText(nRow, m_strLineText);
    m_strLineText = m_strLineText.Left(GetShownLength(nRow));
    return m_strLineText;
}

// A folded row ends on screen where its block starts, and so does the caret's way along it.
int CKTSyntaxEditCtrl::GetShownLength(int nRow) const
{
    if (!m_pBuffer)
        return 0;
    int nLength = m_pBuffer->GetLineLength(nRow);
    KT_EDIT_LINEMARK_PARAM param;
    if (!GetLineMarksManager()->HasLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param))
        return nLength;
    KT_EDIT_COLLAPSED_MARK* pMark = KT_EDIT_COLLAPSED_MARK::FromParam(param);
    return pMark ? std::clamp(pMark->block.nStartCol - 1, 0, nLength) : nLength;
}

int CKTSyntaxEditCtrl::GetDisplayColumn(int nRow, int nCharPos) const
{
    return m_pBuffer ? m_pBuffer->GetColumnOfCharOffset(nRow, nCharPos - 1) : std::max(nCharPos, 1);
}

int CKTSyntaxEditCtrl::GetCharPosition(int nRow, int nDisplayCol) const
{
    return m_pBuffer ? m_pBuffer->GetCharOffsetOfColumn(nRow, nDisplayCol) + 1 : std::max(nDisplayCol, 1);
}

int CKTSyntaxEditCtrl::SnapDisplayColumn(int nRow, int nDisplayCol) const
{
    return GetDisplayColumn(nRow, GetCharPosition(nRow, nDisplayCol));
}

int CKTSyntaxEditCtrl::GetRowEndColumn(const CString& strText) const
{
    int nTab = GetTabSize();
    int nColumn = 0;
    for (int i = 0; i < strText.GetLength(); ++i)
        nColumn += strText[i] == '\t' ? nTab - nColumn % nTab : 1;
    return nColumn + 1;
}

// Paper shows blanks as blanks.
int CKTSyntaxEditCtrl::GetDisplayText(BOOL bPaper, LPCSTR pszText, int nLength, int nStartCol, CString& strResult) const
{
    BOOL bVisible = m_bShowWhitespace && !bPaper;
    int nTab = GetTabSize();
    // A tab takes at most nTab cells: the result is sized once.
    LPSTR pszOut = strResult.GetBuffer(nLength * nTab + 1);
    int nColumn = nStartCol;
    int nOut = 0;
    for (int i = 0; i < nLength; ++i)
    {
        char ch = pszText[i];
        if (ch == '\t')
        {
            int nCells = nTab - nColumn % nTab;
            memset(pszOut + nOut, ' ', size_t(nCells));
            if (bVisible)
                pszOut[nOut] = kVisibleTab;
            nOut += nCells;
            nColumn += nCells;
            continue;
        }
        pszOut[nOut++] = bVisible && ch == ' ' ? kVisibleSpace : ch;
        ++nColumn;
    }
    strResult.ReleaseBuffer(nOut);
    return nColumn - nStartCol;
}

BOOL CKTSyntaxEditCtrl::GetSelectionText(CString& strText) const
{
    strText.Empty();
    if (!m_bSelection || !m_pBuffer)
        return FALSE;
    KT_EDIT_TEXTPOS start = std::min(m_selStart, m_selEnd);
    KT_EDIT_TEXTPOS end = std::max(m_selStart, m_selEnd);
    // A row selection of the last row ends on the row after it, which holds no line end to copy.
    int nLastRow = GetRowCount();
    if (nLastRow > 0 && end.nLine > nLastRow)
        end = KT_EDIT_TEXTPOS(nLastRow, GetRowEndColumn(m_pBuffer->GetLineTextEx(nLastRow)));
    CMemFile file;
    m_pBuffer->GetBuffer(start.nLine, start.nCol, end.nLine, end.nCol, &file, m_bColumnSelection, FALSE);
    UINT nBytes = UINT(file.GetLength());
    file.SeekToBegin();
    file.Read(strText.GetBufferSetLength(int(nBytes)), nBytes);
    strText.ReleaseBuffer(int(nBytes));
    return TRUE;
}

namespace
{
// A movable block holding the bytes; NULL when it cannot be had.
HGLOBAL CopyToGlobal(const void* pData, SIZE_T nBytes)
{
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    void* pTarget = hData ? ::GlobalLock(hData) : NULL;
    if (!pTarget)
    {
        if (hData)
            ::GlobalFree(hData);
        return NULL;
    }
    memcpy(pTarget, pData, nBytes);
    ::GlobalUnlock(hData);
    return hData;
}
}  // namespace

HGLOBAL CKTSyntaxEditCtrl::GetSelectionData(UINT nFormat) const
{
    CString strText;
    if ((nFormat != CF_TEXT && nFormat != CF_UNICODETEXT) || !GetSelectionText(strText))
        return NULL;
    if (nFormat == CF_TEXT)
        return CopyToGlobal(LPCSTR(strText), SIZE_T(strText.GetLength()) + 1);
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength() + 1, NULL, 0);
    std::vector<WCHAR> wide(size_t(std::max(nChars, 1)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength() + 1, wide.data(), nChars);
    return CopyToGlobal(wide.data(), wide.size() * sizeof(WCHAR));
}

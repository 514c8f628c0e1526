// Document rows and display rows: folded blocks hide the rows after their first.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCollapsedMark.h"

#include <algorithm>

namespace
{
// Calls visit(mark row, hidden rows) for each "Collapsed" mark with a block,
// in ascending rows; visit answers FALSE to stop.
template <class Visit>
void ForEachFold(CKTSyntaxEditLineMarksManager* pMarks, int nRowCount, Visit visit)
{
    if (!pMarks)
        return;
    int nCount = pMarks->GetCount(KT_EDIT_MARK_COLLAPSED);
    for (int nPosition = 1; nPosition <= nCount; ++nPosition)
    {
        KT_EDIT_LINEMARK_ENTRY* pEntry = pMarks->GetLineMarkAt(nPosition, KT_EDIT_MARK_COLLAPSED);
        KT_EDIT_COLLAPSED_MARK* pMark = pEntry ? KT_EDIT_COLLAPSED_MARK::FromParam(pEntry->lmParam) : NULL;
        if (!pMark)
            continue;
        int nHidden = std::max(std::min(pMark->block.nEndLine, nRowCount) - pEntry->nLine, 0);
        if (!visit(pEntry->nLine, nHidden))
            return;
    }
}
}  // namespace

int CKTSyntaxEditCtrl::GetRowAtDisplayOffset(int nStartRow, int n) const
{
    int nEnd = nStartRow + n - 1;
    int c = nStartRow - 1;
    ForEachFold(GetLineMarksManager(), GetRowCount(),
                [&](int m, int nHidden)
                {
                    if (m < c)
                        return TRUE;
                    if (m >= nEnd)
                        return FALSE;
                    c = m + nHidden;
                    nEnd += nHidden;
                    return TRUE;
                });
    return nEnd;
}

int CKTSyntaxEditCtrl::GetDisplayRowCount(int nFirstRow, int nLastRow) const
{
    int nCount = nLastRow - nFirstRow + 1;
    int c = nFirstRow - 1;
    ForEachFold(GetLineMarksManager(), GetRowCount(),
                [&](int m, int nHidden)
                {
                    if (m < c)
                        return TRUE;
                    if (m >= nLastRow)
                        return FALSE;
                    c = m + nHidden;
                    nCount -= nHidden;
                    return TRUE;
                });
    return std::max(nCount, 1);
}

int CKTSyntaxEditCtrl::GetDisplayRow(int nRow) const
{
    if (nRow < 0)
        nRow = GetRowCount();
    int nCount = nRow;
    int c = -1;
    ForEachFold(GetLineMarksManager(), GetRowCount(),
                [&](int m, int nHidden)
                {
                    if (m < c)
                        return TRUE;
                    if (m >= nRow)
                        return FALSE;
                    c = m + nHidden;
                    nCount -= nHidden;
                    return TRUE;
                });
    return nCount;
}

BOOL CKTSyntaxEditCtrl::IsRowCollapsed(int nRow, int* pnHidden) const
{
    CKTSyntaxEditLineMarksManager* pMarks = GetLineMarksManager();
    KT_EDIT_LINEMARK_PARAM param;
    if (!pMarks || !pMarks->HasLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param))
        return FALSE;
    KT_EDIT_COLLAPSED_MARK* pMark = KT_EDIT_COLLAPSED_MARK::FromParam(param);
    if (!pMark)
        return FALSE;
    if (pnHidden)
        *pnHidden = pMark->block.nEndLine - nRow;
    return TRUE;
}

BOOL CKTSyntaxEditCtrl::IsRowVisible(int nRow) const
{
    if (nRow < 1 || nRow > GetRowCount())
        return FALSE;
    return m_nTopRow <= nRow && nRow <= m_nTopRow + GetVisibleRows();
}

// Bookmarks on rows with wrapping navigation.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditNotify.h"

#include <climits>

void CKTSyntaxEditCtrl::ToggleBookmark(int nRow)
{
    if (!m_pBuffer)
        return;
    GetLineMarksManager()->ToggleLineMark(nRow, KT_EDIT_MARK_BOOKMARK);
    SetRedrawRow(-1);
    Invalidate(FALSE);
}

BOOL CKTSyntaxEditCtrl::HasBookmarks() const
{
    return m_pBuffer && GetLineMarksManager()->GetCount(KT_EDIT_MARK_BOOKMARK) > 0;
}

void CKTSyntaxEditCtrl::NextBookmark() { GoToBookmark(TRUE); }

void CKTSyntaxEditCtrl::PrevBookmark() { GoToBookmark(FALSE); }

// The row that shows the nearest bookmark on another display row than the
// caret's, wrapping at the ends of the text; -1 when there is none. A
// bookmark hidden in a folded block shows on the block's first row, so those
// in the caret's own block are passed over. Rows are compared by the fold
// that hides them rather than by display offsets from the top row, which
// tell apart neither rows above the top nor rows inside a fold.
int CKTSyntaxEditCtrl::FindBookmark(BOOL bNext) const
{
    CKTSyntaxEditLineMarksManager* pMarks = GetLineMarksManager();
    const int nCaretRow = GetFoldHiding(m_nCurrentRow);
    auto search = [pMarks, bNext](int nRow)
    {
        if (bNext)
            pMarks->FindNextLineMark(nRow, KT_EDIT_MARK_BOOKMARK);
        else
            pMarks->FindPrevLineMark(nRow, KT_EDIT_MARK_BOOKMARK);
        return nRow;
    };
    int nRow = m_nCurrentRow;
    do
        nRow = search(nRow + (bNext ? 1 : -1));
    while (nRow >= 1 && GetFoldHiding(nRow) == nCaretRow);
    if (nRow < 1)
        nRow = search(bNext ? 1 : INT_MAX - 1);
    return nRow >= 1 && GetFoldHiding(nRow) != nCaretRow ? GetFoldHiding(nRow) : -1;
}

void CKTSyntaxEditCtrl::GoToBookmark(BOOL bNext)
{
    if (!m_pBuffer)
        return;
    int nRow = FindBookmark(bNext);
    if (nRow < 1)
        return;
    int nOldRow = m_nCurrentRow;
    SetCurrentPosition(nRow, 1, FALSE, TRUE);
    m_nRedrawRow = nRow;
    m_nPrevRedrawRow = nOldRow;
    Invalidate(FALSE);
}

// The first row of the outermost folded block that hides the row, else the row.
int CKTSyntaxEditCtrl::GetFoldHiding(int nRow) const
{
    CKTSyntaxEditLineMarksManager* pMarks = GetLineMarksManager();
    int nCount = pMarks ? pMarks->GetCount(KT_EDIT_MARK_COLLAPSED) : 0;
    for (int nPosition = 1; nPosition <= nCount; ++nPosition)
    {
        int nFold = pMarks->GetLineMarkAt(nPosition, KT_EDIT_MARK_COLLAPSED)->nLine;
        int nHidden = 0;
        if (nFold >= nRow)
            break;
        if (IsRowCollapsed(nFold, &nHidden) && nRow <= nFold + nHidden)
            return nFold;
    }
    return nRow;
}

// Bookmarks on rows with wrapping navigation.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCollapsedMark.h"

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

void CKTSyntaxEditCtrl::GoToBookmark(BOOL bNext)
{
    if (!m_pBuffer)
        return;
    int nRow = m_folding.FindBookmark(m_nCurrentRow, bNext);
    if (nRow < 1)
        return;
    int nOldRow = m_nCurrentRow;
    SetCurrentPosition(nRow, 1, FALSE, TRUE);
    m_nRedrawRow = nRow;
    m_nPrevRedrawRow = nOldRow;
    Invalidate(FALSE);
}

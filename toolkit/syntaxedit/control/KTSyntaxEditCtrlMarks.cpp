// Bookmarks and breakpoints on rows, with wrapping navigation between bookmarks.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCollapsedMark.h"

void CKTSyntaxEditCtrl::ToggleBookmark(int nRow) { ToggleMark(nRow, KT_EDIT_MARK_BOOKMARK); }

void CKTSyntaxEditCtrl::ToggleBreakpoint(int nRow) { ToggleMark(nRow, KT_EDIT_MARK_BREAKPOINT); }

void CKTSyntaxEditCtrl::ToggleMark(int nRow, LPCSTR pszType)
{
    if (!m_pBuffer)
        return;
    GetLineMarksManager()->ToggleLineMark(nRow, pszType);
    SetRedrawRow(-1);
    Invalidate(FALSE);
}

BOOL CKTSyntaxEditCtrl::GetLineMark(int nRow, LPCSTR pszType, KT_EDIT_LINEMARK_PARAM* pParam) const
{
    return m_pBuffer && GetLineMarksManager()->HasLineMark(nRow, pszType, pParam);
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
    OpenFoldsHiding(nRow);
    int nOldRow = m_nCurrentRow;
    SetCurrentPosition(nRow, 1, FALSE, TRUE);
    m_nRedrawRow = nRow;
    m_nPrevRedrawRow = nOldRow;
    Invalidate(FALSE);
}

// A caret on a row that a fold hides would stand where no text shows, and typing would change hidden text.
void CKTSyntaxEditCtrl::OpenFoldsHiding(int nRow)
{
    int nFold = m_folding.GetFoldHiding(nRow);
    if (nFold == nRow)
        return;
    for (; nFold != nRow; nFold = m_folding.GetFoldHiding(nRow))
        GetLineMarksManager()->DeleteLineMark(nFold, KT_EDIT_MARK_COLLAPSED);
    m_nRedrawRow = -1;
    RecalcScrollBars();
}

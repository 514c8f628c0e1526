// The control's side of folding: the collaborator folds, the control puts its caret, rows and bars right after.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditNotify.h"

#include <algorithm>

void CKTSyntaxEditCtrl::ToggleCollapse(int nRow)
{
    if (m_folding.Toggle(nRow))
        FinishFolding(nRow);
}

void CKTSyntaxEditCtrl::CollapseAll()
{
    if (m_folding.CollapseAll())
        FinishFolding(m_nCurrentRow);
}

void CKTSyntaxEditCtrl::ExpandAll()
{
    if (!m_pBuffer)
        return;
    m_folding.ExpandAll();
    FinishFolding(m_nCurrentRow);
}

// Neither the top row nor the caret may stay in rows a fold now hides, and a
// caret on a folded row stands before its box: typing would land in text that
// is not shown.
void CKTSyntaxEditCtrl::FinishFolding(int nRow)
{
    m_folding.HoldTip();
    PlaceTopRow(m_folding.GetFoldHiding(m_nTopRow));
    nRow = m_folding.GetFoldHiding(nRow);
    int nDispCol = std::min(m_nDispCol, GetDisplayColumn(nRow, GetShownLength(nRow) + 1));
    m_nRedrawRow = -1;
    SetCurrentRow(nRow);
    m_nDispCol = nDispCol;
    UpdateCaretColumns();
    RecalcScrollBars();
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    Invalidate(FALSE);
    UpdateWindow();
    NotifyViewChanged(KT_EDIT_VIEW_VERT | KT_EDIT_VIEW_HORZ | KT_EDIT_VIEW_LAYOUT);
}

// Folding and unfolding the schema's collapsible blocks, and the boxes that stand for folded ones.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditLexTextSchema.h"
#include "KTSyntaxEditNotify.h"

#include <algorithm>

namespace
{
const int kTipRows = 150;
const CPoint kTipOffset(8, 2);

// The indentation of the last row goes wherever it follows a line break, so
// that the hidden text shows flush left.
CString WithoutLastIndent(CString strText)
{
    int nAt = strText.ReverseFind('\n');
    nAt = nAt > 0 && strText[nAt - 1] == '\r' ? nAt - 1 : std::max(nAt, 0);
    CString strRun = strText.Mid(nAt).SpanIncluding("\r\n \t");
    if (!strRun.IsEmpty())
        strText.Replace(strRun, "\r\n");
    return strText;
}
}  // namespace

// The last of the row's blocks wins, as a later fold of one row overwrites an earlier one.
const KT_EDIT_LEXFOLD* CKTSyntaxEditCtrl::FoldStartingAt(int nRow)
{
    const KT_EDIT_LEXFOLD* pFound = NULL;
    for (const KT_EDIT_LEXFOLD& fold : GetFolds())
    {
        if (fold.posStart.nRow > nRow)
            break;
        if (fold.posStart.nRow == nRow)
            pFound = &fold;
    }
    return pFound;
}

BOOL CKTSyntaxEditCtrl::FoldRow(int nRow)
{
    const KT_EDIT_LEXFOLD* pFold = FoldStartingAt(nRow);
    if (!pFold)
        return FALSE;
    KT_EDIT_LINEMARK_PARAM param;
    KT_EDIT_COLLAPSED_MARK::Attach(param)->TakeFold(*pFold, GetRowCount());
    GetLineMarksManager()->AddLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param);
    ListFoldedRow(nRow);
    return TRUE;
}

void CKTSyntaxEditCtrl::ListFoldedRow(int nRow)
{
    if (std::find(m_arCollapseRows.begin(), m_arCollapseRows.end(), nRow) == m_arCollapseRows.end())
        m_arCollapseRows.push_back(nRow);
}

void CKTSyntaxEditCtrl::ToggleCollapse(int nRow)
{
    if (!m_pBuffer || !GetTextSchema())
        return;
    if (GetLineMarksManager()->HasLineMark(nRow, KT_EDIT_MARK_COLLAPSED))
        GetLineMarksManager()->DeleteLineMark(nRow, KT_EDIT_MARK_COLLAPSED);
    else
        FoldRow(nRow);
    FinishFolding(nRow);
}

void CKTSyntaxEditCtrl::CollapseAll()
{
    if (!m_pBuffer || !GetTextSchema())
        return;
    CWaitCursor wait;
    int nLastStart = 0;
    for (const KT_EDIT_LEXFOLD& fold : GetFolds())
    {
        int nRow = fold.posStart.nRow;
        if (nRow != nLastStart && nRow < GetRowCount())
            FoldRow(nRow);
        nLastStart = nRow;
    }
    FinishFolding(m_nCurrentRow);
}

void CKTSyntaxEditCtrl::ExpandAll()
{
    if (!m_pBuffer)
        return;
    CWaitCursor wait;
    GetLineMarksManager()->RemoveAll(KT_EDIT_MARK_COLLAPSED);
    m_arCollapseRows.clear();
    FinishFolding(m_nCurrentRow);
}

// Neither the top row nor the caret may stay in rows a fold now hides, and a
// caret on a folded row stands before its box: typing would land in text that
// is not shown.
void CKTSyntaxEditCtrl::FinishFolding(int nRow)
{
    m_nTopRow = GetFoldHiding(m_nTopRow);
    nRow = GetFoldHiding(nRow);
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

void CKTSyntaxEditCtrl::ForEachShownFold(const std::function<BOOL(KT_EDIT_COLLAPSED_MARK&)>& visit) const
{
    CKTSyntaxEditLineMarksManager* pMarks = GetLineMarksManager();
    if (!pMarks)
        return;
    int nHandledTo = 0;
    for (int nRow : m_arCollapseRows)
    {
        KT_EDIT_LINEMARK_PARAM param;
        if (nRow <= nHandledTo || !pMarks->HasLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param))
            continue;
        KT_EDIT_COLLAPSED_MARK* pMark = KT_EDIT_COLLAPSED_MARK::FromParam(param);
        if (!pMark || ::IsRectEmpty(&pMark->rcBox))
            continue;
        nHandledTo = pMark->block.nEndLine;
        if (!visit(*pMark))
            return;
    }
}

KT_EDIT_COLLAPSED_MARK* CKTSyntaxEditCtrl::HitTestCollapsedBox(CPoint point) const
{
    KT_EDIT_COLLAPSED_MARK* pHit = NULL;
    ForEachShownFold(
        [&](KT_EDIT_COLLAPSED_MARK& mark)
        {
            CRect rc(mark.rcBox);
            rc.OffsetRect(m_nTextLeft, 0);
            if (rc.PtInRect(point))
                pHit = &mark;
            return pHit == NULL;
        });
    return pHit;
}

CString CKTSyntaxEditCtrl::GetCollapsedText(const KT_EDIT_COLLAPSED_MARK* pMark, int nMaxRows) const
{
    CString strText;
    if (!pMark || !m_pBuffer)
        return strText;
    const KT_EDIT_COLLAPSEDBLOCK& block = pMark->block;
    int nLast = std::min({block.nEndLine, block.nStartLine + nMaxRows - 1, GetRowCount()});
    for (int nRow = block.nStartLine; nRow <= nLast; ++nRow)
    {
        CString strRow = m_pBuffer->GetLineTextEx(nRow);
        if (nRow == block.nEndLine)
            strRow = strRow.Left(std::clamp(block.nEndCol, 0, strRow.GetLength()));
        if (nRow == block.nStartLine)
            strRow =
                block.nStartCol - 1 < strRow.GetLength() ? strRow.Mid(std::max(block.nStartCol - 1, 0)) : CString();
        strText += nRow == block.nStartLine ? strRow : "\r\n" + strRow;
    }
    return strText;
}

// The tip stays while the pointer roams its box; another box shows its own.
void CKTSyntaxEditCtrl::UpdateCollapsedTip(CPoint point)
{
    KT_EDIT_COLLAPSED_MARK* pMark = HitTestCollapsedBox(point);
    if (!pMark)
        return;
    CRect rcBox(pMark->rcBox);
    rcBox.OffsetRect(m_nTextLeft, 0);
    if (m_wndToolTip.GetSafeHwnd() && m_wndToolTip.IsWindowVisible() && m_rcTipHot == rcBox)
        return;
    ShowTip(WithoutLastIndent(GetCollapsedText(pMark, kTipRows)), point + kTipOffset, rcBox);
}

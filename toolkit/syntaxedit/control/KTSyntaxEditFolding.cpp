// Folding and unfolding the schema's collapsible blocks, and the boxes that stand for folded ones.
#include "KTSyntaxEditFolding.h"

#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditLexTextSchema.h"
#include "KTSyntaxEditTipWnd.h"

#include <algorithm>
#include <climits>

namespace
{
const int kTipRows = 150;
const CPoint kTipOffset(8, 2);

int EndRowOf(const KT_EDIT_LEXFOLD& fold) { return fold.posEnd.IsValid() ? fold.posEnd.nRow : INT_MAX; }

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

CKTSyntaxEditFolding::CKTSyntaxEditFolding(CKTSyntaxEditCtrl& ctrl) : m_ctrl(ctrl) {}

CKTSyntaxEditFolding::~CKTSyntaxEditFolding() = default;

const std::vector<KT_EDIT_LEXFOLD>& CKTSyntaxEditFolding::GetFolds()
{
    CKTSyntaxEditLexTextSchema* pSchema = m_ctrl.GetTextSchema();
    if (!pSchema)
        m_arFolds.clear();
    else if (!m_bFoldsValid)
        pSchema->GetCollapsableBlocks(-1, m_arFolds);
    m_bFoldsValid = pSchema != NULL;
    return m_arFolds;
}

DWORD CKTSyntaxEditFolding::GetRowState(int nRow)
{
    BOOL bCollapsed = m_ctrl.IsRowCollapsed(nRow);
    DWORD dwFlags = 0;
    for (const KT_EDIT_LEXFOLD& fold : GetFolds())
    {
        int nStartRow = fold.posStart.nRow, nEndRow = EndRowOf(fold);
        if (nStartRow > nRow)
            break;
        if (nEndRow < nRow)
            continue;
        if (nStartRow == nRow)
            dwFlags |= bCollapsed ? 0x01 : 0x02;
        if (nEndRow == nRow)
            dwFlags |= 0x04;
        if (nStartRow < nRow)
            dwFlags |= 0x10;
        if (nEndRow > nRow && (dwFlags & 0x01))
            dwFlags |= 0x20;
    }
    return dwFlags;
}

// The last of the row's blocks wins, as a later fold of one row overwrites an earlier one.
const KT_EDIT_LEXFOLD* CKTSyntaxEditFolding::FoldStartingAt(int nRow)
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

BOOL CKTSyntaxEditFolding::FoldRow(int nRow)
{
    const KT_EDIT_LEXFOLD* pFold = FoldStartingAt(nRow);
    if (!pFold)
        return FALSE;
    KT_EDIT_LINEMARK_PARAM param;
    KT_EDIT_COLLAPSED_MARK::Attach(param)->TakeFold(*pFold, m_ctrl.GetRowCount());
    m_ctrl.GetLineMarksManager()->AddLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param);
    ListShownRow(nRow);
    return TRUE;
}

void CKTSyntaxEditFolding::ListShownRow(int nRow)
{
    if (std::find(m_arShownRows.begin(), m_arShownRows.end(), nRow) == m_arShownRows.end())
        m_arShownRows.push_back(nRow);
}

BOOL CKTSyntaxEditFolding::Toggle(int nRow)
{
    if (!m_ctrl.GetBuffer() || !m_ctrl.GetTextSchema())
        return FALSE;
    CKTSyntaxEditLineMarksManager* pMarks = m_ctrl.GetLineMarksManager();
    if (pMarks->HasLineMark(nRow, KT_EDIT_MARK_COLLAPSED))
        pMarks->DeleteLineMark(nRow, KT_EDIT_MARK_COLLAPSED);
    else
        FoldRow(nRow);
    return TRUE;
}

BOOL CKTSyntaxEditFolding::CollapseAll()
{
    if (!m_ctrl.GetBuffer() || !m_ctrl.GetTextSchema())
        return FALSE;
    CWaitCursor wait;
    int nLastStart = 0;
    for (const KT_EDIT_LEXFOLD& fold : GetFolds())
    {
        int nRow = fold.posStart.nRow;
        if (nRow != nLastStart && nRow < m_ctrl.GetRowCount())
            FoldRow(nRow);
        nLastStart = nRow;
    }
    return TRUE;
}

void CKTSyntaxEditFolding::ExpandAll()
{
    CWaitCursor wait;
    m_ctrl.GetLineMarksManager()->RemoveAll(KT_EDIT_MARK_COLLAPSED);
    m_arShownRows.clear();
}

// A folded row takes its block from the schema again by row, and is listed
// for the boxes and the hit test of this paint.
void CKTSyntaxEditFolding::RecordFoldedRow(int nRow)
{
    CKTSyntaxEditLineMarksManager* pMarks = m_ctrl.GetLineMarksManager();
    KT_EDIT_LINEMARK_PARAM param;
    if (!pMarks || !pMarks->HasLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param))
        return;
    if (const KT_EDIT_LEXFOLD* pFold = FoldStartingAt(nRow))
    {
        KT_EDIT_COLLAPSED_MARK* pMark = static_cast<KT_EDIT_COLLAPSED_MARK*>(param.GetPtr());
        if (!pMark)
        {
            pMark = KT_EDIT_COLLAPSED_MARK::Attach(param);
            pMarks->AddLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param);
        }
        pMark->TakeFold(*pFold, m_ctrl.GetRowCount());
    }
    if (KT_EDIT_COLLAPSED_MARK::FromParam(param))
        ListShownRow(nRow);
}

void CKTSyntaxEditFolding::ForEachShownFold(const std::function<BOOL(KT_EDIT_COLLAPSED_MARK&)>& visit) const
{
    CKTSyntaxEditLineMarksManager* pMarks = m_ctrl.GetLineMarksManager();
    if (!pMarks)
        return;
    int nHandledTo = 0;
    for (int nRow : m_arShownRows)
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

KT_EDIT_COLLAPSED_MARK* CKTSyntaxEditFolding::HitTestBox(CPoint point) const
{
    KT_EDIT_COLLAPSED_MARK* pHit = NULL;
    ForEachShownFold(
        [&](KT_EDIT_COLLAPSED_MARK& mark)
        {
            CRect rc(mark.rcBox);
            rc.OffsetRect(m_ctrl.GetTextLeft(), 0);
            if (rc.PtInRect(point))
                pHit = &mark;
            return pHit == NULL;
        });
    return pHit;
}

CString CKTSyntaxEditFolding::GetHiddenText(const KT_EDIT_COLLAPSED_MARK* pMark, int nMaxRows) const
{
    CString strText;
    CKTSyntaxEditBufferManager* pBuffer = m_ctrl.GetBuffer();
    if (!pMark || !pBuffer)
        return strText;
    const KT_EDIT_COLLAPSEDBLOCK& block = pMark->block;
    int nLast = std::min({block.nEndLine, block.nStartLine + nMaxRows - 1, m_ctrl.GetRowCount()});
    for (int nRow = block.nStartLine; nRow <= nLast; ++nRow)
    {
        CString strRow = pBuffer->GetLineTextEx(nRow);
        if (nRow == block.nEndLine)
            strRow = strRow.Left(std::clamp(block.nEndCol, 0, strRow.GetLength()));
        if (nRow == block.nStartLine)
            strRow =
                block.nStartCol - 1 < strRow.GetLength() ? strRow.Mid(std::max(block.nStartCol - 1, 0)) : CString();
        strText += nRow == block.nStartLine ? strRow : "\r\n" + strRow;
    }
    return strText;
}

// A bookmark hidden in a folded block shows on the block's first row, so those
// in nFromRow's own block are passed over. Rows are compared by the fold
// that hides them rather than by display offsets from the top row, which
// tell apart neither rows above the top nor rows inside a fold.
int CKTSyntaxEditFolding::FindBookmark(int nFromRow, BOOL bNext) const
{
    CKTSyntaxEditLineMarksManager* pMarks = m_ctrl.GetLineMarksManager();
    const int nFromShown = GetFoldHiding(nFromRow);
    auto search = [pMarks, bNext](int nRow)
    {
        if (bNext)
            pMarks->FindNextLineMark(nRow, KT_EDIT_MARK_BOOKMARK);
        else
            pMarks->FindPrevLineMark(nRow, KT_EDIT_MARK_BOOKMARK);
        return nRow;
    };
    int nRow = nFromRow;
    do
        nRow = search(nRow + (bNext ? 1 : -1));
    while (nRow >= 1 && GetFoldHiding(nRow) == nFromShown);
    if (nRow < 1)
        nRow = search(bNext ? 1 : INT_MAX - 1);
    return nRow >= 1 && GetFoldHiding(nRow) != nFromShown ? nRow : -1;
}

// The first row of the outermost folded block that hides the row, else the row.
int CKTSyntaxEditFolding::GetFoldHiding(int nRow) const
{
    CKTSyntaxEditLineMarksManager* pMarks = m_ctrl.GetLineMarksManager();
    int nCount = pMarks ? pMarks->GetCount(KT_EDIT_MARK_COLLAPSED) : 0;
    for (int nPosition = 1; nPosition <= nCount; ++nPosition)
    {
        int nFold = pMarks->GetLineMarkAt(nPosition, KT_EDIT_MARK_COLLAPSED)->nLine;
        int nHidden = 0;
        if (nFold >= nRow)
            break;
        if (m_ctrl.IsRowCollapsed(nFold, &nHidden) && nRow <= nFold + nHidden)
            return nFold;
    }
    return nRow;
}

// The system repeats the last move when windows change under a resting pointer (a menu closing, a repaint):
// that is no hover, or a fold made under the pointer would show its tip at once.
void CKTSyntaxEditFolding::HoldTip()
{
    m_ctrl.GetTipWnd().Hide();
    m_bTipHeld = ::GetCursorPos(&m_ptHeld) && m_ctrl.GetSafeHwnd();
    if (m_bTipHeld)
        m_ctrl.ScreenToClient(&m_ptHeld);
}

// The tip stays while the pointer roams its box; another box shows its own.
void CKTSyntaxEditFolding::TrackPointer(CPoint point)
{
    if (m_bTipHeld && point == m_ptHeld)
        return;
    m_bTipHeld = FALSE;
    KT_EDIT_COLLAPSED_MARK* pMark = HitTestBox(point);
    if (!pMark)
        return;
    CRect rcBox(pMark->rcBox);
    rcBox.OffsetRect(m_ctrl.GetTextLeft(), 0);
    if (m_ctrl.GetTipWnd().IsShownFor(rcBox))
        return;
    m_ctrl.ShowTip(WithoutLastIndent(GetHiddenText(pMark, kTipRows)), point + kTipOffset, rcBox);
}

// Printing: the pages of the text on a printer DC, counted and drawn by one rule, so that the count is the
// number of pages the loop prints.
#include "KTSyntaxEditPrinter.h"

#include <algorithm>
#include <vector>

#include "KTSyntaxEditCtrl.h"

#include "KTDrawObjects.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
const int kNumberGap = 3;  // between the printed line number and the text
}  // namespace

// At least one row a page, also for a page shorter than a row: the count then still ends.
int CKTSyntaxEditPrinter::RowsPerPage(CDC* pDC) const
{
    TEXTMETRIC tm{};
    if (!pDC->GetTextMetrics(&tm))
        return 1;
    const int nRowHeight = std::max<int>(tm.tmHeight + 1, 1);
    const int nHeight = m_szPage.cy - m_rcMargins.top - m_rcMargins.bottom;
    return std::max(nHeight / nRowHeight - 1, 1);
}

int CKTSyntaxEditPrinter::CalcPages(CDC* pDC)
{
    CKTFontDC font(pDC, KTSyntaxEditPaintManager()->GetFont());
    const int nRowsPerPage = RowsPerPage(pDC);
    const int nDisplayRows = m_ctrl.GetRowCount() > 0 ? m_ctrl.GetDisplayRowCount(1, m_ctrl.GetRowCount()) : 0;
    m_nPages = std::max((nDisplayRows + nRowsPerPage - 1) / nRowsPerPage, 1);
    return m_nPages;
}

void CKTSyntaxEditPrinter::PrintPage(CDC* pDC)
{
    CKTFontDC font(pDC, KTSyntaxEditPaintManager()->GetFont());
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    const int nRowHeight = std::max<int>(tm.tmHeight + 1, 1);
    const int nRowsPerPage = RowsPerPage(pDC);
    const int nFirstDisplayRow = (std::max(m_nPage, 1) - 1) * nRowsPerPage + 1;
    CString strLastNumber;
    strLastNumber.Format("%d", m_ctrl.GetRowCount());
    const int nNumberWidth = m_ctrl.GetLineNumbers() ? pDC->GetTextExtent(strLastNumber).cx + kNumberGap : 0;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    int nRow = m_ctrl.GetRowCount() > 0 ? m_ctrl.GetRowAtDisplayOffset(1, nFirstDisplayRow) : 0;
    for (int i = 0; i < nRowsPerPage && nRow >= 1 && nRow <= m_ctrl.GetRowCount(); ++i)
    {
        PrintRow(pDC, nRow, CPoint(m_rcMargins.left, m_rcMargins.top + i * nRowHeight), nNumberWidth);
        int nHidden = 0;
        nRow += 1 + (m_ctrl.IsRowCollapsed(nRow, &nHidden) ? std::max(nHidden, 0) : 0);
    }
    pDC->SetBkMode(nOldMode);
}

// Selection, line marks and row backgrounds are the screen's: paper shows the text in its colours.
void CKTSyntaxEditPrinter::PrintRow(CDC* pDC, int nRow, CPoint ptRow, int nNumberWidth)
{
    CKTSyntaxEditPaintManager* pManager = KTSyntaxEditPaintManager();
    if (nNumberWidth > 0)
    {
        CString strNumber;
        strNumber.Format("%d", nRow);
        const UINT nOldAlign = pDC->SetTextAlign(TA_RIGHT | TA_TOP);
        pDC->SetTextColor(pManager->GetColor(CKTSyntaxEditPaintManager::ktColorLineNumberText));
        pDC->TextOut(ptRow.x + nNumberWidth - kNumberGap, ptRow.y, strNumber);
        pDC->SetTextAlign(nOldAlign);
    }
    const CString strText = m_ctrl.GetLineText(nRow);
    std::vector<KT_EDIT_TEXTATTR> arRuns;
    m_ctrl.GetRowRuns(nRow, strText, arRuns);
    const int nCharWidth = pDC->GetTextExtent("X", 1).cx;
    int nColumn = 0;
    for (const KT_EDIT_TEXTATTR& run : arRuns)
    {
        const int nStart = std::min(run.nStart, strText.GetLength());
        const int nEnd = std::min(run.nEnd, strText.GetLength());
        if (nEnd <= nStart)
            continue;
        CString strShown;
        const int nColumns = m_ctrl.GetDisplayText(pDC, (LPCSTR)strText + nStart, nEnd - nStart, nColumn, strShown);
        pDC->SetTextColor(run.clrSet.clrText.GetColor());
        pDC->TextOut(ptRow.x + nNumberWidth + nColumn * nCharWidth, ptRow.y, strShown);
        nColumn += nColumns;
    }
}

// Printing: the pages of the text on a printer DC, counted and drawn by one rule, so that the count is the
// number of pages the loop prints.
#include "KTSyntaxEditPrinter.h"

#include <algorithm>

#include "KTSyntaxEditCtrl.h"

#include "KTDrawObjects.h"
#include "themes/KTSyntaxEditDrawTarget.h"
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

// Paper takes the editor's background and the text's colour runs with their fonts; selection, line marks and row
// colours are the screen's. The rows are measured by the printer's font, the screen's metrics left alone.
void CKTSyntaxEditPrinter::PrintPage(CDC* pDC)
{
    CKTFontDC font(pDC, KTSyntaxEditPaintManager()->GetFont());
    const int nRowsPerPage = RowsPerPage(pDC);
    const int nFirstDisplayRow = (std::max(m_nPage, 1) - 1) * nRowsPerPage + 1;
    // The text starts past the widest number and its separator, in line on every row.
    const BOOL bNumbers = m_ctrl.GetLineNumbers();
    const int nNumberWidth = bNumbers ? m_ctrl.GetLineNumbersWidth() + kNumberGap : 0;
    const KT_EDIT_DRAWTARGET paper = KT_EDIT_DRAWTARGET::Paper(pDC, m_rcMargins.left + nNumberWidth);
    FillPage(pDC);
    int nRow = m_ctrl.GetRowCount() > 0 ? m_ctrl.GetRowAtDisplayOffset(1, nFirstDisplayRow) : 0;
    for (int i = 0; i < nRowsPerPage && nRow >= 1 && nRow <= m_ctrl.GetRowCount(); ++i)
    {
        const int y = m_rcMargins.top + i * paper.nRowHeight;
        if (bNumbers)
            KTSyntaxEditPaintManager()->DrawPaperLineNumber(
                pDC, CRect(m_rcMargins.left, y, paper.nLeft - kNumberGap - 2, y + paper.nRowHeight), nRow);
        m_ctrl.DrawRowText(paper, nRow, y);
        int nHidden = 0;
        nRow += 1 + (m_ctrl.IsRowCollapsed(nRow, &nHidden) ? std::max(nHidden, 0) : 0);
    }
}

// With a brush: on paper a solid fill drawn as text would read as an empty text.
void CKTSyntaxEditPrinter::FillPage(CDC* pDC)
{
    CBrush brush(KTSyntaxEditPaintManager()->GetColor(CKTSyntaxEditPaintManager::ktColorBack));
    CRect rcPage(CPoint(0, 0), m_szPage);
    rcPage.DeflateRect(m_rcMargins);
    pDC->FillRect(&rcPage, &brush);
}

// Printing: the pages of the text on a printer DC, counted and drawn by one rule, so that the count is the
// number of pages the loop prints.
#include "KTSyntaxEditPrinter.h"

#include <algorithm>

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

namespace
{
// The control measures its rows by the printer's font while a page prints.
class CPrintMetricsScope
{
public:
    CPrintMetricsScope(CKTSyntaxEditCtrl& ctrl, const TEXTMETRIC& tm) : m_ctrl(ctrl), m_tm(tm)
    {
        m_ctrl.SwapTextMetrics(m_tm);
    }
    ~CPrintMetricsScope() { m_ctrl.SwapTextMetrics(m_tm); }
    CPrintMetricsScope(const CPrintMetricsScope&) = delete;
    CPrintMetricsScope& operator=(const CPrintMetricsScope&) = delete;

private:
    CKTSyntaxEditCtrl& m_ctrl;
    TEXTMETRIC m_tm;
};
}  // namespace

// Paper takes the editor's background and the text's colour runs with their fonts; selection, line marks and row
// colours are the screen's.
void CKTSyntaxEditPrinter::PrintPage(CDC* pDC)
{
    CKTFontDC font(pDC, KTSyntaxEditPaintManager()->GetFont());
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    const int nRowsPerPage = RowsPerPage(pDC);
    const int nFirstDisplayRow = (std::max(m_nPage, 1) - 1) * nRowsPerPage + 1;
    // The text starts past the widest number and its separator, in line on every row.
    const int nNumberWidth = m_ctrl.GetLineNumbers() ? m_ctrl.GetLineNumbersWidth() + kNumberGap : 0;
    FillPage(pDC);
    CPrintMetricsScope metrics(m_ctrl, tm);
    int nRow = m_ctrl.GetRowCount() > 0 ? m_ctrl.GetRowAtDisplayOffset(1, nFirstDisplayRow) : 0;
    for (int i = 0; i < nRowsPerPage && nRow >= 1 && nRow <= m_ctrl.GetRowCount(); ++i)
    {
        KTSyntaxEditPaintManager()->DrawLineNumber(&m_ctrl, pDC, i, nRow);
        // Rows after a fold stand one below the other: the first row is counted back from this one.
        m_ctrl.DrawRowText(nRow - i, nRow, pDC, m_rcMargins.left + nNumberWidth);
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

// The control's printing: the pages of its text on a printer DC, counted and drawn by one rule.
// Classes: CKTSyntaxEditPrinter.
#pragma once

#include <afxwin.h>

class CKTSyntaxEditCtrl;

// Sizes are the printer DC's logical units (the view's: 1/100 inch); the text is set in the paint manager's font.
class CKTSyntaxEditPrinter
{
public:
    explicit CKTSyntaxEditPrinter(CKTSyntaxEditCtrl& ctrl) : m_ctrl(ctrl) {}

    void SetPageSize(int cx, int cy) { m_szPage = CSize(cx, cy); }
    void SetPage(int nPage) { m_nPage = nPage; }
    int GetPage() const { return m_nPage; }
    const CRect& GetMargins() const { return m_rcMargins; }
    int CalcPages(CDC* pDC);
    void PrintPage(CDC* pDC);

private:
    int RowsPerPage(CDC* pDC) const;
    void FillPage(CDC* pDC);

    CKTSyntaxEditCtrl& m_ctrl;
    CSize m_szPage{850, 1100};  // printable page, 8.5 x 11 inches
    CRect m_rcMargins;          // left, top, right, bottom; in the page
    int m_nPage = 0;            // page printed next
    int m_nPages = 0;           // of the last count
};

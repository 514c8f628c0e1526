// Printing of the view: the control draws each page; the view gives it the page, the font and the mapping.
#include "KTSyntaxEditView.h"

#include <afxdlgs.h>

#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
const int kHundredthsPerInch = 100;
const int kPageInset = 10;  // 1/10 inch inside the printable area
const char kPrintFace[] = "Courier New";

// The printable area as the framework's loop gives it to OnPrint, in the view's units.
CRect PrintableArea(CDC* pDC)
{
    CRect rc(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&rc);
    rc.DeflateRect(kPageInset, kPageInset);
    return rc;
}

// The paint manager is shared by every editor: the print font stands in it only while one page is counted or
// set, so the others never paint with it, in a preview left open either.
class CPrintFontScope
{
public:
    explicit CPrintFontScope(const LOGFONT& lfPrint)
    {
        CFont* pFont = KTSyntaxEditPaintManager()->GetFont();
        m_bSaved = pFont->GetSafeHandle() && pFont->GetLogFont(&m_lfScreen);
        KTSyntaxEditPaintManager()->SetFontText(&lfPrint);
    }
    ~CPrintFontScope()
    {
        if (m_bSaved)
            KTSyntaxEditPaintManager()->SetFontText(&m_lfScreen);
    }
    CPrintFontScope(const CPrintFontScope&) = delete;
    CPrintFontScope& operator=(const CPrintFontScope&) = delete;

private:
    LOGFONT m_lfScreen = {};
    BOOL m_bSaved = FALSE;
};
}  // namespace

void CKTSyntaxEditView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(kHundredthsPerInch, kHundredthsPerInch);
    pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    pDC->SetWindowOrg(0, 0);
}

BOOL CKTSyntaxEditView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CFont* pFont = KTSyntaxEditPaintManager()->GetFont();
    if (!pFont->GetSafeHandle() || !pFont->GetLogFont(&m_lfPrintFont))
        return FALSE;
    lstrcpyn(m_lfPrintFont.lfFaceName, kPrintFace, LF_FACESIZE);
    pInfo->SetMaxPage(CountPagesForDialog());
    return DoPreparePrinting(pInfo);
}

// The dialog offers the pages on the default printer, or, without one, the pages of the last page size
// measured on the screen's DC; the job counts again on the printer chosen.
UINT CKTSyntaxEditView::CountPagesForDialog()
{
    CPrintDialog defaults(FALSE);
    if (defaults.GetDefaults() && defaults.m_pd.hDC)
        return (UINT)CountPages(CDC::FromHandle(defaults.m_pd.hDC), TRUE);  // the dialog deletes its DC
    CWindowDC dcScreen(NULL);
    return (UINT)CountPages(&dcScreen, FALSE);
}

// With the loop's rule, so that the count is the number of pages printed.
int CKTSyntaxEditView::CountPages(CDC* pDC, BOOL bPageOfDC)
{
    CKTSyntaxEditPrinter& printer = GetEditCtrl()->GetPrinter();
    const int nSavedDC = pDC->SaveDC();
    OnPrepareDC(pDC, NULL);
    CPrintFontScope font(m_lfPrintFont);
    if (bPageOfDC)
    {
        const CRect rcArea = PrintableArea(pDC);
        printer.SetPageSize(rcArea.Width(), rcArea.Height());
    }
    const int nPages = printer.CalcPages(pDC);
    pDC->RestoreDC(nSavedDC);
    return nPages;
}

// The page count needs the printer's own metrics: it is made again on the job's DC.
void CKTSyntaxEditView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    pCtrl->SetRedraw(FALSE);
    m_nSavedTopRow = pCtrl->GetTopRow();
    pInfo->SetMaxPage((UINT)CountPages(pDC, TRUE));
}

void CKTSyntaxEditView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    const CRect rcArea = PrintableArea(pDC);
    pCtrl->GetPrinter().SetPageSize(rcArea.Width(), rcArea.Height());
    const int nSavedDC = pDC->SaveDC();
    pDC->IntersectClipRect(&rcArea);
    pDC->SetWindowOrg(-rcArea.left, -rcArea.top);
    CPrintFontScope font(m_lfPrintFont);
    pCtrl->GetPrinter().SetPage((int)pInfo->m_nCurPage);
    pCtrl->GetPrinter().PrintPage(pDC);
    pDC->RestoreDC(nSavedDC);
}

void CKTSyntaxEditView::OnEndPrinting(CDC*, CPrintInfo*)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    pCtrl->SetTopRow(m_nSavedTopRow);
    pCtrl->InvalidateRows();
    pCtrl->SetRedraw(TRUE);
    pCtrl->Invalidate();
}

// Printing of the view: the control draws each page; the view gives it the page, the font and the mapping.
#include "KTSyntaxEditView.h"

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
    return DoPreparePrinting(pInfo);
}

// The page count needs the printer's own metrics: it is made here, on the job's DC, with the loop's rule.
void CKTSyntaxEditView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    pCtrl->SetRedraw(FALSE);
    m_nSavedTopRow = pCtrl->GetTopRow();
    const int nSavedDC = pDC->SaveDC();
    OnPrepareDC(pDC, NULL);
    CPrintFontScope font(m_lfPrintFont);
    const CRect rcArea = PrintableArea(pDC);
    pCtrl->GetPrinter().SetPageSize(rcArea.Width(), rcArea.Height());
    pInfo->SetMaxPage(pCtrl->GetPrinter().CalcPages(pDC));
    pDC->RestoreDC(nSavedDC);
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

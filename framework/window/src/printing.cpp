// Printing from a view: the job's record, the printer dialog and the page loop.
#include <cstring>
#include "afxdlgs.h"
#include "global_copy.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

namespace
{

// The print dialog's DC lent to the view for one job: given back at the end
// of the job however it ends, never deleted (the dialog deletes it).
class CPrintJobDC : public CDC
{
public:
    explicit CPrintJobDC(HDC hDC)
    {
        Attach(hDC);
        m_bPrinting = TRUE;
    }
    ~CPrintJobDC() override { Detach(); }
};

}  // namespace

CPrintInfo::CPrintInfo() : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION))
{
    SetMinPage(1);
    SetMaxPage(0xffff);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xffff;
}

CPrintInfo::~CPrintInfo() { delete m_pPD; }

void CPrintInfo::SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = (WORD)nMinPage; }
void CPrintInfo::SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = (WORD)nMaxPage; }
UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }
UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

UINT CPrintInfo::GetFromPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const { return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage(); }

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_pd.lStructSize = sizeof(PRINTDLG);
    m_pd.Flags = dwFlags | PD_RETURNDC;
    if (bPrintSetupOnly)
        m_pd.Flags = (dwFlags & ~PD_RETURNDC) | PD_PRINTSETUP;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC)
        ::DeleteDC(m_pd.hDC);
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal()
{
    // The printer chosen in print setup is where a new dialog starts.
    CWinApp* pApp = AfxGetApp();
    if (pApp && !m_pd.hDevMode && !m_pd.hDevNames)
    {
        m_pd.hDevMode = AfxCopyGlobalMemory(pApp->m_hDevMode);
        m_pd.hDevNames = AfxCopyGlobalMemory(pApp->m_hDevNames);
    }
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    m_pd.hwndOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    // A DC from an earlier run is replaced by the new one.
    if (m_pd.hDC)
    {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    return ::PrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL bResult = DoModal() == IDOK;
    m_pd.Flags = dwFlags;
    return bResult;
}

CString CPrintDialog::GetDeviceName() const
{
    if (!m_pd.hDevNames)
        return "";
    LPDEVNAMES lpDevNames = (LPDEVNAMES)::GlobalLock(m_pd.hDevNames);
    CString strName = lpDevNames ? (LPCTSTR)lpDevNames + lpDevNames->wDeviceOffset : "";
    ::GlobalUnlock(m_pd.hDevNames);
    return strName;
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // Without page count, printing stops after the first page.
    if (pInfo && pInfo->GetMaxPage() == 0xffff)
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage == 1;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    // A preview asks nothing: it measures on the default printer, or on the screen when there is none.
    if (pInfo->m_bPreview)
    {
        pInfo->m_pPD->GetDefaults();
        return TRUE;
    }
    if (pInfo->m_bDirect)
    {
        if (!pInfo->m_pPD->GetDefaults())
            return FALSE;
    }
    else
    {
        pInfo->m_pPD->m_pd.nFromPage = (WORD)pInfo->GetMinPage();
        pInfo->m_pPD->m_pd.nToPage = (WORD)pInfo->GetMaxPage();
        if (pInfo->m_pPD->DoModal() != IDOK)
            return FALSE;
    }
    return pInfo->m_pPD->m_pd.hDC != nullptr;
}

BOOL CView::PrintPages(CDC* pDC, CPrintInfo* pInfo)
{
    for (UINT nPage = pInfo->GetFromPage(); nPage <= pInfo->GetToPage(); nPage++)
    {
        pInfo->m_nCurPage = nPage;
        OnPrepareDC(pDC, pInfo);
        if (!pInfo->m_bContinuePrinting)
            break;
        if (pDC->StartPage() <= 0)
            return FALSE;
        pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        pDC->DPtoLP(&pInfo->m_rectDraw);
        OnPrint(pDC, pInfo);
        if (pDC->EndPage() <= 0)
            return FALSE;
    }
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    printInfo.m_bDirect = pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&printInfo))
        return;
    CPrintJobDC dcPrint(printInfo.m_pPD->m_pd.hDC);
    CString strTitle = m_pDocument ? m_pDocument->GetTitle() : CString();
    DOCINFO docInfo{};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = strTitle;
    if (dcPrint.StartDoc(&docInfo) <= 0)
    {
        AfxMessageBox("Failed to start printing.");
        return;
    }
    OnBeginPrinting(&dcPrint, &printInfo);
    BOOL bPrinted = PrintPages(&dcPrint, &printInfo);
    OnEndPrinting(&dcPrint, &printInfo);
    if (bPrinted)
        dcPrint.EndDoc();
    else
        dcPrint.AbortDoc();
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dlg(TRUE);
    if (dlg.DoModal() != IDOK)
        return;
    // The choice moves to the application.
    if (m_hDevMode)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames)
        ::GlobalFree(m_hDevNames);
    m_hDevMode = dlg.m_pd.hDevMode;
    m_hDevNames = dlg.m_pd.hDevNames;
    dlg.m_pd.hDevMode = nullptr;
    dlg.m_pd.hDevNames = nullptr;
}

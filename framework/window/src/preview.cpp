// Print preview: the frame steps aside, the preview window shows the pages the print view draws, and Close
// gives the frame back as it was.
#include <algorithm>
#include "afxdlgs.h"
#include "afxpriv.h"

IMPLEMENT_DYNCREATE(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
END_MESSAGE_MAP()

namespace
{
struct PreviewButton
{
    UINT nID;
    const char* pszText;
};

const PreviewButton kButtons[] = {{AFX_ID_PREVIEW_PRINT, "&Print..."}, {AFX_ID_PREVIEW_NEXT, "&Next Page"},
                                  {AFX_ID_PREVIEW_PREV, "Pre&v Page"}, {AFX_ID_PREVIEW_NUMPAGE, "&Two Page"},
                                  {AFX_ID_PREVIEW_ZOOMIN, "Zoom &In"}, {AFX_ID_PREVIEW_ZOOMOUT, "Zoom &Out"},
                                  {AFX_ID_PREVIEW_CLOSE, "&Close"}};
const int kButtonWidth = 80;
const int kButtonHeight = 24;
const int kBarHeight = kButtonHeight + 8;
const int kPageGap = 8;
const int kMaxZoom = 4;
}  // namespace

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (bPreview)
    {
        pState->hWndFocus = ::GetFocus();
        pState->hMenu = ::GetMenu(m_hWnd);
        if (pState->hMenu)
            ::SetMenu(m_hWnd, nullptr);
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            if (!::IsWindowVisible(hChild))
                continue;
            pState->hidden.push_back(hChild);
            ::ShowWindow(hChild, SW_HIDE);
        }
        m_pPreviewState = pState;
        return;
    }
    m_pPreviewState = nullptr;
    for (HWND hChild : pState->hidden)
        if (::IsWindow(hChild))
            ::ShowWindow(hChild, SW_SHOWNA);
    if (pState->hMenu)
        ::SetMenu(m_hWnd, pState->hMenu);
    RecalcLayout();
    if (::IsWindow(pState->hWndFocus))
        ::SetFocus(pState->hWndFocus);
}

void CView::OnFilePrintPreview()
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    if (!pFrame || pFrame->IsInPreview())
        return;
    auto* pState = new CPrintPreviewState;
    pFrame->OnSetPreviewMode(TRUE, pState);
    auto* pPreview = new CPreviewView;
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    if (!pPreview->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rcClient, pFrame,
                          AFX_IDW_PREVIEW_BAR))
    {
        pFrame->OnSetPreviewMode(FALSE, pState);
        delete pState;
        return;
    }
    if (!pPreview->SetPrintView(this, pFrame, pState))
    {
        pPreview->DestroyWindow();
        return;
    }
    pPreview->SetFocus();
}

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView()
{
    for (HENHMETAFILE hPage : m_pages)
        if (hPage)
            ::DeleteEnhMetaFile(hPage);
    if (m_hScreenDC)
        ::DeleteDC(m_hScreenDC);
}

// The state goes with the window: whatever ends the preview gives the frame back.
void CPreviewView::PostNcDestroy()
{
    EndPreview();
    CView::PostNcDestroy();
}

void CPreviewView::EndPreview()
{
    if (m_pInfo && m_pPrintView && ::IsWindow(m_pPrintView->GetSafeHwnd()))
    {
        CDC dcJob;
        dcJob.Attach(m_pInfo->m_pPD->m_pd.hDC ? m_pInfo->m_pPD->m_pd.hDC : m_hScreenDC);
        m_pPrintView->OnEndPrinting(&dcJob, m_pInfo.get());
        dcJob.Detach();
    }
    m_pInfo.reset();
    if (m_pFrame && m_pState)
        m_pFrame->OnSetPreviewMode(FALSE, m_pState);
    delete m_pState;
    m_pState = nullptr;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView, CFrameWnd* pFrame, CPrintPreviewState* pState)
{
    m_pPrintView = pPrintView;
    m_pFrame = pFrame;
    m_pState = pState;
    m_pInfo = std::make_unique<CPrintInfo>();
    m_pInfo->m_bPreview = TRUE;
    if (!CreateButtons() || !pPrintView->OnPreparePrinting(m_pInfo.get()))
        return FALSE;
    if (!m_pInfo->m_pPD->m_pd.hDC)
        m_hScreenDC = ::CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    CDC dcJob;
    dcJob.Attach(m_pInfo->m_pPD->m_pd.hDC ? m_pInfo->m_pPD->m_pd.hDC : m_hScreenDC);
    dcJob.m_bPrinting = TRUE;
    pPrintView->OnBeginPrinting(&dcJob, m_pInfo.get());
    dcJob.Detach();
    ShowPage(m_pInfo->GetMinPage());
    return TRUE;
}

BOOL CPreviewView::CreateButtons()
{
    int x = kPageGap;
    for (const PreviewButton& button : kButtons)
    {
        auto pButton = std::make_unique<CButton>();
        if (!pButton->Create(button.pszText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                             CRect(x, 4, x + kButtonWidth, 4 + kButtonHeight), this, button.nID))
            return FALSE;
        pButton->SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        m_buttons.push_back(std::move(pButton));
        x += kButtonWidth + 4;
    }
    return TRUE;
}

CButton* CPreviewView::GetButton(UINT nID)
{
    for (auto& pButton : m_buttons)
        if ((UINT)pButton->GetDlgCtrlID() == nID)
            return pButton.get();
    return nullptr;
}

UINT CPreviewView::GetPageCount() const { return m_pInfo ? std::max(m_pInfo->GetMaxPage(), m_pInfo->GetMinPage()) : 0; }

void CPreviewView::ShowPage(UINT nPage)
{
    m_nCurrentPage = std::clamp(nPage, 1u, std::max(GetPageCount(), 1u));
    UpdateButtons();
    Invalidate();
}

void CPreviewView::UpdateButtons()
{
    const UINT nLastShown = m_nCurrentPage + m_nShownPages - 1;
    GetButton(AFX_ID_PREVIEW_NEXT)->EnableWindow(nLastShown < GetPageCount());
    GetButton(AFX_ID_PREVIEW_PREV)->EnableWindow(m_nCurrentPage > 1);
    GetButton(AFX_ID_PREVIEW_NUMPAGE)->SetWindowText(m_nShownPages == 1 ? "&Two Page" : "&One Page");
    GetButton(AFX_ID_PREVIEW_ZOOMIN)->EnableWindow(m_nZoom < kMaxZoom);
    GetButton(AFX_ID_PREVIEW_ZOOMOUT)->EnableWindow(m_nZoom > 1);
}

// The page as the print view draws it on the job's DC, framed as a whole page.
HENHMETAFILE CPreviewView::PageFile(UINT nPage)
{
    if (nPage < 1 || nPage > GetPageCount() || !m_pInfo)
        return nullptr;
    if (m_pages.size() < nPage)
        m_pages.resize(nPage, nullptr);
    if (m_pages[nPage - 1])
        return m_pages[nPage - 1];
    HDC hReference = m_pInfo->m_pPD->m_pd.hDC ? m_pInfo->m_pPD->m_pd.hDC : m_hScreenDC;
    const CRect rcFrame(0, 0, ::GetDeviceCaps(hReference, HORZSIZE) * 100, ::GetDeviceCaps(hReference, VERTSIZE) * 100);
    CDC dc;
    if (!dc.Attach(::CreateEnhMetaFile(hReference, nullptr, &rcFrame, nullptr)))
        return nullptr;
    dc.m_bPrinting = TRUE;
    m_pInfo->m_nCurPage = nPage;
    m_pPrintView->OnPrepareDC(&dc, m_pInfo.get());
    m_pInfo->m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.DPtoLP(&m_pInfo->m_rectDraw);
    m_pPrintView->OnPrint(&dc, m_pInfo.get());
    m_pages[nPage - 1] = ::CloseEnhMetaFile(dc.Detach());
    return m_pages[nPage - 1];
}

// The shown pages fit side by side below the buttons, in the shape of the paper, at the zoom.
CRect CPreviewView::GetPageRect(int nIndex) const
{
    if (!m_pInfo || m_nCurrentPage + nIndex > GetPageCount() || (UINT)nIndex >= m_nShownPages)
        return CRect();
    HDC hReference = m_pInfo->m_pPD->m_pd.hDC ? m_pInfo->m_pPD->m_pd.hDC : m_hScreenDC;
    const int cxPaper = std::max(::GetDeviceCaps(hReference, HORZSIZE), 1);
    const int cyPaper = std::max(::GetDeviceCaps(hReference, VERTSIZE), 1);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cxSlot = (rcClient.Width() - kPageGap) / (int)m_nShownPages - kPageGap;
    const int cySlot = rcClient.Height() - kBarHeight - 2 * kPageGap;
    int cyPage = std::min(cySlot, ::MulDiv(cxSlot, cyPaper, cxPaper)) * m_nZoom;
    int cxPage = ::MulDiv(cyPage, cxPaper, cyPaper);
    cxPage = std::max(cxPage, 1);
    cyPage = std::max(cyPage, 1);
    const int x = kPageGap + nIndex * (cxSlot + kPageGap) + std::max(cxSlot - cxPage, 0) / 2;
    return CRect(x, kBarHeight + kPageGap, x + cxPage, kBarHeight + kPageGap + cyPage);
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_APPWORKSPACE));
    pDC->FillSolidRect(0, 0, rcClient.Width(), kBarHeight, ::GetSysColor(COLOR_BTNFACE));
    for (UINT i = 0; i < m_nShownPages; i++)
    {
        const CRect rcPage = GetPageRect((int)i);
        if (rcPage.IsRectEmpty())
            continue;
        pDC->FillSolidRect(&rcPage, RGB(255, 255, 255));
        pDC->Draw3dRect(rcPage.left - 1, rcPage.top - 1, rcPage.Width() + 2, rcPage.Height() + 2, RGB(0, 0, 0),
                        RGB(0, 0, 0));
        if (HENHMETAFILE hPage = PageFile(m_nCurrentPage + i))
            ::PlayEnhMetaFile(pDC->GetSafeHdc(), hPage, &rcPage);
    }
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    Invalidate();
}

void CPreviewView::OnPreviewClose() { DestroyWindow(); }

// The job is printed from the view, as its own print command does, once the preview is gone.
void CPreviewView::OnPreviewPrint()
{
    CView* pPrintView = m_pPrintView;
    DestroyWindow();
    if (pPrintView && ::IsWindow(pPrintView->GetSafeHwnd()))
        pPrintView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnNextPage() { ShowPage(m_nCurrentPage + 1); }

void CPreviewView::OnPrevPage() { ShowPage(m_nCurrentPage - 1); }

void CPreviewView::OnNumPageChange()
{
    m_nShownPages = m_nShownPages == 1 ? 2 : 1;
    ShowPage(m_nCurrentPage);
}

void CPreviewView::OnZoomIn()
{
    m_nZoom = std::min(m_nZoom * 2, kMaxZoom);
    ShowPage(m_nCurrentPage);
}

void CPreviewView::OnZoomOut()
{
    m_nZoom = std::max(m_nZoom / 2, 1);
    ShowPage(m_nCurrentPage);
}

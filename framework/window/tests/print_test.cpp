// Printing from a view: the job's page range, and the page loop on the
// default printer when the system has one (nothing and no box otherwise).
#include <gtest/gtest.h>
#include "afxdlgs.h"
#include "afxpriv.h"
#include "PixelImage.h"
#include "TestApp.h"

namespace
{

class CPrintingView : public CView
{
public:
    std::vector<UINT> m_pagesPrinted;
    int m_nBegins = 0;
    int m_nEnds = 0;
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(2);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo*) override { m_nBegins += pDC->IsPrinting() ? 1 : 0; }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_pagesPrinted.push_back(pInfo->m_nCurPage);
        pDC->TextOut(pInfo->m_rectDraw.left, pInfo->m_rectDraw.top, "page");
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { m_nEnds++; }

protected:
    void PostNcDestroy() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPrintingView, CView)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

// Each page is one colour filling its drawing area: red, green, blue.
class CColourPagesView : public CPrintingView
{
public:
    static COLORREF PageColour(UINT nPage)
    {
        return nPage == 1 ? RGB(255, 0, 0) : nPage == 2 ? RGB(0, 255, 0) : RGB(0, 0, 255);
    }
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(3);
        return DoPreparePrinting(pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_pagesPrinted.push_back(pInfo->m_nCurPage);
        pDC->FillSolidRect(&pInfo->m_rectDraw, PageColour(pInfo->m_nCurPage));
    }
};

// The preview drawn off screen, so that no other window can cover it.
int PixelsOf(CPreviewView& preview, int nIndex, COLORREF clr)
{
    CRect rcClient;
    preview.GetClientRect(&rcClient);
    CClientDC dcWindow(&preview);
    CDC dc;
    dc.CreateCompatibleDC(&dcWindow);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcWindow, rcClient.Width(), rcClient.Height());
    CBitmap* pOld = dc.SelectObject(&bitmap);
    preview.OnDraw(&dc);
    const int nCount = CPixelImage::FromDC(dc.GetSafeHdc(), preview.GetPageRect(nIndex)).CountNear(clr, 8);
    dc.SelectObject(pOld);
    return nCount;
}

}  // namespace

TEST(Printing, PageRangeComesFromTheViewOrTheUsersChoice)
{
    CPrintInfo info;
    info.SetMinPage(1);
    info.SetMaxPage(5);
    EXPECT_EQ(1u, info.GetFromPage());
    EXPECT_EQ(5u, info.GetToPage());
    info.m_pPD->m_pd.Flags |= PD_PAGENUMS;
    info.m_pPD->m_pd.nFromPage = 2;
    info.m_pPD->m_pd.nToPage = 3;
    EXPECT_EQ(2u, info.GetFromPage());
    EXPECT_EQ(3u, info.GetToPage());
}

TEST(Printing, DirectPrintRunsEveryPageOnTheDefaultPrinter)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "print parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr));
    CPrintingView view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50), &parent, 1));
    size_t nMessages = theApp.m_messages.size();
    CPrintDialog probe(FALSE);
    BOOL bHasPrinter = probe.GetDefaults();
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    if (bHasPrinter)
    {
        EXPECT_EQ((std::vector<UINT>{1, 2}), view.m_pagesPrinted);
        EXPECT_EQ(1, view.m_nBegins);
        EXPECT_EQ(1, view.m_nEnds);
    }
    else
    {
        EXPECT_TRUE(view.m_pagesPrinted.empty());
        EXPECT_EQ(nMessages, theApp.m_messages.size()) << "no printer is not an error to report";
    }
    view.DestroyWindow();
    parent.DestroyWindow();
}

TEST(Printing, PreviewShowsThePagesInTheFrameAndCloseGivesTheFrameBack)
{
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(MainFrameForTests());
    CColourPagesView view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50), pFrame, 1));
    pFrame->ShowWindow(SW_SHOW);
    const size_t nMessages = theApp.m_messages.size();
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    auto* pPreview = dynamic_cast<CPreviewView*>(pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    ASSERT_NE(nullptr, pPreview);
    EXPECT_FALSE(view.IsWindowVisible()) << "the frame's other windows step aside";
    EXPECT_EQ(nMessages, theApp.m_messages.size()) << "no printer is no error: the screen stands in";
    EXPECT_EQ(1, view.m_nBegins);
    EXPECT_EQ(3u, pPreview->GetPageCount());
    EXPECT_GT(PixelsOf(*pPreview, 0, RGB(255, 0, 0)), 1000);

    pPreview->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(2u, pPreview->GetShownPages());
    EXPECT_GT(PixelsOf(*pPreview, 1, RGB(0, 255, 0)), 1000) << "page 2 beside page 1";
    pPreview->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(2u, pPreview->GetCurrentPage());
    EXPECT_GT(PixelsOf(*pPreview, 1, RGB(0, 0, 255)), 1000);
    EXPECT_FALSE(pPreview->GetButton(AFX_ID_PREVIEW_NEXT)->IsWindowEnabled()) << "page 3 is the last";
    EXPECT_EQ((std::vector<UINT>{1, 2, 3}), view.m_pagesPrinted) << "each page is drawn once";

    pPreview->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(nullptr, pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    EXPECT_FALSE(pFrame->IsInPreview());
    EXPECT_TRUE(view.IsWindowVisible());
    EXPECT_EQ(1, view.m_nEnds);
    view.DestroyWindow();
}

// Printing from a view: the job's page range, and the page loop on the
// default printer when the system has one (nothing and no box otherwise).
#include <gtest/gtest.h>
#include "afxdlgs.h"
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
END_MESSAGE_MAP()

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

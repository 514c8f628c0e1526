// RibbonContextHeaderTests.cpp: headers over runs of context tabs, their fitting into the caption and their pixels.
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "RibbonTestFrame.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kGreen = RGB(40, 160, 60);
const COLORREF kBlue = RGB(40, 80, 200);

class RibbonContextHeaders : public ::testing::Test
{
protected:
    CKTRibbonTab* AddContextTab(LPCSTR lpszCaption, COLORREF clr, LPCSTR lpszContext)
    {
        CKTRibbonTab* pTab = m_pBar->AddTab(lpszCaption);
        pTab->SetContextTab(clr, lpszContext);
        return pTab;
    }
    const KT_RIBBONCONTEXTHEADER* Header(int nIndex) const { return m_pBar->GetContextHeaders().GetAt(nIndex); }

    CRibbonTestFrame m_frame;
    CKTRibbonBar* m_pBar = m_frame.GetRibbon();
};
}  // namespace

TEST_F(RibbonContextHeaders, OneHeaderPerRunOfOneColourAndCaption)
{
    CKTRibbonTab* pFormat = AddContextTab("Format", kGreen, "Picture");
    CKTRibbonTab* pArrange = AddContextTab("Arrange", kGreen, "Picture");
    CKTRibbonTab* pDesign = AddContextTab("Design", kGreen, "Table");
    CKTRibbonTab* pLayout = AddContextTab("Layout", kBlue, "Table");
    ASSERT_EQ(3, m_pBar->GetContextHeaders().GetCount());

    EXPECT_EQ(pFormat, Header(0)->pFirstTab);
    EXPECT_EQ(pArrange, Header(0)->pLastTab);
    EXPECT_EQ(pFormat->GetRect().left, Header(0)->rc.left);
    EXPECT_EQ(pArrange->GetRect().right, Header(0)->rc.right);
    EXPECT_EQ(m_pBar->GetCaptionRect().top + 4, Header(0)->rc.top);
    EXPECT_EQ(m_pBar->GetCaptionRect().bottom, Header(0)->rc.bottom);
    EXPECT_EQ(Header(0), pArrange->GetContextHeader());
    EXPECT_EQ(pDesign, Header(1)->pFirstTab) << "same colour, another caption";
    EXPECT_EQ(pLayout, Header(2)->pFirstTab) << "same caption, another colour";
    EXPECT_EQ(NULL, m_pBar->GetControlTab()->GetTab(0)->GetContextHeader());

    // A hidden context tab takes no part; an ordinary tab between two ends a run.
    pDesign->SetVisible(FALSE);
    m_pBar->OnRecalcLayout();
    EXPECT_EQ(2, m_pBar->GetContextHeaders().GetCount());
    EXPECT_EQ(NULL, pDesign->GetContextHeader());

    // Without a caption strip there is nowhere to put them.
    m_pBar->SetCaptionVisible(FALSE);
    EXPECT_EQ(0, m_pBar->GetContextHeaders().GetCount());
    EXPECT_EQ(NULL, pFormat->GetContextHeader());
}

TEST_F(RibbonContextHeaders, ANarrowHeaderIsWidenedAndTheCaptionShowsIt)
{
    CKTRibbonTab* pTab = AddContextTab("", kGreen, "Ink");
    ASSERT_LT(pTab->GetRect().Width(), 40) << "the test wants a tab narrower than a header's least width";
    ASSERT_EQ(1, m_pBar->GetContextHeaders().GetCount());
    EXPECT_EQ(pTab->GetRect().left, Header(0)->rc.left);
    EXPECT_EQ(40, Header(0)->rc.Width());

    // The widened header pushes the next one along.
    AddContextTab("", kBlue, "Pen");
    ASSERT_EQ(2, m_pBar->GetContextHeaders().GetCount());
    EXPECT_EQ(Header(0)->rc.right, Header(1)->rc.left);
    EXPECT_EQ(40, Header(1)->rc.Width());

    m_pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    CRect rc = Header(0)->rc;
    m_pBar->ClientToScreen(&rc);
    CDC* pScreen = CDC::FromHandle(::GetDC(NULL));
    EXPECT_TRUE(PumpUntil([&] { return pScreen->GetPixel(rc.left + 2, rc.bottom - 2) == kGreen; }));
    ::ReleaseDC(NULL, pScreen->GetSafeHdc());
}

TEST_F(RibbonContextHeaders, HeadersThatCannotFitAreDropped)
{
    for (int i = 0; i < 12; i++)
        AddContextTab("Context", i % 2 ? kGreen : kBlue, "Tools");
    m_frame.SetClientWidth(300);
    const CKTRibbonContextHeaders& headers = m_pBar->GetContextHeaders();
    for (int i = 0; i < headers.GetCount(); i++)
    {
        EXPECT_GE(headers.GetAt(i)->rc.left, m_pBar->GetCaptionRect().left);
        EXPECT_LE(headers.GetAt(i)->rc.right, m_pBar->GetCaptionRect().right);
        EXPECT_GE(headers.GetAt(i)->rc.Width(), 40);
    }
    EXPECT_EQ(0, headers.GetCount()) << "twelve headers of 40 pixels cannot share 300";
}

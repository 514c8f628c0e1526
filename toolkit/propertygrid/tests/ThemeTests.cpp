// ThemeTests.cpp: what each look changes, read back as pixels of a real grid or as its colours.
#include <gtest/gtest.h>

#include "GridTestWindow.h"
#include "KTColorManager.h"
#include "KTDrawObjects.h"
#include "KTPropertyGridPainter.h"
#include "MessagePump.h"

namespace
{

class ThemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_owner.Reset();
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 300, 300), &m_owner, 0));
        CKTPropertyGridItem* pCategory = m_grid.GetGridView()->AddCategory("Category");
        m_pFirst = pCategory->AddChildItem(new CKTPropertyGridItem("First", "1"));
        m_pLast = pCategory->AddChildItem(new CKTPropertyGridItem("Last", "2"));
        pCategory->Expand();
        m_pView = m_grid.GetGridView();
    }
    void TearDown() override { KTColorManager()->SetLunaTheme(ktSystemThemeAuto); }
    CRect RowRect(CKTPropertyGridItem* pItem)
    {
        CRect rc;
        m_pView->GetItemRect(pItem->GetIndex(), rc);
        return rc;
    }
    COLORREF Pixel(int x, int y)
    {
        m_pView->Invalidate(FALSE);
        return ClientPixel(m_pView, CPoint(x, y));
    }
    COLORREF Color(int nIndex) { return m_grid.GetPainter()->GetMetrics()->Color(nIndex); }
    void Select(CKTPropertyGridItem* pItem)
    {
        m_pView->SetCurSel(pItem->GetIndex());
        m_pView->OnSelectionChanged();
    }

    CGridOwner& m_owner = CGridOwner::Shared();
    CKTPropertyGrid m_grid;
    CKTPropertyGridView* m_pView = nullptr;
    CKTPropertyGridItem* m_pFirst = nullptr;
    CKTPropertyGridItem* m_pLast = nullptr;
};

}  // namespace

TEST_F(ThemeTest, EtchedLookFramesTheSelectedRowWhereverTheFocusIs)
{
    m_grid.SetTheme(ktPropertyGridThemeEtched);
    m_pFirst->SetFlags(0);  // no edit over the value
    Select(m_pFirst);
    CRect rc = RowRect(m_pFirst);
    for (BOOL bFocusInView : {TRUE, FALSE})
    {
        if (bFocusInView)
            m_pView->SetFocus();
        else
            m_owner.SetFocus();
        EXPECT_EQ(RGB(0, 0, 128), Pixel(rc.left, rc.top + 3)) << "frame, focus in view " << bFocusInView;
        EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), Pixel(rc.left + 30, rc.bottom - 1));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), Pixel(rc.left + 2, rc.top + 1)) << "not filled";
    }
    CRect rcLast = RowRect(m_pLast);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), Pixel(0, rcLast.bottom - 1)) << "dotted end";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), Pixel(1, rcLast.bottom - 1));
    int nDivider = m_pView->GetDividerPos();
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), Pixel(nDivider - 1, rcLast.top + 2)) << "etched divider";
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), Pixel(nDivider, rcLast.top + 2));
}

TEST_F(ThemeTest, TreeLinesAndMarginLooksCloseTheLastRowFromTheLeftEdge)
{
    CRect rcFirst = RowRect(m_pFirst);
    CRect rcLast = RowRect(m_pLast);
    m_grid.SetTheme(ktPropertyGridThemeTreeLines);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), Pixel(0, rcLast.bottom - 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), Pixel(13, rcFirst.top + 2)) << "the band's right edge";
    m_grid.SetTheme(ktPropertyGridThemeMargin);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), Pixel(0, rcLast.bottom - 1));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), Pixel(0, rcFirst.bottom - 1)) << "other rows start at the margin";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), Pixel(13, rcFirst.top + 2)) << "the margin line";
    m_grid.SetTheme(ktPropertyGridThemeDefault);
    EXPECT_EQ(::GetSysColor(COLOR_SCROLLBAR), Pixel(0, rcLast.bottom - 1)) << "the base: an indentation band";
}

TEST_F(ThemeTest, SchemeLooksFollowTheColourScheme)
{
    KTColorManager()->SetLunaTheme(ktSystemThemeOlive);
    m_grid.SetTheme(ktPropertyGridThemeSchemeBorder);
    EXPECT_EQ(RGB(164, 185, 127), m_grid.GetPainter()->GetBorderColor());
    m_grid.SetTheme(ktPropertyGridThemeScheme);
    EXPECT_EQ(RGB(243, 242, 231), m_grid.GetPainter()->GetBackgroundColor());
    EXPECT_EQ(RGB(188, 187, 177), m_grid.GetPainter()->GetBorderColor());
    EXPECT_EQ(RGB(197, 212, 159), Color(ktGridColorCategoryBack));
    EXPECT_EQ(RGB(0, 0, 0), Color(ktGridColorCategoryText));

    KTColorManager()->DisableLunaColors(TRUE);
    m_grid.SendMessage(WM_SYSCOLORCHANGE);
    KTColorManager()->DisableLunaColors(FALSE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), m_grid.GetPainter()->GetBackgroundColor()) << "scheme colours off";

    m_grid.SetTheme(ktPropertyGridThemeFlatButtons);
    EXPECT_EQ(KTColorManager()->GetColor(KTCOLOR_TOOLBAR_FACE), Color(ktGridColorCategoryBack));
    EXPECT_EQ(ktGridVisualStyleFlat, m_grid.GetPainter()->GetVisualStyleMode());
}

TEST_F(ThemeTest, ItemColoursAndBorderStyle)
{
    CKTPropertyGridPainter* pPainter = m_grid.GetPainter();
    m_pLast->SetReadOnly(TRUE);
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), pPainter->GetItemTextColor(m_pLast, TRUE));
    m_pLast->GetValueMetrics()->Color(ktGridColorItemText).SetCustomValue(RGB(200, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), pPainter->GetItemTextColor(m_pLast, TRUE)) << "an item's own colour wins";
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), pPainter->GetItemTextColor(m_pLast, FALSE));

    m_pFirst->SetValue("changed");
    EXPECT_EQ(pPainter->GetNormalFont(), pPainter->GetItemFont(m_pFirst, TRUE));
    m_grid.HighlightChangedItems(TRUE);
    EXPECT_EQ(pPainter->GetBoldFont(), pPainter->GetItemFont(m_pFirst, TRUE));

    CRect rcWindow = CKTWindowRect(m_pView);
    m_grid.SetBorderStyle(ktGridBorderSunken);
    m_grid.RedrawAll();
    CRect rcClient = CKTClientRect(m_pView);
    m_pView->ClientToScreen(&rcClient);
    EXPECT_EQ(rcWindow.left + 2, rcClient.left);
    EXPECT_EQ(rcWindow.top + 2, rcClient.top);
    EXPECT_EQ(rcWindow.bottom - 2, rcClient.bottom);
}

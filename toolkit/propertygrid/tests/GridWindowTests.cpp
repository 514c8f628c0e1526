// GridWindowTests.cpp: the field page in a real window: look-ups, rows, divider, splitters and theme-6 pixels.
#include <gtest/gtest.h>

#include "FieldPageTest.h"
#include "KTPropertyGridPainter.h"
#include "PropertyGridTestsRes.h"

TEST_F(FieldPageTest, CaptionLookUpsAreExactAndConstraintLookUpsIgnoreCase)
{
    EXPECT_STREQ("Field Settings", m_pCategory->GetCaption());
    EXPECT_EQ(static_cast<UINT>(IDS_FIELD_SETTINGS), m_pCategory->GetID());
    EXPECT_TRUE(m_pCategory->IsCategory());
    CKTPropertyGridItem* pUnit = Find("Unit");
    ASSERT_NE(nullptr, pUnit);
    EXPECT_EQ(nullptr, Find("unit"));
    EXPECT_EQ(pUnit, m_pView->GetCategories()->FindItem(IDS_FIELD_UNIT));
    EXPECT_EQ(0, pUnit->GetConstraints()->FindConstraint("BYTE"));
    EXPECT_EQ(2, pUnit->GetConstraints()->FindConstraint("tlv"));

    CKTPropertyGridItem* pDataType = Find("Data Type");
    ASSERT_NE(nullptr, pDataType);
    EXPECT_EQ(10, pDataType->GetConstraints()->GetCount());
    EXPECT_EQ(9, pDataType->GetConstraints()->FindConstraint("CHAR *"));
    EXPECT_EQ(static_cast<UINT>(KTPGF_HASEDIT | KTPGF_HASCOMBOBUTTON), pDataType->GetFlags());

    CKTPropertyGridItem* pTag = Find("Tag");
    ASSERT_NE(nullptr, pTag);
    EXPECT_TRUE(pTag->IsMaskOn());
    EXPECT_STREQ("0x________", pTag->GetLiteral());
}

TEST_F(FieldPageTest, RowsFollowTheTableAtTheDefaultHeight)
{
    static const char* const kCaptions[] = {"Field Settings", "Name",           "Unit",          "Data Type",
                                            "Max Length",     "Max Count",      "Related Count", "Attribute",
                                            "Variant",        "Related Length", "Type",          "Tag"};
    ASSERT_EQ(12, m_pView->GetCount());
    CClientDC dc(m_pView);
    CKTFontDC font(&dc, m_grid.GetPainter()->GetNormalFont());
    int nExpected = dc.GetTextExtent(" ", 1).cy + 4;
    EXPECT_EQ(nExpected, m_pView->GetDefaultRowHeight());
    for (int i = 0; i < m_pView->GetCount(); i++)
    {
        EXPECT_STREQ(kCaptions[i], m_pView->GetItem(i)->GetCaption());
        EXPECT_EQ(i, m_pView->GetItem(i)->GetIndex());
        EXPECT_EQ(nExpected, m_pView->GetItemHeight(i));
    }

    int nExpandNotices = m_owner.Count(KTPGN_ITEMEXPANDCHANGED);
    m_pCategory->Collapse();
    EXPECT_EQ(1, m_pView->GetCount());
    EXPECT_FALSE(Find("Unit")->IsVisible());
    EXPECT_EQ(-1, Find("Unit")->GetIndex());
    m_pCategory->Expand();
    EXPECT_EQ(12, m_pView->GetCount());
    EXPECT_EQ(nExpandNotices + 2, m_owner.Count(KTPGN_ITEMEXPANDCHANGED));
}

TEST_F(FieldPageTest, DividerIsDrawnHalfWayAndClampsItsFraction)
{
    int nWidth = CKTClientRect(m_pView).Width();
    int nDivider = m_pView->GetDividerPos();
    EXPECT_EQ(nWidth / 2, nDivider);
    CRect rcUnit = RowRect(Find("Unit"));
    COLORREF clrLine = m_grid.GetPainter()->GetMetrics()->Color(ktGridColorCategoryBack);
    EXPECT_EQ(clrLine, ClientPixel(m_pView, CPoint(nDivider, rcUnit.top + 2))) << "the divider line";
    EXPECT_EQ(clrLine, ClientPixel(m_pView, CPoint(nWidth - 5, rcUnit.bottom - 1))) << "the row's bottom line";
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ClientPixel(m_pView, CPoint(nDivider + 20, rcUnit.top + 1)));

    m_pView->SetDividerPos(5);
    EXPECT_DOUBLE_EQ(0.1, m_pView->GetDividerFraction());
    EXPECT_EQ(static_cast<int>(nWidth * 0.1), m_pView->GetDividerPos());
    m_pView->SetDividerPos(nWidth - 10);
    EXPECT_DOUBLE_EQ(0.85, m_pView->GetDividerFraction());
    m_pView->SetDividerProportional(FALSE);
    m_pView->SetDividerPos(nWidth + 50);
    EXPECT_EQ(nWidth, m_pView->GetDividerPos());
    m_pView->SetDividerPos(-3);
    EXPECT_EQ(1, m_pView->GetDividerPos());
}

TEST_F(FieldPageTest, HelpSplitterDragsClampAndEscapeLeavesThem)
{
    int nClientBottom = CKTClientRect(&m_grid).bottom;
    ASSERT_EQ(58, m_grid.GetHelpHeight());
    CRect rcViewBefore = CKTWindowRect(m_pView);
    EXPECT_EQ(nClientBottom - 58 - 3, CKTClientRect(m_pView).Height() + 2) << "view ends at the splitter";

    DragHelpSplitterTo(nClientBottom - 100);
    EXPECT_EQ(98, m_grid.GetHelpHeight());
    EXPECT_LT(CKTWindowRect(m_pView).Height(), rcViewBefore.Height());

    DragHelpSplitterTo(nClientBottom - 2);
    EXPECT_EQ(18, m_grid.GetHelpHeight()) << "the bar stops 20 pixels above the bottom";

    DragHelpSplitterTo(3);
    EXPECT_EQ(nClientBottom - 45 - 2, m_grid.GetHelpHeight()) << "the bar stops at y = 45";

    int nBefore = m_grid.GetHelpHeight();
    DragHelpSplitterTo(nClientBottom - 150, VK_ESCAPE);
    EXPECT_EQ(nBefore, m_grid.GetHelpHeight());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(FieldPageTest, CategoryRowAndFlatExpandBoxReadBackAsPixels)
{
    CRect rcCategory = RowRect(m_pCategory);
    COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(clrFace, ClientPixel(m_pView, CPoint(rcCategory.right - 3, rcCategory.top + 1)));
    EXPECT_EQ(clrFace, ClientPixel(m_pView, CPoint(0, rcCategory.bottom - 2))) << "the band starts at colour 2";
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), m_grid.GetPainter()->GetItemTextColor(m_pCategory, FALSE));
    EXPECT_EQ(clrFace, m_grid.GetPainter()->GetMetrics()->Color(ktGridColorCategoryBack));

    int yMiddle = rcCategory.CenterPoint().y;
    CRect rcBox(2, yMiddle - 4, 11, yMiddle + 5);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(clrShadow, ClientPixel(m_pView, CPoint(rcBox.left, rcBox.top + 4))) << "left outline";
    EXPECT_EQ(clrShadow, ClientPixel(m_pView, CPoint(rcBox.left + 4, rcBox.top))) << "top outline";
    EXPECT_EQ(clrFace, ClientPixel(m_pView, CPoint(rcBox.left, rcBox.top))) << "open corner";
    EXPECT_EQ(RGB(255, 255, 255), ClientPixel(m_pView, CPoint(rcBox.left + 1, rcBox.top + 1))) << "highlight";
    EXPECT_EQ(RGB(0, 0, 0), ClientPixel(m_pView, CPoint(rcBox.left + 4, rcBox.top + 4))) << "minus bar";
    EXPECT_EQ(RGB(255, 255, 255), ClientPixel(m_pView, CPoint(rcBox.left + 4, rcBox.top + 2)))
        << "expanded: no vertical bar";

    m_pCategory->Collapse();
    Settle();
    EXPECT_EQ(RGB(0, 0, 0), ClientPixel(m_pView, CPoint(rcBox.left + 4, rcBox.top + 2))) << "collapsed: plus";
    EXPECT_EQ(RGB(0, 0, 0), ClientPixel(m_pView, CPoint(rcBox.left + 4, rcBox.top + 6)));
}

TEST_F(FieldPageTest, ClickOnTheExpandBoxTogglesTheCategory)
{
    CRect rcCategory = RowRect(m_pCategory);
    Input().Click(CPoint(6, rcCategory.CenterPoint().y));
    EXPECT_FALSE(m_pCategory->IsExpanded());
    EXPECT_EQ(1, m_pView->GetCount());
    Input().Click(CPoint(6, rcCategory.CenterPoint().y));
    EXPECT_TRUE(m_pCategory->IsExpanded());
    EXPECT_EQ(12, m_pView->GetCount());
}

TEST_F(FieldPageTest, ThemeSixColoursOutliveASystemColourChange)
{
    m_grid.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), m_grid.GetPainter()->GetMetrics()->Color(ktGridColorCategoryBack));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), m_grid.GetPainter()->GetMetrics()->Color(ktGridColorCategoryText));
    m_grid.SetTheme(static_cast<KTPropertyGridTheme>(9));
    EXPECT_EQ(9, m_grid.GetTheme());
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), m_grid.GetPainter()->GetMetrics()->Color(ktGridColorCategoryText))
        << "an unknown id keeps the painter";
}

// A pane too short for the bar's range leaves the help panel no room
// instead of a negative height.
TEST(PropertyGridHelpPanel, ShortGridClampsTheHelpHeightAtZero)
{
    CGridOwner& owner = CGridOwner::Shared();
    owner.Reset();
    CKTPropertyGrid grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 50), &owner, 0));
    BuildFieldPage(grid);
    Settle();
    CRect rcHelp = grid.GetHelpRect();
    MoveCursor(ClientToScreenPoint(&grid, CPoint(100, rcHelp.top - 2)));
    LeftDown();
    QueueMove(ClientToScreenPoint(&grid, CPoint(100, 20)));
    LeftUp();
    Settle();
    EXPECT_EQ(0, grid.GetHelpHeight());
    EXPECT_EQ(CKTClientRect(&grid).bottom - 3, CKTWindowRect(grid.GetGridView()).Height());
    EXPECT_EQ(nullptr, ::GetCapture());
}

// The settings pane makes its grids with an empty rectangle and sizes them later.
TEST(PropertyGridLayout, AGridMadeEmptyTakesItsSizeLater)
{
    CGridOwner& owner = CGridOwner::Shared();
    owner.Reset();
    CKTPropertyGrid grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 0, 0), &owner, 0));
    EXPECT_TRUE(grid.IsWindowVisible());
    BuildFieldPage(grid);
    EXPECT_EQ(12, grid.GetGridView()->GetCount());
    grid.MoveWindow(0, 0, 320, 400);
    CRect rcView = CKTWindowRect(grid.GetGridView());
    grid.ScreenToClient(&rcView);
    EXPECT_EQ(CRect(0, 0, 320, 400 - 58 - 3), rcView);
    EXPECT_EQ(CRect(0, 400 - 58, 320, 400), grid.GetHelpRect());
}

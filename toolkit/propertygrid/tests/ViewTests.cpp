// ViewTests.cpp: orders, hidden rows, variable heights, notifications of rows and buttons, tooltips and Tab.
#include <gtest/gtest.h>

#include "GridTestWindow.h"
#include "KTDrawObjects.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridInplaceList.h"
#include "KTPropertyGridPainter.h"
#include "KTPropertyGridToolBar.h"
#include "KTPropertyGridToolTip.h"
#include "KTSystemInfo.h"

#include <commctrl.h>
#include "HeldKeys.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TestInput.h"

namespace
{

class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_owner.Reset();
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 300, 300), &m_owner, 0, m_dwListStyle));
        m_grid.SetOwner(&m_owner);
        m_pView = m_grid.GetGridView();
        m_pFirst = m_pView->AddCategory("First");
        for (const char* psz : {"b", "C", "a"})
            m_pFirst->AddChildItem(new CKTPropertyGridItem(psz, psz));
        m_pSecond = m_pView->AddCategory("Second");
        m_pSecond->AddChildItem(new CKTPropertyGridItem("B", "B"));
        m_pFirst->Expand();
        m_pSecond->Expand();
        m_owner.m_notices.clear();
    }
    std::string Rows()
    {
        std::string str;
        for (int i = 0; i < m_pView->GetCount(); i++)
            str += std::string(i ? " " : "") + static_cast<LPCSTR>(m_pView->GetItem(i)->GetCaption());
        return str;
    }
    CKTPropertyGridItem* Find(LPCSTR psz) { return m_pView->GetCategories()->FindItemByCaption(psz); }
    CRect RowRect(CKTPropertyGridItem* pItem)
    {
        CRect rc;
        m_pView->GetItemRect(pItem->GetIndex(), rc);
        return rc;
    }

    DWORD m_dwListStyle = 0;
    CGridOwner& m_owner = CGridOwner::Shared();
    CKTPropertyGrid m_grid;
    CKTPropertyGridView* m_pView = nullptr;
    CKTPropertyGridItem* m_pFirst = nullptr;
    CKTPropertyGridItem* m_pSecond = nullptr;
};

class VariableHeightViewTest : public ViewTest
{
protected:
    VariableHeightViewTest() { m_dwListStyle = LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE; }
};

}  // namespace

TEST_F(ViewTest, OrdersListRowsByCaptionOrAsAdded)
{
    EXPECT_EQ("First b C a Second B", Rows());
    m_pView->Refresh(ktGridSortAlphabetical, FALSE, TRUE);
    EXPECT_EQ("B C a b", Rows()) << "case-sensitive: capitals first";
    EXPECT_EQ(1, m_owner.Count(KTPGN_SORTORDERCHANGED));
    m_pView->Refresh(ktGridSortNoSort, FALSE, TRUE);
    EXPECT_EQ("b C a B", Rows());
    m_pView->Refresh(ktGridSortNoSort, FALSE, TRUE);
    EXPECT_EQ(2, m_owner.Count(KTPGN_SORTORDERCHANGED)) << "the same order again changes nothing";

    m_pView->AddCategory("Third");
    EXPECT_EQ(ktGridSortCategorized, m_pView->GetSortOrder()) << "a new category brings the categories back";
    EXPECT_EQ(3, m_owner.Count(KTPGN_SORTORDERCHANGED));
    EXPECT_EQ("First b C a Second B Third", Rows());
}

TEST_F(ViewTest, HiddenItemsGetNoRowAndSelectionSurvivesARebuild)
{
    Find("C")->SetHidden(TRUE);
    m_pView->Refresh(ktGridSortCategorized, TRUE, TRUE);
    EXPECT_EQ("First b a Second B", Rows());
    EXPECT_FALSE(Find("C")->IsVisible());

    m_pView->SetCurSel(Find("a")->GetIndex());
    m_pView->OnSelectionChanged();
    ASSERT_EQ(Find("a"), m_grid.GetSelectedItem());
    EXPECT_EQ(Find("a"), m_owner.Last(KTPGN_SELECTIONCHANGED)->pItem);
    m_pFirst->AddChildItem(new CKTPropertyGridItem("d", ""));
    EXPECT_EQ("First b a d Second B", Rows()) << "an expanded parent shows its new child at once";
    EXPECT_EQ(Find("a"), m_grid.GetSelectedItem());
    EXPECT_EQ(Find("a")->GetIndex(), m_pView->GetCurSel());
}

TEST_F(ViewTest, ClearingTheCategoriesEmptiesTheRows)
{
    m_pView->SetCurSel(1);
    m_pView->OnSelectionChanged();
    m_pView->GetCategories()->Clear();
    EXPECT_EQ(0, m_pView->GetCount());
    EXPECT_EQ(nullptr, m_grid.GetSelectedItem());
    EXPECT_FALSE(m_pView->IsUpdateLocked());
}

TEST_F(VariableHeightViewTest, MultiLineItemsAreTaller)
{
    EXPECT_TRUE(m_grid.IsVariableItemsHeight());
    CKTPropertyGridItem* pNotes = new CKTPropertyGridItem("Notes", "");
    pNotes->SetMultiLinesCount(3);
    m_pSecond->AddChildItem(pNotes);
    int nDefault = m_pView->GetDefaultRowHeight();
    EXPECT_EQ((nDefault - 4) * 3 + 4, m_pView->GetItemHeight(pNotes->GetIndex()));
    EXPECT_EQ(nDefault, m_pView->GetItemHeight(Find("B")->GetIndex()));
}

TEST_F(ViewTest, ButtonPressesAskTheOwnerFirst)
{
    CKTPropertyGridItem* pItem = Find("a");
    pItem->GetConstraints()->AddConstraint("a");
    pItem->GetConstraints()->AddConstraint("z");
    pItem->SetFlags(KTPGF_HASEDIT | KTPGF_HASCOMBOBUTTON | KTPGF_HASEXPANDBUTTON);
    m_pView->SetCurSel(pItem->GetIndex());
    m_pView->OnSelectionChanged();
    CKTPropertyGridItemButton* pCombo = pItem->GetInplaceButtons()->Find(KT_IDC_INPLACEBUTTON_COMBO);

    m_owner.m_nButtonAnswer = 1;
    pItem->OnInplaceButtonDown(pCombo);
    EXPECT_EQ(1, m_owner.Count(KTPGN_INPLACEBUTTONDOWN));
    EXPECT_FALSE(m_grid.GetInplaceList().GetSafeHwnd()) << "handled by the owner: no list";

    pItem->SetReadOnly(TRUE);
    pItem->OnInplaceButtonDown(pCombo);
    EXPECT_EQ(1, m_owner.Count(KTPGN_INPLACEBUTTONDOWN)) << "read-only: the owner is not asked";
    EXPECT_FALSE(pItem->IsInplaceButtonVisible());
}

TEST_F(ViewTest, DoubleAndRightClicksOnARowTellTheOwner)
{
    CTestInput input(m_pView->GetSafeHwnd());
    CKTPropertyGridItem* pItem = Find("C");
    pItem->SetFlags(0);
    CPoint pt(20, RowRect(pItem).CenterPoint().y);
    ASSERT_TRUE(input.DoubleClick(pt));
    ASSERT_TRUE(PumpUntil([&] { return m_owner.Count(KTPGN_DBLCLICK) == 1; }));
    EXPECT_EQ(pItem, m_owner.Last(KTPGN_DBLCLICK)->pItem);
    ASSERT_TRUE(input.Click(pt, true));
    ASSERT_TRUE(PumpUntil([&] { return m_owner.Count(KTPGN_RCLICK) == 1; }));
    EXPECT_EQ(pItem, m_owner.Last(KTPGN_RCLICK)->pItem);

    CRect rcCategory = RowRect(m_pFirst);
    ASSERT_TRUE(input.DoubleClick(CPoint(60, rcCategory.CenterPoint().y)));
    ASSERT_TRUE(PumpUntil([&] { return !m_pFirst->IsExpanded(); })) << "a double click folds a category";
}

TEST_F(ViewTest, KeysExpandCollapseAndMoveTheDivider)
{
    CTestInput input(m_pView->GetSafeHwnd());
    m_pView->SetCurSel(m_pFirst->GetIndex());
    m_pView->OnSelectionChanged();
    ASSERT_TRUE(input.Key(VK_LEFT));
    EXPECT_FALSE(m_pFirst->IsExpanded());
    ASSERT_TRUE(input.Key(VK_RIGHT));
    EXPECT_TRUE(m_pFirst->IsExpanded());
    ASSERT_TRUE(input.Text("-"));
    EXPECT_FALSE(m_pFirst->IsExpanded());
    ASSERT_TRUE(input.Text("+"));
    EXPECT_TRUE(m_pFirst->IsExpanded());
    int nDivider = m_pView->GetDividerPos();
    ASSERT_TRUE(input.Key(VK_RIGHT, CTestInput::kControl));
    EXPECT_NEAR(nDivider + 3, m_pView->GetDividerPos(), 1);
}

TEST_F(ViewTest, TabGoesFromTheRowsToTheEditAndTheButtons)
{
    CKTPropertyGridItem* pItem = Find("a");
    pItem->SetFlags(KTPGF_HASEDIT | KTPGF_HASEXPANDBUTTON);
    m_pView->SetCurSel(pItem->GetIndex());
    m_pView->OnSelectionChanged();
    CTestInput input(m_pView->GetSafeHwnd());
    m_grid.SetFocus();
    EXPECT_EQ(m_pView->GetSafeHwnd(), ::GetFocus()) << "the grid hands its focus to the rows";
    ASSERT_TRUE(input.Key(VK_TAB));
    EXPECT_EQ(m_grid.GetInplaceEdit().GetSafeHwnd(), ::GetFocus());
    ASSERT_TRUE(input.Key(VK_TAB));
    EXPECT_EQ(pItem->GetInplaceButtons()->GetAt(0), m_pView->GetFocusedButton());
    EXPECT_EQ(m_pView->GetSafeHwnd(), ::GetFocus());
    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kShift));
    EXPECT_EQ(m_grid.GetInplaceEdit().GetSafeHwnd(), ::GetFocus()) << "Shift+Tab goes back to the edit";
}

TEST_F(ViewTest, TooltipShowsOnlyForCutText)
{
    CTestInput input(m_pView->GetSafeHwnd());
    CKTPropertyGridItem* pShort = Find("b");
    CKTPropertyGridItem* pLong = Find("C");
    pLong->SetValue("a value far too long to fit into the value column of this narrow grid");
    pLong->SetFlags(0);
    pShort->SetFlags(0);
    auto TipVisible = []
    {
        HWND hTip = ::FindWindowA("KTPropertyGridToolTip", NULL);
        return hTip && ::IsWindowVisible(hTip);
    };
    int nValueX = m_pView->GetDividerPos() + 20;
    ASSERT_TRUE(input.Wheel(CPoint(nValueX, RowRect(pShort).CenterPoint().y), 0));
    EXPECT_FALSE(TipVisible()) << "a value that fits";
    ASSERT_TRUE(input.Wheel(CPoint(nValueX, RowRect(pLong).CenterPoint().y), 0));
    EXPECT_TRUE(TipVisible());
    pLong->SetMultiLinesCount(2);
    ASSERT_TRUE(input.Wheel(CPoint(nValueX + 15, RowRect(pLong).CenterPoint().y), 0));
    EXPECT_FALSE(TipVisible()) << "a multi-line value";
}

CRect ShownTip()
{
    CRect rc;
    HWND hTip = ::FindWindowA("KTPropertyGridToolTip", NULL);
    if (hTip && ::IsWindowVisible(hTip))
        ::GetWindowRect(hTip, &rc);
    return rc;
}

// In a right-to-left window the value column stands on the left of the screen, and so does its tip.
TEST_F(ViewTest, InARightToLeftViewTheTooltipCoversTheMirroredValue)
{
    m_pView->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    m_pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    CTestInput input(m_pView->GetSafeHwnd());
    CKTPropertyGridItem* pLong = Find("C");
    pLong->SetValue("a value far too long to fit into the value column of this narrow grid");
    pLong->SetFlags(0);
    const CPoint ptValue(m_pView->GetDividerPos() + 20, RowRect(pLong).CenterPoint().y);
    ASSERT_TRUE(input.Wheel(ptValue, 0));
    const CRect rcTip = ShownTip();
    m_pView->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    ASSERT_FALSE(rcTip.IsRectEmpty());

    CRect rcValue = pLong->GetValueRect();
    rcValue.InflateRect(1, 2, 0, 1);
    CRect rcView, rcClient;
    m_pView->GetWindowRect(&rcView);
    m_pView->GetClientRect(&rcClient);
    // The client area's right edge on the screen: the frame is as wide as it is high, and the scroll bar
    // would stand on the left.
    const int nFrame = (rcView.Height() - rcClient.Height()) / 2;
    const int xRight = rcView.right - nFrame, yTop = rcView.top + nFrame;
    EXPECT_EQ(CRect(xRight - rcValue.right, yTop + rcValue.top, xRight - rcValue.left, yTop + rcValue.bottom), rcTip)
        << rcTip.left << "," << rcTip.top << "," << rcTip.right << "," << rcTip.bottom;
}

// A tip that would pass an edge of the work area is moved back inside it, vertically as well as sideways.
TEST_F(ViewTest, TheTooltipStaysInsideTheWorkAreaUnderTheCursor)
{
    CKTPropertyGridToolTip tip;
    ASSERT_TRUE(tip.Create(m_pView, m_grid.GetPainter()->GetNormalFont()));
    const CRect rcWork = KTMultiMonitor()->GetWorkAreaAtCursor();
    const auto shownFor = [&](CRect rc)
    {
        tip.Show("text", rc);
        CRect rcShown;
        tip.GetWindowRect(&rcShown);
        return rcShown;
    };
    EXPECT_EQ(CRect(rcWork.left + 10, rcWork.bottom - 18, rcWork.left + 110, rcWork.bottom),
              shownFor(CRect(rcWork.left + 10, rcWork.bottom - 5, rcWork.left + 110, rcWork.bottom + 13)));
    EXPECT_EQ(CRect(rcWork.right - 100, rcWork.top, rcWork.right, rcWork.top + 18),
              shownFor(CRect(rcWork.right - 40, rcWork.top - 7, rcWork.right + 60, rcWork.top + 11)));
    EXPECT_EQ(CRect(rcWork.left, rcWork.top + 30, rcWork.left + 100, rcWork.top + 48),
              shownFor(CRect(rcWork.left - 4, rcWork.top + 30, rcWork.left + 96, rcWork.top + 48)));
    EXPECT_EQ(CRect(rcWork.left, rcWork.top + 30, rcWork.left + 100, rcWork.top + 48), tip.GetScreenRect())
        << "the rectangle whose leaving hides it";
    tip.DestroyWindow();
}

// The tip lies over the row it completes: a click on it is a click on the row.
TEST_F(ViewTest, AClickOnTheTooltipReachesTheRowBelowIt)
{
    CTestInput input(m_pView->GetSafeHwnd());
    CKTPropertyGridItem* pLong = Find("C");
    pLong->SetValue("a value far too long to fit into the value column of this narrow grid");
    pLong->SetFlags(0);
    m_pView->SetCurSel(Find("a")->GetIndex());
    const CPoint ptValue(m_pView->GetDividerPos() + 20, RowRect(pLong).CenterPoint().y);
    ASSERT_TRUE(input.Wheel(ptValue, 0));
    HWND hTip = ::FindWindowA("KTPropertyGridToolTip", NULL);
    ASSERT_TRUE(hTip && ::IsWindowVisible(hTip));
    CPoint ptScreen = ptValue;
    m_pView->ClientToScreen(&ptScreen);
    ASSERT_EQ(m_pView->GetSafeHwnd(), ::WindowFromPoint(ptScreen)) << "the tip lets the pointer through";

    ASSERT_TRUE(input.Click(ptValue));
    EXPECT_EQ(pLong->GetIndex(), m_pView->GetCurSel());
}

TEST_F(ViewTest, SortToolBarSwitchesTheOrderAndShowsIt)
{
    m_grid.ShowToolBar(TRUE);
    CWnd* pToolBar = m_grid.GetToolBar();
    ASSERT_NE(nullptr, pToolBar);
    ASSERT_TRUE(pToolBar->GetSafeHwnd());
    CRect rcBar = CKTWindowRect(pToolBar);
    m_grid.ScreenToClient(&rcBar);
    EXPECT_EQ(CRect(1, 1, CKTClientRect(&m_grid).Width() - 1, 24), rcBar);
    CRect rcView = CKTWindowRect(m_pView);
    m_grid.ScreenToClient(&rcView);
    EXPECT_EQ(25, rcView.top);
    EXPECT_EQ(2, static_cast<int>(pToolBar->SendMessage(TB_BUTTONCOUNT)));
    auto State = [&](UINT nID) { return static_cast<int>(pToolBar->SendMessage(TB_GETSTATE, nID)); };
    EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, State(9501));
    EXPECT_EQ(TBSTATE_ENABLED, State(9502));

    CRect rcButton;
    pToolBar->SendMessage(TB_GETRECT, 9502, reinterpret_cast<LPARAM>(&rcButton));
    CTestInput input(pToolBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcButton.CenterPoint()));
    EXPECT_EQ(ktGridSortAlphabetical, m_pView->GetSortOrder());
    EXPECT_EQ("B C a b", Rows());
    EXPECT_EQ(TBSTATE_ENABLED, State(9501));
    EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, State(9502));
    EXPECT_EQ(1, m_owner.Count(KTPGN_SORTORDERCHANGED));

    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(pToolBar->SendMessage(TB_GETTOOLTIPS));
    info.hdr.idFrom = 9501;
    info.hdr.code = TTN_NEEDTEXTA;
    m_grid.SendMessage(WM_NOTIFY, 9501, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ("Categorized", info.szText);

    m_grid.ShowToolBar(FALSE);
    rcView = CKTWindowRect(m_pView);
    m_grid.ScreenToClient(&rcView);
    EXPECT_EQ(0, rcView.top);
}

TEST_F(ViewTest, VerbsTakeRoomAtTheNextLayoutAndReportClicks)
{
    CRect rcViewBefore = CKTWindowRect(m_pView);
    m_grid.GetVerbs()->Add("Reset", 1);
    m_grid.GetVerbs()->Add("Defaults", 2);
    EXPECT_EQ(rcViewBefore, CKTWindowRect(m_pView));
    m_grid.RepositionNow();
    EXPECT_TRUE(m_grid.IsVerbsVisible());
    EXPECT_EQ(rcViewBefore.Height() - 25 - 3, CKTWindowRect(m_pView).Height());

    m_grid.Invalidate(FALSE);
    m_grid.UpdateWindow();
    CKTPropertyGridVerb* pDefaults = m_grid.GetVerbs()->GetAt(1);
    CRect rcVerb = pDefaults->m_rcVerb;
    ASSERT_FALSE(rcVerb.IsRectEmpty());
    EXPECT_TRUE(m_grid.GetVerbsRect().PtInRect(rcVerb.TopLeft()));
    EXPECT_LT(m_grid.GetVerbs()->GetAt(0)->m_rcVerb.right, rcVerb.left) << "left to right";
    EXPECT_EQ(ktGridHitFirstVerb + 1, m_grid.HitTest(rcVerb.CenterPoint()));

    CTestInput input(m_grid.GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcVerb.CenterPoint()));
    ASSERT_EQ(1, m_owner.Count(KTPGN_VERBCLICK));
    EXPECT_EQ(ClientToScreenPoint(&m_grid, rcVerb.CenterPoint()), pDefaults->m_ptClick);
    EXPECT_EQ(1, m_grid.GetFocusedVerb());
    ASSERT_TRUE(input.Key(VK_RIGHT));
    EXPECT_EQ(0, m_grid.GetFocusedVerb()) << "wraps to the first";
    ASSERT_TRUE(input.Key(VK_RETURN));
    EXPECT_EQ(2, m_owner.Count(KTPGN_VERBCLICK));
    EXPECT_THROW(m_grid.OnVerbClick(2, CPoint(0, 0)), CInvalidArgException*);
}

namespace
{

// A control after the grid in the owner's tab order; gone with the test.
class CNextControl : public CWnd
{
public:
    explicit CNextControl(CWnd* pParent)
    {
        CreateEx(0, "BUTTON", "Next", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 310, 80, 330), pParent, 7);
    }
    ~CNextControl() override
    {
        if (GetSafeHwnd())
            DestroyWindow();
    }
};

}  // namespace

TEST_F(ViewTest, ShiftTabFromTheNextControlLandsOnTheLastPartOfTheGrid)
{
    CNextControl next(&m_owner);
    ASSERT_TRUE(next.GetSafeHwnd());
    CKTPropertyGridItem* pItem = Find("a");
    pItem->SetFlags(KTPGF_HASEDIT | KTPGF_HASEXPANDBUTTON | KTPGF_HASCOMBOBUTTON);
    m_pView->SetCurSel(pItem->GetIndex());
    m_pView->OnSelectionChanged();
    auto ArriveBackwards = [&]
    {
        CTestInput foreground(next.GetSafeHwnd());  // the display's keys go to the window in front
        CHeldKeys shift(CTestInput::kShift);
        ASSERT_TRUE(shift.IsHeld());
        m_grid.SetFocus();
    };

    ArriveBackwards();
    EXPECT_EQ(pItem->GetInplaceButtons()->GetAt(1), m_pView->GetFocusedButton()) << "the last button";

    pItem->SetFlags(KTPGF_HASEDIT);
    ArriveBackwards();
    EXPECT_EQ(m_grid.GetInplaceEdit().GetSafeHwnd(), ::GetFocus()) << "then the edit";

    m_grid.GetVerbs()->Add("Reset", 1);
    m_grid.GetVerbs()->Add("Defaults", 2);
    m_grid.RepositionNow();
    ArriveBackwards();
    EXPECT_EQ(1, m_grid.GetFocusedVerb()) << "the last verb comes first";
    EXPECT_EQ(m_grid.GetSafeHwnd(), ::GetFocus());
}

TEST_F(ViewTest, TheEditScrollsWithItsRow)
{
    for (int i = 0; i < 40; i++)
        m_pSecond->AddChildItem(new CKTPropertyGridItem(CString("Row ") + CString(std::to_string(i).c_str()), "v"));
    CKTPropertyGridItem* pItem = Find("Row 20");
    m_pView->SetTopIndex(0);
    m_pView->SetCurSel(pItem->GetIndex());
    m_pView->OnSelectionChanged();
    CKTPropertyGridInplaceEdit& edit = m_grid.GetInplaceEdit();
    ASSERT_TRUE(edit.IsWindowVisible());

    CTestInput input(m_pView->GetSafeHwnd());
    ASSERT_TRUE(input.Wheel(CPoint(40, 40), -WHEEL_DELTA));
    ASSERT_GT(m_pView->GetTopIndex(), 0);
    CRect rcEdit = CKTWindowRect(&edit);
    m_pView->ScreenToClient(&rcEdit);
    EXPECT_EQ(RowRect(pItem).top, rcEdit.top);
}

TEST_F(ViewTest, PressingAnInplaceButtonOfTheSelectedRowTellsTheOwner)
{
    CKTPropertyGridItem* pItem = Find("a");
    pItem->SetFlags(KTPGF_HASEDIT | KTPGF_HASEXPANDBUTTON);
    CTestInput input(m_pView->GetSafeHwnd());
    CRect rcRow = RowRect(pItem);
    CPoint ptButton(rcRow.right - 4, rcRow.CenterPoint().y);
    ASSERT_TRUE(input.Click(ptButton));
    EXPECT_EQ(0, m_owner.Count(KTPGN_INPLACEBUTTONDOWN)) << "the first click only selects the row";
    ASSERT_EQ(pItem, m_grid.GetSelectedItem());
    m_pView->UpdateWindow();  // the buttons take their places as they are drawn
    ASSERT_TRUE(input.Click(ptButton));
    ASSERT_EQ(1, m_owner.Count(KTPGN_INPLACEBUTTONDOWN));
    EXPECT_FALSE(pItem->GetInplaceButtons()->GetAt(0)->IsPressed());
    EXPECT_EQ(nullptr, ::GetCapture());
}

namespace
{
class ViewButtonLoop : public ViewTest
{
protected:
    // Selects the row by a click, so that its in-place button shows, and gives the button's point.
    CPoint ShowButton()
    {
        CKTPropertyGridItem* pItem = Find("a");
        pItem->SetFlags(KTPGF_HASEDIT | KTPGF_HASEXPANDBUTTON);
        const CRect rcRow = RowRect(pItem);
        const CPoint ptButton(rcRow.right - 4, rcRow.CenterPoint().y);
        EXPECT_TRUE(CTestInput(m_pView->GetSafeHwnd()).Click(ptButton));
        m_pView->UpdateWindow();
        ::Sleep(::GetDoubleClickTime() + 50);  // the press that follows must be no double click
        return ptButton;
    }
};

class ViewButtonCancel : public ViewButtonLoop, public ::testing::WithParamInterface<ELoopCancel>
{
};
}  // namespace

TEST_P(ViewButtonCancel, APressedInplaceButtonTellsNobody)
{
    const CPoint ptButton = ShowButton();
    CLoopInput input(m_pView->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptButton).AwaitCapture().CancelAndRelease(GetParam()).Run());
    EXPECT_EQ(0, m_owner.Count(KTPGN_INPLACEBUTTONDOWN));
    EXPECT_FALSE(Find("a")->GetInplaceButtons()->GetAt(0)->IsPressed());
    EXPECT_NE(m_pView, CWnd::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Cancels, ViewButtonCancel, AllLoopCancels(), LoopCancelCaseName);

TEST_F(ViewButtonLoop, AQuitEndsAnInplaceButtonPressUntoldAndReachesTheApplication)
{
    const CPoint ptButton = ShowButton();
    CLoopInput input(m_pView->GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(input.Press(ptButton).AwaitCapture().Quit(2).AwaitNoCapture().Release().Run());
    EXPECT_EQ(0, m_owner.Count(KTPGN_INPLACEBUTTONDOWN));
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(2u, nCode);
}

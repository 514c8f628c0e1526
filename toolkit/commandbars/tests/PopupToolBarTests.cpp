// PopupToolBarTests.cpp: a popup laid out as a toolbar wraps its buttons at its width; a click runs one.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPopupToolBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "ModalDrag.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace
{
class PopupToolBarTest : public CFrameFixture
{
protected:
    // A toolbar entry whose popup is a palette of buttons 100 pixels wide, opened by a click.
    CKTSmartPtr<CKTPopupToolBar> OpenPalette(int nButtons) { return OpenPalette(std::vector<LPCSTR>(nButtons, "Ab")); }
    CKTSmartPtr<CKTPopupToolBar> OpenPalette(const std::vector<LPCSTR>& captions, CKTPopupBar* pSubMenu = NULL)
    {
        CKTToolBar* pBar = m_pCommandBars->Add("Palette", ktBarTop);
        auto* pOpener = dynamic_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
        pOpener->SetCaption("&Colours");
        CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
        for (LPCSTR lpszCaption : captions)
            pPalette->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption(lpszCaption);
        // The sub-menu's entry comes second.
        if (pSubMenu)
        {
            auto* pEntry = static_cast<CKTControlPopup*>(pPalette->GetControls()->Add(ktControlPopup, 0, NULL, 1));
            pEntry->SetCaption("More");
            pEntry->SetCommandBar(pSubMenu);
        }
        pPalette->SetMRUWidth(100);
        pOpener->SetCommandBar(pPalette);
        m_pFrame->RecalcLayout();
        PumpMessages();
        CTestInput input(pBar->GetSafeHwnd());
        input.Click(pOpener->GetRect().CenterPoint());
        PumpUntil([&pPalette] { return pPalette->IsVisible(); }, kColdWineDeadlineMs);
        return pPalette;
    }
};

// Captions that make buttons of many widths.
const std::vector<LPCSTR> kMixedWidths = {"A", "Wide entry", "Bb", "C", "Longer one", "D", "Eee", "F", "Widest", "G"};

// The rule for a move between rows: the control of the row at nRowTop that starts nearest at or before nLeft,
// else the row's leftmost one.
int ControlOfRow(CKTCommandBar* pBar, int nRowTop, int nLeft)
{
    int nBefore = -1, nLeftmost = -1;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        const CRect rc = pBar->GetControl(i)->GetRect();
        if (pBar->GetControl(i)->GetRowRect().top != nRowTop || rc.IsRectEmpty())
            continue;
        if (rc.left <= nLeft && (nBefore == -1 || pBar->GetControl(nBefore)->GetRect().left < rc.left))
            nBefore = i;
        if (nLeftmost == -1 || rc.left < pBar->GetControl(nLeftmost)->GetRect().left)
            nLeftmost = i;
    }
    return nBefore != -1 ? nBefore : nLeftmost;
}

// The last control of the first row whose left edge no control of the second row shares.
int UnalignedEndOfFirstRow(CKTCommandBar* pBar)
{
    const int nFirstTop = pBar->GetControl(0)->GetRowRect().top;
    int nEnd = 0;
    while (nEnd + 1 < pBar->GetControlCount() && pBar->GetControl(nEnd + 1)->GetRowRect().top == nFirstTop)
        nEnd++;
    return nEnd;
}
}  // namespace

TEST_F(PopupToolBarTest, APopupToolBarOfTwelveButtonsWrapsAtItsWidthAndAClickRunsOne)
{
    CKTSmartPtr<CKTPopupToolBar> pPalette = OpenPalette(12);
    ASSERT_TRUE(pPalette->IsVisible());
    EXPECT_EQ(ktBarTypeNormal, pPalette->GetType());
    CRect rcClient = CKTClientRect(pPalette);
    std::set<int> rows;
    for (int i = 0; i < pPalette->GetControlCount(); i++)
    {
        CRect rc = pPalette->GetControl(i)->GetRect();
        rows.insert(rc.top);
        EXPECT_EQ(rc, rc & rcClient) << "button " << i << " lies inside the popup";
        EXPECT_LE(rc.right, 100 + 8) << "rows end at the bar's width";
    }
    EXPECT_GT(rows.size(), 1u) << "the buttons wrap";
    EXPECT_LT(rows.size(), 12u) << "several buttons share a row";

    CTestInput palette(pPalette->GetSafeHwnd());
    ASSERT_TRUE(palette.Click(pPalette->GetControl(5)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs));
    EXPECT_EQ(ID_TEST_ENABLED, m_pFrame->m_commands[0]);
    EXPECT_TRUE(PumpUntil([&pPalette] { return !pPalette->IsVisible(); }, kColdWineDeadlineMs)) << "and closes";
}

TEST_F(PopupToolBarTest, UpAndDownMoveBetweenTheRowsOfAPopupToolBar)
{
    CKTSmartPtr<CKTPopupToolBar> pPalette = OpenPalette(9);
    ASSERT_TRUE(pPalette->IsVisible());
    int nSecondRow = 1;
    while (nSecondRow < 9 && pPalette->GetControl(nSecondRow)->GetRect().top == pPalette->GetControl(0)->GetRect().top)
        nSecondRow++;
    ASSERT_GE(nSecondRow, 2) << "two buttons at least in the first row";
    ASSERT_LT(nSecondRow + 1, 9) << "and in the second";

    CTestInput palette(pPalette->GetSafeHwnd());
    ASSERT_TRUE(palette.Key(VK_DOWN));
    EXPECT_EQ(0, pPalette->GetSelected()) << "with nothing selected, Down takes the first";
    ASSERT_TRUE(palette.Key(VK_RIGHT));
    ASSERT_TRUE(palette.Key(VK_DOWN));
    EXPECT_EQ(nSecondRow + 1, pPalette->GetSelected()) << "the button below";
    ASSERT_TRUE(palette.Key(VK_UP));
    EXPECT_EQ(1, pPalette->GetSelected()) << "and back up";
    EXPECT_TRUE(pPalette->IsVisible());
    ASSERT_TRUE(palette.Key(VK_ESCAPE));
}

TEST_F(PopupToolBarTest, RowsOfButtonsOfManyWidthsMoveToTheButtonStartingNearestAtOrBeforeTheSelection)
{
    CKTSmartPtr<CKTPopupToolBar> pPalette = OpenPalette(kMixedWidths);
    ASSERT_TRUE(pPalette->IsVisible());
    const int nFrom = UnalignedEndOfFirstRow(pPalette);
    ASSERT_LT(nFrom + 1, pPalette->GetControlCount()) << "two rows at least";
    CTestInput palette(pPalette->GetSafeHwnd());
    ASSERT_TRUE(palette.Key(VK_DOWN));
    for (int i = 0; i < nFrom; i++)
        ASSERT_TRUE(palette.Key(VK_RIGHT));
    ASSERT_EQ(nFrom, pPalette->GetSelected());
    const int nSecondTop = pPalette->GetControl(nFrom + 1)->GetRowRect().top;
    const int nBelow = ControlOfRow(pPalette, nSecondTop, pPalette->GetControl(nFrom)->GetRect().left);
    ASSERT_TRUE(palette.Key(VK_DOWN));
    EXPECT_EQ(nBelow, pPalette->GetSelected());
    ASSERT_TRUE(palette.Key(VK_ESCAPE));
}

TEST_F(PopupToolBarTest, AFloatingBarOfRowsMovesBetweenThemWithUpAndDown)
{
    CKTToolBar* pBar = m_pCommandBars->Add("Rows", ktBarFloating);
    for (LPCSTR lpszCaption : kMixedWidths)
        pBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption(lpszCaption);
    pBar->SetMRUWidth(120);
    m_pCommandBars->RecalcFrameLayout();
    pBar->OnRecalcLayout();
    PumpMessages();
    ASSERT_EQ(ktBarFloating, pBar->GetPosition());
    const int nFrom = UnalignedEndOfFirstRow(pBar);
    ASSERT_LT(nFrom + 1, pBar->GetControlCount()) << "two rows at least";

    m_pCommandBars->SetToolBarFocus(pBar);
    CTestInput input(m_pFrame->GetSafeHwnd());
    while (pBar->GetSelected() != nFrom && pBar->GetSelected() < pBar->GetControlCount() - 1)
        ASSERT_TRUE(input.Key(VK_RIGHT));
    ASSERT_EQ(nFrom, pBar->GetSelected());
    const int nFirstTop = pBar->GetControl(0)->GetRowRect().top;
    const int nSecondTop = pBar->GetControl(nFrom + 1)->GetRowRect().top;
    const int nBelow = ControlOfRow(pBar, nSecondTop, pBar->GetControl(nFrom)->GetRect().left);
    ASSERT_TRUE(input.Key(VK_DOWN));
    EXPECT_EQ(nBelow, pBar->GetSelected()) << "the row below";
    ASSERT_TRUE(input.Key(VK_UP));
    EXPECT_EQ(ControlOfRow(pBar, nFirstTop, pBar->GetControl(nBelow)->GetRect().left), pBar->GetSelected())
        << "and back up";
    EXPECT_NE(ktTrackingNone, pBar->GetTrackingMode());
    pBar->SetTrackingMode(ktTrackingNone);
}

TEST_F(PopupToolBarTest, UpOpensAPalettesMenuEntryAndLeftClosesItKeepingTheEntry)
{
    CKTSmartPtr<CKTPopupBar> pSubMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pSubMenu->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Inside");
    CKTSmartPtr<CKTPopupToolBar> pPalette = OpenPalette({"Ab", "Cd", "Ef"}, pSubMenu);
    ASSERT_TRUE(pPalette->IsVisible());
    CKTControl* pEntry = pPalette->GetControl(1);
    CTestInput palette(pPalette->GetSafeHwnd());
    ASSERT_TRUE(palette.Key(VK_DOWN));
    ASSERT_TRUE(palette.Key(VK_RIGHT));
    ASSERT_EQ(1, pPalette->GetSelected());
    ASSERT_FALSE(pEntry->IsPopuped());

    ASSERT_TRUE(palette.Key(VK_UP));
    EXPECT_TRUE(pEntry->IsPopuped()) << "Up on a menu entry opens it";
    EXPECT_TRUE(pSubMenu->IsVisible());
    EXPECT_FALSE(pPalette->HandleNavigationCode(ktNavNext)) << "the open entry keeps the selection";
    EXPECT_EQ(1, pPalette->GetSelected());
    ASSERT_TRUE(palette.Key(VK_LEFT));
    EXPECT_FALSE(pEntry->IsPopuped()) << "Left goes back out of the menu";
    EXPECT_EQ(1, pPalette->GetSelected());
    EXPECT_TRUE(pPalette->IsVisible());
    ASSERT_TRUE(palette.Key(VK_ESCAPE));
}

// A click on another control of the palette closes the menu opened from it, even one that runs nothing.
TEST_F(PopupToolBarTest, AClickOnAnotherControlOfAPaletteClosesTheMenuOpenedFromIt)
{
    CKTSmartPtr<CKTPopupBar> pSubMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pSubMenu->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Inside");
    CKTSmartPtr<CKTPopupToolBar> pPalette = OpenPalette({"Ab", "Cd", "Ef"}, pSubMenu);
    ASSERT_TRUE(pPalette->IsVisible());
    CKTControl* pEntry = pPalette->GetControl(1);
    CKTControl* pOff = pPalette->GetControl(0);
    pOff->SetFlags(pOff->GetFlags() | ktFlagManualUpdate);
    pOff->SetEnabled(FALSE);
    CTestInput palette(pPalette->GetSafeHwnd());
    ASSERT_TRUE(palette.Key(VK_DOWN));
    ASSERT_TRUE(palette.Key(VK_RIGHT));
    ASSERT_TRUE(palette.Key(VK_UP));
    ASSERT_TRUE(pEntry->IsPopuped());

    ASSERT_TRUE(palette.Click(pOff->GetRect().CenterPoint()));
    EXPECT_FALSE(pEntry->IsPopuped());
    EXPECT_FALSE(pSubMenu->IsVisible());
    EXPECT_NE(1, pPalette->GetSelected()) << "the entry whose menu closed is no longer selected";
    EXPECT_TRUE(pPalette->IsVisible());
    palette.Key(VK_ESCAPE);
}

// A palette lays its buttons out inside its own borders, and a copy of it (a reset, a customise copy) keeps them
// with the rest of what makes the popup what it is.
TEST_F(PopupToolBarTest, APaletteKeepsItsOwnBordersAndACopyKeepsThemWithItsTearOff)
{
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    for (int i = 0; i < 3; i++)
        pPalette->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Ab");
    pPalette->SetBorders(CRect(7, 9, 5, 11));
    pPalette->SetContextMenu(TRUE);
    const CSize sz = pPalette->CalcDynamicLayout(0, 0);
    const CRect rcFirst = pPalette->GetControl(0)->GetRect();
    EXPECT_EQ(CPoint(7, 9), rcFirst.TopLeft());
    EXPECT_EQ(sz.cy - 11, rcFirst.bottom);
    pPalette->SetTearOffPopup("Colours", 300, 90);

    CKTSmartPtr<CKTCommandBar> pCopy = CKTSmartPtr<CKTCommandBar>::Adopt(pPalette->Clone(TRUE));
    CKTPopupBar* pPopupCopy = pCopy->AsPopupBar();
    ASSERT_TRUE(pPopupCopy != NULL);
    EXPECT_TRUE(pPopupCopy->IsKindOf(RUNTIME_CLASS(CKTPopupToolBar)));
    EXPECT_EQ(CRect(7, 9, 5, 11), pPopupCopy->GetBorders());
    EXPECT_TRUE(pPopupCopy->IsTearOffPopup());
    EXPECT_TRUE(pPopupCopy->IsContextMenu());
    EXPECT_EQ(3, pPopupCopy->GetControlCount());
}

TEST_F(PopupToolBarTest, ACopyOfAToolBarKeepsWhetherItIsBuiltInTornOffAndCloseable)
{
    CKTToolBar* pBar = m_pCommandBars->Add("Torn", ktBarFloating);
    ASSERT_TRUE(pBar != NULL);
    pBar->SetBuiltIn(FALSE);
    pBar->SetTearOff(TRUE);
    pBar->SetCloseable(FALSE);
    CKTSmartPtr<CKTCommandBar> pCopy = CKTSmartPtr<CKTCommandBar>::Adopt(pBar->Clone(FALSE));
    CKTToolBar* pToolBarCopy = pCopy->AsToolBar();
    ASSERT_TRUE(pToolBarCopy != NULL);
    EXPECT_FALSE(pToolBarCopy->IsBuiltIn());
    EXPECT_TRUE(pToolBarCopy->IsTearOff());
    EXPECT_FALSE(pToolBarCopy->IsCloseable());
}

// A palette that tears off shows its gripper above the buttons, and dragging the gripper away makes it a toolbar.
TEST_F(PopupToolBarTest, ATearOffPaletteHasAGripperAboveItsButtonsThatTearsItOff)
{
    CKTToolBar* pBar = m_pCommandBars->Add("Palette", ktBarTop);
    auto* pOpener = dynamic_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
    pOpener->SetCaption("&Colours");
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    for (int i = 0; i < 4; i++)
        pPalette->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Ab");
    pPalette->SetMRUWidth(100);
    pPalette->SetTearOffPopup("Colours", 401);
    pOpener->SetCommandBar(pPalette);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pOpener->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&pPalette] { return pPalette->IsVisible(); }, kColdWineDeadlineMs));

    CRect rcGripper = pPalette->GetGripperRect();
    ASSERT_FALSE(rcGripper.IsRectEmpty());
    const CRect rcFirst = pPalette->GetControl(0)->GetRect();
    EXPECT_LE(rcGripper.bottom, rcFirst.top) << "the buttons start below the gripper";
    EXPECT_GE(rcGripper.right, rcFirst.right);
    pPalette->ClientToScreen(rcGripper);
    const CPoint ptFrom = rcGripper.CenterPoint(), ptTo = ptFrom + CSize(150, 200);
    ASSERT_TRUE(DragAtOnce(m_pFrame->GetSafeHwnd(), ptFrom, ptTo));
    CKTToolBar* pTorn = m_pCommandBars->GetToolBar(401);
    ASSERT_TRUE(pTorn != NULL);
    EXPECT_EQ(ktBarFloating, pTorn->GetPosition());
    int nButtons = 0;
    for (int i = 0; i < pTorn->GetControlCount(); i++)
        nButtons += pTorn->GetControl(i)->GetID() == ID_TEST_ENABLED;
    EXPECT_EQ(4, nButtons) << "the palette's buttons";
    EXPECT_FALSE(pPalette->IsVisible());
}

TEST_F(PopupToolBarTest, ACopyOfAToolBarKeepsWhetherItIsSavedAlways)
{
    CKTToolBar* pAlways = m_pCommandBars->Add("Always", ktBarTop);
    CKTToolBar* pPlain = m_pCommandBars->Add("Plain", ktBarTop);
    ASSERT_TRUE(pAlways != NULL && pPlain != NULL);
    pAlways->SetSaveAlways(TRUE);
    CKTSmartPtr<CKTCommandBar> pCopy = CKTSmartPtr<CKTCommandBar>::Adopt(pAlways->Clone(FALSE));
    CKTToolBar* pToolBarCopy = pCopy->AsToolBar();
    ASSERT_TRUE(pToolBarCopy != NULL);
    EXPECT_TRUE(pToolBarCopy->IsSaveAlways());

    pToolBarCopy->Copy(pPlain, FALSE);
    EXPECT_FALSE(pToolBarCopy->IsSaveAlways()) << "a copy over a bar takes the source's flag, not the old one";
}

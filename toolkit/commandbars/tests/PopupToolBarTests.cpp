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
#include "TestInput.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
class PopupToolBarTest : public CFrameFixture
{
protected:
    // A toolbar entry whose popup is a palette of buttons 100 pixels wide, opened by a click.
    CKTSmartPtr<CKTPopupToolBar> OpenPalette(int nButtons)
    {
        CKTToolBar* pBar = m_pCommandBars->Add("Palette", ktBarTop);
        auto* pOpener = dynamic_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
        pOpener->SetCaption("&Colours");
        CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
        for (int i = 0; i < nButtons; i++)
            pPalette->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Ab");
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

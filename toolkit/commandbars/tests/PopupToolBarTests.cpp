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

TEST_F(CFrameFixture, APopupToolBarOfTwelveButtonsWrapsAtItsWidthAndAClickRunsOne)
{
    CKTToolBar* pBar = m_pCommandBars->Add("Palette", ktBarTop);
    auto* pOpener = dynamic_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
    ASSERT_TRUE(pOpener != NULL);
    pOpener->SetCaption("&Colours");
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    for (int i = 0; i < 12; i++)
        pPalette->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Ab");
    pPalette->SetMRUWidth(100);
    pOpener->SetCommandBar(pPalette);
    m_pFrame->RecalcLayout();
    PumpMessages();

    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pOpener->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&pPalette] { return pPalette->IsVisible(); }, kColdWineDeadlineMs));
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

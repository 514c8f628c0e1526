// RibbonOptionButtonTests.cpp: a group's option button under real input: where it shows and where not, its hot
// state, the group's command from a click on the ribbon and on the copy a collapsed group's popup shows.
#include "InputBuilder.h"
#include "KTControls.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonGroupPopupBar.h"
#include "KTRibbonRes.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "RibbonInputFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

namespace
{
const UINT kGroupCommand = 300;  // one the frame records

class RibbonOptionButton : public ::testing::Test
{
protected:
    RibbonOptionButton() : m_pBar(m_frame.GetRibbon()), m_input(m_pBar->GetSafeHwnd())
    {
        m_pGroup = m_frame.AddGroup(0, {"Cut", "Copy"}, 200);
        m_pGroup->SetID(kGroupCommand);
        m_pGroup->ShowOptionButton(TRUE);
        m_pPlain = m_frame.AddGroup(0, {"Bold"}, 210);
        PumpMessages();
    }

    CKTControl* Option() const { return m_pGroup->GetControlOptionButton(); }

    // Waits for the frame to have run exactly the group's command.
    bool RanTheGroupsCommand()
    {
        return PumpUntil([&] { return !m_frame.m_commands.empty(); }) &&
               m_frame.m_commands == std::vector<UINT>{kGroupCommand};
    }

    CRibbonInputFrame m_frame;
    CKTRibbonBar* m_pBar;
    CTestInput m_input;
    CTestRibbonGroup* m_pGroup;
    CTestRibbonGroup* m_pPlain;
};
}  // namespace

TEST_F(RibbonOptionButton, ShowsAtTheRightOfTheCaptionLightsAndRunsTheGroupsCommand)
{
    ASSERT_TRUE(Option() && m_pGroup->IsOptionButtonVisible());
    EXPECT_TRUE(Option()->IsVisible());
    EXPECT_FALSE(m_pPlain->GetControlOptionButton()->IsVisible()) << "a group that did not ask for one";
    const CRect rcGroup = m_pGroup->GetRect(), rc = Option()->GetRect();
    const int nCaption = m_pBar->GetRibbonPainter()->GetGroupCaptionHeight();
    EXPECT_EQ(CSize(15, 14), rc.Size());
    EXPECT_EQ(rcGroup.right - 3, rc.right);
    EXPECT_GE(rc.top, rcGroup.bottom - nCaption);
    EXPECT_LE(rc.bottom, rcGroup.bottom);
    EXPECT_GE(rc.left, rcGroup.right - nCaption - 1) << "in the room the caption's text leaves";

    CPoint pt = rc.CenterPoint();
    m_pBar->ClientToScreen(&pt);
    std::vector<INPUT> move;
    InputBuilder::AddMove(move, pt);
    ASSERT_TRUE(m_input.Send(move));
    ASSERT_TRUE(PumpUntil([&] { return Option()->GetSelected() != FALSE; }));
    EXPECT_EQ(Option()->GetIndex(), m_pBar->GetSelected());

    ASSERT_TRUE(m_input.Click(rc.CenterPoint()));
    EXPECT_TRUE(RanTheGroupsCommand());
}

TEST_F(RibbonOptionButton, HiddenWhileItsGroupIsCollapsedOrItsTabIsNotSelectedAndShownInItsPopup)
{
    m_pGroup->m_nWidth = 700;
    m_pGroup->m_bCollapsible = true;
    m_pBar->OnRecalcLayout();
    ASSERT_TRUE(PumpUntil([&] { return m_pGroup->IsCollapsed(); }));
    EXPECT_FALSE(m_pGroup->IsOptionButtonVisible());
    EXPECT_FALSE(Option()->IsVisible());

    // The popup shows the whole group, its option button too, which runs the same command.
    CKTRibbonGroupControlPopup* pButton = m_pGroup->GetControlPopup();
    ASSERT_TRUE(m_input.Click(pButton->GetRect().CenterPoint()));
    CKTRibbonGroupPopupBar* pPopup = NULL;
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            pPopup = dynamic_cast<CKTRibbonGroupPopupBar*>(pButton->GetCommandBar());
            return pPopup && pPopup->IsVisible();
        }));
    CKTControl* pCopyOption = pPopup->GetGroupCopy()->GetControlOptionButton();
    ASSERT_TRUE(pCopyOption && pCopyOption->IsVisible());
    EXPECT_EQ(pPopup, pCopyOption->GetParent());
    CTestInput popupInput(pPopup->GetSafeHwnd());
    ASSERT_TRUE(popupInput.Click(pCopyOption->GetRect().CenterPoint()));
    EXPECT_TRUE(RanTheGroupsCommand());

    m_pGroup->m_nWidth = 100;
    m_pBar->OnRecalcLayout();
    ASSERT_TRUE(PumpUntil([&] { return Option()->IsVisible() != FALSE; }));
    CKTRibbonControlTab* pTabs = m_pBar->GetControlTab();
    ASSERT_TRUE(m_input.Click(pTabs->GetTab(1)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == pTabs->GetTab(1); }));
    EXPECT_FALSE(Option()->IsVisible());
    EXPECT_TRUE(m_pGroup->IsOptionButtonVisible()) << "the group keeps its own state";
    ASSERT_TRUE(m_input.Click(pTabs->GetTab(0)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return Option()->IsVisible() != FALSE; }));
    // Asked for no more, it goes.
    m_pGroup->ShowOptionButton(FALSE);
    EXPECT_TRUE(PumpUntil([&] { return !Option()->IsVisible(); }));
}

// The button answers its own right click, as any control does: its menu keeps it off the quick access toolbar.
// The caption line beside it is the group's, which may go on the toolbar.
TEST_F(RibbonOptionButton, ARightClickOpensItsOwnMenuAndTheCaptionLineBesideItTheGroups)
{
    auto entry = [&](UINT nId) { return m_frame.m_pMenuHeld->GetControls()->FindControl(nId); };
    ASSERT_TRUE(m_frame.MenuKeys(Option()->GetRect().CenterPoint(), true, {VK_ESCAPE}));
    ASSERT_TRUE(entry(KT_ID_RIBBON_ADDQUICKACCESS) && entry(KT_ID_RIBBON_QUICKACCESSBELOW));
    EXPECT_FALSE(entry(KT_ID_RIBBON_ADDQUICKACCESS)->IsVisible());
    EXPECT_TRUE(entry(KT_ID_RIBBON_QUICKACCESSBELOW)->IsVisible());

    const CRect rcOption = Option()->GetRect();
    ASSERT_TRUE(m_frame.MenuKeys(CPoint(rcOption.left - 10, rcOption.CenterPoint().y), true, {VK_ESCAPE}));
    ASSERT_TRUE(entry(KT_ID_RIBBON_ADDQUICKACCESS) != NULL);
    EXPECT_TRUE(entry(KT_ID_RIBBON_ADDQUICKACCESS)->IsVisible());
    EXPECT_TRUE(entry(KT_ID_RIBBON_ADDQUICKACCESS)->IsEnabled());
    EXPECT_TRUE(m_frame.m_commands.empty());
}

// RibbonTabTests.cpp: the tab row under real clicks: selection and its notifications, minimising, accessibility.
#include "AccessibleClient.h"
#include "KTDrawObjects.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"
#include "KTRibbonTabPopupToolBar.h"
#include "MessagePump.h"
#include "RibbonTestFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

namespace
{
class RibbonTabs : public ::testing::Test
{
protected:
    RibbonTabs() : m_pBar(m_frame.GetRibbon()), m_pTabs(m_pBar->GetControlTab()), m_input(m_pBar->GetSafeHwnd())
    {
        m_frame.m_tabNotifications.clear();
    }

    CPoint TabPoint(int nIndex) const { return m_pTabs->GetTab(nIndex)->GetRect().CenterPoint(); }

    CRibbonTestFrame m_frame;
    CKTRibbonBar* m_pBar;
    CKTRibbonControlTab* m_pTabs;
    CTestInput m_input;
};
}  // namespace

TEST_F(RibbonTabs, AClickSelectsAfterAskingTheSite)
{
    CKTRibbonTab* pInsert = m_pTabs->GetTab(1);
    ASSERT_TRUE(m_input.Click(TabPoint(1)));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == pInsert; }));
    EXPECT_EQ((std::vector<std::pair<int, CKTRibbonTab*>>{{TCN_SELCHANGING, pInsert}, {TCN_SELCHANGE, pInsert}}),
              m_frame.m_tabNotifications);

    // A click on the selected tab changes nothing and tells nobody.
    m_frame.m_tabNotifications.clear();
    ASSERT_TRUE(m_input.Click(TabPoint(1)));
    EXPECT_TRUE(m_frame.m_tabNotifications.empty());

    // The site refuses: the selection stays, and no change is announced.
    m_frame.m_lChangingAnswer = 1;
    ASSERT_TRUE(m_input.Click(TabPoint(2)));
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.m_tabNotifications.empty(); }));
    EXPECT_EQ(pInsert, m_pBar->GetSelectedTab());
    EXPECT_EQ((std::vector<std::pair<int, CKTRibbonTab*>>{{TCN_SELCHANGING, m_pTabs->GetTab(2)}}),
              m_frame.m_tabNotifications);
}

TEST_F(RibbonTabs, ASelectedTabShowsItsGroupsOnly)
{
    CKTRibbonGroup* pHome = m_pTabs->GetTab(0)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Clipboard", 1);
    CKTControl* pPaste = pHome->AddControl(ktControlButton, 300);
    CKTRibbonGroup* pView = m_pTabs->GetTab(2)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Zoom", 2);
    CKTControl* pZoom = pView->AddControl(ktControlButton, 301);
    m_pBar->OnRecalcLayout();
    ASSERT_TRUE(m_input.Click(TabPoint(2)));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(2); }));
    EXPECT_FALSE(pPaste->IsVisible());
    EXPECT_TRUE(pZoom->IsVisible());
    EXPECT_TRUE(m_pBar->GetGroupsRect().PtInRect(pView->GetRect().TopLeft()));
}

TEST_F(RibbonTabs, ADoubleClickOnTheSelectedTabMinimises)
{
    const int nFull = CKTWindowRect(m_pBar).Height();
    ASSERT_TRUE(m_input.DoubleClick(TabPoint(0)));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->IsRibbonMinimized(); }));
    EXPECT_EQ(NULL, m_pBar->GetSelectedTab());
    ASSERT_TRUE(PumpUntil([&] { return CKTWindowRect(m_pBar).Height() < nFull; }));
    EXPECT_EQ(m_pBar->GetCaptionHeight() + m_pBar->GetTabsHeight() + 2, CKTWindowRect(m_pBar).Height());

    ASSERT_TRUE(m_input.DoubleClick(TabPoint(1)));
    ASSERT_TRUE(PumpUntil([&] { return !m_pBar->IsRibbonMinimized(); }));
    ASSERT_TRUE(PumpUntil([&] { return CKTWindowRect(m_pBar).Height() == nFull; }));
    EXPECT_TRUE(m_pBar->GetSelectedTab() != NULL);
}

TEST_F(RibbonTabs, AScreenReaderReadsTheTabList)
{
    m_pTabs->GetTab(1)->SetCaption("&Insert");
    m_pTabs->GetTab(2)->SetVisible(FALSE);
    CComHolder<IAccessible> accessible;
    ASSERT_EQ(S_OK, ::AccessibleObjectFromWindow(m_pBar->GetSafeHwnd(), KT_ID_RIBBONCONTROLTAB, IID_IAccessible,
                                                 reinterpret_cast<void**>(&accessible)));
    EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST, AccRole(accessible.p));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, AccState(accessible.p));
    long nCount = 0;
    ASSERT_EQ(S_OK, accessible->get_accChildCount(&nCount));
    EXPECT_EQ(3, nCount);
    EXPECT_EQ(ROLE_SYSTEM_PAGETAB, AccRole(accessible.p, 1));
    EXPECT_EQ("Home", AccName(accessible.p, 1));
    EXPECT_EQ("Insert", AccName(accessible.p, 2));
    EXPECT_EQ(0x300006, AccState(accessible.p, 1));
    EXPECT_EQ(0x300000, AccState(accessible.p, 2));
    EXPECT_EQ(0x300000 | STATE_SYSTEM_INVISIBLE, AccState(accessible.p, 3));
    CRect rcTab = m_pTabs->GetTab(1)->GetRect();
    m_pBar->ClientToScreen(&rcTab);
    EXPECT_EQ(rcTab, AccLocation(accessible.p, 2));
    VARIANT var;
    EXPECT_EQ(E_INVALIDARG, accessible->get_accRole(AccChild(4), &var));

    // The default action switches to the tab.
    EXPECT_EQ(S_OK, accessible->accDoDefaultAction(AccChild(2)));
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    EXPECT_EQ(0x300006, AccState(accessible.p, 2));

    // Below its minimum width the list is there but invisible.
    m_frame.SetClientWidth(200);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_INVISIBLE, AccState(accessible.p));
}

TEST_F(RibbonTabs, ArrowKeysMoveAlongTheRowAndDownIntoTheGroups)
{
    CKTRibbonGroup* pGroup = m_pTabs->GetTab(0)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Clipboard", 1);
    CKTControl* pPaste = pGroup->AddControl(ktControlButton, 300);
    m_pBar->OnRecalcLayout();
    ASSERT_TRUE(m_pBar->SetTrackingMode(TRUE, FALSE, TRUE));
    m_pBar->SetSelected(m_pTabs->GetIndex(), 2);
    EXPECT_TRUE(m_pTabs->IsKeyboardFocus());

    ASSERT_TRUE(m_input.Key(VK_RIGHT));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(1); }));
    EXPECT_EQ((std::vector<std::pair<int, CKTRibbonTab*>>{{TCN_SELCHANGING, m_pTabs->GetTab(1)},
                                                          {TCN_SELCHANGE, m_pTabs->GetTab(1)}}),
              m_frame.m_tabNotifications);

    // At either end of the row the key is left to the bar.
    m_pTabs->SetSelectedItem(m_pTabs->GetTab(2));
    EXPECT_EQ(ktHookContinue, m_pTabs->OnHookKeyDown(VK_RIGHT, 0));
    m_pTabs->SetSelectedItem(m_pTabs->GetTab(0));
    EXPECT_EQ(ktHookContinue, m_pTabs->OnHookKeyDown(VK_LEFT, 0));
    EXPECT_EQ(m_pTabs->GetTab(0), m_pBar->GetSelectedTab());

    // Down goes to the first control after the row, keyboard-selected; the row loses its focus.
    ASSERT_TRUE(m_input.Key(VK_DOWN));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == pPaste->GetIndex(); }));
    EXPECT_EQ(2, pPaste->GetSelected());
    EXPECT_FALSE(m_pTabs->IsKeyboardFocus());
    m_pBar->SetTrackingMode(0);
}

TEST_F(RibbonTabs, AMinimisedRibbonDropsATabsGroupsDownUntilAnOutsideClick)
{
    CKTRibbonGroup* pGroup = m_pTabs->GetTab(1)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Tables", 1);
    pGroup->AddControl(ktControlButton, 300);
    m_pBar->SetMinimized(TRUE);
    PumpMessages();
    m_frame.m_tabNotifications.clear();

    ASSERT_TRUE(m_input.Click(TabPoint(1)));
    auto popupShown = [&]
    {
        CKTCommandBar* pPopup = m_pTabs->GetCommandBar();
        return pPopup && pPopup->GetSafeHwnd() && pPopup->IsWindowVisible();
    };
    ASSERT_TRUE(PumpUntil(popupShown));
    auto* pPopup = dynamic_cast<CKTRibbonTabPopupToolBar*>(m_pTabs->GetCommandBar());
    ASSERT_TRUE(pPopup != NULL);
    EXPECT_TRUE(m_pBar->IsRibbonMinimized());
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    EXPECT_EQ(TCN_SELCHANGE, m_frame.m_tabNotifications.back().first);

    // The copy of the tab shows the group with a copy of its button, under the tab row.
    ASSERT_EQ(1, pPopup->GetTabCopy()->GetGroups()->GetCount());
    CKTRibbonGroup* pCopy = pPopup->GetTabCopy()->GetGroups()->GetAt(0);
    EXPECT_EQ(CString("Tables"), pCopy->GetCaption());
    ASSERT_EQ(1, pCopy->GetCount());
    EXPECT_EQ(300, pCopy->GetAt(0)->GetID());
    EXPECT_EQ(pPopup, pCopy->GetAt(0)->GetParent());
    CRect rcRow = m_pTabs->GetRect();
    m_pBar->ClientToScreen(&rcRow);
    const CRect rcPopup = CKTWindowRect(pPopup);
    EXPECT_EQ(rcRow.bottom, rcPopup.top);
    EXPECT_EQ(m_pBar->CalcGroupHeight(), rcPopup.Height());

    // A click outside closes it and the minimised ribbon selects no tab.
    CRect rcClient;
    m_frame.GetWindow()->GetClientRect(rcClient);
    CTestInput outside(m_frame.GetWindow()->GetSafeHwnd());
    ASSERT_TRUE(outside.Click(CPoint(rcClient.right - 20, rcClient.bottom - 20)));
    ASSERT_TRUE(PumpUntil([&] { return !popupShown(); }));
    EXPECT_EQ(NULL, m_pBar->GetSelectedTab());
    EXPECT_TRUE(m_pBar->IsRibbonMinimized());
}

TEST_F(RibbonTabs, AFullRibbonOpensNoTabPopup)
{
    EXPECT_FALSE(m_pTabs->OnSetPopup(TRUE));
    EXPECT_TRUE(m_pTabs->GetCommandBar() == NULL);
}

// A frame that minimised and restored its ribbon by double clicks, and whose
// notifications filled its record, is destroyed once: the next frame gets
// whole command bars and lays out again.
TEST(RibbonFrames, AClosedFrameLeavesTheNextOneWhole)
{
    const int nDestroyedBefore = CRibbonFrameWnd::s_nDestructions;
    {
        CRibbonTestFrame frame;
        CKTRibbonBar* pBar = frame.GetRibbon();
        CKTRibbonControlTab* pTabs = pBar->GetControlTab();
        CTestInput input(pBar->GetSafeHwnd());
        auto tabPoint = [&](int nIndex) { return pTabs->GetTab(nIndex)->GetRect().CenterPoint(); };
        ASSERT_TRUE(input.DoubleClick(tabPoint(0)));
        ASSERT_TRUE(PumpUntil([&] { return pBar->IsRibbonMinimized(); }));
        ASSERT_TRUE(input.DoubleClick(tabPoint(1)));
        ASSERT_TRUE(PumpUntil([&] { return !pBar->IsRibbonMinimized(); }));
        pBar->SetMinimizeAllowed(FALSE);
        ASSERT_TRUE(input.Click(tabPoint(2)));
        ASSERT_TRUE(PumpUntil([&] { return pBar->GetSelectedTab() == pTabs->GetTab(2); }));
        EXPECT_FALSE(frame.m_tabNotifications.empty());
    }
    EXPECT_EQ(nDestroyedBefore + 1, CRibbonFrameWnd::s_nDestructions);

    CRibbonTestFrame next;
    ASSERT_TRUE(next.GetCommandBars() != NULL);
    CKTRibbonBar* pBar = next.GetRibbon();
    ASSERT_TRUE(pBar != NULL);
    pBar->GetControlTab()->GetTab(1)->SetCaption("&Insert");
    EXPECT_EQ(pBar->GetCaptionHeight() + pBar->GetTabsHeight() + pBar->GetGroupsHeight(), CKTWindowRect(pBar).Height());
}

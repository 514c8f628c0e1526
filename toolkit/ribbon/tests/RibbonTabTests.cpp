// RibbonTabTests.cpp: the tab row under real clicks: selection and its notifications, minimising, accessibility.
#include "AccessibleClient.h"
#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTPaintManager.h"
#include "KTKeyboardTips.h"
#include "KTPopupBar.h"
#include "KTDrawObjects.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"
#include "KTRibbonTabPopupToolBar.h"
#include "LoadedStyle.h"
#include "MessagePump.h"
#include "OffScreenImage.h"
#include "PixelImage.h"
#include "RibbonTestFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

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
    bool PopupShown() const
    {
        CKTCommandBar* pPopup = m_pTabs->GetCommandBar();
        return pPopup && pPopup->GetSafeHwnd() && pPopup->IsWindowVisible();
    }
    // Clicks the tab of the minimised ribbon and waits for its groups to drop down.
    bool DropDown(int nTab)
    {
        return m_input.Click(TabPoint(nTab)) && PumpUntil([this] { return PopupShown(); });
    }
    bool MinimiseAndDropDown(int nTab)
    {
        m_pBar->SetMinimized(TRUE);
        PumpMessages();
        return DropDown(nTab);
    }
    CKTRibbonGroup* AddTablesGroup() const
    {
        return m_pTabs->GetTab(1)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Tables", 1);
    }

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

TEST_F(RibbonTabs, HidingTheSelectedTabSelectsTheFirstVisibleEnabledOneAndWithNoneLeftKeepsIt)
{
    CKTRibbonGroup* pInsert = m_pTabs->GetTab(1)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Table", 1);
    CKTControl* pTable = pInsert->AddControl(ktControlButton, 300);
    m_pTabs->SetSelectedItem(m_pTabs->GetTab(2));
    m_pTabs->GetTab(0)->SetEnabled(FALSE);
    m_pTabs->GetTab(2)->SetVisible(FALSE);
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab()) << "past the disabled first tab";
    m_pBar->OnRecalcLayout();
    EXPECT_TRUE(pTable->IsVisible());

    m_pTabs->GetTab(1)->SetVisible(FALSE);
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab()) << "no tab is left to take the selection";
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
    ASSERT_TRUE(m_pBar->SetTrackingMode(ktTrackingOn, FALSE, TRUE));
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
    m_pBar->SetTrackingMode(ktTrackingNone);
}

TEST_F(RibbonTabs, AMinimisedRibbonDropsATabsGroupsDownUntilAnOutsideClick)
{
    CKTControl* pButton = AddTablesGroup()->AddControl(ktControlButton, 300);
    m_pBar->SetMinimized(TRUE);
    PumpMessages();
    m_frame.m_tabNotifications.clear();

    ASSERT_TRUE(DropDown(1));
    auto popupShown = [this] { return PopupShown(); };
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
    EXPECT_EQ(m_pTabs->GetTab(1)->GetRect(), pPopup->GetTabCopy()->GetRect());
    CRect rcRow = m_pTabs->GetRect();
    m_pBar->ClientToScreen(&rcRow);
    const CRect rcPopup = CKTWindowRect(pPopup);
    EXPECT_EQ(rcRow.bottom, rcPopup.top);
    EXPECT_EQ(m_pBar->CalcGroupHeight(), rcPopup.Height());
    EXPECT_FALSE(pButton->IsVisible()) << "the ribbon's own button stays hidden under its copy";

    // A click outside closes it and the minimised ribbon selects no tab.
    CRect rcClient;
    m_frame.GetWindow()->GetClientRect(rcClient);
    CTestInput outside(m_frame.GetWindow()->GetSafeHwnd());
    ASSERT_TRUE(outside.Click(CPoint(rcClient.right - 20, rcClient.bottom - 20)));
    ASSERT_TRUE(PumpUntil([&] { return !popupShown(); }));
    EXPECT_EQ(NULL, m_pBar->GetSelectedTab());
    EXPECT_TRUE(m_pBar->IsRibbonMinimized());

    // Restored while a tab is dropped down, the ribbon shows that tab's groups.
    ASSERT_TRUE(DropDown(1));
    m_pBar->SetMinimized(FALSE);
    ASSERT_TRUE(PumpUntil([&] { return !popupShown(); }));
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    EXPECT_TRUE(pButton->IsVisible());
}

// Under a dropped-down tab the ribbon's own controls stay hidden, whatever the program does to their group meanwhile.
TEST_F(RibbonTabs, ADroppedDownTabsOwnControlsStayHiddenWhileItsGroupChanges)
{
    CKTRibbonGroup* pGroup = AddTablesGroup();
    CKTControl* pButton = pGroup->AddControl(ktControlButton, 300);
    ASSERT_TRUE(MinimiseAndDropDown(1));
    pGroup->SetVisible(FALSE);
    pGroup->SetVisible(TRUE);
    EXPECT_FALSE(pButton->IsVisible());
    CKTControl* pAdded = pGroup->AddControl(ktControlButton, 301);
    EXPECT_FALSE(pAdded->IsVisible());

    m_pBar->SetMinimized(FALSE);
    EXPECT_TRUE(pButton->IsVisible());
    EXPECT_TRUE(pAdded->IsVisible());
}

// Controls shown again by restoring the ribbon with a tab dropped down, or by showing their group, draw with their
// command state at once, before any idle time.
TEST_F(RibbonTabs, ControlsShownAgainTakeTheirCommandStateAtOnce)
{
    m_pBar->GetCommandBars()->GetCommandBarsOptions()->bDisableCommandIfNoHandler = TRUE;
    CKTRibbonGroup* pGroup = AddTablesGroup();
    CKTControl* pOrphan = pGroup->AddControl(ktControlButton, 300);
    m_pTabs->SetSelectedItem(m_pTabs->GetTab(1));
    pGroup->SetVisible(FALSE);
    pOrphan->SetEnabled(TRUE);
    pGroup->SetVisible(TRUE);
    ASSERT_TRUE(pOrphan->IsVisible());
    EXPECT_FALSE(pOrphan->IsEnabled()) << "its group shown";

    ASSERT_TRUE(MinimiseAndDropDown(1));
    pOrphan->SetEnabled(TRUE);
    m_pBar->SetMinimized(FALSE);
    ASSERT_TRUE(pOrphan->IsVisible());
    EXPECT_FALSE(pOrphan->IsEnabled()) << "restored";
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

// A ribbon of larger icons than the bars' own.
class CLargeIconRibbon : public CKTRibbonBar
{
    DECLARE_DYNCREATE(CLargeIconRibbon)
public:
    CSize GetIconSize() const override { return CSize(24, 24); }
};
IMPLEMENT_DYNCREATE(CLargeIconRibbon, CKTRibbonBar)

namespace
{

class RibbonTabPopup : public ::testing::Test
{
protected:
    RibbonTabPopup()
        : m_frame(500, 400, RUNTIME_CLASS(CLargeIconRibbon)), m_pBar(m_frame.GetRibbon()),
          m_pTabs(m_pBar->GetControlTab()), m_input(m_pBar->GetSafeHwnd())
    {
        m_pMenu = CKTPopupBar::CreatePopupBar(m_pBar->GetCommandBars());
        m_pBar->AddSystemButton("&File", m_pMenu);
        for (int i = 0; i < 5; i++)
        {
            auto* pGroup = static_cast<CTestRibbonGroup*>(
                m_pTabs->GetTab(1)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Wide", i + 1));
            pGroup->m_nWidth = 150;
            for (int j = 0; j < 3; j++)
                pGroup->AddControl(ktControlButton, 300 + 10 * i + j)->SetCaption("Item");
        }
        m_pBar->SetMinimized(TRUE);
        PumpMessages();
    }

    // Opens tab 1's drop-down with a click and gives it once it shows.
    CKTRibbonTabPopupToolBar* Open()
    {
        if (!m_input.Click(m_pTabs->GetTab(1)->GetRect().CenterPoint()))
            return NULL;
        auto shown = [this]
        {
            CKTCommandBar* pPopup = m_pTabs->GetCommandBar();
            return pPopup && pPopup->GetSafeHwnd() && pPopup->IsWindowVisible();
        };
        if (!PumpUntil(shown))
            return NULL;
        PumpMessages();
        return static_cast<CKTRibbonTabPopupToolBar*>(m_pTabs->GetCommandBar());
    }

    CRibbonTestFrame m_frame;
    CKTRibbonBar* m_pBar;
    CKTRibbonControlTab* m_pTabs;
    CTestInput m_input;
    CKTSmartPtr<CKTPopupBar> m_pMenu;
};
}  // namespace

TEST_F(RibbonTabPopup, DropsDownUnderTheWholeRibbonAndScrollsWithItsButtonsStayingOpen)
{
    CKTRibbonTabPopupToolBar* pPopup = Open();
    ASSERT_TRUE(pPopup != NULL);
    // Under the tab row from the ribbon's left edge, not from the tabs' (they start after the system button).
    const CRect rcRibbon = CKTWindowRect(m_pBar), rcPopup = CKTWindowRect(pPopup);
    ASSERT_GT(m_pTabs->GetRect().left, 10);
    EXPECT_EQ(rcRibbon.left, rcPopup.left);
    EXPECT_EQ(rcRibbon.Width(), rcPopup.Width());

    // Its groups do not fit: its own scroll button shows, drawn, and a click scrolls in place.
    CKTRibbonGroupsScroller* pScroller = pPopup->GetGroupsScroller();
    CKTControl* pRight = pScroller->GetScrollButton(FALSE);
    ASSERT_TRUE(pRight->IsVisible());
    const CRect rcClient = CKTClientRect(pPopup);
    auto draw = [&]
    { return DrawOffScreen(rcClient.Size(), [&](CDC* pDC) { pPopup->DrawCommandBar(pDC, rcClient); }); };
    const CPixelImage withButton = draw();
    pRight->SetHideFlag(ktHideScroll, TRUE);
    const CPixelImage withoutButton = draw();
    pRight->SetHideFlag(ktHideScroll, FALSE);
    EXPECT_GT(withButton.CountDiffering(withoutButton), 0) << "the button is drawn";

    CTestInput popupInput(pPopup->GetSafeHwnd());
    ASSERT_TRUE(popupInput.Click(pRight->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([pScroller] { return pScroller->GetOffset() > 0; }));
    EXPECT_EQ(40, pScroller->GetOffset());
    EXPECT_TRUE(pPopup->GetSafeHwnd() && pPopup->IsWindowVisible()) << "still open";
    EXPECT_EQ(pPopup, m_pTabs->GetCommandBar());
    m_pBar->GetCommandBars()->ClosePopups();
}

TEST_F(RibbonTabPopup, ItsGroupsTakeTheRibbonsSizesTipsAndScrollAControlIntoView)
{
    CKTRibbonTabPopupToolBar* pPopup = Open();
    ASSERT_TRUE(pPopup != NULL);
    EXPECT_EQ(CSize(24, 24), pPopup->GetIconSize());
    EXPECT_EQ(m_pBar->GetButtonSize(), pPopup->GetButtonSize());

    // The copied groups' tips stand where the ribbon puts its own groups' tips.
    CKTCommandBars* pCommandBars = m_pBar->GetCommandBars();
    pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
    pCommandBars->GetKeyboardTips()->Show(pPopup, 1);
    CKTRibbonGroup* pFirstGroup = pPopup->GetTabCopy()->GetGroups()->GetAt(0);
    CKTControl* pFirst = pFirstGroup->GetAt(0);
    ASSERT_FALSE(pCommandBars->GetKeyboardTips()->GetTips().empty());
    CKTCommandBarKeyboardTip* pTip = pCommandBars->GetKeyboardTips()->GetTips().front().get();
    EXPECT_EQ(pFirst, pTip->GetTarget());
    EXPECT_EQ(CPoint(pFirst->GetRect().left + 11, pFirstGroup->GetRect().top + 2), pTip->GetAnchor());
    pCommandBars->GetKeyboardTips()->Hide();

    // The last control comes into view with room beside it.
    CKTControl* pLast = pPopup->GetTabCopy()->GetGroups()->GetAt(4)->GetAt(2);
    ASSERT_GT(pLast->GetRect().right, pPopup->GetGroupsRect().right);
    pPopup->EnsureControlVisible(pLast);
    EXPECT_EQ(pPopup->GetGroupsRect().right - 12, pLast->GetRect().right);
    pCommandBars->ClosePopups();
}

TEST_F(RibbonTabs, ANewTabHidesTheOldTabsControlTipsAndShowsItsIcon)
{
    CKTCommandBars* pCommandBars = m_pBar->GetCommandBars();
    pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
    CKTRibbonGroup* pGroup = m_pTabs->GetTab(0)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Clipboard", 1);
    pGroup->AddControl(ktControlButton, 300)->SetCaption("Paste");
    m_pBar->OnRecalcLayout();
    PumpMessages();
    pCommandBars->GetKeyboardTips()->Show(m_pBar, 2);
    ASSERT_EQ(2, pCommandBars->GetKeyboardTips()->GetLevel());
    m_pTabs->SetSelectedItem(m_pTabs->GetTab(1));
    EXPECT_EQ(0, pCommandBars->GetKeyboardTips()->GetLevel());
    EXPECT_TRUE(pCommandBars->GetKeyboardTips()->GetTips().empty());

    // A tab with an image shows it before its caption.
    const UINT nImage = 9250;
    BYTE andMask[32] = {}, xorMask[32];
    memset(xorMask, 0, sizeof(xorMask));
    HICON hIcon = ::CreateIcon(NULL, 16, 16, 1, 1, andMask, xorMask);
    ASSERT_TRUE(hIcon != NULL);
    ASSERT_TRUE(m_pBar->GetImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nImage, CSize(16, 16)));
    ::DestroyIcon(hIcon);
    CKTRibbonTab* pTab = m_pTabs->GetTab(2);
    const int nPlainWidth = pTab->GetRect().Width();
    pTab->SetImage(nImage);
    m_pBar->OnRecalcLayout();
    EXPECT_GT(pTab->GetRect().Width(), nPlainWidth);
    const CRect rc = CKTClientRect(m_pBar);
    const CPixelImage drawn = DrawOffScreen(rc.Size(), [&](CDC* pDC) { m_pBar->DrawCommandBar(pDC, rc); });
    int nBlack = 0;
    const CPoint ptTab = pTab->GetRect().TopLeft();
    for (int y = pTab->GetRect().CenterPoint().y - 8; y < pTab->GetRect().CenterPoint().y + 8; y++)
        for (int x = ptTab.x; x < ptTab.x + 24; x++)
            nBlack += drawn.Pixel(x, y) == RGB(0, 0, 0);
    EXPECT_GE(nBlack, 200) << "the black icon";
}

TEST_F(RibbonTabs, WhileAPopupTracksTheTabsAreLocked)
{
    EXPECT_FALSE(m_pTabs->IsMouseLocked());
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pBar->GetCommandBars());
    pPopup->GetControls()->Add(ktControlButton, 300, "Item");
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    ASSERT_TRUE(PumpUntil([&] { return pPopup->IsVisible(); }));
    EXPECT_TRUE(m_pTabs->IsMouseLocked());
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(-1, m_pTabs->CKTTabManager::OnToolHitTest(m_pBar->GetSafeHwnd(), TabPoint(1), &ti)) << "no tip";
    m_pBar->GetCommandBars()->ClosePopups();
    EXPECT_FALSE(m_pTabs->IsMouseLocked());
}

TEST_F(RibbonTabPopup, StaysInsideTheWorkAreaOpeningAboveTheTabRowAtItsFoot)
{
    // The frame hangs off the work area's left edge and down to its foot, its tab row still inside.
    CRect rcWork;
    ASSERT_TRUE(::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0));
    CWnd* pFrame = m_frame.GetWindow();
    const CRect rcFrame = CKTWindowRect(pFrame);
    CRect rcRow = m_pTabs->GetRect();
    m_pBar->ClientToScreen(rcRow);
    const CPoint ptNew(rcWork.left - 40, rcWork.bottom - (rcRow.bottom - rcFrame.top) - 20);
    pFrame->SetWindowPos(NULL, ptNew.x, ptNew.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(PumpUntil([&] { return CKTWindowRect(pFrame).TopLeft() == ptNew; }));
    PumpMessages();

    CKTRibbonTabPopupToolBar* pPopup = Open();
    ASSERT_TRUE(pPopup != NULL);
    rcRow = m_pTabs->GetRect();
    m_pBar->ClientToScreen(rcRow);
    const CRect rcRibbon = CKTWindowRect(m_pBar), rcPopup = CKTWindowRect(pPopup);
    EXPECT_EQ(rcWork.left, rcPopup.left);
    EXPECT_EQ(rcRibbon.right - rcWork.left, rcPopup.Width()) << "narrowed by what lies outside";
    EXPECT_EQ(rcRow.top, rcPopup.bottom) << "above the tab row";
    m_pBar->GetCommandBars()->ClosePopups();
}

namespace
{
// The ribbon as drawn with its first tab captioned as given, the cues shown or hidden.
CPixelImage DrawnWithFirstTab(CKTRibbonBar* pBar, LPCSTR lpszCaption, BOOL bCues)
{
    pBar->GetControlTab()->GetTab(0)->SetCaption(lpszCaption);
    pBar->GetCommandBars()->SetKeyboardCuesVisible(bCues);
    pBar->OnRecalcLayout();
    PumpMessages();
    const CRect rc = CKTClientRect(pBar);
    return DrawOffScreen(rc.Size(), [&](CDC* pDC) { pBar->DrawCommandBar(pDC, rc); });
}

// Where two drawings differ.
CRect DifferingBounds(const CPixelImage& a, const CPixelImage& b)
{
    CRect rc(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = 0; y < a.Height(); y++)
        for (int x = 0; x < a.Width(); x++)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                rc.SetRect(std::min<int>(rc.left, x), std::min<int>(rc.top, y), std::max<int>(rc.right, x + 1),
                           std::max<int>(rc.bottom, y + 1));
    return rc;
}
}  // namespace

// "&Home" reads Home under either theme: its H underlined while the cues show, plain while they are hidden.
TEST_F(RibbonTabs, ATabsAccessLetterIsUnderlinedOnlyWhileTheCuesShow)
{
    CLoadedStyle style("STYLE_INI");
    for (KTCommandBarsTheme nTheme : {ktCommandBarsThemeClassic, ktCommandBarsThemeRibbon})
    {
        SCOPED_TRACE(nTheme);
        CKTPaintManager::SetTheme(nTheme);
        EXPECT_EQ(0,
                  DrawnWithFirstTab(m_pBar, "&Home", FALSE).CountDiffering(DrawnWithFirstTab(m_pBar, "Home", FALSE)));

        const CRect rcDiffer =
            DifferingBounds(DrawnWithFirstTab(m_pBar, "&Home", TRUE), DrawnWithFirstTab(m_pBar, "Home", TRUE));
        const CRect rcTab = m_pTabs->GetTab(0)->GetRect();
        ASSERT_FALSE(rcDiffer.IsRectEmpty()) << "no underline";
        EXPECT_LE(rcDiffer.Height(), 2) << "only the underline differs";
        EXPECT_TRUE(rcTab.PtInRect(rcDiffer.TopLeft()));
        EXPECT_LT(rcDiffer.Width(), rcTab.Width() / 3) << "under the first letter alone";
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

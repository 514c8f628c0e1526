// RibbonQuickAccessTests.cpp: the quick access toolbar under real input: adding and removing controls through their
// context menus, the drop-down's menu moving the toolbar, and the "more" button's popup.
#include "KTCommandBars.h"
#include "KTControlMDIButton.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTRibbonBar.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonRes.h"
#include "KTToolBar.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "RibbonInputFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace
{
class RibbonQuickAccess : public ::testing::Test
{
protected:
    explicit RibbonQuickAccess(int cx = 600) : m_frame(cx, 300), m_pBar(m_frame.GetRibbon())
    {
        m_pGroup = m_frame.AddGroup(0, {"Paste", "Cut", "Copy"}, 200);
        PumpMessages();
    }

    // Clicks the control's point and, once the menu it opens shows, types the key.
    bool MenuKey(CKTControl* pControl, bool bRight, WORD wKey) { return MenuKeys(pControl, bRight, {wKey}); }
    bool MenuKeys(CKTControl* pControl, bool bRight, std::vector<WORD> keys)
    {
        return m_frame.MenuKeys(pControl->GetRect().CenterPoint(), bRight, keys);
    }

    CKTControl* MenuEntry(int nId) const { return m_frame.m_pShownMenu.load()->GetControls()->FindControl(nId); }
    // The default commands' entries of the last menu: caption and check state.
    std::vector<std::pair<CString, int>> CommandEntries() const
    {
        std::vector<std::pair<CString, int>> entries;
        CKTPopupBar* pMenu = m_frame.m_pShownMenu;
        for (int i = 0; i < pMenu->GetControlCount(); i++)
            if (dynamic_cast<CKTRibbonControlQuickAccessCommand*>(pMenu->GetControl(i)))
                entries.emplace_back(pMenu->GetControl(i)->GetCaption(), pMenu->GetControl(i)->GetChecked());
        return entries;
    }
    CKTRibbonQuickAccessControls* Quick() const { return m_pBar->GetQuickAccessControls(); }

    CRibbonInputFrame m_frame;
    CKTRibbonBar* m_pBar;
    CTestRibbonGroup* m_pGroup;
};

class RibbonQuickAccessNarrow : public RibbonQuickAccess
{
protected:
    RibbonQuickAccessNarrow() : RibbonQuickAccess(300) {}
};
}  // namespace

TEST_F(RibbonQuickAccess, AControlsMenuAddsItOnceAndTheCopysMenuRemovesIt)
{
    CKTControl* pPaste = m_pGroup->GetAt(0);
    ASSERT_TRUE(MenuKey(pPaste, true, 'A'));
    ASSERT_EQ(1, Quick()->GetCount());
    CKTControl* pCopy = Quick()->GetAt(0);
    EXPECT_NE(pPaste, pCopy);
    EXPECT_EQ(200, pCopy->GetID());
    EXPECT_EQ(NULL, pCopy->GetRibbonGroup());
    EXPECT_TRUE(pCopy->IsVisible());
    EXPECT_EQ(m_pBar, pCopy->GetParent());
    EXPECT_EQ(pCopy, m_pBar->GetControls()->GetAt(pCopy->GetIndex())) << "mirrored among the ribbon's controls";
    CRect rcInside;
    EXPECT_TRUE(rcInside.IntersectRect(pCopy->GetRect(), m_pBar->GetCaptionRect()) && rcInside == pCopy->GetRect())
        << "in the caption row";
    EXPECT_LE(m_pBar->GetQuickAccessHeight(), m_pBar->GetCaptionHeight());

    // The same control again, soon enough to make a double click: the entry is there but disabled, and Esc leaves
    // the toolbar alone.
    ASSERT_TRUE(MenuKey(pPaste, true, VK_ESCAPE));
    ASSERT_TRUE(MenuEntry(KT_ID_RIBBON_ADDQUICKACCESS) != NULL);
    EXPECT_TRUE(MenuEntry(KT_ID_RIBBON_ADDQUICKACCESS)->IsVisible());
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_ADDQUICKACCESS)->IsEnabled());
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_REMOVEQUICKACCESS)->IsVisible());
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_QUICKACCESSBELOW)->IsVisible()) << "a group control does not move the bar";
    EXPECT_EQ(1, Quick()->GetCount());

    // Duplicates allowed: the same command a second time.
    m_pBar->SetAllowQuickAccessDuplicates(TRUE);
    ASSERT_TRUE(MenuKey(pPaste, true, 'A'));
    EXPECT_EQ(2, Quick()->GetCount());
    m_pBar->SetAllowQuickAccessDuplicates(FALSE);

    // On the toolbar's copy: Remove, and the move entries; no Add.
    ASSERT_TRUE(MenuKey(pCopy, true, 'R'));
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_ADDQUICKACCESS)->IsVisible());
    EXPECT_TRUE(MenuEntry(KT_ID_RIBBON_QUICKACCESSBELOW)->IsVisible());
    ASSERT_EQ(1, Quick()->GetCount());
    EXPECT_NE(pCopy, Quick()->GetAt(0));
    for (int i = 0; i < m_pBar->GetControlCount(); i++)
        EXPECT_NE(pCopy, m_pBar->GetControl(i)) << "gone from the ribbon's controls too";
}

TEST_F(RibbonQuickAccess, TheDropDownsMenuMovesTheToolbarBelowTheRibbonAndBack)
{
    m_pBar->AddToQuickAccess(m_pGroup->GetAt(1));
    PumpMessages();
    const int nAbove = CKTWindowRect(m_pBar).Height();
    CKTControl* pDropDown = m_pBar->GetQuickAccessPopup();
    ASSERT_TRUE(pDropDown->IsVisible());

    ASSERT_TRUE(MenuKey(pDropDown, false, 'S'));
    ASSERT_TRUE(m_pBar->IsQuickAccessBelowRibbon());
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_QUICKACCESSABOVE)->IsVisible());
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_QUICKACCESSCOMMANDS)->IsVisible()) << "no command list is kept";
    ASSERT_TRUE(PumpUntil([&] { return CKTWindowRect(m_pBar).Height() != nAbove; }));
    const CRect rcQuick = m_pBar->GetQuickAccessRect();
    EXPECT_EQ(m_pBar->GetGroupsRect().bottom, rcQuick.top);
    EXPECT_EQ(m_pBar->GetCaptionHeight() + m_pBar->GetTabsHeight() + m_pBar->CalcGroupHeight() +
                  m_pBar->GetQuickAccessHeight() + 1,
              CKTWindowRect(m_pBar).Height());
    EXPECT_TRUE(rcQuick.PtInRect(Quick()->GetAt(0)->GetRect().CenterPoint()));
    EXPECT_TRUE(rcQuick.PtInRect(pDropDown->GetRect().CenterPoint()));
    EXPECT_EQ(Quick()->GetAt(0)->GetRect().right, pDropDown->GetRect().left) << "no gap under the groups";

    ASSERT_TRUE(MenuKey(pDropDown, false, 'S'));
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_QUICKACCESSBELOW)->IsVisible());
    EXPECT_FALSE(m_pBar->IsQuickAccessBelowRibbon());
    ASSERT_TRUE(PumpUntil([&] { return CKTWindowRect(m_pBar).Height() == nAbove; }));
    EXPECT_TRUE(m_pBar->GetCaptionRect().PtInRect(Quick()->GetAt(0)->GetRect().CenterPoint()));
    EXPECT_EQ(Quick()->GetAt(0)->GetRect().right + 12, pDropDown->GetRect().left) << "a gap in the caption row";
}

TEST_F(RibbonQuickAccess, TheDropDownListsTheDefaultCommandsCheckedWhileShownAndAPickTogglesOne)
{
    CKTSmartPtr<CKTControls> pDefaults = KTMakeCounted<CKTControls>();
    pDefaults->Add(ktControlButton, 200)->SetCaption("&Paste");
    pDefaults->Add(ktControlButton, 201)->SetCaption("Cu&t");
    Quick()->SetOriginalControls(pDefaults);
    m_pBar->AddToQuickAccess(m_pGroup->GetAt(1));
    PumpMessages();
    CKTControl* pDropDown = m_pBar->GetQuickAccessPopup();

    ASSERT_TRUE(MenuKey(pDropDown, false, 'P'));
    EXPECT_TRUE(MenuEntry(KT_ID_RIBBON_QUICKACCESSTITLE)->IsVisible());
    EXPECT_EQ((std::vector<std::pair<CString, int>>{{"&Paste", 0}, {"Cu&t", 1}}), CommandEntries());
    ASSERT_EQ(2, Quick()->GetCount()) << "Paste went on";
    EXPECT_EQ(200, Quick()->GetAt(1)->GetID());
    EXPECT_NE(pDefaults->GetAt(0), Quick()->GetAt(1)) << "a copy";

    ASSERT_TRUE(MenuKey(pDropDown, false, 'T'));
    ASSERT_EQ(1, Quick()->GetCount()) << "Cut came off";
    EXPECT_EQ(200, Quick()->GetAt(0)->GetID());

    // Not customisable: neither the list nor adding, and the customise entry is plain.
    m_pBar->SetQuickAccessCustomizable(FALSE);
    ASSERT_TRUE(MenuKey(pDropDown, false, VK_ESCAPE));
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_QUICKACCESSTITLE)->IsVisible());
    EXPECT_TRUE(CommandEntries().empty());
    ASSERT_TRUE(MenuKey(m_pGroup->GetAt(1), true, VK_ESCAPE));
    EXPECT_FALSE(MenuEntry(KT_ID_RIBBON_ADDQUICKACCESS)->IsVisible());
    EXPECT_EQ("Customize", MenuEntry(KT_ID_RIBBON_CUSTOMIZEQUICKACCESS)->GetCaption());
}

TEST_F(RibbonQuickAccess, TheMinimiseEntryTogglesTheRibbon)
{
    ASSERT_TRUE(MenuKey(m_pGroup->GetAt(0), true, 'N'));
    EXPECT_TRUE(m_pBar->IsRibbonMinimized());
    ASSERT_TRUE(MenuKey(m_pBar->GetQuickAccessPopup(), false, 'N'));
    EXPECT_TRUE(MenuEntry(KT_ID_RIBBON_MINIMIZE)->GetChecked()) << "checked while minimised";
    EXPECT_FALSE(m_pBar->IsRibbonMinimized());
}

TEST_F(RibbonQuickAccess, BothMenusListTheFramesToolbarsAsAGroupAndAPickTogglesOne)
{
    CKTCommandBars* pBars = m_frame.GetCommandBars();
    CKTToolBar* pStandard = pBars->Add("Standard", ktBarTop);
    pStandard->GetControls()->Add(ktControlButton, 210)->SetCaption("Run");
    pBars->Add("Palette", ktBarTop)->SetContextMenuPresent(FALSE);
    pBars->RecalcFrameLayout();
    PumpMessages();
    // Where the list's entries stand in the last menu, with caption and check state; the ribbon cannot be closed
    // and the palette keeps out of menus, so neither is listed.
    auto listed = [this]
    {
        std::vector<std::tuple<int, CString, int, BOOL>> entries;
        CKTPopupBar* pMenu = m_frame.m_pShownMenu;
        for (int i = 0; i < pMenu->GetControlCount(); i++)
            if (CKTControl* pEntry = pMenu->GetControl(i); pEntry->GetParameter() == "CKTControlToolbar")
                entries.emplace_back(i, pEntry->GetCaption(), pEntry->GetChecked(), pEntry->GetBeginGroup());
        return entries;
    };

    // The drop-down's menu opens with the list; the first entry is the only one that can be chosen.
    ASSERT_TRUE(MenuKeys(m_pBar->GetQuickAccessPopup(), false, {VK_DOWN, VK_RETURN}));
    EXPECT_EQ((std::vector<std::tuple<int, CString, int, BOOL>>{{1, "Standard", 1, TRUE}}), listed())
        << "right after the list's place, which stands first";
    EXPECT_FALSE(pStandard->IsVisible());

    // A group control's menu has it after Remove and Add, before the customise entry, which keeps its own group.
    ASSERT_TRUE(MenuKeys(m_pGroup->GetAt(0), true, {VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_EQ((std::vector<std::tuple<int, CString, int, BOOL>>{{3, "Standard", 0, TRUE}}), listed());
    EXPECT_TRUE(MenuEntry(KT_ID_RIBBON_CUSTOMIZEQUICKACCESS)->GetBeginGroup());
    EXPECT_TRUE(pStandard->IsVisible());
    EXPECT_EQ(0, Quick()->GetCount()) << "Add was passed over, not run";
}

TEST_F(RibbonQuickAccess, WithTheToolbarAwayAndNoBarToListARightClickOpensNoMenu)
{
    m_pBar->SetQuickAccessVisible(FALSE);
    PumpMessages();
    CMessageRecorder recorder({}, {KTWM_INITCOMMANDSPOPUP});
    CLoopInput loop(m_pBar->GetSafeHwnd());
    // Esc closes a menu that should not have opened, so that the failure does not hang.
    loop.Press(m_pGroup->GetAt(0)->GetRect().CenterPoint(), true)
        .Release(true)
        .Await([this] { return m_frame.m_pShownMenu.load() != NULL; })
        .Key(VK_ESCAPE);
    ASSERT_TRUE(loop.Run());
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST_F(RibbonQuickAccessNarrow, ControlsWithoutRoomGoToTheMoreButtonsPopup)
{
    CTestRibbonGroup* pMany =
        m_frame.AddGroup(1, {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel"}, 300);
    for (int i = 0; i < pMany->GetCount(); i++)
        m_pBar->AddToQuickAccess(pMany->GetAt(i));
    PumpMessages();
    std::vector<int> hidden;
    int nRight = 0;
    for (int i = 0; i < Quick()->GetCount(); i++)
    {
        CKTControl* pControl = Quick()->GetAt(i);
        if (pControl->GetHideFlags() & KT_HIDE_RIBBONNOROOM)
            hidden.push_back(pControl->GetID());
        else
            nRight = std::max(nRight, (int)pControl->GetRect().right);
    }
    ASSERT_FALSE(hidden.empty());
    ASSERT_LT(hidden.size(), 8u);
    EXPECT_EQ(308, hidden.front() + (8 - (int)hidden.size())) << "the last ones leave";
    EXPECT_LE(nRight, 300 - 3 * m_pBar->GetCaptionHeight());
    CKTControl* pMore = m_pBar->GetQuickAccessMore();
    ASSERT_TRUE(pMore->IsVisible());
    EXPECT_FALSE(m_pBar->GetQuickAccessPopup()->IsVisible()) << "the more button takes the drop-down's place";

    CKTSmartPtr<CKTCommandBar> pPopup = m_pBar->CreateMoreQuickAccessPopup();
    std::vector<int> listed;
    for (int i = 0; i < pPopup->GetControlCount(); i++)
        listed.push_back(pPopup->GetControl(i)->GetID());
    std::vector<int> expected = hidden;
    expected.push_back(KT_ID_RIBBON_QUICKACCESSPOPUP);
    EXPECT_EQ(expected, listed);

    // A click opens it as the more button's popup.
    CTestInput input(m_pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pMore->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMore->GetCommandBar() && pMore->GetCommandBar()->IsVisible(); }));
    EXPECT_EQ((int)expected.size(), pMore->GetCommandBar()->GetControlCount());
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pMore->GetCommandBar()->IsVisible(); }));
}

TEST_F(RibbonQuickAccess, AGroupsButtonMayJoinTheToolbarWhenItHasACommandId)
{
    CKTControl* pGroupButton = m_pGroup->GetControlPopup();
    ASSERT_TRUE(pGroupButton != NULL);
    // Even one that may not move elsewhere.
    pGroupButton->SetFlags(pGroupButton->GetFlags() | ktFlagNoMovable);
    pGroupButton->SetID(500);
    EXPECT_TRUE(m_pBar->IsAllowQuickAccessControl(pGroupButton));
    pGroupButton->SetID(0);
    EXPECT_FALSE(m_pBar->IsAllowQuickAccessControl(pGroupButton));
}

TEST_F(RibbonQuickAccess, ControlsAddedAfterAMaximisedChildsIconKeepTheirOrder)
{
    CKTControl* pFirst = m_pBar->AddToQuickAccess(m_pGroup->GetAt(0));
    m_pBar->SetFlags(KT_MENUBAR_SHOWSYSMENU);
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(NULL, "Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               m_frame.GetWindow()));
    pChild->MDIMaximize();
    ASSERT_TRUE(PumpUntil([this] { return m_pBar->GetControls()->FindControl(KT_ID_MDI_SYSMENU) != NULL; }));
    ASSERT_EQ(0, m_pBar->GetControls()->FindControl(KT_ID_MDI_SYSMENU)->GetIndex());
    CKTControl* pSecond = m_pBar->AddToQuickAccess(m_pGroup->GetAt(1));
    CKTControl* pThird = m_pBar->AddToQuickAccess(m_pGroup->GetAt(2));
    EXPECT_EQ(pFirst->GetIndex() + 1, pSecond->GetIndex());
    EXPECT_EQ(pSecond->GetIndex() + 1, pThird->GetIndex());
    PumpMessages();
    EXPECT_LT(pFirst->GetRect().left, pSecond->GetRect().left) << "shown in the toolbar's order";
    EXPECT_LT(pSecond->GetRect().left, pThird->GetRect().left);
}

// The toolbar's list used as any bar's controls: what joins it shows in its place and takes the mouse, what leaves
// it is gone from the ribbon.
TEST_F(RibbonQuickAccess, ControlsAddedToAndRemovedFromTheToolbarsOwnListShowAndGo)
{
    CKTControl* pSecond = Quick()->Add(ktControlButton, 211);
    CKTControl* pFirst = Quick()->Add(ktControlButton, 210, NULL, 0);
    PumpMessages();
    CKTControls* pRibbonControls = m_pBar->GetControls();
    ASSERT_EQ(pFirst, pRibbonControls->GetAt(pFirst->GetIndex()));
    ASSERT_EQ(pSecond, pRibbonControls->GetAt(pSecond->GetIndex()));
    EXPECT_EQ(pFirst->GetIndex() + 1, pSecond->GetIndex()) << "in the toolbar's order";
    for (CKTControl* pControl : {pFirst, pSecond})
    {
        EXPECT_TRUE(pControl->IsVisible());
        EXPECT_TRUE(m_pBar->GetCaptionRect().PtInRect(pControl->GetRect().CenterPoint()));
        EXPECT_EQ(pControl, pRibbonControls->HitTest(pControl->GetRect().CenterPoint()));
    }
    EXPECT_LT(pFirst->GetRect().right, pSecond->GetRect().right);

    const CPoint ptFirst = pFirst->GetRect().CenterPoint();
    CKTSmartPtr<CKTControl> pHeld(pFirst);
    Quick()->Remove(pFirst);
    PumpMessages();
    EXPECT_FALSE(Quick()->Contains(pFirst));
    EXPECT_NE(pFirst, pRibbonControls->HitTest(ptFirst));
    EXPECT_NE(pFirst, pRibbonControls->GetAt(pFirst->GetIndex()));
    EXPECT_EQ(pSecond, pRibbonControls->HitTest(ptFirst)) << "the next control takes its place";

    Quick()->RemoveAll();
    PumpMessages();
    for (int i = 0; i < pRibbonControls->GetCount(); i++)
        EXPECT_NE(211, pRibbonControls->GetAt(i)->GetID());
    EXPECT_TRUE(m_pBar->GetQuickAccessPopup()->IsVisible());
}

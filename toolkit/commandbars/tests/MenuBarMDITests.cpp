// MenuBarMDITests.cpp: a maximised MDI child's icon and window buttons on the menu bar, driven by real clicks.
#include "FrameFixture.h"
#include "GuiLeakCheck.h"
#include "KTCommandBars.h"
#include "KTControlMDISysMenuPopup.h"
#include "KTDrawObjects.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTMenuBar.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <gtest/gtest.h>

namespace
{
class MenuBarMDITest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        if (!HasFatalFailure())
            m_pMenuBar = m_pCommandBars->GetMenuBar();
    }

    CMDIChildWnd* OpenChild(DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        if (!pChild->Create(NULL, "Child", dwStyle, CFrameWnd::rectDefault, m_pFrame))
            return NULL;
        PumpMessages();
        return pChild;
    }
    CKTControl* Find(UINT nId) const { return m_pMenuBar->GetControls()->FindControl(nId); }
    // The ids of the bar's controls, in order.
    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (int i = 0; i < m_pMenuBar->GetControlCount(); i++)
            ids.push_back(m_pMenuBar->GetControl(i)->GetID());
        return ids;
    }

    CKTMenuBar* m_pMenuBar = NULL;
};
}  // namespace

TEST_F(MenuBarMDITest, MaximisingAChildAddsItsIconAndButtonsAndTheCloseButtonClosesIt)
{
    const std::vector<int> menus = Ids();
    CMDIChildWnd* pChild = OpenChild();
    ASSERT_TRUE(pChild != NULL);
    HWND hChild = pChild->GetSafeHwnd();
    EXPECT_EQ(menus, Ids()) << "a child that is not maximised adds nothing";

    pChild->MDIMaximize();
    ASSERT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_CLOSE) != NULL; }, 2000));
    std::vector<int> expected = {KT_ID_MDI_SYSMENU};
    expected.insert(expected.end(), menus.begin(), menus.end());
    expected.insert(expected.end(), {KT_ID_MDI_MINIMIZE, KT_ID_MDI_RESTORE, KT_ID_MDI_CLOSE});
    EXPECT_EQ(expected, Ids());
    // The window buttons sit at the bar's end, before its options button, well clear of the last menu.
    CKTControl* pOptions = Find(KT_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pOptions != NULL && pOptions->IsVisible());
    ASSERT_EQ(KT_ID_TOOLBAR_EXPAND, menus.back());
    EXPECT_GE(Find(KT_ID_MDI_CLOSE)->GetRect().right, pOptions->GetRect().left - 8);
    EXPECT_LE(Find(KT_ID_MDI_CLOSE)->GetRect().right, pOptions->GetRect().left) << "the two do not overlap";
    EXPECT_GT(Find(KT_ID_MDI_MINIMIZE)->GetRect().left, Find(menus[menus.size() - 2])->GetRect().right + 100);
    EXPECT_EQ(NULL, ::GetMenu(m_pFrame->GetSafeHwnd())) << "the frame still shows no menu of its own";
    auto* pIcon = dynamic_cast<CKTControlMDISysMenuPopup*>(Find(KT_ID_MDI_SYSMENU));
    ASSERT_TRUE(pIcon != NULL);
    EXPECT_TRUE(pIcon->GetIcon() != NULL);
    EXPECT_GT(pIcon->GetCommandBar()->GetControlCount(), 0) << "the child's system menu became its popup";
    CKTControl* pCloseItem = pIcon->GetCommandBar()->GetControls()->FindControl(SC_CLOSE);
    ASSERT_TRUE(pCloseItem != NULL);
    EXPECT_TRUE(pCloseItem->GetImage(16) != NULL) << "the system commands have their icons";

    // The icon is small: its menu opens a pixel clear of it.
    CTestInput input(m_pMenuBar->GetSafeHwnd());
    CRect rcIcon = pIcon->GetRect();
    ASSERT_TRUE(input.Click(rcIcon.CenterPoint()));
    ASSERT_TRUE(PumpUntil([this] { return m_pMenuBar->GetPopuped() == 0; }, 2000));
    m_pMenuBar->ClientToScreen(rcIcon);
    EXPECT_EQ(CPoint(rcIcon.left - 1, rcIcon.bottom + 1), CKTWindowRect(pIcon->GetCommandBar()).TopLeft());
    m_pFrame->GetCommandBars()->ClosePopups();

    CKTControl* pClose = Find(KT_ID_MDI_CLOSE);
    EXPECT_EQ(CString("Close Window"), pClose->GetTooltip());
    CRect rcClose = pClose->GetRect();
    ASSERT_EQ(CSize(16, 16), rcClose.Size());
    ASSERT_TRUE(input.Click(rcClose.CenterPoint()));
    ASSERT_TRUE(PumpUntil([hChild] { return !::IsWindow(hChild); }, 2000)) << "the close button closed the child";
    EXPECT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_CLOSE) == NULL; }, 2000));
    EXPECT_EQ(menus, Ids()) << "the icon and the buttons went with the child";
}

// The system menu is the child's, not the user's: in customise mode it never opens, neither to a click when every
// control may move nor under a control dragged over the icon, so nothing is taken from it or dropped into it.
TEST_F(MenuBarMDITest, InCustomiseModeTheChildsSystemMenuStaysShut)
{
    const std::vector<int> menus = Ids();
    CMDIChildWnd* pChild = OpenChild();
    ASSERT_TRUE(pChild != NULL);
    pChild->MDIMaximize();
    ASSERT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_SYSMENU) != NULL; }, 2000));
    CKTControl* pIcon = Find(KT_ID_MDI_SYSMENU);
    CKTCommandBar* pSysMenu = pIcon->GetCommandBar();
    auto isOpen = [pSysMenu] { return pSysMenu->GetSafeHwnd() && pSysMenu->IsWindowVisible(); };
    CKTCustomizeMode* pCustomize = m_pCommandBars->GetCustomize();
    pCustomize->SetOn(TRUE);
    const CPoint ptIcon = pIcon->GetRect().CenterPoint();

    m_pCommandBars->SetCustomizeMoveAll(TRUE);
    CLoopInput click(m_pMenuBar->GetSafeHwnd());
    ASSERT_TRUE(click.Press(ptIcon).AwaitCapture(m_pFrame->GetSafeHwnd()).Release().AwaitNoCapture().Run());
    EXPECT_FALSE(isOpen()) << "a click";
    m_pCommandBars->SetCustomizeMoveAll(FALSE);

    BOOL bOpened = FALSE;
    CLoopInput drag(m_pMenuBar->GetSafeHwnd());
    ASSERT_TRUE(drag.Press(Find(menus[0])->GetRect().CenterPoint())
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(ptIcon)
                    .Await(
                        [&]
                        {
                            bOpened = isOpen();
                            return pCustomize->GetDropSource()->GetTarget() == m_pMenuBar;
                        })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    EXPECT_FALSE(bOpened) << "a control dragged over the icon";
    pCustomize->SetOn(FALSE);
}

TEST_F(MenuBarMDITest, AChildWithoutAMinimiseBoxGetsNoMinimiseButtonAndRestoringRemovesTheRest)
{
    CMDIChildWnd* pChild = OpenChild(WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX);
    ASSERT_TRUE(pChild != NULL);
    pChild->MDIMaximize();
    ASSERT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_CLOSE) != NULL; }, 2000));
    EXPECT_EQ(NULL, Find(KT_ID_MDI_MINIMIZE));
    EXPECT_TRUE(Find(KT_ID_MDI_RESTORE) != NULL);

    pChild->MDIRestore();
    EXPECT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_CLOSE) == NULL; }, 2000));
    EXPECT_EQ(NULL, Find(KT_ID_MDI_RESTORE));
    EXPECT_EQ(NULL, Find(KT_ID_MDI_SYSMENU));
    pChild->MDIDestroy();
    PumpMessages();
}

TEST_F(MenuBarMDITest, ADoubleClickOnTheChildsIconRunsTheDefaultItemOfItsSystemMenuAndClosesTheChild)
{
    CMDIChildWnd* pChild = OpenChild();
    ASSERT_TRUE(pChild != NULL);
    HWND hChild = pChild->GetSafeHwnd();
    pChild->MDIMaximize();
    ASSERT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_SYSMENU) != NULL; }, 2000));
    auto* pIcon = static_cast<CKTControlPopup*>(Find(KT_ID_MDI_SYSMENU));
    auto* pMenu = static_cast<CKTPopupBar*>(pIcon->GetCommandBar());
    ASSERT_EQ(SC_CLOSE, pMenu->GetDefaultItem(0, FALSE)) << "the system menu's bold item";
    EXPECT_EQ(pMenu->GetControls()->FindControl(SC_CLOSE)->GetIndex(), pMenu->GetDefaultItem(0, TRUE));

    CTestInput input(m_pMenuBar->GetSafeHwnd());
    ASSERT_TRUE(input.DoubleClick(pIcon->GetRect().CenterPoint()));
    EXPECT_TRUE(PumpUntil([hChild] { return !::IsWindow(hChild); }, 2000)) << "the double click closed the child";
    EXPECT_TRUE(PumpUntil([this] { return ::FindWindow("KTPopupBar", NULL) == NULL; }, 2000));
}

// SpecialListTests.cpp: the window list of an MDI frame, the toolbar list, labels, check boxes, radio buttons and the grid selector,
// in the test frame with real input.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControlSelector.h"
#include "KTControlToolbars.h"
#include "KTControlWindowList.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class SpecialListTest : public CFrameFixture
{
protected:
    CKTToolBar* Bar() const { return m_pFrame->m_pStandard; }
    CKTControl* AddToBar(int nType, int nId, LPCSTR lpszCaption)
    {
        CKTControl* pControl = Bar()->GetControls()->Add(nType, nId);
        pControl->SetCaption(lpszCaption);
        pControl->SetStyle(ktButtonCaption);
        m_pCommandBars->RecalcFrameLayout();
        Bar()->RedrawWindow();
        PumpMessages();
        return pControl;
    }
    // A popup bar of the frame shown under the tool bar.
    CKTSmartPtr<CKTPopupBar> ShowPopup(CKTControl* pControl)
    {
        CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        pPopup->GetControls()->Add(CKTSmartPtr<CKTControl>(pControl), pControl->GetID());
        CRect rc;
        Bar()->GetWindowRect(&rc);
        EXPECT_TRUE(pPopup->PopupAt(rc.left + 40, rc.bottom + 10));
        PumpMessages();
        return pPopup;
    }
    CPoint CentreInBar(CKTCommandBar* pBar, CKTControl* pControl) const
    {
        CPoint pt = pControl->GetRect().CenterPoint();
        pBar->MapWindowPoints(Bar(), &pt, 1);
        return pt;
    }
    CPixelImage Picture(CKTControl* pControl) const
    {
        Bar()->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        CRect rc = pControl->GetRect();
        Bar()->ClientToScreen(&rc);
        return CPixelImage::FromScreen(rc);
    }
};

class WindowListTest : public SpecialListTest
{
protected:
    void SetUp() override
    {
        SpecialListTest::SetUp();
        for (int i = 1; i <= 12; i++)
        {
            CMDIChildWnd* pChild = new CMDIChildWnd;
            CString strTitle;
            strTitle.Format(i == 3 ? "R&D %i" : "Doc %i", i);
            ASSERT_TRUE(pChild->Create(NULL, strTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                       CFrameWnd::rectDefault, m_pFrame));
            m_children.push_back(pChild);
        }
        m_pFrame->MDIActivate(m_children[1]);
        PumpMessages();
    }
    std::vector<CMDIChildWnd*> m_children;
};
}  // namespace

TEST_F(WindowListTest, TwelveChildrenGiveNineNumberedItems)
{
    CKTSmartPtr<CKTControl> pList = KTMakeCounted<CKTControlWindowList>();
    pList->SetID(KT_ID_WINDOW_LIST);
    CKTSmartPtr<CKTPopupBar> pPopup = ShowPopup(pList);
    CKTControls* pControls = pPopup->GetControls();
    ASSERT_EQ(10, pControls->GetCount()) << "the place holder and nine windows: the list stops there";
    EXPECT_FALSE(pControls->GetAt(0)->IsVisible()) << "the place holder hides behind its items";
    for (int i = 1; i <= 9; i++)
    {
        CKTControl* pItem = pControls->GetAt(i);
        EXPECT_EQ(m_children[i - 1]->GetDlgCtrlID(), pItem->GetID());
        EXPECT_EQ(i == 2, pItem->GetChecked()) << "only the active window is checked";
        EXPECT_TRUE(pItem->IsTemporary());
    }
    EXPECT_EQ(CString("&1 Doc 1"), pControls->GetAt(1)->GetCaption());
    EXPECT_EQ(CString("&3 R&&D 3"), pControls->GetAt(3)->GetCaption()) << "a title's ampersand is no access key";

    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(CentreInBar(pPopup, pControls->GetAt(5))));
    ASSERT_TRUE(PumpUntil([&] { return m_pFrame->MDIGetActive() == m_children[4]; }));
    EXPECT_FALSE(pPopup->IsVisible()) << "the pick closes the menu";

    ASSERT_TRUE(pPopup->PopupAt(100, 100));
    PumpMessages();
    EXPECT_EQ(10, pControls->GetCount()) << "the items are made again, not added twice";
    EXPECT_TRUE(pControls->GetAt(5)->GetChecked());
    EXPECT_FALSE(pControls->GetAt(2)->GetChecked());
    pPopup->SetTrackingMode(ktTrackingNone);
}

TEST_F(SpecialListTest, CheckBoxAndRadioButtonDrawTheirStateAndToggle)
{
    CKTControl* pCheck = AddToBar(ktControlCheckBox, ID_TEST_TOGGLE, "Wrap");
    CKTControl* pRadio = AddToBar(ktControlRadioButton, ID_TEST_TOGGLE, "Mode");
    Bar()->IdleUpdate();
    CPixelImage checkOff = Picture(pCheck), radioOff = Picture(pRadio);
    EXPECT_EQ(0, pCheck->GetChecked());

    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(pCheck->GetRect().CenterPoint()));
    EXPECT_TRUE(m_pFrame->m_bToggled);
    Bar()->IdleUpdate();
    EXPECT_EQ(1, pCheck->GetChecked());
    EXPECT_EQ(1, pRadio->GetChecked());
    ASSERT_TRUE(bar.Click(CPoint(0, 0)));
    PumpMessages();
    EXPECT_GT(Picture(pCheck).CountDiffering(checkOff), 4) << "the tick shows";
    EXPECT_GT(Picture(pRadio).CountDiffering(radioOff), 4) << "the dot shows";

    ASSERT_TRUE(bar.Click(pRadio->GetRect().CenterPoint()));
    Bar()->IdleUpdate();
    EXPECT_EQ(0, pCheck->GetChecked()) << "clicked again, it toggles back";
}

TEST_F(SpecialListTest, ALabelDrawsAndTakesNoClicks)
{
    CKTControl* pLabel = AddToBar(ktControlLabel, ID_TEST_ENABLED, "Find:");
    EXPECT_GT(pLabel->GetRect().Width(), 20);
    CPixelImage picture = Picture(pLabel);
    EXPECT_GT(picture.CountNear(::GetSysColor(COLOR_BTNTEXT), 40), 10) << "its caption is drawn";
    m_pFrame->m_commands.clear();
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(pLabel->GetRect().CenterPoint()));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_EQ(0, pLabel->GetSelected()) << "never hot";
}

TEST_F(SpecialListTest, TheSelectorGrowsToItsMaximumAndSendsTheChosenSize)
{
    CKTSmartPtr<CKTControlSelector> pSelector = KTMakeCounted<CKTControlSelector>();
    pSelector->SetID(ID_TEST_ENABLED);
    pSelector->SetItemSize(CSize(20, 20));
    pSelector->SetItemsCount(CSize(3, 2));
    pSelector->SetItemsMax(CSize(6, 4));
    CKTSmartPtr<CKTPopupBar> pPopup = ShowPopup(pSelector);
    EXPECT_EQ(CSize(3, 2), pSelector->GetVisibleCount());
    CRect rc = pSelector->GetRect();
    pPopup->MapWindowPoints(Bar(), &rc);
    CTestInput bar(Bar()->GetSafeHwnd());
    m_pFrame->m_commands.clear();
    m_pFrame->m_notifyCodes.clear();
    // Dragged far past the grid: it grows a cell at a time up to its maximum.
    ASSERT_TRUE(bar.Drag(CPoint(rc.left + 5, rc.top + 5), CPoint(rc.left + 5 * 20 + 10, rc.top + 3 * 20 + 10)));
    PumpMessages();
    EXPECT_EQ(CSize(6, 4), pSelector->GetVisibleCount());
    EXPECT_EQ(CSize(6, 4), pSelector->GetChosen());
    ASSERT_EQ(1u, m_pFrame->m_commands.size());
    EXPECT_EQ((UINT)ID_TEST_ENABLED, m_pFrame->m_commands[0]);
    EXPECT_FALSE(m_pFrame->m_notifyCodes.empty()) << "each change of the selection is told";
}

// Asked before a menu opens, the toolbar list answers from the bars it would list, without expanding: the same
// answer as its expansion gives. In customise mode the place holder shows itself.
TEST_F(SpecialListTest, TheToolbarListWouldShowExactlyWhenItExpandsIntoItems)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControl* pList = pPopup->GetControls()->Add(ktControlButton, KT_ID_TOOLBARS_LIST);
    auto anyShown = [&]
    {
        for (int i = 0; i < pPopup->GetControlCount(); i++)
            if (pPopup->GetControl(i)->IsVisible())
                return TRUE;
        return FALSE;
    };
    for (const BOOL bListed : {TRUE, FALSE})
    {
        for (int i = 0; i < m_pCommandBars->GetCount(); i++)
            m_pCommandBars->GetAt(i)->SetContextMenuPresent(bListed);
        const int nBefore = pPopup->GetControlCount();
        EXPECT_EQ(bListed, pList->WouldShow());
        EXPECT_EQ(nBefore, pPopup->GetControlCount()) << "asked, not expanded";
        pList->OnCalcDynamicSize(0);
        EXPECT_EQ(bListed, anyShown());
    }
    m_pCommandBars->GetCustomize()->SetOn(TRUE);
    EXPECT_TRUE(pList->WouldShow());
    pList->OnCalcDynamicSize(0);
    EXPECT_TRUE(anyShown());
    m_pCommandBars->GetCustomize()->SetOn(FALSE);
}

// The toolbars list that offers the customise command ends with it, in a group of its own, only when the site runs it.
TEST_F(SpecialListTest, AToolbarListWithTheCustomiseCommandEndsWithItWhenTheSiteRunsIt)
{
    for (int i = 0; i < m_pCommandBars->GetCount(); i++)
        m_pCommandBars->GetAt(i)->SetContextMenuPresent(TRUE);
    for (const BOOL bRuns : {TRUE, FALSE})
    {
        m_pFrame->m_bCustomizeCommand = bRuns;
        CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        CKTControlToolbars::AddToolbarItems(pPopup, 0, KT_ID_TOOLBARS_LIST, TRUE, FALSE);
        ASSERT_GT(pPopup->GetControlCount(), 0);
        CKTControl* pLast = pPopup->GetControl(pPopup->GetControlCount() - 1);
        EXPECT_EQ(bRuns ? KT_ID_CUSTOMIZE : KT_ID_TOOLBARS_LIST, pLast->GetID());
        EXPECT_EQ(bRuns, pLast->GetBeginGroup());
        CKTSmartPtr<CKTPopupBar> pPlain = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        CKTControlToolbars::AddToolbarItems(pPlain, 0, KT_ID_TOOLBARS_LIST, FALSE, FALSE);
        EXPECT_EQ(NULL, pPlain->GetControls()->FindControl(KT_ID_CUSTOMIZE)) << "not asked for";
    }
    m_pFrame->m_bCustomizeCommand = FALSE;
}

// The tab client's strip as a control on a toolbar: its tabs, a click, its "Active Files" list and its removal,
// with real input.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include "KTControlTabWorkspace.h"
#include "KTCommandBars.h"
#include "KTCommandBarsState.h"
#include "KTControls.h"
#include "KTPropExchange.h"
#include "KTTabPainter.h"
#include "KTToolBar.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TabClientFrame.h"
#include "TestInput.h"

namespace
{
class TabControlWorkspace : public ::testing::Test
{
protected:
    TabControlWorkspace() : m_frame(4, FALSE)
    {
        m_pBar = m_frame.GetCommandBars()->Add("Tabs", ktBarTop);
        m_pWorkspace = dynamic_cast<CKTControlTabWorkspace*>(
            m_pBar->GetControls()->Add(KTMakeCounted<CKTControlTabWorkspace>(), 0));
        m_frame.m_wndClient.SetSingleWorkspace(m_pWorkspace);
        for (LPCSTR lpszTitle : {"alpha.c", "beta.h", "gamma.kvs"})
            m_arrChildren.push_back(m_frame.AddChild(lpszTitle));
        LayOut();
    }

    void LayOut()
    {
        m_frame.m_wndClient.SendMessage(WM_IDLEUPDATECMDUI);
        m_pBar->OnRecalcLayout();
        m_pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages();
    }
    HWND Active() { return reinterpret_cast<HWND>(m_frame.m_wndClient.SendMessage(WM_MDIGETACTIVE)); }
    CKTTabManagerItem* TabOf(CWnd* pChild) { return m_frame.m_wndClient.FindItem(pChild->GetSafeHwnd()); }

    CTabClientFrame m_frame;
    CKTToolBar* m_pBar = nullptr;
    CKTControlTabWorkspace* m_pWorkspace = nullptr;
    std::vector<CTabTestChild*> m_arrChildren;
};
}  // namespace

TEST_F(TabControlWorkspace, TheChildrenAreTabsOnTheBarAndAClickOnOneActivatesItsChild)
{
    ASSERT_NE(nullptr, m_pWorkspace);
    ASSERT_EQ(1, m_frame.m_wndClient.GetGroupCount());
    EXPECT_EQ(m_pWorkspace, m_frame.m_wndClient.GetGroup(0)) << "the control is the client's one strip";
    EXPECT_EQ(3, m_pWorkspace->GetItemCount());
    EXPECT_EQ(nullptr, m_frame.GetDlgItem(0)) << "no strip window of the client's own beside the MDI client";

    const CRect rcControl = m_pWorkspace->CKTControl::GetRect();
    EXPECT_EQ(220, rcControl.Width());
    CKTTabManagerItem* pFirst = TabOf(m_arrChildren.front());
    ASSERT_NE(nullptr, pFirst);
    CRect rcTab = pFirst->GetRect();
    ASSERT_FALSE(rcTab.IsRectEmpty());
    EXPECT_TRUE(CRect().IntersectRect(rcTab, rcControl)) << "the tabs lie in the control on the bar";

    ASSERT_NE(m_arrChildren.front()->GetSafeHwnd(), Active());
    ASSERT_TRUE(CTestInput(m_pBar->GetSafeHwnd()).Click(rcTab.CenterPoint()));
    EXPECT_EQ(m_arrChildren.front()->GetSafeHwnd(), Active());
    LayOut();
    EXPECT_EQ(pFirst, m_pWorkspace->GetSelectedItem());
}

TEST_F(TabControlWorkspace, ActiveFilesOnTheControlPicksAChild)
{
    m_frame.m_wndClient.SetFlags(11 | ktTabClientActiveFiles);
    LayOut();
    CKTTabManagerNavigateButton* pButton = m_pWorkspace->FindNavigateButton(ktNavigateButtonActiveFiles);
    ASSERT_NE(nullptr, pButton);
    ASSERT_FALSE(pButton->GetRect().IsRectEmpty());
    CTabClientFrame* pFrame = &m_frame;
    CLoopInput input(m_pBar->GetSafeHwnd());
    input.Press(pButton->GetRect().CenterPoint())
        .Release()
        .Await(
            [pFrame]
            {
                HWND hPopup = pFrame->m_wndClient.m_hWndPopup;
                return hPopup && ::IsWindowVisible(hPopup);
            })
        .Key(VK_DOWN)
        .Key(VK_DOWN)
        .Key(VK_RETURN)
        .Key(VK_ESCAPE);  // ends the list should the pick fail, rather than holding the test in its loop
    ASSERT_TRUE(input.Run());
    PumpMessages();
    EXPECT_EQ(3u, m_frame.m_wndClient.m_arrPopupCaptions.size());
    EXPECT_EQ(m_arrChildren[1]->GetSafeHwnd(), Active()) << "the second entry: new tabs come first";
}

TEST_F(TabControlWorkspace, RemovedFromItsBarTheControlIsForgottenAndNewChildrenMakeNoTabs)
{
    m_pBar->GetControls()->Remove(m_pWorkspace);
    EXPECT_EQ(0, m_frame.m_wndClient.GetGroupCount());
    m_frame.AddChild("delta.c");
    EXPECT_EQ(0, m_frame.m_wndClient.GetGroupCount()) << "a control stands in for the workspace: none is made";
    EXPECT_EQ(0, m_frame.m_wndClient.GetItemCount());

    m_frame.m_wndClient.SetSingleWorkspace(NULL);
    EXPECT_EQ(4, m_frame.m_wndClient.GetItemCount()) << "given its own strip back, the client shows every child";
}

TEST_F(TabControlWorkspace, EachTabIsATooltipOfItsOwnWithItsIndexPlusOneAsTheToolId)
{
    CKTTabManagerItem* pSecond = m_pWorkspace->GetItem(1);
    ASSERT_NE(nullptr, pSecond);
    const CPoint ptSecond = pSecond->GetRect().CenterPoint();
    m_frame.m_wndClient.EnableToolTips(1);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(2, m_pBar->OnToolHitTest(ptSecond, &ti));
    EXPECT_EQ(2u, ti.uId);
    EXPECT_EQ(m_pBar->GetSafeHwnd(), ti.hwnd);
    EXPECT_EQ(pSecond->GetRect(), CRect(ti.rect));
    ASSERT_NE(nullptr, ti.lpszText);
    EXPECT_STREQ(m_pWorkspace->GetItemTooltip(pSecond), ti.lpszText);
    free(ti.lpszText);

    // Mode 2 only for a cut tab, and these are whole; mode 0 never, nor does the control's own caption stand in.
    m_pWorkspace->SetCaption("Files");
    for (int nMode : {2, 0})
    {
        m_frame.m_wndClient.EnableToolTips(nMode);
        TOOLINFO none = {};
        none.cbSize = sizeof(none);
        EXPECT_EQ(-1, m_pBar->OnToolHitTest(ptSecond, &none)) << "mode " << nMode;
    }
}

// The bars' saved state holds the control by its class, and a load makes it again.
TEST_F(TabControlWorkspace, TheControlIsSavedAndLoadedWithTheBars)
{
    EXPECT_TRUE(m_pWorkspace->IsSerializable());
    const CKTControlTabWorkspace* pSaved = m_pWorkspace;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        px.ExchangeSchema();
        ASSERT_TRUE(m_frame.GetCommandBars()->GetState()->SaveCommandBars(&px));
    }
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        CKTPropExchangeArchive px(ar);
        px.ExchangeSchema();
        ASSERT_TRUE(m_frame.GetCommandBars()->GetState()->LoadCommandBars(&px, TRUE));
    }
    m_pWorkspace = nullptr;
    int nFound = 0;
    for (int i = 0; i < m_frame.GetCommandBars()->GetCount(); ++i)
    {
        CKTToolBar* pBar = m_frame.GetCommandBars()->GetAt(i);
        for (int j = 0; j < pBar->GetControlCount(); ++j)
        {
            CKTControl* pControl = pBar->GetControl(j);
            nFound += pControl != pSaved && pControl->IsKindOf(RUNTIME_CLASS(CKTControlTabWorkspace)) ? 1 : 0;
        }
    }
    EXPECT_GE(nFound, 1) << "made again from the saved state";
}

// A control no client has lent itself to, or whose client is gone, draws as a plain button.
TEST(TabControlWorkspaceAlone, WithoutAClientTheStripHasNoPaintManager)
{
    CKTControlTabWorkspace control;
    CKTTabClientGroup& strip = control;
    EXPECT_EQ(nullptr, strip.GetPaintManager());
    CKTTabClientGroup group(nullptr);
    EXPECT_EQ(nullptr, group.GetPaintManager());

    // Nothing it is asked then reaches for the missing paint manager.
    CKTTabManagerItem* pItem = strip.InsertItem(0, nullptr);
    ASSERT_NE(nullptr, pItem);
    EXPECT_EQ(ktTabColorIndexFirst, pItem->GetStoredColor());
    EXPECT_FALSE(strip.IsDrawFrame());
    CSize szIcon(16, 16);
    EXPECT_FALSE(strip.DrawIcon(nullptr, CPoint(0, 0), pItem, TRUE, szIcon));
}

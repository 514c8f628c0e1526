// The tab client's strip as a control on a toolbar: its tabs, a click, its "Active Files" list and its removal,
// with real input.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include "KTControlTabWorkspace.h"
#include "KTControls.h"
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
                HWND hPopup = pFrame->m_hWndPopup;
                return hPopup && ::IsWindowVisible(hPopup);
            })
        .Key(VK_DOWN)
        .Key(VK_DOWN)
        .Key(VK_RETURN)
        .Key(VK_ESCAPE);  // ends the list should the pick fail, rather than holding the test in its loop
    ASSERT_TRUE(input.Run());
    PumpMessages();
    EXPECT_EQ(3u, m_frame.m_arrPopupCaptions.size());
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

// The tab client without groups: its one strip in a window of its own beside the MDI client, with real input.
#include <gtest/gtest.h>

#include "KTTabClientWorkspace.h"
#include "KTTabManagerRes.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TabClientFrame.h"

namespace
{
CRect WindowRectOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, rc);
    return rc;
}
}  // namespace

TEST(TabClientWithoutGroups, TheStripStandsInItsOwnWindowAndTheMDIClientTakesTheRest)
{
    CTabClientFrame frame(-1, FALSE);
    CTabTestChild* pFirst = frame.AddChild("Alone");
    CTabTestChild* pSecond = frame.AddChild("Second");
    ASSERT_EQ(1, frame.m_wndClient.GetGroupCount());
    EXPECT_EQ(2, frame.Group(0)->GetItemCount());
    EXPECT_FALSE(frame.m_wndClient.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_NEWVERTICAL));
    auto* pStrip = dynamic_cast<CKTTabClientWorkspace*>(frame.Group(0));
    ASSERT_NE(nullptr, pStrip);
    HWND hStrip = pStrip->GetSafeHwnd();
    HWND hClient = frame.m_wndClient.GetSafeHwnd();
    EXPECT_EQ(frame.GetSafeHwnd(), ::GetParent(hStrip));
    EXPECT_TRUE(::IsWindowVisible(hStrip));
    CRect rcArea = WindowRectOf(hStrip);
    CRect rcExpected = pStrip->m_rcClient;
    rcExpected.OffsetRect(rcArea.TopLeft());
    EXPECT_EQ(rcExpected, WindowRectOf(hClient)) << "the MDI client fills the strip's client area";
    EXPECT_GE(rcExpected.top, rcArea.top + pStrip->m_rcHeaderRect.Height());
    EXPECT_NE(0, ::GetWindowLong(pFirst->GetSafeHwnd(), GWL_STYLE) & WS_CAPTION) << "children keep their frames";

    CKTTabManagerItem* pFirstTab = frame.m_wndClient.FindItem(pFirst->GetSafeHwnd());
    ASSERT_NE(pFirstTab, pStrip->GetSelectedItem());
    CLoopInput input(hStrip);
    ASSERT_TRUE(input.Press(pFirstTab->GetRect().CenterPoint()).AwaitCapture().Release().Run());
    EXPECT_EQ(pFirst->GetSafeHwnd(), reinterpret_cast<HWND>(frame.m_wndClient.SendMessage(WM_MDIGETACTIVE)));
    EXPECT_EQ(pFirstTab, pStrip->GetSelectedItem());

    pFirst->MDIDestroy();
    pSecond->MDIDestroy();
    frame.m_wndClient.SendMessage(WM_IDLEUPDATECMDUI);
    PumpMessages();
    EXPECT_EQ(0, frame.m_wndClient.GetGroupCount());
    EXPECT_FALSE(::IsWindow(hStrip));
    EXPECT_EQ(rcArea, WindowRectOf(hClient)) << "the MDI client takes the strip's area back";
}

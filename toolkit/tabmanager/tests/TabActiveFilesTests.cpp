// The "Active Files" button of the tab client's strip: its list of the open children, a pick and Esc, with real
// input sent while the list's own loop runs.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include "KTTabClientActiveFilesButton.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TabClientFrame.h"

namespace
{
class ActiveFiles : public ::testing::Test
{
protected:
    ActiveFiles() : m_frame(4)
    {
        m_frame.m_wndClient.SetFlags(11 | ktTabClientActiveFiles);
        for (LPCSTR lpszTitle : {"alpha.c", "beta.h", "gamma.kvs"})
            m_arrChildren.push_back(m_frame.AddChild(lpszTitle));
        PumpMessages();
    }

    CKTTabManagerNavigateButton* Button() { return m_frame.Group(0)->FindNavigateButton(ktNavigateButtonActiveFiles); }
    HWND Active() { return reinterpret_cast<HWND>(m_frame.m_wndClient.SendMessage(WM_MDIGETACTIVE)); }

    // Presses the button; the steps that follow run while the list is open.
    CLoopInput& OpenList(CLoopInput& input)
    {
        CTabClientFrame* pFrame = &m_frame;
        return input.Press(Button()->GetRect().CenterPoint())
            .Release()
            .Await(
                [pFrame]
                {
                    HWND hPopup = pFrame->m_wndClient.m_hWndPopup;
                    return hPopup && ::IsWindowVisible(hPopup);
                });
    }

    CTabClientFrame m_frame;
    std::vector<CTabTestChild*> m_arrChildren;
};

// Goes with its window, as an application's main frame does.
class CSelfDeletingFrame : public CTabClientFrame
{
public:
    CSelfDeletingFrame() : CTabClientFrame(4) {}

protected:
    void PostNcDestroy() override { delete this; }
};

bool IsPopupShown()
{
    HWND hPopup = ::FindWindowA("KTPopupBar", NULL);
    return hPopup && ::IsWindowVisible(hPopup);
}
}  // namespace

TEST_F(ActiveFiles, TheListNamesEveryTabInOrderAndAPickBringsItsChildToTheFront)
{
    ASSERT_NE(nullptr, Button());
    ASSERT_FALSE(Button()->GetRect().IsRectEmpty()) << "the option shows the button";
    ASSERT_EQ(m_arrChildren.back()->GetSafeHwnd(), Active());
    CLoopInput input(m_frame.m_wndClient.GetSafeHwnd());
    // Should the pick leave the list open, the Esc after it ends the list's loop: the test fails instead of
    // waiting in that loop for ever. After a pick the Esc reaches the child and does nothing.
    OpenList(input).Key(VK_DOWN).Key(VK_DOWN).Key(VK_DOWN).Key(VK_RETURN).Key(VK_ESCAPE);
    ASSERT_TRUE(input.Run());
    PumpMessages();
    // New tabs come first in this frame.
    EXPECT_EQ((std::vector<CString>{"gamma.kvs", "beta.h", "alpha.c"}), m_frame.m_wndClient.m_arrPopupCaptions);
    EXPECT_FALSE(::IsWindow(m_frame.m_wndClient.m_hWndPopup)) << "the list went with the pick";
    EXPECT_EQ(m_arrChildren.front()->GetSafeHwnd(), Active()) << "the third entry is the first child";
    m_frame.m_wndClient.SendMessage(WM_IDLEUPDATECMDUI);  // the application's idle pass
    EXPECT_EQ(m_arrChildren.front()->GetSafeHwnd(), m_frame.Group(0)->GetSelectedItem()->GetHandle());
    EXPECT_FALSE(Button()->IsPressed());
}

TEST_F(ActiveFiles, EscapeClosesTheListAndLeavesTheActiveChild)
{
    ASSERT_NE(nullptr, Button());
    const HWND hActive = Active();
    CLoopInput input(m_frame.m_wndClient.GetSafeHwnd());
    OpenList(input).Key(VK_DOWN).Key(VK_ESCAPE);
    ASSERT_TRUE(input.Run()) << "Esc ends the list's loop";
    PumpMessages();
    EXPECT_FALSE(::IsWindow(m_frame.m_wndClient.m_hWndPopup));
    EXPECT_EQ(hActive, Active());
    EXPECT_EQ(3u, m_frame.m_wndClient.m_arrPopupCaptions.size());
}

TEST_F(ActiveFiles, WithoutTheOptionTheButtonIsHiddenAndTheOverflowShowsOnlyWhenTabsDoNotFit)
{
    m_frame.m_wndClient.SetFlags(11);
    PumpMessages();
    ASSERT_NE(nullptr, Button());
    EXPECT_TRUE(Button()->GetRect().IsRectEmpty());

    m_frame.m_wndClient.SetFlags(11 | ktTabClientActiveFiles);
    PumpMessages();
    auto* pButton = static_cast<CKTTabClientActiveFilesButton*>(Button());
    EXPECT_FALSE(pButton->IsOverflowing()) << "three tabs fit";
    for (int i = 0; i < 12; i++)
        m_frame.AddChild("a file with a rather long name.c");
    PumpMessages();
    EXPECT_TRUE(pButton->IsOverflowing());
}

TEST(ActiveFilesLifetime, TheFrameClosingWhileTheListIsOpenEndsTheListAndItsButtonAsks)
{
    auto* pFrame = new CSelfDeletingFrame;
    const HWND hFrame = pFrame->GetSafeHwnd();
    pFrame->m_wndClient.SetFlags(11 | ktTabClientActiveFiles);
    pFrame->AddChild("alpha.c");
    pFrame->AddChild("beta.h");
    PumpMessages();
    const CPoint ptButton = pFrame->Group(0)->FindNavigateButton(ktNavigateButtonActiveFiles)->GetRect().CenterPoint();
    CLoopInput input(pFrame->m_wndClient.GetSafeHwnd());
    input.Press(ptButton)
        .Release()
        .Await(IsPopupShown)
        .Post(hFrame, WM_CLOSE)
        .Await([hFrame] { return !::IsWindow(hFrame); });
    ASSERT_TRUE(input.Run()) << "the list's loop ended with its window";
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::FindWindowA("KTPopupBar", NULL));
}

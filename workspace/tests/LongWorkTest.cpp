// Long work in a loaded frame: while it runs aside, the window paints and the status bar tells the
// step; input, commands, closes and a quit wait for its end, and what it throws comes back to the
// caller. A big project's tree fills with the window answering.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <thread>

#include "LoadedFrame.h"
#include "LongWork.h"
#include "MainFrame.h"
#include "MessagePump.h"
#include "ProjectTreeItems.h"
#include "SampleDesigns.h"
#include "TestFolder.h"
#include "ThreadCall.h"
#include "WorkspaceRes.h"
#include "project/ProjectFile.h"

namespace
{

// Asks the window from another thread, all the time, whether it answers within the time.
class CAnswerProbe
{
public:
    CAnswerProbe(HWND hWnd, UINT nTimeoutMs)
        : m_thread(
              [=]
              {
                  while (!m_bStop)
                  {
                      DWORD_PTR nResult = 0;
                      if (!::SendMessageTimeout(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, nTimeoutMs, &nResult))
                          m_nUnanswered++;
                      m_nAsked++;
                  }
                  m_bDone = true;
              })
    {
    }
    ~CAnswerProbe() { Stop(); }
    CAnswerProbe(const CAnswerProbe&) = delete;
    CAnswerProbe& operator=(const CAnswerProbe&) = delete;
    // The window's thread answers the last question while it waits.
    void Stop()
    {
        m_bStop = true;
        PumpUntil([this] { return m_bDone.load(); }, kColdWineDeadlineMs);
        if (m_thread.joinable())
            m_thread.join();
    }
    int Asked() const { return m_nAsked; }
    int Unanswered() const { return m_nUnanswered; }

private:
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bDone{false};
    std::atomic<int> m_nAsked{0};
    std::atomic<int> m_nUnanswered{0};
    std::thread m_thread;
};

}  // namespace

TEST(LongWork, TheWindowPaintsAndTheStatusBarTellsTheStepWhileInputWaits)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CKTStatusBar& bar = frame.pFrame->m_wndStatusBar;
    const CString strBefore = bar.GetPaneText(0);
    const HWND hClient = frame.pFrame->m_hWndMDIClient;
    ASSERT_TRUE(::PostMessage(hClient, WM_CHAR, 'x', 0));
    bool bPainted = false;
    {
        CLongWork work(bar, "Reading a big design...");
        EXPECT_EQ(CString("Reading a big design..."), bar.GetPaneText(0));
        // Only the window's thread paints: the work sees its update region go.
        work.Run(
            [&]
            {
                ::InvalidateRect(hClient, nullptr, TRUE);
                for (DWORD dwStart = ::GetTickCount(); !bPainted && ::GetTickCount() - dwStart < 20000;)
                {
                    bPainted = !::GetUpdateRect(hClient, nullptr, FALSE);
                    ::Sleep(10);
                }
            });
    }
    EXPECT_TRUE(bPainted);
    EXPECT_EQ(strBefore, bar.GetPaneText(0));
    MSG msg;
    EXPECT_TRUE(::PeekMessage(&msg, hClient, WM_CHAR, WM_CHAR, PM_REMOVE)) << "the key waited for the work";
}

TEST(LongWork, WhatTheWorkThrowsReachesTheCaller)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CLongWork work(frame.pFrame->m_wndStatusBar, "Generating...");
    EXPECT_THROW(work.Run([] { throw std::runtime_error("not enough memory"); }), std::runtime_error);

    // Work started before anyone waits for it (start-up reads its project while the frame is made)
    // and ended before the wait: what it threw still reaches the waiter.
    CBackgroundWork ended([] { throw std::runtime_error("the file is gone"); });
    ASSERT_TRUE(PumpUntil([&] { return ended.IsDone(); }, kColdWineDeadlineMs));
    EXPECT_THROW(work.Wait(ended, FALSE), std::runtime_error);
}

// The frame's own end, sent by another program while a save runs, would otherwise start a second save
// beside the first and take the work's frame away; the quit it posts would be lost in the wait.
TEST(LongWork, ACloseOrACommandSentDuringTheWorkRunsAfterItAndAQuitIsPostedAgain)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    const HWND hFrame = frame.pFrame->GetSafeHwnd();
    CThreadCall windowThread;
    QuitPumped();
    bool bThereAfterClose = false;
    frame.pFrame->RunLongWork("Saving...",
                              [&]
                              {
                                  ::SendMessage(hFrame, WM_COMMAND, ID_PROJECT_SAVE_ALL, 0);
                                  ::SendMessage(hFrame, WM_CLOSE, 0, 0);
                                  bThereAfterClose = ::IsWindow(hFrame);
                                  windowThread.Call([] { ::PostQuitMessage(7); });
                              });
    EXPECT_TRUE(bThereAfterClose) << "closed while the work ran";
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, hFrame, WM_COMMAND, WM_COMMAND, PM_NOREMOVE)) << "the command waits";
    EXPECT_EQ(WPARAM(ID_PROJECT_SAVE_ALL), msg.wParam);
    PumpMessages();
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode)) << "the quit came back after the work";
    EXPECT_EQ(7u, nCode);
    EXPECT_FALSE(::IsWindow(hFrame)) << "the close ran once the work was over";
    if (!::IsWindow(hFrame))
        frame.pFrame = nullptr;
}

// Under Wine each item inserted below another costs a search through the items made before that one:
// a big project's packets get their fields when first expanded, and the window answers throughout.
TEST(LongWork, ABigProjectFillsTheTreeWithTheWindowAnsweringAndItsPacketsTakeTheirFieldsWhenExpanded)
{
    const int nPackets = 131072;
    CTestFolder folder("long-work-tree");
    CString strError;
    ASSERT_TRUE(WriteProjectFile(LargeProject(nPackets, 1), folder.Path("Large.kvs").c_str(), &strError));
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CAnswerProbe probe(frame.pFrame->GetSafeHwnd(), 100);
    frame.pFrame->ReadSolutionFile(folder.Path("Large.kvs").c_str());
    probe.Stop();
    EXPECT_GT(probe.Asked(), 0);
    EXPECT_EQ(0, probe.Unanswered()) << "of " << probe.Asked();

    COfficeTreeCtrl& tree = frame.Tree();
    EXPECT_EQ(UINT(1 + 3 + 4 + nPackets), tree.GetCount()) << "the root, the project, its branches and packets";
    const HTREEITEM hProject = tree.GetChildItem(frame.pFrame->m_wndProjectTree.m_hRoot);
    const HTREEITEM hFolder = tree.GetNextSiblingItem(tree.GetChildItem(hProject));
    ASSERT_EQ(CString("Packet"), tree.GetItemText(hFolder));
    tree.Expand(hProject, TVE_EXPAND);
    tree.Expand(hFolder, TVE_EXPAND);
    const HTREEITEM hPacket = tree.GetChildItem(hFolder);
    ASSERT_EQ(CString("Packet0"), tree.GetItemText(hPacket));
    EXPECT_TRUE(tree.ItemHasChildren(hPacket)) << "the button shows before the fields are in";
    tree.Expand(hPacket, TVE_EXPAND);
    const HTREEITEM hField = tree.GetChildItem(hPacket);
    ASSERT_TRUE(hField);
    EXPECT_EQ(CString("field0"), tree.GetItemText(hField));
    EXPECT_FALSE(tree.GetNextSiblingItem(hField));
    tree.Expand(hPacket, TVE_COLLAPSE);
    tree.Expand(hPacket, TVE_EXPAND);
    EXPECT_EQ(UINT(1 + 3 + 4 + nPackets + 1), tree.GetCount()) << "filled once";
}

// A file that never ends, here a pipe whose writer writes nothing, read by the frame: the user acts
// once the frame has the pipe open and waits on it. The pipe lets go at the deadline, so that a test
// that fails does not hang.
class CNeverEndingRead
{
public:
    CNeverEndingRead(CMainFrame& frame, const char* pszPipe, const std::function<void(HWND)>& act) : m_frame(frame)
    {
        m_hPipe =
            ::CreateNamedPipe(pszPipe, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
        if (m_hPipe == INVALID_HANDLE_VALUE)
            return;
        const HWND hFrame = frame.GetSafeHwnd();
        m_user = std::thread(
            [=]
            {
                if (!::ConnectNamedPipe(m_hPipe, nullptr) && ::GetLastError() != ERROR_PIPE_CONNECTED)
                    return;
                act(hFrame);
                for (DWORD dwStart = ::GetTickCount();
                     !m_bReturned && ::GetTickCount() - dwStart < kColdWineDeadlineMs;)
                    ::Sleep(10);
                m_bStoppedEarly = m_bReturned.load();
                ::DisconnectNamedPipe(m_hPipe);
            });
        frame.ReadSolutionFile(pszPipe);
        m_bReturned = true;
        m_user.join();
        ::CloseHandle(m_hPipe);
    }
    // The read was left behind before the pipe let go.
    bool StoppedEarly() const { return m_bStoppedEarly; }
    CString Output() const
    {
        CString strOutput;
        m_frame.m_wndOutput.GetWindowText(strOutput);
        return strOutput;
    }

private:
    CMainFrame& m_frame;
    HANDLE m_hPipe = INVALID_HANDLE_VALUE;
    std::atomic<bool> m_bReturned{false};
    std::atomic<bool> m_bStoppedEarly{false};
    std::thread m_user;
};

// Esc stops the reading, and nothing is loaded or asked.
TEST(LongWork, EscStopsReadingAFileThatNeverEnds)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    const CNeverEndingRead read(*frame.pFrame, "\\\\.\\pipe\\kestova-never-ends",
                                [](HWND hFrame) { ::PostMessage(hFrame, WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_TRUE(frame.pFrame->m_projects.empty());
    EXPECT_NE(-1, read.Output().Find("Stopped reading")) << std::string(read.Output());
}

// Alt+F4 meanwhile: before, the keys waited behind the read and were lost in the message that
// followed; now the read is left behind at once and the frame closes.
TEST(LongWork, AltF4StopsReadingAFileThatNeverEndsAndClosesTheFrame)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    const HWND hFrame = frame.pFrame->GetSafeHwnd();
    QuitPumped();
    const CNeverEndingRead read(*frame.pFrame, "\\\\.\\pipe\\kestova-never-ends-alt-f4",
                                [](HWND hWnd)
                                {
                                    const LPARAM lAltDown = LPARAM(KF_ALTDOWN) << 16;
                                    ::PostMessage(hWnd, WM_SYSKEYDOWN, VK_MENU, lAltDown | 1);
                                    ::PostMessage(hWnd, WM_SYSKEYDOWN, VK_F4, lAltDown | 1);
                                });
    EXPECT_TRUE(read.StoppedEarly()) << "the read was left behind at once";
    EXPECT_NE(-1, read.Output().Find("Stopped reading")) << std::string(read.Output());
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hFrame)) << "the frame closed";
    if (!::IsWindow(hFrame))
        frame.pFrame = nullptr;
    QuitPumped();
}

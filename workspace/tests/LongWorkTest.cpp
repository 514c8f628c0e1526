// Long work in a loaded frame: while it runs aside, the window paints and the status bar tells the
// step; input waits for its end, and what it throws comes back to the caller.
#include <gtest/gtest.h>

#include <stdexcept>

#include "LoadedFrame.h"
#include "LongWork.h"
#include "MainFrame.h"

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
}

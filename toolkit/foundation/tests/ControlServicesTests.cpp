// ControlServicesTests.cpp: hyperlink, tooltips, splitter tracking, outside clicks and basic-control themes.
#include <gtest/gtest.h>

#include "KBHyperLink.h"
#include "KTSplitterTracker.h"
#include "KTMouseMonitor.h"
#include "KTSmartPtr.h"
#include "KTToolTipController.h"
#include "MessageRecorder.h"
#include "TestInput.h"
#include "TestWindows.h"

namespace
{

// A link that records where it would go instead of starting a program.
class CRecordingLink : public CKBHyperLink
{
public:
    CString m_strOpened;
    BOOL m_bSucceed = TRUE;

protected:
    BOOL GoToURL(LPCSTR lpszURL) override
    {
        m_strOpened = lpszURL;
        return m_bSucceed;
    }
};

}  // namespace

TEST(HyperLink, UnderlinedLinkThatOpensItsAddressOnClick)
{
    CTestParent parent;
    CRecordingLink link;
    ASSERT_TRUE(link.Create("www.example.org", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &parent, 1017));
    EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
    LOGFONTA lf = {};
    ::GetObjectA(reinterpret_cast<HGDIOBJ>(link.SendMessage(WM_GETFONT)), sizeof(lf), &lf);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_STREQ("www.example.org", link.GetURL()) << "the text is the address by default";
    link.SetURL("mailto:support@example.org");
    EXPECT_FALSE(link.IsVisited());
    COLORREF clrBefore = link.GetTextColor();

    CTestInput input(link.GetSafeHwnd());
    CMessageRecorder recorder({link.GetSafeHwnd(), parent.GetSafeHwnd()}, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_COMMAND});
    ASSERT_TRUE(input.Click({5, 5}));
    EXPECT_TRUE(recorder.Matches({{WM_LBUTTONDOWN, kPosted | kLParam, 0, MAKELPARAM(5, 5), 0},
                                  {WM_COMMAND, kSent | kWParam, MAKEWPARAM(1017, STN_CLICKED), 0, 0},
                                  {WM_LBUTTONUP, kPosted, 0, 0, 0}}))
        << "the press notifies the parent, which hands the click back to the link";
    EXPECT_STREQ("mailto:support@example.org", link.m_strOpened);
    EXPECT_TRUE(link.IsVisited());
    EXPECT_NE(clrBefore, link.GetTextColor()) << "a visited link changes colour";
}

TEST(HyperLink, FailedOpenLeavesTheLinkUnvisited)
{
    CTestParent parent;
    CRecordingLink link;
    link.m_bSucceed = FALSE;
    ASSERT_TRUE(link.Create("x", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 30), &parent, 1018));
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpMessages();
    EXPECT_FALSE(link.IsVisited());
}

namespace
{

// A bar whose left half is one tool.
class CToolBarWnd : public CTestParent
{
public:
    CToolBarWnd() : CTestParent(200, 100) {}
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        CRect rcTool(0, 0, 100, 50);
        if (!rcTool.PtInRect(point))
            return -1;
        CKTToolTipController::FillInToolInfoEx(pTI, m_hWnd, rcTool, 7, "Generate Code", "Build", "Writes the C sources",
                                               3);
        return 7;
    }
};

}  // namespace

TEST(ToolTipController, HitToolGetsATipThatClicksCancel)
{
    CToolBarWnd bar;
    CKTSmartPtr<CKTToolTipController> ptrController = KTMakeCounted<CKTToolTipController>();
    EXPECT_EQ(static_cast<DWORD>(TTS_NOPREFIX), ptrController->GetToolTipStyle());
    EXPECT_TRUE(ptrController->IsShowToolTips());

    ptrController->FilterToolTipMessage(&bar, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ASSERT_NE(nullptr, ptrController->GetToolTipWnd());
    EXPECT_EQ(7, ptrController->GetLastHit());
    EXPECT_EQ(1, ::SendMessageA(ptrController->GetToolTipWnd(), TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN) / 2,
              ::SendMessageA(ptrController->GetToolTipWnd(), TTM_GETMAXTIPWIDTH, 0, 0));
    char szText[80] = "";
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = bar.GetSafeHwnd();
    ti.uId = 7;
    ti.lpszText = szText;
    ::SendMessageA(ptrController->GetToolTipWnd(), TTM_GETTEXTA, sizeof(szText), reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ("Build\r\nGenerate Code\r\nWrites the C sources", szText);  // title, text, description

    ptrController->FilterToolTipMessage(&bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(-1, ptrController->GetLastHit());
    EXPECT_EQ(0, ::SendMessageA(ptrController->GetToolTipWnd(), TTM_GETTOOLCOUNT, 0, 0));

    CKTToolTipController::FilterToolTipMessage(ptrController, &bar, WM_MOUSEMOVE, 0, MAKELPARAM(150, 10));
    EXPECT_EQ(-1, ptrController->GetLastHit()) << "outside every tool";
    CKTToolTipController::FilterToolTipMessage(NULL, &bar, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    HWND hTip = ptrController->GetToolTipWnd();
    ptrController.Release();
    EXPECT_FALSE(::IsWindow(hTip)) << "the last release destroys the tip window";
}

TEST(ToolTipController, StyleAndSwitch)
{
    CToolBarWnd bar;
    CKTSmartPtr<CKTToolTipController> ptrController = KTMakeCounted<CKTToolTipController>();
    ptrController->ModifyToolTipStyle(TTS_NOPREFIX, TTS_ALWAYSTIP);
    EXPECT_EQ(static_cast<DWORD>(TTS_ALWAYSTIP), ptrController->GetToolTipStyle());
    ptrController->ShowToolTips(FALSE);
    ptrController->FilterToolTipMessage(&bar, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(-1, ptrController->GetLastHit());
}

TEST(ToolTipController, ExtendedInfoOnlyWithRoomForIt)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    CKTToolTipController::FillInToolInfoEx(&ti, NULL, CRect(0, 0, 1, 1), 1, "t", "title", "desc", 2);
    EXPECT_EQ(0, ti.lParam) << "a short record has no lParam";
    CKTToolTipController::FreeToolInfoText(&ti);
    ti.cbSize = sizeof(TOOLINFOA);
    CKTToolTipController::FillInToolInfoEx(&ti, NULL, CRect(0, 0, 1, 1), 1, "t", "title", "desc", 2);
    auto* pExtra = reinterpret_cast<KT_TOOLINFO_EXTRA*>(ti.lParam);
    ASSERT_NE(nullptr, pExtra);
    EXPECT_STREQ("title", pExtra->lpszTitle);
    EXPECT_STREQ("desc", pExtra->lpszDescription);
    EXPECT_EQ(2, pExtra->nImageId);
    CKTToolTipController::FreeToolInfoText(&ti);
    CKTToolTipController::FreeToolInfoExtra(&ti);
    EXPECT_EQ(0, ti.lParam);
}

TEST(SplitterTracker, ReleaseGivesTheMovedRectangleWithinTheLimits)
{
    CTestParent wnd;
    CRect rcWnd;
    wnd.GetClientRect(rcWnd);
    wnd.ClientToScreen(rcWnd);
    CRect rcBar(rcWnd.left, rcWnd.top + 100, rcWnd.right, rcWnd.top + 104);
    CRect rcLimits(rcWnd.left, rcWnd.top + 50, rcWnd.right, rcWnd.top + 150);
    CPoint ptStart(rcWnd.left + 10, rcWnd.top + 102);
    // The drag: down 30 pixels, then past the limit, then release.
    wnd.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 132));
    wnd.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 400));
    CKTSplitterTracker tracker;
    CRect rcResult(rcBar);
    ASSERT_TRUE(tracker.Track(&wnd, rcLimits, rcResult, ptStart, TRUE));
    EXPECT_EQ(rcWnd.top + 150, rcResult.top) << "the near edge stops at the limit";
    EXPECT_EQ(rcBar.Height(), rcResult.Height());
    EXPECT_EQ(rcBar.left, rcResult.left) << "a horizontal bar moves up and down only";
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(SplitterTracker, EscapeCancelsAndKeepsTheRectangle)
{
    CTestParent wnd;
    CRect rcBar(100, 10, 104, 200);
    wnd.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
    wnd.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    CKTSplitterTracker tracker(TRUE);
    CRect rcResult(rcBar);
    EXPECT_FALSE(tracker.Track(&wnd, CRect(0, 0, 1000, 1000), rcResult, CPoint(102, 50), FALSE));
    EXPECT_EQ(rcBar, rcResult);
}

TEST(SplitterTracker, QuitEndsTheDragAndStaysForTheMainLoop)
{
    CTestParent wnd;
    CRect rcBar(100, 10, 104, 200);
    wnd.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
    ::PostQuitMessage(7);
    CKTSplitterTracker tracker;
    CRect rcResult(rcBar);
    EXPECT_FALSE(tracker.Track(&wnd, CRect(0, 0, 1000, 1000), rcResult, CPoint(102, 50), FALSE));
    EXPECT_EQ(rcBar, rcResult);
    EXPECT_EQ(nullptr, ::GetCapture());
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST(MouseMonitor, ClickOutsideClosesThePopupOnce)
{
    CTestParent other(200, 200);
    CTestParent popup(100, 100);
    popup.SetWindowPos(NULL, 400, 400, 100, 100, SWP_NOZORDER);
    CKTMouseMonitor::Instance()->SetupHook(popup.GetSafeHwnd());
    EXPECT_EQ(popup.GetSafeHwnd(), CKTMouseMonitor::Instance()->GetWatched());
    ASSERT_TRUE(CTestInput(popup.GetSafeHwnd()).Click({50, 30}));
    EXPECT_TRUE(::IsWindow(popup.GetSafeHwnd())) << "a click inside keeps the popup";
    ASSERT_TRUE(CTestInput(other.GetSafeHwnd()).Click({80, 80}));
    EXPECT_FALSE(::IsWindow(popup.GetSafeHwnd())) << "the popup was closed";
    EXPECT_EQ(nullptr, CKTMouseMonitor::Instance()->GetWatched()) << "the watch went with it";
}

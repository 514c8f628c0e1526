// ToolTipTextTests.cpp: one tool hit test serves the framework's tips and the controller's, with the text
// it makes freed by whichever asked, and the callback marker honoured by both.
#include <gtest/gtest.h>
#include <malloc.h>
#include <stdlib.h>
#include <string.h>

#include <functional>
#include <string>

#include <afxcmn.h>

#include "KTToolTipController.h"
#include "TestWindows.h"

namespace
{

const char kLeftText[] = "the left half of the window, a tool with a text of its own";

// Left half: a text of its own; right half: the text is asked for later.
class CHalvesWnd : public CTestParent
{
public:
    CHalvesWnd() : CTestParent(200, 100) {}
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        CRect rect;
        GetClientRect(&rect);
        const BOOL bLeft = point.x < rect.Width() / 2;
        pTI->hwnd = m_hWnd;
        pTI->uId = bLeft ? 1 : 2;
        pTI->rect = rect;
        pTI->lpszText = bLeft ? _strdup(kLeftText) : LPSTR_TEXTCALLBACK;
        return static_cast<INT_PTR>(pTI->uId);
    }
};

// A controller made and destroyed by the test alone.
class CScopedController : public CKTToolTipController
{
public:
    ~CScopedController() override {}
};

// Bytes in use on the C heap, where the hit test's texts live.
size_t CrtHeapBytesInUse()
{
    HANDLE hHeap = reinterpret_cast<HANDLE>(_get_heap_handle());
    size_t cbUsed = 0;
    ::HeapLock(hHeap);
    PROCESS_HEAP_ENTRY entry = {};
    while (::HeapWalk(hHeap, &entry))
    {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            cbUsed += entry.cbData;
    }
    ::HeapUnlock(hHeap);
    return cbUsed;
}

// The text a tooltip window holds for the tool, or the callback marker.
std::string ToolText(HWND hWndTip, HWND hWndTool, UINT_PTR uId)
{
    char szText[80] = "";
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = hWndTool;
    ti.uId = uId;
    ti.lpszText = szText;
    if (!::SendMessageA(hWndTip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)))
        return "(no tool)";
    return ti.lpszText == LPSTR_TEXTCALLBACKA ? "(callback)" : szText;
}

class ToolTipText : public ::testing::Test
{
protected:
    CHalvesWnd m_wnd;

    // Moves over the two halves in turn, so that every move makes a new tool.
    void MoveToAndFro(const std::function<void(CPoint)>& move, int nMoves)
    {
        for (int i = 0; i < nMoves; i++)
            move(CPoint(i % 2 ? 150 : 20, 20));
    }
    // Grows the heap by no more than noise while the tools come and go.
    void ExpectNoLeak(const std::function<void(CPoint)>& move)
    {
        MoveToAndFro(move, 10);  // tip window and kept strings made once
        const size_t cbBefore = CrtHeapBytesInUse();
        MoveToAndFro(move, 400);
        const size_t cbAfter = CrtHeapBytesInUse();
        EXPECT_LT(cbAfter, cbBefore + 1024) << "200 lost texts would add more than 10,000 bytes";
    }
};

}  // namespace

TEST_F(ToolTipText, FrameworkTipsFreeTheTextAndKeepTheMarker)
{
    ASSERT_TRUE(m_wnd.EnableToolTips(TRUE));
    auto move = [this](CPoint point)
    {
        CPoint ptScreen = point;
        m_wnd.ClientToScreen(&ptScreen);
        MSG msg = {m_wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), 0, ptScreen};
        m_wnd.PreTranslateMessage(&msg);
    };
    ExpectNoLeak(move);
    HWND hWndTip = AfxGetThreadState()->m_pToolTip->GetSafeHwnd();
    move(CPoint(20, 20));
    EXPECT_EQ(kLeftText, ToolText(hWndTip, m_wnd.m_hWnd, 1));
    move(CPoint(150, 20));
    EXPECT_EQ("(callback)", ToolText(hWndTip, m_wnd.m_hWnd, 2));
    m_wnd.EnableToolTips(FALSE);
}

TEST_F(ToolTipText, ControllerFreesTheTextAndKeepsTheMarker)
{
    CScopedController controller;
    auto move = [&](CPoint point)
    { controller.FilterToolTipMessage(&m_wnd, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y)); };
    ExpectNoLeak(move);
    move(CPoint(20, 20));
    EXPECT_EQ(kLeftText, ToolText(controller.GetToolTipWnd(), m_wnd.m_hWnd, 1));
    move(CPoint(150, 20));
    EXPECT_EQ("(callback)", ToolText(controller.GetToolTipWnd(), m_wnd.m_hWnd, 2));
}

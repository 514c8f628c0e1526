// HookTests.cpp: the thread's one keyboard hook and one mouse hook, shared by their sinks.
#include <gtest/gtest.h>

#include <vector>

#include "KTKeyboardHook.h"
#include "InputBuilder.h"
#include "KTMouseMonitor.h"
#include "KTPointerWatch.h"
#include "MessagePump.h"
#include "TestInput.h"
#include "TestWindows.h"

namespace
{
// Notes the keys pressed and takes those it is told to.
class CKeySink : public IKTKeyboardHookSink
{
public:
    CKeySink(std::vector<CKeySink*>& order, UINT nTaken) : m_order(order), m_nTaken(nTaken) {}
    BOOL OnHookKey(UINT nKey, LPARAM lParam) override
    {
        if (lParam & 0x80000000)
            return FALSE;
        m_order.push_back(this);
        return nKey == m_nTaken;
    }

private:
    std::vector<CKeySink*>& m_order;
    UINT m_nTaken;
};

// Takes the right presses.
class CRightPressSink : public IKTMouseHookSink
{
public:
    int m_nSeen = 0;
    BOOL OnHookMouse(UINT nMessage, const MOUSEHOOKSTRUCT& /*info*/) override
    {
        if (nMessage != WM_RBUTTONDOWN)
            return FALSE;
        m_nSeen++;
        return TRUE;
    }
};

// Counts the right presses that reach it.
class CRightPressWindow : public CTestParent
{
public:
    int m_nPresses = 0;

protected:
    afx_msg void OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) { m_nPresses++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRightPressWindow, CTestParent)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

// Notes each change the watch reports.
class CPointerSink : public IKTPointerWatchSink
{
public:
    std::vector<BOOL> m_changes;
    void OnPointerOver(BOOL bOver) override { m_changes.push_back(bOver); }
};

// Moves the pointer to a client point of the window with real input, handled before it returns.
bool MoveOver(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, pt);
    return CTestInput(hWnd).Send(inputs);
}
}  // namespace

TEST(KeyboardHook, TheLatestSinkIsAskedFirstAndATakenKeyGoesNoFurther)
{
    CTestParent wnd;
    std::vector<CKeySink*> order;
    CKeySink first(order, 'A'), second(order, 'B');
    CKTKeyboardHook* pHook = CKTKeyboardHook::Instance();
    ASSERT_TRUE(pHook->AddSink(&first));
    ASSERT_TRUE(pHook->AddSink(&second));
    CTestInput input(wnd.GetSafeHwnd());
    ASSERT_TRUE(input.Key('A'));
    EXPECT_EQ((std::vector<CKeySink*>{&second, &first}), order);
    order.clear();
    ASSERT_TRUE(input.Key('B'));
    EXPECT_EQ((std::vector<CKeySink*>{&second}), order) << "taken by the second, the first never sees it";

    pHook->RemoveSink(&second);
    EXPECT_TRUE(pHook->IsHooked());
    pHook->RemoveSink(&first);
    EXPECT_FALSE(pHook->IsHooked()) << "the hook goes with the last sink";
    order.clear();
    ASSERT_TRUE(input.Key('A'));
    EXPECT_TRUE(order.empty());
}

TEST(MouseMonitor, ClickOutsideClosesTheWatchedPopupOnceWhileSinksStillSeeTheMouse)
{
    CRightPressWindow other;
    CTestParent popup(100, 100);
    popup.SetWindowPos(NULL, 460, 400, 100, 100, SWP_NOZORDER);
    CRightPressSink sink;
    CKTMouseMonitor* pMonitor = CKTMouseMonitor::Instance();
    ASSERT_TRUE(pMonitor->AddSink(&sink));
    pMonitor->SetupHook(popup.GetSafeHwnd());
    ASSERT_TRUE(CTestInput(other.GetSafeHwnd()).Click({80, 80}, true));
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(popup.GetSafeHwnd()); }, kColdWineDeadlineMs))
        << "a right press outside closes it too";
    EXPECT_EQ(1, sink.m_nSeen);
    EXPECT_EQ(0, other.m_nPresses) << "the sink took the press";

    pMonitor->RemoveSink(&sink);
    ASSERT_TRUE(CTestInput(other.GetSafeHwnd()).Click({80, 80}, true));
    EXPECT_EQ(1, sink.m_nSeen);
    EXPECT_EQ(1, other.m_nPresses);
}

TEST(PointerWatch, ChildWindowsCountAsOverOneChangeIsReportedEachWayAndAStoppedWatchIsSilent)
{
    CTestParent watched(300, 200), elsewhere(200, 150);
    watched.SetWindowPos(NULL, 20, 20, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    elsewhere.SetWindowPos(NULL, 400, 20, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    CWnd child;
    ASSERT_TRUE(child.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 150, 100), &watched, 1));
    ASSERT_TRUE(MoveOver(elsewhere.GetSafeHwnd(), {50, 50}));

    CPointerSink sink;
    CKTPointerWatch watch(&sink);
    ASSERT_TRUE(watch.Start({watched.GetSafeHwnd()}));
    EXPECT_FALSE(watch.IsOver()) << "it starts from where the pointer is";
    ASSERT_TRUE(MoveOver(child.GetSafeHwnd(), {20, 20}));
    ASSERT_TRUE(MoveOver(child.GetSafeHwnd(), {60, 40}));
    ASSERT_TRUE(MoveOver(watched.GetSafeHwnd(), {250, 150}));
    EXPECT_EQ((std::vector<BOOL>{TRUE}), sink.m_changes) << "moving from the child to its parent is no leave";
    EXPECT_TRUE(watch.IsOver());
    ASSERT_TRUE(MoveOver(elsewhere.GetSafeHwnd(), {50, 50}));
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), sink.m_changes);

    watch.Stop();
    ASSERT_TRUE(MoveOver(child.GetSafeHwnd(), {20, 20}));
    EXPECT_EQ(2u, sink.m_changes.size());
}

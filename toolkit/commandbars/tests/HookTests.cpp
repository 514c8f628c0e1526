// HookTests.cpp: sinks on subclassed windows, the keyboard hook while a bar tracks, and tracked bars.
#include "AllocationFault.h"
#include "KTCommandBar.h"
#include "KTHookSink.h"
#include "KTKeyboardHookManager.h"
#include "KTMouseHookManager.h"
#include "KTWindowHookManager.h"
#include "MessagePump.h"
#include "TestInput.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const UINT kProbe = WM_APP + 7;

// Records that it saw the probe and answers as told.
class CRecordingSink : public CKTHookSink
{
public:
    CRecordingSink(std::vector<std::string>& log, const char* pszName, int nAnswer)
        : m_log(log), m_pszName(pszName), m_nAnswer(nAnswer)
    {
    }
    int OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT& lResult) override
    {
        if (nMessage != kProbe && nMessage != WM_KEYDOWN)
            return ktHookContinue;
        m_log.push_back(m_pszName);
        lResult = 55;
        return m_nAnswer;
    }

private:
    std::vector<std::string>& m_log;
    const char* m_pszName;
    int m_nAnswer;
};

// A window whose own procedure notes the probe.
class CProbeWindow : public CTestParent
{
public:
    explicit CProbeWindow(std::vector<std::string>& log) : m_log(log) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kProbe)
        {
            m_log.push_back("window");
            return 1;
        }
        return CTestParent::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<std::string>& m_log;
};

// A bar on a parent that can enter tracking mode.
class CTrackedBar
{
public:
    CTrackedBar()
    {
        m_pBar = KTMakeCounted<CKTCommandBar>();
        m_pBar->CreateBarWindow("KTTestBar", &m_parent, 1);
        m_pBar->MoveWindow(0, 0, 100, 24);
    }
    ~CTrackedBar() { m_pBar->OnRemoved(); }
    CKTCommandBar* operator->() { return m_pBar; }
    operator CKTCommandBar*() { return m_pBar; }
    CTestParent m_parent;

private:
    CKTSmartPtr<CKTCommandBar> m_pBar;
};
}  // namespace

TEST(WindowHooks, TheLaterSinkSeesFirstAndItsStopSkipsTheEarlier)
{
    std::vector<std::string> log;
    CProbeWindow window(log);
    CRecordingSink first(log, "first", ktHookContinue), second(log, "second", ktHookContinue);
    CKTWindowHookManager* pHooks = CKTWindowHookManager::Instance();
    pHooks->SetHook(window.GetSafeHwnd(), &first);
    pHooks->SetHook(window.GetSafeHwnd(), &second);
    window.SendMessage(kProbe);
    EXPECT_EQ((std::vector<std::string>{"second", "first", "window"}), log);

    CRecordingSink stopper(log, "stopper", ktHookStopHere);
    pHooks->SetHook(window.GetSafeHwnd(), &stopper);
    log.clear();
    EXPECT_EQ(1, window.SendMessage(kProbe)) << "the window still answers";
    EXPECT_EQ((std::vector<std::string>{"stopper", "window"}), log);

    CRecordingSink consumer(log, "consumer", ktHookHandled);
    pHooks->SetHook(window.GetSafeHwnd(), &consumer);
    log.clear();
    EXPECT_EQ(55, window.SendMessage(kProbe));
    EXPECT_EQ((std::vector<std::string>{"consumer"}), log);
    pHooks->RemoveAll(&consumer);
    pHooks->RemoveAll(&stopper);
    pHooks->RemoveAll(&second);
    pHooks->RemoveAll(&first);
    EXPECT_FALSE(pHooks->IsHooked(window.GetSafeHwnd())) << "the last sink gives the procedure back";
    log.clear();
    window.SendMessage(kProbe);
    EXPECT_EQ((std::vector<std::string>{"window"}), log);
}

namespace
{
// Notes which message the thread reports as current while it sees the probe.
class CCurrentMessageSink : public CKTHookSink
{
public:
    UINT m_nSeen = 0;
    int OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT&) override
    {
        if (nMessage == kProbe)
            m_nSeen = CWnd::GetCurrentMessage()->message;
        return ktHookContinue;
    }
};
}  // namespace

// Without memory to copy its sinks the window still answers its message, as with no sink.
TEST(WindowHooks, AWindowGetsItsMessageWhenNoMemoryIsLeftToCopyTheSinks)
{
    std::vector<std::string> log;
    log.reserve(4);
    CProbeWindow window(log);
    CRecordingSink sink(log, "sink", ktHookContinue);
    CKTWindowHookManager::Instance()->SetHook(window.GetSafeHwnd(), &sink);
    LRESULT lResult = 0;
    {
        AllocationFault fault(0, AllocationFault::Threads::ThisOne);
        lResult = window.SendMessage(kProbe);
        EXPECT_TRUE(AllocationFault::Happened());
    }
    EXPECT_EQ(1, lResult);
    EXPECT_EQ(std::vector<std::string>{"window"}, log);
    CKTWindowHookManager::Instance()->RemoveAll(&sink);
}

// A sink that falls back on the window's default handling must get its own message there.
TEST(WindowHooks, SinksSeeTheirMessageAsTheThreadsCurrentOneUntilItIsAnswered)
{
    std::vector<std::string> log;
    CProbeWindow window(log);
    CCurrentMessageSink sink;
    CKTWindowHookManager::Instance()->SetHook(window.GetSafeHwnd(), &sink);
    const UINT nBefore = AfxGetThreadState()->m_lastSentMsg.message;
    ASSERT_NE(kProbe, nBefore);
    window.SendMessage(kProbe);
    EXPECT_EQ(kProbe, sink.m_nSeen);
    EXPECT_EQ(nBefore, AfxGetThreadState()->m_lastSentMsg.message) << "the outer message is current again";
    CKTWindowHookManager::Instance()->RemoveAll(&sink);
}

namespace
{
WNDPROC s_pfnBelowOuter = NULL;

// A procedure that subclasses a window over the hook manager's, as a window object attaching later does.
LRESULT CALLBACK OuterProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProc(s_pfnBelowOuter, hWnd, message, wParam, lParam);
}
}  // namespace

TEST(WindowHooks, UnhookingUnderALaterSubclassKeepsBothProceduresInTheChain)
{
    std::vector<std::string> log;
    CProbeWindow window(log);
    const HWND hWnd = window.GetSafeHwnd();
    CRecordingSink sink(log, "sink", ktHookContinue);
    CKTWindowHookManager* pHooks = CKTWindowHookManager::Instance();
    pHooks->SetHook(hWnd, &sink);
    s_pfnBelowOuter = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)&OuterProc);

    pHooks->RemoveAll(&sink);
    EXPECT_EQ((LONG_PTR)&OuterProc, ::GetWindowLongPtr(hWnd, GWLP_WNDPROC)) << "the later subclass stays in place";
    EXPECT_EQ(1, window.SendMessage(kProbe));
    EXPECT_EQ((std::vector<std::string>{"window"}), log) << "the window is still reached, without the sink";

    // The later subclass leaves, giving back what it found: the window still answers.
    ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)s_pfnBelowOuter);
    log.clear();
    EXPECT_EQ(1, window.SendMessage(kProbe));
    EXPECT_EQ((std::vector<std::string>{"window"}), log);
}

TEST(WindowHooks, DestroyingAHookedWindowDropsItsItemAndAutoDeleteSinks)
{
    std::vector<std::string> log;
    HWND hWnd = NULL;
    {
        CProbeWindow window(log);
        hWnd = window.GetSafeHwnd();
        CRecordingSink* pOwned = new CRecordingSink(log, "owned", ktHookContinue);
        pOwned->m_bAutoDelete = TRUE;
        CKTWindowHookManager::Instance()->SetHook(hWnd, pOwned);
    }
    EXPECT_FALSE(CKTWindowHookManager::Instance()->IsHooked(hWnd));
}

TEST(KeyboardHooks, KeysGoToTheLatestSinkAndItsAnswerDecidesConsumption)
{
    std::vector<std::string> log;
    CKTKeyboardHookManager* pKeys = CKTKeyboardHookManager::Instance();
    CRecordingSink first(log, "first", ktHookContinue), second(log, "second", ktHookStopHere);
    pKeys->SetHook(&first);
    pKeys->SetHook(&second);
    EXPECT_FALSE(pKeys->DispatchKey(WM_KEYDOWN, 'A', 0)) << "answer 2 lets the key through";
    EXPECT_EQ((std::vector<std::string>{"second"}), log);
    pKeys->RemoveHook(&second);
    log.clear();
    EXPECT_TRUE(pKeys->DispatchKey(WM_KEYDOWN, 'A', 0)) << "no answer consumes the key";
    EXPECT_EQ((std::vector<std::string>{"first"}), log);
    pKeys->RemoveHook(&first);
    EXPECT_FALSE(pKeys->HasSinks());
}

TEST(KeyboardHooks, AltClosesTrackedBarsAndEscapeLeavesTracking)
{
    CTrackedBar bar;
    CTestInput input(bar.m_parent.GetSafeHwnd());
    ASSERT_TRUE(bar->SetTrackingMode(ktTrackingOn, FALSE, TRUE));
    EXPECT_TRUE(CKTKeyboardHookManager::Instance()->HasSinks());
    ASSERT_TRUE(input.Key(VK_MENU));
    EXPECT_EQ(0, bar->GetTrackingMode()) << "Alt closes every tracked bar";
    EXPECT_FALSE(CKTKeyboardHookManager::Instance()->HasSinks()) << "hooks go with the last sink";

    ASSERT_TRUE(bar->SetTrackingMode(ktTrackingOn, FALSE, TRUE));
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    EXPECT_EQ(0, bar->GetTrackingMode());
}

TEST(MouseHooks, AClickOutsideClosesTrackedBarsUnlessExcluded)
{
    CTrackedBar bar;
    CTestInput input(bar.m_parent.GetSafeHwnd());
    CKTMouseHookManager* pMouse = CKTMouseHookManager::Instance();
    pMouse->AddExcludedWindow(bar.m_parent.GetSafeHwnd());
    ASSERT_TRUE(bar->SetTrackingMode(ktTrackingOn, FALSE, FALSE));
    ASSERT_TRUE(input.Click(CPoint(200, 100)));
    EXPECT_EQ(1, bar->GetTrackingMode()) << "the excluded window keeps popups open";
    pMouse->RemoveExcludedWindow(bar.m_parent.GetSafeHwnd());
    ASSERT_TRUE(input.Click(CPoint(200, 100)));
    EXPECT_EQ(0, bar->GetTrackingMode());
    EXPECT_FALSE(pMouse->HasTrackedBars());
}

TEST(MouseHooks, TrackedLockAsksWhetherAnotherBarHoldsTheMouse)
{
    CTrackedBar tracked, other;
    CKTMouseHookManager* pMouse = CKTMouseHookManager::Instance();
    EXPECT_FALSE(pMouse->IsTrackedLock(other));
    tracked->SetTrackingMode(ktTrackingOn, FALSE, FALSE);
    EXPECT_TRUE(pMouse->IsTrackedLock(other));
    EXPECT_FALSE(pMouse->IsTrackedLock(tracked));
    EXPECT_TRUE(pMouse->IsTrackedLock(NULL));
    tracked->LockRecursion(1);
    EXPECT_TRUE(pMouse->IsTrackedLock(tracked)) << "a bar below a nested popup is locked";
    tracked->LockRecursion(-1);
    pMouse->CloseAllTracked();
    EXPECT_FALSE(pMouse->HasTrackedBars());
}

namespace
{
// Counts the left-button releases that reach it.
class CButtonUpWindow : public CTestParent
{
public:
    int m_nButtonUps = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONUP)
            m_nButtonUps++;
        return CTestParent::WindowProc(message, wParam, lParam);
    }
};
}  // namespace

TEST(MouseHooks, TheButtonUpAfterAPopupOpenedIsSwallowedOnce)
{
    CButtonUpWindow window;
    CTestInput input(window.GetSafeHwnd());
    ASSERT_TRUE(input.Click(CPoint(200, 100)));
    ASSERT_EQ(1, window.m_nButtonUps);
    CKTMouseHookManager::Instance()->SetIgnoreButtonUp();
    std::vector<INPUT> up(1);
    up[0].type = INPUT_MOUSE;
    up[0].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_TRUE(input.Send(up));
    EXPECT_EQ(1, window.m_nButtonUps);
    ASSERT_TRUE(input.Click(CPoint(200, 100)));
    EXPECT_EQ(2, window.m_nButtonUps) << "the lone release was swallowed, the next click's was not";
}

// NotificationTests.cpp: subscriptions, sending order, and delivery across threads.
#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <vector>

#include "KTNotificationConnection.h"
#include "KTNotificationSinkMTWnd.h"
#include "MessagePump.h"

namespace
{

LONG RefsOf(const CKTNotificationConnection* pConnection) { return pConnection->m_dwRef; }

// Records every event it hears; may unsubscribe another sink when called.
class CRecordingSink : public CKTNotificationSink
{
public:
    CRecordingSink(std::vector<int>* pLog, int nTag) : m_pLog(pLog), m_nTag(nTag) {}
    void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags) override
    {
        m_pLog->push_back(m_nTag);
        m_dwLastFlags = dwFlags;
        m_wLastParam = wParam;
        m_lLastParam = lParam;
        if (m_pVictim)
            m_pVictim->Unadvise(m_dwVictimCookie);
    }

    std::vector<int>* m_pLog;
    int m_nTag;
    DWORD m_dwLastFlags = 0;
    WPARAM m_wLastParam = 0;
    LPARAM m_lLastParam = 0;
    CKTNotificationSink* m_pVictim = nullptr;
    DWORD m_dwVictimCookie = 0;
};

}  // namespace

TEST(NotificationConnection, DeliversInSubscriptionOrderToThatCodeOnly)
{
    std::vector<int> log;
    CKTSmartPtr<CKTNotificationConnection> ptrConnection = KTMakeCounted<CKTNotificationConnection>();
    CRecordingSink first(&log, 1), second(&log, 2), other(&log, 3);
    EXPECT_NE(0u, second.Advise(ptrConnection, 7));
    EXPECT_NE(0u, first.Advise(ptrConnection, 7));
    EXPECT_NE(0u, other.Advise(ptrConnection, 8));

    EXPECT_TRUE(ptrConnection->SendEvent(7, 11, 12, 0xA0000000));
    EXPECT_EQ((std::vector<int>{2, 1}), log);
    EXPECT_EQ(0xA0000000u, first.m_dwLastFlags);
    EXPECT_EQ(11u, first.m_wLastParam);
    EXPECT_EQ(12, first.m_lLastParam);
    EXPECT_FALSE(ptrConnection->SendEvent(9, 0, 0)) << "no sink for code 9";
}

TEST(NotificationConnection, SinkUnsubscribedDuringSendIsSkipped)
{
    std::vector<int> log;
    CKTSmartPtr<CKTNotificationConnection> ptrConnection = KTMakeCounted<CKTNotificationConnection>();
    CRecordingSink first(&log, 1), second(&log, 2);
    first.Advise(ptrConnection, 5);
    second.m_dwVictimCookie = second.Advise(ptrConnection, 5);
    first.m_pVictim = &second;
    second.m_pVictim = nullptr;
    first.m_dwVictimCookie = second.m_dwVictimCookie;

    EXPECT_TRUE(ptrConnection->SendEvent(5, 0, 0));
    EXPECT_EQ((std::vector<int>{1}), log);
}

TEST(NotificationConnection, SinksKeepTheConnectionAliveAndCookiesAreDistinct)
{
    std::vector<int> log;
    CKTSmartPtr<CKTNotificationConnection> ptrFirst = KTMakeCounted<CKTNotificationConnection>();
    CKTSmartPtr<CKTNotificationConnection> ptrSecond = KTMakeCounted<CKTNotificationConnectionMT>();
    {
        CRecordingSink sink(&log, 1);
        DWORD dwCookie1 = sink.Advise(ptrFirst, 1);
        DWORD dwCookie2 = sink.Advise(ptrSecond, 1);
        EXPECT_NE(dwCookie1, dwCookie2) << "one sink on two connections needs two cookies";
        EXPECT_EQ(2, RefsOf(ptrFirst));
        sink.Unadvise(dwCookie1);
        EXPECT_FALSE(ptrFirst->SendEvent(1, 0, 0));
        EXPECT_TRUE(ptrSecond->SendEvent(1, 0, 0));
    }
    EXPECT_FALSE(ptrSecond->SendEvent(1, 0, 0)) << "the destructor cancels every subscription";
    EXPECT_EQ(1, RefsOf(ptrSecond)) << "and gives back its reference";
    EXPECT_EQ(0u, CRecordingSink(&log, 0).Advise(nullptr, 1));
}

namespace
{

// A sink that hands every event to its hidden window and hears it again on
// the window's thread, as the cross-thread sink does.
class CPostingSink : public CKTNotificationSink, public CKTNotificationSinkMTWnd
{
public:
    void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM /*lParam*/, DWORD /*dwFlags*/) override
    {
        ::PostMessageA(GetSafeHwnd(), KTNotificationSinkMTOnEvent, dwCode, wParam);
    }
    LRESULT OnWindowEvent(WPARAM wParam, LPARAM lParam) override
    {
        m_dwThread = ::GetCurrentThreadId();
        m_dwCode = static_cast<DWORD>(wParam);
        m_lValue = lParam;
        return 0;
    }

    DWORD m_dwThread = 0;
    DWORD m_dwCode = 0;
    LPARAM m_lValue = 0;
};

DWORD WINAPI SendFromWorker(LPVOID pParam)
{
    auto* pConnection = static_cast<CKTNotificationConnection*>(pParam);
    pConnection->SendEvent(42, 4242, 0, 0x80000000);
    return 0;
}

}  // namespace

TEST(NotificationSinkMT, WorkerEventArrivesOnTheOwnerThread)
{
    EXPECT_NE(0u, KTNotificationSinkMTOnEvent);
    EXPECT_EQ(KTNotificationSinkMTOnEvent, ::RegisterWindowMessageA("KTNotificationSinkMTOnEvent"));

    CKTSmartPtr<CKTNotificationConnection> ptrConnection = KTMakeCounted<CKTNotificationConnectionMT>();
    CPostingSink sink;
    ASSERT_TRUE(sink.CreateWnd());
    char szText[64] = "";
    ::GetWindowTextA(sink.GetSafeHwnd(), szText, sizeof(szText));
    EXPECT_STREQ("KTNotificationSinkMT_MsgWnd", szText);
    EXPECT_FALSE(::IsWindowVisible(sink.GetSafeHwnd()));
    EXPECT_EQ(NULL, ::GetParent(sink.GetSafeHwnd()));
    sink.Advise(ptrConnection, 42);

    HANDLE hThread = ::CreateThread(NULL, 0, SendFromWorker, ptrConnection, 0, NULL);
    ASSERT_NE(nullptr, hThread);
    DWORD dwWorker = ::GetThreadId(hThread);
    EXPECT_TRUE(PumpUntil([&] { return sink.m_dwCode != 0; }));
    ::WaitForSingleObject(hThread, 5000);
    ::CloseHandle(hThread);

    EXPECT_EQ(42u, sink.m_dwCode);
    EXPECT_EQ(4242, sink.m_lValue);
    EXPECT_EQ(::GetCurrentThreadId(), sink.m_dwThread);
    EXPECT_NE(dwWorker, sink.m_dwThread);
    sink.UnadviseAll();
}

TEST(NotificationSinkMT, DestroyedWindowIsGone)
{
    CPostingSink sink;
    ASSERT_TRUE(sink.CreateWnd());
    HWND hWnd = sink.GetSafeHwnd();
    sink.DestroyWnd();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(NULL, sink.GetSafeHwnd());

    ASSERT_TRUE(sink.CreateWnd());
    ASSERT_TRUE(::DestroyWindow(sink.GetSafeHwnd()));
    EXPECT_EQ(NULL, sink.GetSafeHwnd()) << "a window destroyed from outside leaves no stale handle";
    EXPECT_TRUE(sink.CreateWnd()) << "and can be made again";
}

namespace
{

// Stays inside its first OnEvent until released; touches nothing of itself once
// released, as its storage may then be going. Later calls return at once.
class CBlockingSink : public CKTNotificationSink
{
public:
    CBlockingSink(HANDLE hEntered, HANDLE hRelease) : m_hEntered(hEntered), m_hRelease(hRelease) {}
    void OnEvent(DWORD /*dwCode*/, WPARAM /*wParam*/, LPARAM /*lParam*/, DWORD /*dwFlags*/) override
    {
        if (m_bCalled.exchange(true))
            return;
        HANDLE hRelease = m_hRelease;
        ::SetEvent(m_hEntered);
        ::WaitForSingleObject(hRelease, 10000);
    }

private:
    HANDLE m_hEntered;
    HANDLE m_hRelease;
    std::atomic<bool> m_bCalled{false};
};

// Sends one event from a thread of its own, joined on destruction.
class CWorkerSend
{
public:
    explicit CWorkerSend(CKTNotificationConnection* pConnection)
        : m_hThread(::CreateThread(NULL, 0, SendFromWorker, pConnection, 0, NULL))
    {
    }
    ~CWorkerSend()
    {
        Join();
        ::CloseHandle(m_hThread);
    }
    CWorkerSend(const CWorkerSend&) = delete;
    CWorkerSend& operator=(const CWorkerSend&) = delete;

    bool Started() const { return m_hThread != NULL; }
    bool Join() { return ::WaitForSingleObject(m_hThread, 10000) == WAIT_OBJECT_0; }

private:
    HANDLE m_hThread;
};

struct CEvent
{
    CEvent() : h(::CreateEventA(NULL, TRUE, FALSE, NULL)) {}
    ~CEvent() { ::CloseHandle(h); }
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;
    HANDLE h;
};

DWORD WINAPI DeleteSink(LPVOID pParam)
{
    delete static_cast<CKTNotificationSink*>(pParam);
    return 0;
}

}  // namespace

TEST(NotificationSinkLifetime, DestructionWaitsForACallRunningOnAnotherThread)
{
    CKTSmartPtr<CKTNotificationConnection> ptrConnection = KTMakeCounted<CKTNotificationConnectionMT>();
    CEvent entered, release;
    auto* pSink = new CBlockingSink(entered.h, release.h);
    ASSERT_NE(0u, pSink->Advise(ptrConnection, 42));
    CWorkerSend worker(ptrConnection);
    ASSERT_TRUE(worker.Started());
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(entered.h, 5000));

    HANDLE hDestroyer = ::CreateThread(NULL, 0, DeleteSink, pSink, 0, NULL);
    ASSERT_NE(nullptr, hDestroyer);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), ::WaitForSingleObject(hDestroyer, 300))
        << "the sink was freed under a call still running in it";
    // The destroying thread unsubscribes before it waits, but it may not have run yet.
    EXPECT_TRUE(PumpUntil([&] { return !ptrConnection->SendEvent(42, 0, 0); }, kColdWineDeadlineMs))
        << "yet its subscription goes";
    ::SetEvent(release.h);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hDestroyer, 5000));
    ::CloseHandle(hDestroyer);
    EXPECT_TRUE(worker.Join());
    EXPECT_EQ(1, RefsOf(ptrConnection)) << "the sink gave its reference back once the call returned";
}

namespace
{

// In its call, sends a message to a window of another thread and waits for the answer.
class CSendingSink : public CKTNotificationSink
{
public:
    CSendingSink(HWND hTarget, HANDLE hEntered) : m_hTarget(hTarget), m_hEntered(hEntered) {}
    void OnEvent(DWORD /*dwCode*/, WPARAM /*wParam*/, LPARAM /*lParam*/, DWORD /*dwFlags*/) override
    {
        ::SetEvent(m_hEntered);
        ::Sleep(100);  // the owner is in the destructor by now
        DWORD_PTR dwResult = 0;
        m_bAnswered = ::SendMessageTimeoutA(m_hTarget, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &dwResult) != 0;
    }

    bool m_bAnswered = false;

private:
    HWND m_hTarget;
    HANDLE m_hEntered;
};

}  // namespace

TEST(NotificationSinkLifetime, WaitingDestructionAnswersMessagesSentToItsThread)
{
    HWND hTarget = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hTarget);
    CKTSmartPtr<CKTNotificationConnection> ptrConnection = KTMakeCounted<CKTNotificationConnectionMT>();
    CEvent entered;
    // Kept in storage of the test's own, so the flag can be read after destruction.
    alignas(CSendingSink) unsigned char storage[sizeof(CSendingSink)];
    auto* pSink = new (storage) CSendingSink(hTarget, entered.h);
    pSink->Advise(ptrConnection, 42);
    CWorkerSend worker(ptrConnection);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(entered.h, 5000));

    pSink->~CSendingSink();
    EXPECT_TRUE(worker.Join());
    EXPECT_TRUE(reinterpret_cast<CSendingSink*>(storage)->m_bAnswered)
        << "the destructor and the call waited on each other";
    ::DestroyWindow(hTarget);
}

namespace
{

class CSelfDestroyingSink : public CKTNotificationSink
{
public:
    explicit CSelfDestroyingSink(int* pCalls) : m_pCalls(pCalls) {}
    void OnEvent(DWORD /*dwCode*/, WPARAM /*wParam*/, LPARAM /*lParam*/, DWORD /*dwFlags*/) override
    {
        ++*m_pCalls;
        delete this;
    }

private:
    int* m_pCalls;
};

}  // namespace

TEST(NotificationSinkLifetime, SinkMayDestroyItselfInItsOwnCall)
{
    CKTSmartPtr<CKTNotificationConnection> ptrConnection = KTMakeCounted<CKTNotificationConnection>();
    int nCalls = 0;
    (new CSelfDestroyingSink(&nCalls))->Advise(ptrConnection, 3);
    CRecordingSink after(nullptr, 0);
    std::vector<int> log;
    after.m_pLog = &log;
    after.Advise(ptrConnection, 3);

    EXPECT_TRUE(ptrConnection->SendEvent(3, 0, 0));
    EXPECT_EQ(1, nCalls);
    EXPECT_EQ((std::vector<int>{0}), log) << "the sinks after it are still called";
    EXPECT_EQ(2, RefsOf(ptrConnection)) << "only the remaining sink holds a reference";
    after.UnadviseAll();
}

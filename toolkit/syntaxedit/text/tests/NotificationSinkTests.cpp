// The cross-thread sink: posted, sent and direct events, order, drops and destruction.
#include <gtest/gtest.h>

#include "KTNotificationSinkMT.h"
#include "MessagePump.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <new>
#include <thread>
#include <vector>

namespace
{
const DWORD kCode = 77;
const DWORD kPatience = 10000;  // a loaded machine may be slow to deliver

CKTSmartPtr<CKTNotificationConnection> MakeConnection() { return KTMakeCounted<CKTNotificationConnectionMT>(); }

struct Received
{
    std::vector<LPARAM> values;
    std::vector<DWORD> threads;
};

TEST(NotificationSink, WorkerPostsArriveInOrderOnTheOwnerThread)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    CKTNotificationSinkMT sink;
    ASSERT_TRUE(sink.IsWndCreated());
    Received received;
    sink.SetHandler(kCode,
                    [&](DWORD, WPARAM, LPARAM l)
                    {
                        received.values.push_back(l);
                        received.threads.push_back(GetCurrentThreadId());
                    });
    ASSERT_NE(sink.Advise(connection, kCode), 0u);
    std::thread worker(
        [&]
        {
            for (int i = 0; i < 1000; ++i)
                connection->SendEvent(kCode, 0, i, KT_NOTIFY_POST | KT_NOTIFY_RETRY_POST | KT_NOTIFY_DIRECT);
        });
    bool all = PumpUntil([&] { return received.values.size() >= 1000; }, kPatience);
    worker.join();
    ASSERT_TRUE(all);
    ASSERT_EQ(received.values.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
    {
        EXPECT_EQ(received.values[i], i);
        EXPECT_EQ(received.threads[i], GetCurrentThreadId());
    }
    EXPECT_EQ(sink.GetQueuedCount(), 0u);
}

TEST(NotificationSink, SendBlocksUntilTheOwnerHasHandledIt)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    CKTNotificationSinkMT sink;
    std::atomic<bool> handled(false), returned(false), handledBeforeReturn(false);
    DWORD dwHandlerThread = 0;
    sink.SetHandler(kCode,
                    [&](DWORD, WPARAM w, LPARAM)
                    {
                        EXPECT_EQ(w, WPARAM(&sink));
                        Sleep(100);
                        dwHandlerThread = GetCurrentThreadId();
                        handled = true;
                    });
    sink.Advise(connection, kCode);
    std::thread worker(
        [&]
        {
            connection->SendEvent(kCode, WPARAM(&sink), 0, 0);
            handledBeforeReturn = handled.load();
            returned = true;
        });
    bool done = PumpUntil([&] { return returned.load(); }, kPatience);
    worker.join();
    ASSERT_TRUE(done);
    EXPECT_TRUE(handledBeforeReturn);
    EXPECT_EQ(dwHandlerThread, GetCurrentThreadId());
}

TEST(NotificationSink, DirectFlagCallsAtOnceOnTheOwnerThread)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    CKTNotificationSinkMT sink;
    int calls = 0;
    sink.SetHandler(kCode, [&](DWORD, WPARAM, LPARAM) { ++calls; });
    sink.Advise(connection, kCode);
    connection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST | KT_NOTIFY_DIRECT);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sink.GetQueuedCount(), 0u);
    // Without the flag the same send is posted and waits for the pump.
    connection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(PumpUntil([&] { return calls == 2; }, kPatience));
}

TEST(NotificationSink, EventsQueuedAtDestructionAreNeverDelivered)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    auto calls = std::make_shared<int>(0);
    {
        CKTNotificationSinkMT sink;
        sink.SetHandler(kCode, [calls](DWORD, WPARAM, LPARAM) { ++*calls; });
        sink.Advise(connection, kCode);
        for (int i = 0; i < 10; ++i)
            connection->SendEvent(kCode, 0, i, KT_NOTIFY_POST);
        EXPECT_EQ(sink.GetQueuedCount(), 10u);
    }
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(*calls, 0);
    EXPECT_FALSE(connection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST));
}

TEST(NotificationSink, DestructionWaitsOutAWorkerRetryingAPost)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    // The sink lives in memory wiped once it is destroyed, as a freed block may be.
    using Storage = std::aligned_storage_t<sizeof(CKTNotificationSinkMT), alignof(CKTNotificationSinkMT)>;
    auto* storage = new Storage;
    auto* sink = new (storage) CKTNotificationSinkMT(FALSE);  // no window: every post fails and is retried
    sink->Advise(connection, kCode);
    auto returned = std::make_shared<std::atomic<bool>>(false);
    CKTNotificationConnection* pConnection = connection;
    std::thread worker(
        [pConnection, returned]
        {
            pConnection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST | KT_NOTIFY_RETRY_POST);
            *returned = true;
        });
    Sleep(150);  // the worker is between two tries
    sink->~CKTNotificationSinkMT();
    std::memset(storage, 0xDD, sizeof(Storage));
    if (!PumpUntil([&] { return returned->load(); }, 2000))
    {
        worker.detach();  // the storage is left to it
        FAIL() << "the worker still retries on a destroyed sink";
    }
    worker.join();
    delete storage;
}

TEST(NotificationSink, DestructionReleasesAWorkerWaitingOnASend)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    auto sink = std::make_unique<CKTNotificationSinkMT>();
    std::atomic<int> calls(0);
    sink->SetHandler(kCode, [&](DWORD, WPARAM, LPARAM) { ++calls; });
    sink->Advise(connection, kCode);
    std::atomic<bool> returned(false);
    std::thread worker(
        [&]
        {
            connection->SendEvent(kCode, 0, 0, 0);
            returned = true;
        });
    Sleep(100);  // the owner does not pump: the worker waits in its send
    sink.reset();
    bool done = PumpUntil([&] { return returned.load(); }, 5000);
    worker.join();
    EXPECT_TRUE(done);
    EXPECT_EQ(calls.load(), 0);
}

TEST(NotificationSink, PostWithoutWindowIsCountedAndDropped)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    CKTNotificationSinkMT sink(FALSE);
    int calls = 0;
    sink.SetHandler(kCode, [&](DWORD, WPARAM, LPARAM) { ++calls; });
    sink.Advise(connection, kCode);
    connection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST);
    connection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST);
    EXPECT_EQ(sink.GetFailedPosts(), 2u);
    EXPECT_EQ(sink.GetQueuedCount(), 0u);
    ASSERT_TRUE(sink.CreateWnd());
    connection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST);
    EXPECT_EQ(sink.GetFailedPosts(), 0u);
    EXPECT_TRUE(PumpUntil([&] { return calls == 1; }, kPatience));
}

TEST(NotificationSink, CodeWithoutHandlerIsReceivedAndIgnored)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    CKTNotificationSinkMT sink;
    int calls = 0;
    sink.SetHandler(kCode, [&](DWORD, WPARAM, LPARAM) { ++calls; });
    sink.Advise(connection, kCode + 1);
    sink.Advise(connection, kCode);
    EXPECT_TRUE(connection->SendEvent(kCode + 1, 0, 0, KT_NOTIFY_POST));
    connection->SendEvent(kCode, 0, 0, KT_NOTIFY_POST);
    EXPECT_TRUE(PumpUntil([&] { return calls == 1 && sink.GetQueuedCount() == 0; }, kPatience));
}

// Owners name member handlers.
class Owner
{
public:
    void OnNotify(DWORD dwCode, WPARAM, LPARAM lParam) { last = LPARAM(dwCode) + lParam; }
    LPARAM last = 0;
};

TEST(NotificationSink, MemberHandlersReceiveCodeAndValues)
{
    CKTSmartPtr<CKTNotificationConnection> connection = MakeConnection();
    CKTNotificationSinkMT sink;
    Owner owner;
    sink.SetHandler(kCode, &owner, &Owner::OnNotify);
    sink.Advise(connection, kCode);
    connection->SendEvent(kCode, 0, 3, KT_NOTIFY_DIRECT | KT_NOTIFY_POST);
    EXPECT_EQ(owner.last, LPARAM(kCode + 3));
}
}  // namespace

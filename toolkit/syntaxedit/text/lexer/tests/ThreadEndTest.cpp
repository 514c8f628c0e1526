// Threads asked to stop that do not: the helper, the parser's worker, the
// configuration's reload and its file monitor are cut off after their wait.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>
#include <thread>

#include "AllocationFault.h"
#include "KTLexThreadEnd.h"
#include "KTLexWorker.h"
#include "KTSyntaxEditConfigurationManager.h"
#include "KTSyntaxEditFileChangesMonitor.h"
#include "KTSyntaxEditLexParser.h"
#include "TestFolder.h"
#include "TestText.h"

#ifdef _WIN32
#include <windows.h>
#include <pthread.h>
#endif

namespace
{

// Where a thread stops until the test lets it go. Shared, so that a thread
// left running (natively nothing ends it) never outlives it.
struct CGate
{
    void Reach()
    {
        std::unique_lock<std::mutex> hold(lock);
        reached = true;
        changed.notify_all();
        changed.wait(hold, [this] { return open; });
    }
    bool WaitReached()
    {
        std::unique_lock<std::mutex> hold(lock);
        return changed.wait_for(hold, std::chrono::seconds(10), [this] { return reached; });
    }
    void Open()
    {
        std::lock_guard<std::mutex> hold(lock);
        open = true;
        changed.notify_all();
    }

    std::mutex lock;
    std::condition_variable changed;
    bool reached = false;
    bool open = false;
};

#ifdef _WIN32
// A thread cut off while it waited leaves the gate's condition in use for
// good: destroying it would wait forever, so the gate is kept.
std::shared_ptr<CGate> KeptGate()
{
    return std::shared_ptr<CGate>(new CGate, [](CGate*) {});
}

HANDLE CopyHandle(std::thread& thread)
{
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), static_cast<HANDLE>(pthread_gethandle(thread.native_handle())),
                    GetCurrentProcess(), &copy, SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0);
    return copy;
}
#endif

}  // namespace

TEST(LexThreadEnd, AThreadThatEndsIsJoinedAndOneStuckIsCutOff)
{
    std::thread quick([] {});
    EXPECT_TRUE(KTLexEndThread(quick, 60000, 10));
    EXPECT_FALSE(quick.joinable());

    auto gate = std::make_shared<CGate>();
    std::thread stuck([gate] { gate->Reach(); });
    ASSERT_TRUE(gate->WaitReached());
#ifdef _WIN32
    HANDLE copy = CopyHandle(stuck);
#endif
    EXPECT_FALSE(KTLexEndThread(stuck, 1, 3));
    EXPECT_FALSE(stuck.joinable());
#ifdef _WIN32
    EXPECT_EQ(WaitForSingleObject(copy, 0), WAIT_OBJECT_0);  // gone, not left to run on
    CloseHandle(copy);
#else
    gate->Open();
#endif
}

// A body that returns when asked ends within the deadline, at the priority it was given, and a new
// thread can start after it; one stopped early never runs its body past the request.
TEST(LexWorker, ABodyAskedToStopEndsWithinTheDeadline)
{
    CKTLexWorker worker(60000);
    worker.SetPriority(CKTLexWorker::kLowestPriority);
    std::atomic<int> priority{0};
    std::atomic<int> passes{0};
    auto gate = std::make_shared<CGate>();
    ASSERT_TRUE(worker.Start(
        [&]
        {
#ifdef _WIN32
            priority = GetThreadPriority(GetCurrentThread());
#else
            priority = CKTLexWorker::kLowestPriority;
#endif
            gate->Reach();
            while (!worker.WaitForStop(1))
                ++passes;
        }));
    ASSERT_TRUE(gate->WaitReached());
    EXPECT_FALSE(worker.Start([] {}));  // one thread at a time
    gate->Open();
    EXPECT_TRUE(worker.Stop());
    EXPECT_FALSE(worker.WasCutOff());
    EXPECT_FALSE(worker.IsStarted());
    EXPECT_EQ(priority.load(), CKTLexWorker::kLowestPriority);

    std::atomic<bool> ran{false};
    ASSERT_TRUE(worker.Start([&] { ran = !worker.IsStopRequested(); }));
    EXPECT_TRUE(worker.End());
    EXPECT_TRUE(ran);  // the earlier request was taken back
}

// A body that says it is done under its owner's lock is no longer running for the owner that takes the
// lock after it, and starting again joins its thread and runs the new body.
TEST(LexWorker, StartingAgainJoinsTheThreadOfAFinishedBody)
{
    CKTLexWorker worker(60000);
    std::mutex ownerLock;
    auto gate = std::make_shared<CGate>();
    {
        // Held, the owner's lock keeps the body from saying it is done before it is asked.
        std::lock_guard<std::mutex> owner(ownerLock);
        ASSERT_TRUE(worker.Start(
            [&, gate]
            {
                {
                    std::lock_guard<std::mutex> owner(ownerLock);
                    worker.Finish();
                }
                gate->Reach();
            }));
        EXPECT_TRUE(worker.IsRunning());
    }
    ASSERT_TRUE(gate->WaitReached());
    std::atomic<bool> ran{false};
    {
        std::lock_guard<std::mutex> owner(ownerLock);
        EXPECT_FALSE(worker.IsRunning());
        gate->Open();
        EXPECT_TRUE(worker.Start([&] { ran = true; }));
    }
    EXPECT_TRUE(worker.End());
    EXPECT_TRUE(ran);
}

TEST(LexWorker, AThreadTheSystemCannotMakeLeavesNoneStarted)
{
    CKTLexWorker worker(60000);
    std::atomic<int> runs{0};
    {
        AllocationFault fault(0);
        EXPECT_FALSE(worker.Start([&] { ++runs; }));
    }
    EXPECT_FALSE(worker.IsStarted());
    ASSERT_TRUE(worker.Start([&] { ++runs; }));
    EXPECT_TRUE(worker.End());
    EXPECT_EQ(runs.load(), 1);
}

// The fault ends the thread only; the owner hears of it there, and a fault of its own is dropped.
TEST(LexWorker, ABodyThatThrowsEndsItsThreadAndTheOwnerHearsOfIt)
{
    CKTLexWorker worker(60000);
    std::atomic<std::thread::id> heardOn{};
    std::thread::id ranOn;
    ASSERT_TRUE(worker.Start(
        [&]
        {
            ranOn = std::this_thread::get_id();
            throw std::runtime_error("fault");
        },
        [&]
        {
            heardOn = std::this_thread::get_id();
            throw 1;
        }));
    EXPECT_TRUE(worker.End());
    EXPECT_EQ(heardOn.load(), ranOn);
    EXPECT_FALSE(worker.WasCutOff());
    ASSERT_TRUE(worker.Start([] { throw std::bad_alloc(); }));  // without a handler
    EXPECT_TRUE(worker.Stop());
}

namespace
{
bool WaitForParserEnded(CKTSyntaxEditLexParser& parser)
{
    for (int i = 0; i < 200; ++i)
    {
        parser.WaitForEvents(50);
        for (const KT_EDIT_LEXPARSEREVENT& event : parser.TakeEvents())
            if (event.nCode == CKTSyntaxEditLexParser::ktEditOnParserEnded)
                return true;
    }
    return false;
}
}  // namespace

// A fault inside a pass ends the worker only: the owner hears the run ended, and the next request
// starts a new worker that colours the text.
TEST(LexParserThread, AFaultInAPassEndsTheWorkerAndTheNextRequestStartsAnother)
{
    class CFaultyText : public CTestText
    {
    public:
        using CTestText::CTestText;
        bool GetRowText(int row, std::string& text) const override
        {
            if (row == 2 && m_bFail.exchange(false))
                throw std::runtime_error("fault");
            return CTestText::GetRowText(row, text);
        }
        mutable std::atomic<bool> m_bFail{true};
    };
    CFaultyText text("int x;\r\nint y;", ".c");
    auto parser = KTMakeCounted<CKTSyntaxEditLexParser>();
    parser->SetTextSchema(LoadTestSchema("schemes/c.scheme").GetInterface());
    parser->StartParseInThread(&text, nullptr, nullptr, true);
    ASSERT_TRUE(WaitForParserEnded(*parser));
    EXPECT_FALSE(parser->IsWorkerRunning());
    EXPECT_TRUE(parser->GetTextSchema()->GetBlocks().empty());
    parser->StartParseInThread(&text, nullptr, nullptr, true);
    ASSERT_TRUE(WaitForParserEnded(*parser));
    EXPECT_FALSE(parser->GetTextSchema()->GetBlocks().empty());
    parser->Close();
}

// The request stays queued, and the next one makes the worker.
TEST(LexParserThread, AWorkerTheSystemCannotMakeIsTriedAgainAtTheNextRequest)
{
    CTestText text("int x;\r\nint y;", ".c");
    auto parser = KTMakeCounted<CKTSyntaxEditLexParser>();
    parser->SetTextSchema(LoadTestSchema("schemes/c.scheme").GetInterface());
    {
        AllocationFault fault(0);
        parser->StartParseInThread(&text, nullptr, nullptr, true);
    }
    EXPECT_FALSE(parser->IsWorkerRunning());
    parser->StartParseInThread(&text, nullptr, nullptr, true);
    ASSERT_TRUE(WaitForParserEnded(*parser));
    EXPECT_FALSE(parser->GetTextSchema()->GetBlocks().empty());
    parser->Close();
}

// Terminating is real on Windows only; natively a worker left running would
// outlive the objects it reads.
#ifdef _WIN32

// A pass stuck in the text's reader holds the task lock: the stop gives up
// waiting, and the parser refuses work rather than wait on that lock again.
TEST(LexParserThread, AWorkerStuckInAPassIsCutOff)
{
    // Kept for good, as a gate is: the cut-off reader waited in it.
    CHeldText& held = *new CHeldText("int x;\r\nint y;\r\nint z;", 2);
    auto parser = KTMakeCounted<CKTSyntaxEditLexParser>();
    parser->SetTextSchema(LoadTestSchema("schemes/c.scheme").GetInterface());
    parser->SetStopWait(1);
    parser->StartParseInThread(&held, nullptr, nullptr, true);
    ASSERT_TRUE(held.WaitUntilHolding());
    parser->StopParseInThread();
    EXPECT_FALSE(parser->IsWorkerRunning());
    EXPECT_FALSE(parser->HasWork());
    EXPECT_EQ(parser->GetTextSchema(), nullptr);
    KT_EDIT_LEXPOS at{1, 0};
    parser->OnEditChanged(at, at, CKTSyntaxEditLexTextSchema::ktInsert, &held);
    parser->StartParseInThread(&held, nullptr, nullptr, true);
    parser->Close();
    EXPECT_FALSE(held.HasTimedOut());  // nobody waited for the reader
    held.Release();
}

// The worker reads the row after the priority changed: it runs at the new one already.
TEST(LexParserThread, ANewPriorityReachesARunningWorkerAtOnce)
{
    class CPriorityText : public CHeldText
    {
    public:
        using CHeldText::CHeldText;
        bool GetRowText(int row, std::string& text) const override
        {
            bool result = CHeldText::GetRowText(row, text);
            if (row == 2)
                m_nPriority = GetThreadPriority(GetCurrentThread());
            return result;
        }
        mutable std::atomic<int> m_nPriority{THREAD_PRIORITY_ERROR_RETURN};
    };
    CPriorityText held("int x;\r\nint y;\r\nint z;", 2);
    auto parser = KTMakeCounted<CKTSyntaxEditLexParser>();
    parser->SetTextSchema(LoadTestSchema("schemes/c.scheme").GetInterface());
    parser->StartParseInThread(&held, nullptr, nullptr, true);
    ASSERT_TRUE(held.WaitUntilHolding());
    parser->SetParseInThreadPriority(THREAD_PRIORITY_LOWEST);
    held.Release();
    while (parser->HasWork())
    {
        parser->TakeEvents();
        parser->WaitForEvents(50);
    }
    EXPECT_EQ(held.m_nPriority.load(), THREAD_PRIORITY_LOWEST);
    parser->Close();
}

TEST(LexWorker, AThreadThatOverrunsTheDeadlineIsCutOffAndSaysSo)
{
    auto gate = KeptGate();
    CKTLexWorker worker(60000, 3);
    ASSERT_TRUE(worker.Start([gate] { gate->Reach(); }));
    ASSERT_TRUE(gate->WaitReached());
    worker.SetStopWait(1);
    EXPECT_EQ(worker.GetStopLimit(), std::chrono::milliseconds(3));
    EXPECT_FALSE(worker.Stop());
    EXPECT_TRUE(worker.WasCutOff());
    EXPECT_FALSE(worker.IsStarted());
}

TEST(LexFileMonitor, AHandlerThatDoesNotReturnIsCutOffAtTheStop)
{
    CTestFolder folder("monitor-stop");
    ASSERT_TRUE(folder.Write("watched.ini", "a"));
    std::string path = folder.Path("watched.ini");
    auto gate = KeptGate();
    CKTSyntaxEditFileChangesMonitor monitor(1);
    monitor.SetHandler([gate](const std::string&, int, int) { gate->Reach(); });
    monitor.SetStopWait(1);
    ASSERT_TRUE(monitor.AddFile(path, 1));
    monitor.Start();
    std::filesystem::remove(path);
    ASSERT_TRUE(gate->WaitReached());
    EXPECT_FALSE(monitor.Stop());
}

// A reload stuck in a receiver is cut off, and the configuration is still
// dropped. The receiver stays advised: the reload died holding their lock.
TEST(LexConfigClose, AReloadThatDoesNotReturnIsCutOff)
{
    class CStuckReceiver : public IKTSyntaxEditConfigEvents
    {
    public:
        void OnConfigEvent(int, int, const std::string&, const CKTSyntaxEditLexTextSchema::Ptr&,
                           const CKTSyntaxEditThemeSet::ThemePtr&) override
        {
            gate->Reach();
        }
        std::shared_ptr<CGate> gate = KeptGate();
    };
    CTestFolder folder("reload-stop");
    std::filesystem::copy(KT_TEST_CONFIG_DIR, folder.Path("config"), std::filesystem::copy_options::recursive);
    auto config = KTMakeCounted<CKTSyntaxEditConfigurationManager>(1000);
    config->SetConfigFile(folder.Path("config/SyntaxEdit.ini"));
    ASSERT_FALSE(config->GetSchemeNames().empty());
    CStuckReceiver stuck;
    config->Advise(&stuck);
    ASSERT_TRUE(config->ReloadConfigAsync());
    ASSERT_TRUE(stuck.gate->WaitReached());
    config->SetStopWaits(1, 1);
    config->Close();
    EXPECT_TRUE(config->GetSchemeNames().empty());
    config->Close();  // again, as the destructor does: nothing waits on a lock the reload kept
}

#endif

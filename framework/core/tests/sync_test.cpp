// The Win32 synchronisation objects: events, mutexes, semaphores, critical sections and the locks.
#include "afxmt.h"
#include "test_support.h"

#include <thread>

TEST(SyncObjects, EventSignalsAcrossThreads)
{
    CEvent ready(FALSE, TRUE);
    EXPECT_FALSE(ready.Lock(0));
    std::thread worker([&] { ready.SetEvent(); });
    EXPECT_TRUE(ready.Lock(5000));
    worker.join();
    EXPECT_TRUE(ready.Lock(0));  // manual reset: stays signalled
    ready.ResetEvent();
    EXPECT_FALSE(ready.Lock(0));
}

TEST(SyncObjects, SingleLockReleasesAtScopeEnd)
{
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        bool bOtherGot = true;
        std::thread other(
            [&]
            {
                CSingleLock otherLock(&mutex);
                bOtherGot = otherLock.Lock(0);
            });
        other.join();
        EXPECT_FALSE(bOtherGot);
    }
    bool bOtherGot = false;
    std::thread other(
        [&]
        {
            CSingleLock otherLock(&mutex);
            bOtherGot = otherLock.Lock(0);
        });
    other.join();
    EXPECT_TRUE(bOtherGot);
}

TEST(SyncObjects, SemaphoreCountsAndCriticalSectionGuards)
{
    CSemaphore semaphore(2, 2);
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_FALSE(semaphore.Lock(0));
    LONG nPrevious = -1;
    EXPECT_TRUE(semaphore.Unlock(2, &nPrevious));
    EXPECT_EQ(0, nPrevious);

    CCriticalSection section;
    int nTotal = 0;
    auto add = [&]
    {
        for (int i = 0; i < 10000; ++i)
        {
            CSingleLock lock(&section, TRUE);
            ++nTotal;
        }
    };
    std::thread a(add);
    std::thread b(add);
    a.join();
    b.join();
    EXPECT_EQ(20000, nTotal);
}

TEST(SyncObjects, MultiLockWaitsForAnyOrAll)
{
    CEvent first;
    CEvent second(FALSE, TRUE);
    CSyncObject* objects[] = {&first, &second};
    CMultiLock lock(objects, 2);
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, lock.Lock(0, FALSE));
    second.SetEvent();
    EXPECT_EQ(WAIT_OBJECT_0 + 1, lock.Lock(0, FALSE));
    EXPECT_TRUE(lock.IsLocked(1));
    EXPECT_FALSE(lock.IsLocked(0));
    first.SetEvent();
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, lock.Lock(1000, TRUE));
    EXPECT_TRUE(lock.IsLocked(0));
}

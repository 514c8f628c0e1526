// Worker threads: the procedure runs with its parameter and its own thread
// object, a kept object survives its thread, and a thread can end itself.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "afxpriv.h"

namespace
{

struct WorkerProbe
{
    LONG nRuns = 0;
    CWinThread* pSeenThread = nullptr;
    DWORD dwSeenId = 0;
};

UINT __cdecl RecordRun(LPVOID pParam)
{
    WorkerProbe* pProbe = static_cast<WorkerProbe*>(pParam);
    pProbe->pSeenThread = AfxGetThread();
    pProbe->dwSeenId = ::GetCurrentThreadId();
    ::InterlockedIncrement(&pProbe->nRuns);
    return 17;
}

UINT __cdecl CountRun(LPVOID pParam)
{
    ::InterlockedIncrement(&static_cast<WorkerProbe*>(pParam)->nRuns);
    return 0;
}

UINT __cdecl EndEarly(LPVOID pParam)
{
    ::InterlockedIncrement(&static_cast<WorkerProbe*>(pParam)->nRuns);
    AfxEndThread(23, FALSE);
    return 0;  // not reached
}

CWinThread* StartKept(AFX_THREADPROC pfn, void* pParam)
{
    CWinThread* pThread = AfxBeginThread(pfn, pParam, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (pThread)
    {
        pThread->m_bAutoDelete = FALSE;
        pThread->ResumeThread();
    }
    return pThread;
}

}  // namespace

TEST(WorkerThread, RunsWithItsParameterAndItsOwnThreadObject)
{
    WorkerProbe probe;
    CWinThread* pThread = StartKept(RecordRun, &probe);
    ASSERT_NE(nullptr, pThread);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 10000));
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(17u, dwExit);
    EXPECT_EQ(1, probe.nRuns);
    EXPECT_EQ(pThread, probe.pSeenThread);
    EXPECT_EQ(pThread->m_nThreadID, probe.dwSeenId);
    EXPECT_NE(::GetCurrentThreadId(), probe.dwSeenId);
    delete pThread;
}

TEST(WorkerThread, CanEndItselfWithAnExitCode)
{
    WorkerProbe probe;
    CWinThread* pThread = StartKept(EndEarly, &probe);
    ASSERT_NE(nullptr, pThread);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 10000));
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(23u, dwExit);
    EXPECT_EQ(1, probe.nRuns);
    delete pThread;
}

TEST(WorkerThread, AutoDeletingThreadsAllRun)
{
    WorkerProbe probe;
    for (int i = 0; i < 8; i++)
        ASSERT_NE(nullptr, AfxBeginThread(CountRun, &probe));
    for (int i = 0; i < 500 && probe.nRuns < 8; i++)
        ::Sleep(10);
    EXPECT_EQ(8, probe.nRuns);
}

namespace
{

struct Slot
{
    int nValue = 0;
};
THREAD_LOCAL(Slot, g_slot)

UINT __cdecl UseSlot(LPVOID pParam)
{
    g_slot->nValue = 99;
    *static_cast<Slot**>(pParam) = g_slot.GetData();
    return 0;
}

}  // namespace

TEST(ThreadLocal, EachThreadHasItsOwnObject)
{
    g_slot->nValue = 5;
    Slot* pOther = nullptr;
    CWinThread* pThread = StartKept(UseSlot, &pOther);
    ASSERT_NE(nullptr, pThread);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 10000));
    delete pThread;
    EXPECT_NE(g_slot.GetData(), pOther);
    EXPECT_EQ(5, g_slot->nValue) << "the other thread changed only its own";
}

namespace
{

struct CleanerProbe
{
    int nCleaners = 40;  // more than any fixed table would hold
    int nRunsSeen = 0;   // runs of the one clean-up asked for
};

int g_nCleanerRuns = 0;

void CountCleanerRun() { ++g_nCleanerRuns; }

UINT __cdecl RegisterManyCleaners(LPVOID pParam)
{
    CleanerProbe* pProbe = static_cast<CleanerProbe*>(pParam);
    for (int i = 0; i < pProbe->nCleaners; i++)
        AfxRegisterTempMapCleaner(&CountCleanerRun);
    g_nCleanerRuns = 0;
    AfxDeleteTempMaps();
    pProbe->nRunsSeen = g_nCleanerRuns;
    return 0;
}

}  // namespace

TEST(TempMaps, EveryRegisteredCleanerRuns)
{
    // On a thread of its own, so that the cleaners do not stay with this one.
    CleanerProbe probe;
    CWinThread* pThread = StartKept(RegisterManyCleaners, &probe);
    ASSERT_NE(nullptr, pThread);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 10000));
    delete pThread;
    EXPECT_EQ(probe.nCleaners, probe.nRunsSeen);
}

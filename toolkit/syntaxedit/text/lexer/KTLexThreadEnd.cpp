// Ending a thread within a time limit.
#include "KTLexThreadEnd.h"

#ifdef _WIN32
#include <windows.h>
#include <pthread.h>
#else
#include <pthread.h>
#include <time.h>

#include <new>
#endif

namespace
{

#ifdef _WIN32
bool EndedWithin(std::thread& thread, int waitMs)
{
    HANDLE handle = static_cast<HANDLE>(pthread_gethandle(thread.native_handle()));
    return !handle || WaitForSingleObject(handle, DWORD(waitMs)) != WAIT_TIMEOUT;
}

// A thread stuck past every wait may hold anything; it must not run on
// into objects its owner is about to free.
void Terminate(std::thread& thread)
{
    HANDLE handle = static_cast<HANDLE>(pthread_gethandle(thread.native_handle()));
    if (handle && TerminateThread(handle, 0))
        WaitForSingleObject(handle, INFINITE);  // termination completes asynchronously
    thread.detach();
}
#else
bool EndedWithin(std::thread& thread, int waitMs)
{
    timespec until{};
    clock_gettime(CLOCK_REALTIME, &until);
    until.tv_sec += waitMs / 1000;
    until.tv_nsec += long(waitMs % 1000) * 1000000L;
    if (until.tv_nsec >= 1000000000L)
    {
        ++until.tv_sec;
        until.tv_nsec -= 1000000000L;
    }
    if (pthread_timedjoin_np(thread.native_handle(), nullptr, &until) != 0)
        return false;
    // Joined already: the object only forgets the thread (its destructor has nothing to undo).
    new (&thread) std::thread();
    return true;
}

// Without a safe way to end a thread here it is let go; native builds serve tests and fuzzing only.
void Terminate(std::thread& thread) { thread.detach(); }
#endif

}  // namespace

bool KTLexEndThread(std::thread& thread, int waitMs, int waits)
{
    if (!thread.joinable())
        return true;
    for (int i = 0; i < waits; ++i)
    {
        if (EndedWithin(thread, waitMs))
        {
            if (thread.joinable())
                thread.join();
            return true;
        }
    }
    Terminate(thread);
    return false;
}

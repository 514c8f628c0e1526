// A background thread with a stop deadline and a fault handler.
#include "KTLexWorker.h"

#include <new>
#include <system_error>

#include "KTLexThreadEnd.h"

#ifdef _WIN32
#include <windows.h>
#include <pthread.h>

static_assert(CKTLexWorker::kLowestPriority == THREAD_PRIORITY_LOWEST, "the platform's lowest priority");
#endif

bool CKTLexWorker::Start(std::function<void()> body, std::function<void()> onFault)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_thread.joinable())
    {
        if (!m_bFinished)
            return false;
        m_thread.join();  // only its return is left
    }
    m_bStop = false;
    m_bFinished = false;
    try
    {
        m_thread = std::thread(&CKTLexWorker::Run, this, std::move(body), std::move(onFault));
        return true;
    }
    catch (const std::system_error&)
    {
        return false;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

// A fault ends this thread only, never the program: the owner decides how to go on.
void CKTLexWorker::Run(const std::function<void()>& body, const std::function<void()>& onFault)
{
#ifdef _WIN32
    SetThreadPriority(GetCurrentThread(), m_nPriority);
#endif
    try
    {
        body();
        Finish();
        return;
    }
    catch (...)
    {
    }
    try
    {
        if (onFault)
            onFault();
    }
    catch (...)
    {
    }
    Finish();
}

void CKTLexWorker::RequestStop()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bStop = true;
    }
    m_stopSignal.notify_all();
}

bool CKTLexWorker::WaitForStop(int waitMs)
{
    std::unique_lock<std::mutex> lock(m_lock);
    return m_stopSignal.wait_for(lock, std::chrono::milliseconds(waitMs), [this] { return m_bStop.load(); });
}

std::thread CKTLexWorker::Take()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return std::move(m_thread);
}

bool CKTLexWorker::End()
{
    std::thread thread = Take();
    if (KTLexEndThread(thread, m_nStopWaitMs, m_nStopWaits))
        return true;
    m_bCutOff = true;
    return false;
}

bool CKTLexWorker::Stop()
{
    RequestStop();
    return End();
}

void CKTLexWorker::CutOff()
{
    std::thread thread = Take();
    KTLexEndThread(thread, 0);
    m_bCutOff = true;
}

bool CKTLexWorker::IsStarted() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_thread.joinable();
}

bool CKTLexWorker::IsRunning() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_thread.joinable() && !m_bFinished;
}

void CKTLexWorker::SetPriority(int priority)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_nPriority = priority;
#ifdef _WIN32
    if (m_thread.joinable())
        SetThreadPriority(static_cast<HANDLE>(pthread_gethandle(m_thread.native_handle())), priority);
#endif
}

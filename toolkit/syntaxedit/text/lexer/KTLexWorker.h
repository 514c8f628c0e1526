// One background thread of an owner: started with a body, stopped within a deadline past which it is
// cut off; a body that throws ends its own thread only, and the owner hears of it there.
// Defines: CKTLexWorker.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class CKTLexWorker
{
public:
    // The platform's lowest thread priority; 0 is the normal one.
    static constexpr int kLowestPriority = -2;

    // Stopping waits up to stopWaits times stopWaitMs for the thread to end.
    explicit CKTLexWorker(int stopWaitMs, int stopWaits = 1) : m_nStopWaitMs(stopWaitMs), m_nStopWaits(stopWaits) {}
    // The owner stops its thread before what the thread reads goes; this only ends one left over.
    ~CKTLexWorker() { Stop(); }
    CKTLexWorker(const CKTLexWorker&) = delete;
    CKTLexWorker& operator=(const CKTLexWorker&) = delete;

    // Runs body on a new thread at the priority set, with no stop asked; when the body throws, onFault
    // runs on that thread after it (a fault there is dropped). A thread whose body has finished is
    // joined first: the caller holds no lock that the thread still takes. FALSE when the body still
    // runs or the system makes no thread, for want of memory too.
    bool Start(std::function<void()> body, std::function<void()> onFault = nullptr);
    // The body takes no more work. Said under the lock through which its owner hands work over, it
    // tells the owner at once that the work it hands over next needs a new thread; said by no one, it
    // holds once the body and the fault handler have returned.
    void Finish() { m_bFinished = true; }
    // Started, and the body has not finished.
    bool IsRunning() const;
    // Asks the body to return: IsStopRequested turns TRUE and WaitForStop returns.
    void RequestStop();
    bool IsStopRequested() const { return m_bStop; }
    // Waits up to waitMs for a stop request; TRUE when there is one.
    bool WaitForStop(int waitMs);
    // Waits the deadline for the thread to end, for an owner that asked it to return in its own way,
    // and cuts it off past it. TRUE when it ended by itself or none was held.
    bool End();
    // RequestStop, then End.
    bool Stop();
    // Ends the thread at once, for an owner that knows it is stuck.
    void CutOff();
    // A thread is held: started, and not yet joined or ended.
    bool IsStarted() const;
    // A thread was cut off: locks it held may stay taken for good.
    bool WasCutOff() const { return m_bCutOff; }
    int GetPriority() const { return m_nPriority; }
    // A running thread takes it at once.
    void SetPriority(int priority);
    // The whole deadline of End.
    std::chrono::milliseconds GetStopLimit() const { return std::chrono::milliseconds(m_nStopWaitMs) * m_nStopWaits; }
    // Tests shorten each wait.
    void SetStopWait(int waitMs) { m_nStopWaitMs = waitMs; }

private:
    std::thread Take();
    void Run(const std::function<void()>& body, const std::function<void()>& onFault);

    mutable std::mutex m_lock;  // the thread object and the stop request
    std::condition_variable m_stopSignal;
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bFinished{false};
    std::atomic<bool> m_bCutOff{false};
    std::atomic<int> m_nPriority{0};
    std::atomic<int> m_nStopWaitMs;
    const int m_nStopWaits;
};

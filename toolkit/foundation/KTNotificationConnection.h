// KTNotificationConnection.h: subscriptions by notification code, delivered to sinks.
//
// Classes: CKTNotificationConnection, CKTNotificationConnectionMT, CKTNotificationSink.
#pragma once

#include <afxwin.h>

#include <vector>

#include "KTSmartPtr.h"

class CKTNotificationSink;

// A counted list of subscriptions {code, sink, cookie}. The owner holds it
// through a CKTSmartPtr; every subscribed sink holds a reference too, so the
// list outlives whichever goes first.
class CKTNotificationConnection : public CCmdTarget
{
public:
    CKTNotificationConnection();

    // Subscribes the sink to one code; returns a non-zero cookie, 0 on failure.
    DWORD Advise(CKTNotificationSink* pSink, DWORD dwCode);
    void Unadvise(DWORD dwCookie);

    // Calls every sink subscribed to the code, in subscription order, on the
    // calling thread; TRUE when at least one was called.
    BOOL SendEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags = 0);

    // TRUE while another thread is inside a call to the sink that this
    // connection began; such a call may outlive the sink's subscription.
    BOOL IsCalledElsewhere(const CKTNotificationSink* pSink);
    // Returns once no other thread is inside such a call; meanwhile serves
    // messages sent to this thread, since the caller may be waiting on one.
    void WaitForCallsElsewhere(const CKTNotificationSink* pSink);

protected:
    ~CKTNotificationConnection() override;
    virtual void Lock() {}
    virtual void Unlock() {}

private:
    // Holds the connection's lock for one scope.
    class CLockScope
    {
    public:
        explicit CLockScope(CKTNotificationConnection* pConnection) : m_pConnection(pConnection)
        {
            m_pConnection->Lock();
        }
        ~CLockScope() { m_pConnection->Unlock(); }
        CLockScope(const CLockScope&) = delete;
        CLockScope& operator=(const CLockScope&) = delete;

    private:
        CKTNotificationConnection* m_pConnection;
    };

    struct Subscription
    {
        DWORD dwCode;
        CKTNotificationSink* pSink;  // not owned
        DWORD dwCookie;
    };

    // A sink being called, and on which thread.
    struct Call
    {
        const CKTNotificationSink* pSink;  // compared, never used: it may be gone
        DWORD dwThreadId;
    };

    std::vector<DWORD> CookiesOf(DWORD dwCode);
    CKTNotificationSink* BeginCall(DWORD dwCookie);
    void EndCall(const CKTNotificationSink* pSink);

    static DWORD NextCookie();

    std::vector<Subscription> m_arrSubscriptions;  // in subscription order
    std::vector<Call> m_arrCalls;                  // calls begun and not yet returned
};

// The same connection guarded by a critical section, so that several
// threads may send and subscribe.
class CKTNotificationConnectionMT : public CKTNotificationConnection
{
public:
    CKTNotificationConnectionMT();

protected:
    ~CKTNotificationConnectionMT() override;
    void Lock() override;
    void Unlock() override;

private:
    CRITICAL_SECTION m_cs;  // guards the subscription list
};

// The basic subscriber: keeps its subscriptions and a reference to each
// connection, and cancels them all on destruction. Its storage outlives every
// call that a connection began into it on another thread: the destructor
// waits for those calls to return.
class CKTNotificationSink
{
public:
    CKTNotificationSink();
    virtual ~CKTNotificationSink();
    CKTNotificationSink(const CKTNotificationSink&) = delete;
    CKTNotificationSink& operator=(const CKTNotificationSink&) = delete;

    DWORD Advise(CKTNotificationConnection* pConnection, DWORD dwCode);
    void Unadvise(DWORD dwCookie);
    void UnadviseAll();

    // Receives the events on the thread that sends them.
    virtual void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags);

private:
    struct Advice
    {
        DWORD dwCookie;
        DWORD dwCode;
        CKTSmartPtr<CKTNotificationConnection> ptrConnection;
    };

    void ReleaseIdleRetired();

    std::vector<Advice> m_arrAdvices;
    // Connections left while another thread was still inside a call from
    // them; held until that call has returned.
    std::vector<CKTSmartPtr<CKTNotificationConnection>> m_arrRetired;
};

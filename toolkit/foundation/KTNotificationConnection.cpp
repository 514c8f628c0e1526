// KTNotificationConnection.cpp: subscribing, unsubscribing and sending events.
#include "KTNotificationConnection.h"

#include <algorithm>
#include <iterator>
#include <utility>

CKTNotificationConnection::CKTNotificationConnection() = default;

CKTNotificationConnection::~CKTNotificationConnection() = default;

DWORD CKTNotificationConnection::Advise(CKTNotificationSink* pSink, DWORD dwCode)
{
    if (!pSink)
        return 0;
    DWORD dwCookie = NextCookie();
    CLockScope lock(this);
    m_arrSubscriptions.push_back({dwCode, pSink, dwCookie});
    return dwCookie;
}

// Cookies are unique in the process, so that a sink subscribed to several
// connections can tell its subscriptions apart by cookie alone.
DWORD CKTNotificationConnection::NextCookie()
{
    static volatile LONG s_nLastCookie = 0;
    DWORD dwCookie = static_cast<DWORD>(::InterlockedIncrement(&s_nLastCookie));
    return dwCookie ? dwCookie : static_cast<DWORD>(::InterlockedIncrement(&s_nLastCookie));
}

void CKTNotificationConnection::Unadvise(DWORD dwCookie)
{
    CLockScope lock(this);
    auto it = std::find_if(m_arrSubscriptions.begin(), m_arrSubscriptions.end(),
                           [dwCookie](const Subscription& s) { return s.dwCookie == dwCookie; });
    if (it != m_arrSubscriptions.end())
        m_arrSubscriptions.erase(it);
}

std::vector<DWORD> CKTNotificationConnection::CookiesOf(DWORD dwCode)
{
    std::vector<DWORD> arrCookies;
    CLockScope lock(this);
    for (const Subscription& subscription : m_arrSubscriptions)
    {
        if (subscription.dwCode == dwCode)
            arrCookies.push_back(subscription.dwCookie);
    }
    return arrCookies;
}

// Looked up under the lock, and the call recorded before the lock is let go,
// so that a sink destroyed on another thread waits for it.
CKTNotificationSink* CKTNotificationConnection::BeginCall(DWORD dwCookie)
{
    CLockScope lock(this);
    for (const Subscription& subscription : m_arrSubscriptions)
    {
        if (subscription.dwCookie != dwCookie)
            continue;
        m_arrCalls.push_back({subscription.pSink, ::GetCurrentThreadId()});
        return subscription.pSink;
    }
    return NULL;
}

void CKTNotificationConnection::EndCall(const CKTNotificationSink* pSink)
{
    DWORD dwThreadId = ::GetCurrentThreadId();
    CLockScope lock(this);
    auto it = std::find_if(m_arrCalls.rbegin(), m_arrCalls.rend(),
                           [&](const Call& call) { return call.pSink == pSink && call.dwThreadId == dwThreadId; });
    if (it != m_arrCalls.rend())
        m_arrCalls.erase(std::next(it).base());
}

BOOL CKTNotificationConnection::IsCalledElsewhere(const CKTNotificationSink* pSink)
{
    DWORD dwThreadId = ::GetCurrentThreadId();
    CLockScope lock(this);
    return std::any_of(m_arrCalls.begin(), m_arrCalls.end(),
                       [&](const Call& call) { return call.pSink == pSink && call.dwThreadId != dwThreadId; });
}

void CKTNotificationConnection::WaitForCallsElsewhere(const CKTNotificationSink* pSink)
{
    while (IsCalledElsewhere(pSink))
    {
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 1, QS_SENDMESSAGE);
        MSG msg;
        ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

BOOL CKTNotificationConnection::SendEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags)
{
    CKTSmartPtr<CKTNotificationConnection> ptrSelf(this);  // a sink may drop the last other reference
    BOOL bCalled = FALSE;
    for (DWORD dwCookie : CookiesOf(dwCode))
    {
        // Looked up again for each call: a sink unsubscribed meanwhile is skipped.
        CKTNotificationSink* pSink = BeginCall(dwCookie);
        if (!pSink)
            continue;
        pSink->OnEvent(dwCode, wParam, lParam, dwFlags);
        EndCall(pSink);  // by address only: the sink may have destroyed itself
        bCalled = TRUE;
    }
    return bCalled;
}

CKTNotificationConnectionMT::CKTNotificationConnectionMT() { ::InitializeCriticalSection(&m_cs); }

CKTNotificationConnectionMT::~CKTNotificationConnectionMT() { ::DeleteCriticalSection(&m_cs); }

void CKTNotificationConnectionMT::Lock() { ::EnterCriticalSection(&m_cs); }

void CKTNotificationConnectionMT::Unlock() { ::LeaveCriticalSection(&m_cs); }

CKTNotificationSink::CKTNotificationSink() = default;

CKTNotificationSink::~CKTNotificationSink()
{
    UnadviseAll();
    for (const CKTSmartPtr<CKTNotificationConnection>& ptrConnection : m_arrRetired)
        ptrConnection->WaitForCallsElsewhere(this);
}

DWORD CKTNotificationSink::Advise(CKTNotificationConnection* pConnection, DWORD dwCode)
{
    if (!pConnection)
        return 0;
    DWORD dwCookie = pConnection->Advise(this, dwCode);
    if (!dwCookie)
        return 0;
    m_arrAdvices.push_back({dwCookie, dwCode, pConnection});
    return dwCookie;
}

void CKTNotificationSink::Unadvise(DWORD dwCookie)
{
    auto it = std::find_if(m_arrAdvices.begin(), m_arrAdvices.end(),
                           [dwCookie](const Advice& a) { return a.dwCookie == dwCookie; });
    if (it == m_arrAdvices.end())
        return;
    CKTSmartPtr<CKTNotificationConnection> ptrConnection = std::move(it->ptrConnection);
    m_arrAdvices.erase(it);
    ptrConnection->Unadvise(dwCookie);
    ReleaseIdleRetired();
    if (ptrConnection->IsCalledElsewhere(this))
        m_arrRetired.push_back(std::move(ptrConnection));
}

void CKTNotificationSink::ReleaseIdleRetired()
{
    auto itIdle = std::partition(m_arrRetired.begin(), m_arrRetired.end(),
                                 [this](const CKTSmartPtr<CKTNotificationConnection>& ptr)
                                 { return ptr->IsCalledElsewhere(this); });
    m_arrRetired.erase(itIdle, m_arrRetired.end());
}

void CKTNotificationSink::UnadviseAll()
{
    while (!m_arrAdvices.empty())
        Unadvise(m_arrAdvices.back().dwCookie);
}

void CKTNotificationSink::OnEvent(DWORD /*dwCode*/, WPARAM /*wParam*/, LPARAM /*lParam*/, DWORD /*dwFlags*/) {}

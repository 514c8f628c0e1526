// Bringing notifications from any thread to the sink owner's thread.
#include "KTNotificationSinkMT.h"

#include <chrono>

CKTNotificationSinkMT::CKTNotificationSinkMT(BOOL bCreateWnd) : m_wnd(this), m_dwOwnerThreadId(GetCurrentThreadId())
{
    if (bCreateWnd)
        CreateWnd();
}

CKTNotificationSinkMT::~CKTNotificationSinkMT()
{
    // Closed first: a connection that waits out its calls on unsubscribing
    // then finds each of them refused at once rather than stuck in a retry.
    CloseAndWaitForCallers();
    UnadviseAll();
    // Messages still in the queue go to a window that no longer exists.
    m_wnd.DestroyWnd();
}

// A worker may be blocked sending to this thread: its message is taken in
// (and not delivered) while we wait, or neither side would move.
void CKTNotificationSinkMT::CloseAndWaitForCallers()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_bClosing = TRUE;
    m_cvCallers.notify_all();
    while (!m_cvCallers.wait_for(lock, std::chrono::milliseconds(10), [this] { return m_nCallers == 0; }))
    {
        lock.unlock();
        MSG msg;
        PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        lock.lock();
    }
}

CKTNotificationSinkMT::CCallScope::CCallScope(CKTNotificationSinkMT& sink) : m_sink(sink)
{
    std::lock_guard<std::mutex> lock(m_sink.m_lock);
    m_bEntered = !m_sink.m_bClosing;
    if (m_bEntered)
        ++m_sink.m_nCallers;
}

CKTNotificationSinkMT::CCallScope::~CCallScope()
{
    if (!m_bEntered)
        return;
    std::lock_guard<std::mutex> lock(m_sink.m_lock);
    --m_sink.m_nCallers;
    // Still under the lock: once it is let go the sink may be gone.
    m_sink.m_cvCallers.notify_all();
}

BOOL CKTNotificationSinkMT::CreateWnd() { return m_wnd.CreateWnd(); }

size_t CKTNotificationSinkMT::GetQueuedCount()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_mapQueued.size();
}

void CKTNotificationSinkMT::SetHandler(DWORD dwCode, Handler handler) { m_mapHandlers[dwCode] = std::move(handler); }

void CKTNotificationSinkMT::OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags)
{
    EventRecord event = {dwCode, wParam, lParam, dwFlags};
    if ((dwFlags & KT_NOTIFY_DIRECT) && GetCurrentThreadId() == m_dwOwnerThreadId)
    {
        Dispatch(event);
        return;
    }
    CCallScope call(*this);
    if (!call.IsEntered())
        return;
    if (!(dwFlags & KT_NOTIFY_POST))
    {
        SendMessageA(m_wnd.GetSafeHwnd(), KTNotificationSinkMTOnEvent, reinterpret_cast<WPARAM>(&event), 0);
        return;
    }
    PostEvent(event);
}

// The record is stored only once its message is in the queue; the number
// travels in the message so the owner finds it.
void CKTNotificationSinkMT::PostEvent(const EventRecord& event)
{
    std::unique_lock<std::mutex> lock(m_lock);
    UINT nEvent = m_nNextEvent++;
    for (;;)
    {
        // Without the window a post would land in a thread queue nobody reads.
        HWND hWnd = m_wnd.GetSafeHwnd();
        if (hWnd && PostMessageA(hWnd, KTNotificationSinkMTOnEvent, 0, LPARAM(nEvent)))
        {
            m_mapQueued[nEvent] = event;
            m_nFailedPosts = 0;
            return;
        }
        if (!(event.dwFlags & KT_NOTIFY_RETRY_POST))
        {
            ++m_nFailedPosts;
            return;
        }
        // Closing ends the wait and the retries.
        if (m_cvCallers.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_bClosing; }))
            return;
    }
}

BOOL CKTNotificationSinkMT::TakeQueued(UINT nEvent, EventRecord& event)
{
    std::lock_guard<std::mutex> lock(m_lock);
    auto it = m_mapQueued.find(nEvent);
    if (it == m_mapQueued.end())
        return FALSE;
    event = it->second;
    m_mapQueued.erase(it);
    return TRUE;
}

LRESULT CKTNotificationSinkMT::OnWindowEvent(WPARAM wParam, LPARAM lParam)
{
    if (wParam)
    {
        // Sent while the destructor waits for its callers: taken in, not delivered.
        if (!m_bClosing)
            Dispatch(*reinterpret_cast<const EventRecord*>(wParam));
        return 0;
    }
    EventRecord event;
    if (TakeQueued(UINT(lParam), event))
        Dispatch(event);
    return 0;
}

void CKTNotificationSinkMT::Dispatch(const EventRecord& event)
{
    auto it = m_mapHandlers.find(event.dwCode);
    if (it != m_mapHandlers.end() && it->second)
        it->second(event.dwCode, event.wParam, event.lParam);
}

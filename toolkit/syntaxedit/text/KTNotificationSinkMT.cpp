// Bringing notifications from any thread to the sink owner's thread.
#include "KTNotificationSinkMT.h"

CKTNotificationSinkMT::CKTNotificationSinkMT(BOOL bCreateWnd)
    : m_wnd(this), m_dwOwnerThreadId(GetCurrentThreadId())
{
    if (bCreateWnd)
        CreateWnd();
}

CKTNotificationSinkMT::~CKTNotificationSinkMT()
{
    UnadviseAll();
    // Messages still in the queue go to a window that no longer exists.
    m_wnd.DestroyWnd();
    m_bWndCreated = FALSE;
    std::lock_guard<std::mutex> lock(m_lock);
    m_mapQueued.clear();
}

BOOL CKTNotificationSinkMT::CreateWnd()
{
    m_bWndCreated = m_wnd.CreateWnd();
    return m_bWndCreated;
}

size_t CKTNotificationSinkMT::GetQueuedCount()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_mapQueued.size();
}

void CKTNotificationSinkMT::SetHandler(DWORD dwCode, Handler handler)
{
    m_mapHandlers[dwCode] = std::move(handler);
}

void CKTNotificationSinkMT::OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags)
{
    EventRecord event = {dwCode, wParam, lParam, dwFlags};
    if ((dwFlags & KT_NOTIFY_DIRECT) && GetCurrentThreadId() == m_dwOwnerThreadId)
    {
        Dispatch(event);
        return;
    }
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
        lock.unlock();
        Sleep(100);
        lock.lock();
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

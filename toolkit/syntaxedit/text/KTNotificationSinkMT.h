// Subscriber that delivers each notification on its owner's thread through a hidden window.
// Classes: CKTNotificationSinkMT.
#pragma once

#include "KTNotificationConnection.h"
#include "KTNotificationSinkMTWnd.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <unordered_map>

// Flags of SendEvent as this sink reads them.
enum : DWORD
{
    KT_NOTIFY_POST = 0x80000000,        // post and return at once; clear: wait until handled
    KT_NOTIFY_RETRY_POST = 0x40000000,  // with KT_NOTIFY_POST: retry a failed post every 100 ms until the sink goes
    KT_NOTIFY_DIRECT = 0x20000000,      // sender on the owner's thread: call at once
};

// Construct and destroy it on the thread that is to receive the events.
// Destruction waits until no other thread is inside OnEvent any more.
class CKTNotificationSinkMT : public CKTNotificationSink
{
public:
    using Handler = std::function<void(DWORD dwCode, WPARAM wParam, LPARAM lParam)>;

    explicit CKTNotificationSinkMT(BOOL bCreateWnd = TRUE);
    ~CKTNotificationSinkMT() override;

    BOOL CreateWnd();
    BOOL IsWndCreated() const { return m_wnd.GetSafeHwnd() != NULL; }
    // The hidden window, for an owner's timer that is to fire on the same thread.
    HWND GetWndHandle() const { return m_wnd.GetSafeHwnd(); }
    DWORD GetOwnerThreadId() const { return m_dwOwnerThreadId; }
    UINT GetFailedPosts() const { return m_nFailedPosts; }
    size_t GetQueuedCount();

    // Names the owner's handler for a code; an empty handler receives and ignores.
    void SetHandler(DWORD dwCode, Handler handler);
    template <class T>
    void SetHandler(DWORD dwCode, T* pOwner, void (T::*pfn)(DWORD, WPARAM, LPARAM))
    {
        SetHandler(dwCode, [pOwner, pfn](DWORD c, WPARAM w, LPARAM l) { (pOwner->*pfn)(c, w, l); });
    }

    void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags) override;

    // Called by the hidden window on the owner's thread.
    LRESULT OnWindowEvent(WPARAM wParam, LPARAM lParam);

private:
    // Values may be addresses: they keep the width of a pointer.
    struct EventRecord
    {
        DWORD dwCode;
        WPARAM wParam;
        LPARAM lParam;
        DWORD dwFlags;
    };

    class CMsgWnd : public CKTNotificationSinkMTWnd
    {
    public:
        explicit CMsgWnd(CKTNotificationSinkMT* pSink) : m_pSink(pSink) {}

    protected:
        LRESULT OnWindowEvent(WPARAM wParam, LPARAM lParam) override { return m_pSink->OnWindowEvent(wParam, lParam); }

    private:
        CKTNotificationSinkMT* m_pSink;  // the sink that embeds this window
    };

    // Counts one call from another thread for the scope; refused once the sink is closing.
    class CCallScope
    {
    public:
        explicit CCallScope(CKTNotificationSinkMT& sink);
        ~CCallScope();
        CCallScope(const CCallScope&) = delete;
        CCallScope& operator=(const CCallScope&) = delete;
        BOOL IsEntered() const { return m_bEntered; }

    private:
        CKTNotificationSinkMT& m_sink;
        BOOL m_bEntered;
    };

    void Dispatch(const EventRecord& event);
    void PostEvent(const EventRecord& event);
    BOOL TakeQueued(UINT nEvent, EventRecord& event);
    void CloseAndWaitForCallers();

    std::unordered_map<DWORD, Handler> m_mapHandlers;  // code -> owner's handler
    CMsgWnd m_wnd;
    std::mutex m_lock;                        // guards the queue, the number, the failures and the callers
    std::condition_variable m_cvCallers;      // wakes retrying posters and the closing owner
    std::map<UINT, EventRecord> m_mapQueued;  // posted, not yet delivered
    UINT m_nNextEvent = 0;
    int m_nCallers = 0;       // other threads inside OnEvent
    BOOL m_bClosing = FALSE;  // set by the destructor: no new call, no retry, no delivery
    DWORD m_dwOwnerThreadId;
    UINT m_nFailedPosts = 0;  // posts given up since the last one that went through
};

// KTPointerWatch.h: whether the pointer is over a few windows, followed through the thread's mouse hook.
//
// Classes: IKTPointerWatchSink, CKTPointerWatch.
#pragma once

#include <windows.h>

#include <vector>

#include "KTMouseMonitor.h"

// What the owner of a watch implements to hear the pointer come and go.
class IKTPointerWatchSink
{
public:
    virtual ~IKTPointerWatchSink() = default;
    // Called from the mouse hook: the owner only notes the change (timers, flags) and redraws nothing.
    virtual void OnPointerOver(BOOL bOver) = 0;
};

// While started, every mouse message of the thread tells whether the pointer lies in one of the watched windows'
// rectangles (their children included, which TrackMouseEvent counts as leaving). A pointer that leaves straight
// onto another program's window is seen only when it next moves over one of this thread's windows: a window that
// must notice that leave reads the cursor itself.
class CKTPointerWatch : private IKTMouseHookSink
{
public:
    explicit CKTPointerWatch(IKTPointerWatchSink* pSink) : m_pSink(pSink) {}
    ~CKTPointerWatch() override { Stop(); }
    CKTPointerWatch(const CKTPointerWatch&) = delete;
    CKTPointerWatch& operator=(const CKTPointerWatch&) = delete;

    // Watches these windows; the state starts from where the pointer is now, without a call to the sink. FALSE
    // when the hook could not be installed.
    BOOL Start(std::vector<HWND> windows);
    void Stop();
    BOOL IsOver() const { return m_bOver; }

private:
    BOOL OnHookMouse(UINT nMessage, const MOUSEHOOKSTRUCT& info) override;
    BOOL Covers(POINT pt) const;

    IKTPointerWatchSink* m_pSink;  // not owned; outlives the watch
    std::vector<HWND> m_windows;   // empty while stopped
    BOOL m_bOver = FALSE;          // where the last mouse message put the pointer
};

// Records the messages that chosen windows of the calling thread receive, in order.
#include "MessageRecorder.h"

#include <algorithm>
#include <commctrl.h>

namespace
{

// Hook procedures have no context of their own.
thread_local CMessageRecorder* t_pRecorder = nullptr;

template <class T>
bool Contains(const std::vector<T>& items, T item)
{
    return std::find(items.begin(), items.end(), item) != items.end();
}

UINT NotificationCode(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return HIWORD(wParam);
    if (message == WM_NOTIFY && lParam)
        return reinterpret_cast<const NMHDR*>(lParam)->code;
    return 0;
}

}  // namespace

CMessageRecorder::CMessageRecorder(std::initializer_list<HWND> windows, std::initializer_list<UINT> messages)
    : m_windows(windows), m_filter(messages),
      m_hSentHook(::SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, ::GetCurrentThreadId())),
      m_hQueuedHook(::SetWindowsHookExA(WH_GETMESSAGE, QueuedHook, nullptr, ::GetCurrentThreadId()))
{
    if (!m_hSentHook || !m_hQueuedHook)
        ADD_FAILURE() << "the message recorder could not hook the thread";
    if (t_pRecorder)
        ADD_FAILURE() << "another message recorder of this thread is still recording";
    t_pRecorder = this;
}

CMessageRecorder::~CMessageRecorder()
{
    t_pRecorder = nullptr;
    if (m_hSentHook)
        ::UnhookWindowsHookEx(m_hSentHook);
    if (m_hQueuedHook)
        ::UnhookWindowsHookEx(m_hQueuedHook);
}

LRESULT CALLBACK CMessageRecorder::SentHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && t_pRecorder)
    {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        t_pRecorder->Record(pMsg->hwnd, pMsg->message, kSent, pMsg->wParam, pMsg->lParam);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Peeking without removal calls the hook too; only the removal counts.
LRESULT CALLBACK CMessageRecorder::QueuedHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == PM_REMOVE && t_pRecorder)
    {
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        t_pRecorder->Record(pMsg->hwnd, pMsg->message, kPosted, pMsg->wParam, pMsg->lParam);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

bool CMessageRecorder::Watches(HWND hWnd, UINT message) const
{
    return (m_windows.empty() || Contains(m_windows, hWnd)) && (m_filter.empty() || Contains(m_filter, message));
}

void CMessageRecorder::Record(HWND hWnd, UINT message, unsigned nFlags, WPARAM wParam, LPARAM lParam)
{
    if (Watches(hWnd, message))
        m_messages.push_back({hWnd, message, nFlags, wParam, lParam, NotificationCode(message, wParam, lParam)});
}

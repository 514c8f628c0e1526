// Records the messages that chosen windows of the calling thread receive, in order.
#pragma once

#include "MessageSequence.h"

#include <initializer_list>
#include <vector>

// Sees sent messages as the window procedure is called and queued ones as they are taken from
// the queue, through thread hooks, so any window can be watched without subclassing it. One
// recorder per thread at a time.
class CMessageRecorder
{
public:
    // No windows: every window of the thread; no messages: every message.
    CMessageRecorder(std::initializer_list<HWND> windows, std::initializer_list<UINT> messages);
    ~CMessageRecorder();
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    const std::vector<CRecordedMessage>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }
    ::testing::AssertionResult Matches(const std::vector<CExpectedMessage>& expected) const
    {
        return MatchesSequence(m_messages, expected);
    }

private:
    static LRESULT CALLBACK SentHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK QueuedHook(int nCode, WPARAM wParam, LPARAM lParam);
    void Record(HWND hWnd, UINT message, unsigned nFlags, WPARAM wParam, LPARAM lParam);
    bool Watches(HWND hWnd, UINT message) const;

    std::vector<HWND> m_windows;
    std::vector<UINT> m_filter;
    std::vector<CRecordedMessage> m_messages;
    HHOOK m_hSentHook;
    HHOOK m_hQueuedHook;
};

// StatusProbe.h: another thread asks the frame's thread, again and again, what its status bar says, as
// another program's sent message would be answered there; what it hears shows what the window answered
// during.
//
// Classes: CStatusProbe.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KTStatusBar.h"
#include "MessagePump.h"
#include "ThreadCall.h"

class CStatusProbe
{
public:
    // Made on the frame's thread; heard(text) runs on the probe's thread after each answer, and
    // stops the asking when it gives false (before the bar goes).
    CStatusProbe(CKTStatusBar& bar, const std::function<bool(const std::string&)>& heard = nullptr)
        : m_thread(
              [this, &bar, heard]
              {
                  while (!m_bStop)
                  {
                      std::string text;
                      m_call.Call([&] { text = LPCSTR(bar.GetPaneText(0)); });
                      Remember(text);
                      if (heard && !heard(text))
                          break;
                  }
                  m_bDone = true;
              })
    {
    }
    ~CStatusProbe() { Stop(); }
    CStatusProbe(const CStatusProbe&) = delete;
    CStatusProbe& operator=(const CStatusProbe&) = delete;

    // The frame's thread answers the last question while it waits.
    void Stop()
    {
        m_bStop = true;
        PumpUntil([this] { return m_bDone.load(); }, kColdWineDeadlineMs);
        if (m_thread.joinable())
            m_thread.join();
    }
    // Each text heard, once, in the order first heard.
    std::vector<std::string> Heard() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_heard;
    }
    // A call on the frame's thread from the probe's, as in heard().
    void Call(const std::function<void()>& function) const { m_call.Call(function); }

private:
    void Remember(const std::string& text)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_heard.empty() || m_heard.back() != text)
            m_heard.push_back(text);
    }

    CThreadCall m_call;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bDone{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_heard;
    std::thread m_thread;  // last: it uses the members above
};

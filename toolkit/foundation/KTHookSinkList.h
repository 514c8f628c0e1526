// KTHookSinkList.h: the listeners of one of the thread's hooks, asked the latest first.
//
// Classes: CKTHookSinkList.
#pragma once

#include <algorithm>
#include <vector>

template <class TSink>
class CKTHookSinkList
{
public:
    void Add(TSink* pSink)
    {
        if (!Contains(pSink))
            m_sinks.push_back(pSink);
    }
    void Remove(TSink* pSink) { m_sinks.erase(std::remove(m_sinks.begin(), m_sinks.end(), pSink), m_sinks.end()); }
    bool IsEmpty() const { return m_sinks.empty(); }

    // TRUE once a sink took the message. A sink may add or remove sinks meanwhile: the ones asked are those
    // listening when the message came and still listening when their turn comes.
    template <class TAsk>
    bool Ask(TAsk ask) const
    {
        const std::vector<TSink*> sinks = m_sinks;
        for (auto pSink = sinks.rbegin(); pSink != sinks.rend(); ++pSink)
            if (Contains(*pSink) && ask(*pSink))
                return true;
        return false;
    }

private:
    bool Contains(TSink* pSink) const { return std::find(m_sinks.begin(), m_sinks.end(), pSink) != m_sinks.end(); }

    std::vector<TSink*> m_sinks;  // not owned
};

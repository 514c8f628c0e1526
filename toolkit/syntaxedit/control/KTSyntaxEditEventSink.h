// A sink for a buffer's events that hands each to the handler set for its id.
// Classes: CKTSyntaxEditEventSink.
#pragma once

#include <functional>
#include <unordered_map>

#include "KTNotificationConnection.h"

class CKTSyntaxEditEventSink : public CKTNotificationSink
{
public:
    using Handler = std::function<void(DWORD, WPARAM, LPARAM)>;
    CKTSyntaxEditEventSink() { m_mapHandlers.reserve(101); }
    void SetHandler(DWORD dwCode, Handler handler) { m_mapHandlers[dwCode] = std::move(handler); }
    void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD) override
    {
        auto it = m_mapHandlers.find(dwCode);
        if (it != m_mapHandlers.end() && it->second)
            it->second(dwCode, wParam, lParam);
    }

private:
    std::unordered_map<DWORD, Handler> m_mapHandlers;  // event id -> handler
};

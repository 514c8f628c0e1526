// SystemColours.h: system colours set for one scope, as the control panel sets them, and put back after.
//
// Classes: CSystemColours.
#pragma once

#include <afxwin.h>

#include "MessagePump.h"

#include <utility>
#include <vector>

class CSystemColours
{
public:
    explicit CSystemColours(const std::vector<std::pair<int, COLORREF>>& colours)
    {
        for (const auto& colour : colours)
        {
            m_indexes.push_back(colour.first);
            m_old.push_back(::GetSysColor(colour.first));
            m_new.push_back(colour.second);
        }
        m_bSet = ::SetSysColors(static_cast<int>(m_indexes.size()), m_indexes.data(), m_new.data());
    }
    ~CSystemColours()
    {
        if (m_bSet)
            ::SetSysColors(static_cast<int>(m_indexes.size()), m_indexes.data(), m_old.data());
        PumpMessages();  // the windows repaint in the usual look before later tests read them
    }
    CSystemColours(const CSystemColours&) = delete;
    CSystemColours& operator=(const CSystemColours&) = delete;

    BOOL IsSet() const { return m_bSet; }

private:
    std::vector<int> m_indexes;
    std::vector<COLORREF> m_old;
    std::vector<COLORREF> m_new;
    BOOL m_bSet = FALSE;
};

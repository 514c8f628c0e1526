// CTime: a point in time in whole seconds, as the file status reports it.
#pragma once

#include <ctime>

class CTime
{
public:
    CTime() = default;
    CTime(std::time_t time) : m_time(time) {}
    // Local time; nDST < 0 lets the C library decide on daylight saving.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    static CTime PASCAL GetCurrentTime();

    std::time_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday

    // strftime rules, local time
    CString Format(LPCSTR pszFormat) const;

    bool operator==(CTime t) const { return m_time == t.m_time; }
    bool operator!=(CTime t) const { return m_time != t.m_time; }
    bool operator<(CTime t) const { return m_time < t.m_time; }
    bool operator>(CTime t) const { return m_time > t.m_time; }
    bool operator<=(CTime t) const { return m_time <= t.m_time; }
    bool operator>=(CTime t) const { return m_time >= t.m_time; }

private:
    std::tm LocalTm() const;

    std::time_t m_time = 0;
};

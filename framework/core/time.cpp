// CTime: construction from calendar fields, the parts of a time and formatting.
#include "afx.h"

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    std::tm fields = {};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_hour = nHour;
    fields.tm_min = nMin;
    fields.tm_sec = nSec;
    fields.tm_isdst = nDST;
    m_time = std::mktime(&fields);
    if (m_time == (std::time_t)-1)
        AfxThrowInvalidArgException();
}

CTime PASCAL CTime::GetCurrentTime() { return CTime(std::time(NULL)); }

std::tm CTime::LocalTm() const
{
    std::tm fields = {};
#ifdef _WIN32
    if (localtime_s(&fields, &m_time) != 0)
        AfxThrowInvalidArgException();
#else
    if (localtime_r(&m_time, &fields) == NULL)
        AfxThrowInvalidArgException();
#endif
    return fields;
}

int CTime::GetYear() const { return LocalTm().tm_year + 1900; }
int CTime::GetMonth() const { return LocalTm().tm_mon + 1; }
int CTime::GetDay() const { return LocalTm().tm_mday; }
int CTime::GetHour() const { return LocalTm().tm_hour; }
int CTime::GetMinute() const { return LocalTm().tm_min; }
int CTime::GetSecond() const { return LocalTm().tm_sec; }
int CTime::GetDayOfWeek() const { return LocalTm().tm_wday + 1; }

CString CTime::Format(LPCSTR pszFormat) const
{
    if (pszFormat == NULL)
        AfxThrowInvalidArgException();
    std::tm fields = LocalTm();
    char szBuffer[256];
    size_t nLength = std::strftime(szBuffer, sizeof(szBuffer), pszFormat, &fields);
    return CString(szBuffer, (int)nLength);
}

// Diagnostic output: failed assertions and trace lines.
#include "afx.h"

#include <cstdarg>

void AfxAssertFailedLine(const char* lpszFileName, int nLine)
{
    char szMessage[512];
    std::snprintf(szMessage, sizeof(szMessage), "Assertion failed: %s(%d)\n", lpszFileName, nLine);
#ifdef _WIN32
    ::OutputDebugStringA(szMessage);
#endif
    std::fputs(szMessage, stderr);
    std::abort();
}

void AfxTrace(const char* lpszFormat, ...)
{
    char szLine[1024];
    va_list args;
    va_start(args, lpszFormat);
    std::vsnprintf(szLine, sizeof(szLine), lpszFormat, args);
    va_end(args);
#ifdef _WIN32
    ::OutputDebugStringA(szLine);
#else
    std::fputs(szLine, stderr);
#endif
}

void AfxAssertValidObject(const CObject* pOb, const char* lpszFileName, int nLine)
{
    if (pOb == NULL)
    {
        AfxAssertFailedLine(lpszFileName, nLine);
        return;
    }
    pOb->AssertValid();
}

// XmlLog.cpp: formats the configuration reader's log lines and hands them to the sink.
// The date header brings in the socket headers, which must come before the
// Windows headers that the framework includes.
#include <Poco/DateTime.h>

#include "XmlLog.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

void DefaultSink(const char* line)
{
#ifdef _WIN32
    OutputDebugStringA(line);
    OutputDebugStringA("\n");
#else
    std::fprintf(stderr, "%s\n", line);
#endif
}

XmlLogSink g_sink = DefaultSink;

}  // namespace

void SetXmlLogSink(XmlLogSink sink) { g_sink = sink ? sink : DefaultSink; }

CString FormatXmlLogLine(const char* message)
{
    const Poco::DateTime now;
    char stamp[64];
    std::snprintf(stamp, sizeof(stamp), "%04d-%02d-%02d %02d:%02d:%02d.%03d", now.year(), now.month(), now.day(),
                  now.hour(), now.minute(), now.second(), now.millisecond());
    CString line("[TWM.XCFG] ");
    line += stamp;
    line += " ";
    line += message ? message : "";
    return line;
}

void XmlLog(const char* message) { g_sink(FormatXmlLogLine(message)); }

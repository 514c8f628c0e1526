// XmlLog.h: log lines of the configuration reader, tagged "[TWM.XCFG]", and their sink.
#pragma once

#include <afx.h>

// Receives one finished log line without a line end.
typedef void (*XmlLogSink)(const char* line);

// Routes the log lines; nullptr restores the default sink, which is the
// debugger output on Windows and the standard error stream elsewhere.
void SetXmlLogSink(XmlLogSink sink);

// "[TWM.XCFG] YYYY-MM-DD hh:mm:ss.mmm message", the time in UTC.
CString FormatXmlLogLine(const char* message);

// Formats the message and hands it to the sink.
void XmlLog(const char* message);

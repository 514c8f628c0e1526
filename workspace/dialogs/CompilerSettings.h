// CompilerSettings.h: what the build commands need to reach the compiler, kept by the main frame.
#pragma once
#include "afxwin.h"

struct CompilerSettings
{
    int nAutoFlag = 0;
    CString strCompilerPath;  // full path of the compiler's environment script
};

// Writes both keys of the "Global" section, making the file's folder when it is
// missing; FALSE when the file could not be written.
BOOL WriteCompilerSettings(const CompilerSettings& settings, const CString& strIniPath);

// StubTools.h: a compiler environment of stub tools that record what they were given, and the file
// helpers of the build tests.
#pragma once
#include "afxwin.h"

#include <string>

std::string ReadAll(const CString& strPath);
void WriteAll(const CString& strPath, const std::string& text);

// The folder's "stubs" folder with vcvars32.bat putting it on the path, and cl.exe and lib.exe that
// append their arguments to args.txt; cl also copies the <name>_api.c it was given to seen.c. Each writes
// <tool>.done last: a test that waits for cl.done reads args.txt and seen.c whole. Returns the stubs folder
// (the folder ends with a backslash). The test's own folder must hold kestova_stub_tool.exe.
CString WriteStubTools(const CString& strFolder);

// The tools run detached: waits (up to 30 s) until the file appears.
bool WaitForFile(const CString& strPath);

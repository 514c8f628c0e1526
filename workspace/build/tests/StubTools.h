// StubTools.h: a compiler environment of stub tools that record what they were given, and the file
// helpers of the build tests.
#pragma once
#include "afxwin.h"

#include <string>

std::string ReadAll(const CString& strPath);
void WriteAll(const CString& strPath, const std::string& text);

// The folder's "stubs" folder with vcvars32.bat putting it on the path, and cl and lib scripts that
// append their arguments to args.txt; cl also copies the project's <name>_api.c to seen.c, then writes
// cl.done, so a test that waits for cl.done reads both whole. Returns the stubs folder (the folder ends
// with a backslash).
CString WriteStubTools(const CString& strFolder, const std::string& projectName);

// The tools run detached: waits (up to 30 s) until the file appears.
bool WaitForFile(const CString& strPath);

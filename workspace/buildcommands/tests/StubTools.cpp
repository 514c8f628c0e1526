// StubTools.cpp: a stub compiler environment, and the file helpers of the build tests.
#include "StubTools.h"

#include <fstream>
#include <sstream>

std::string ReadAll(const CString& strPath)
{
    std::ifstream in((LPCTSTR)strPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const CString& strPath, const std::string& text)
{
    std::ofstream out((LPCTSTR)strPath, std::ios::binary);
    out << text;
}

CString WriteStubTools(const CString& strFolder)
{
    const CString strStubs = strFolder + "stubs";
    ::CreateDirectory(strStubs, nullptr);
    WriteAll(strStubs + "\\vcvars32.bat", "@set PATH=" + std::string((LPCTSTR)strStubs) + ";%PATH%\r\n");
    for (const char* pszTool : {"\\cl.exe", "\\lib.exe"})
        ::CopyFile("kestova_stub_tool.exe", strStubs + pszTool, FALSE);
    return strStubs;
}

bool WaitForFile(const CString& strPath)
{
    for (int i = 0; i < 300; i++)
    {
        if (::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES)
            return true;
        ::Sleep(100);
    }
    return false;
}

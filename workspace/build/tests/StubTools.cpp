// StubTools.cpp: stub compiler tools written as batch files.
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

CString WriteStubTools(const CString& strFolder, const std::string& projectName)
{
    const CString strStubs = strFolder + "stubs";
    const std::string stubs = (LPCTSTR)strStubs;
    ::CreateDirectory(strStubs, nullptr);
    WriteAll(strStubs + "\\vcvars32.bat", "@set PATH=" + stubs + ";%PATH%\r\n");
    WriteAll(strStubs + "\\cl.bat", "@echo cl %*>>\"" + stubs + "\\args.txt\"\r\n@copy /y " + projectName +
                                        "_api.c \"" + stubs + "\\seen.c\" >nul\r\n@echo done>\"" + stubs +
                                        "\\cl.done\"\r\n");
    WriteAll(strStubs + "\\lib.bat", "@echo lib %*>>\"" + stubs + "\\args.txt\"\r\n");
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

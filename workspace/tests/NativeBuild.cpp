// NativeBuild.cpp: the native build-and-run script started from the Windows side.
#include "NativeBuild.h"

#include <windows.h>

namespace
{

// The folder as the native side names it.
std::string UnixPathOf(const std::string& strPath)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto pfnUnixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandle("kernel32"), "wine_get_unix_file_name")));
    WCHAR szWide[MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, strPath.c_str(), -1, szWide, MAX_PATH);
    char* pszUnix = pfnUnixName ? pfnUnixName(szWide) : nullptr;
    const std::string unixPath = pszUnix ? pszUnix : "";
    if (pszUnix)
        ::HeapFree(::GetProcessHeap(), 0, pszUnix);
    return unixPath;
}

bool Exists(const std::string& strPath) { return ::GetFileAttributes(strPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Wine starts native programs itself, splitting the command line as a Windows program would.
bool StartShell(std::string command)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA("Z:\\bin\\sh", &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // Wine gives no process handle for a native program, and its thread field is not a handle of ours:
    // closing it closed the thread's message queue, and every later wait for messages failed. Nothing
    // is signalled at the program's end either: a file it writes last tells it.
    if (process.hProcess)
    {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    return true;
}

bool WaitForFile(const std::string& strPath)
{
    for (int i = 0; i < 1200 && !Exists(strPath); i++)
        ::Sleep(100);
    return Exists(strPath);
}

}  // namespace

bool BuildAndRunNatively(const std::string& strFolder, const std::string& name)
{
    return StartShell("/bin/sh \"" KESTOVA_DEMO_SCRIPT "\" \"" + UnixPathOf(strFolder) + "\" " + name) &&
           WaitForFile(strFolder + "\\done.txt");
}

bool RunNativelyIn(const std::string& strFolder, const std::string& command)
{
    const std::string strDone = strFolder + "\\ran.txt";
    const bool bRan =
        StartShell("/bin/sh -c \"cd '" + UnixPathOf(strFolder) + "' && " + command + " && touch ran.txt\"") &&
        WaitForFile(strDone);
    ::DeleteFile(strDone.c_str());
    return bRan;
}

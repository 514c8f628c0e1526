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

}  // namespace

// Wine starts native programs itself, splitting the command line as a Windows program would.
bool BuildAndRunNatively(const std::string& strFolder, const std::string& name)
{
    std::string command = "/bin/sh \"" KESTOVA_DEMO_SCRIPT "\" \"" + UnixPathOf(strFolder) + "\" " + name;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA("Z:\\bin\\sh", &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // Wine gives no process handle for a native program, and its thread field is not a handle of ours:
    // closing it closed the thread's message queue, and every later wait for messages failed. Nothing
    // is signalled at the program's end either: the script's last file tells it.
    if (process.hProcess)
    {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    const std::string strDone = strFolder + "\\done.txt";
    for (int i = 0; i < 1200 && !Exists(strDone); i++)
        ::Sleep(100);
    return Exists(strDone);
}

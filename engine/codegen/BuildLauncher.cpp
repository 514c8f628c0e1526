// BuildLauncher.cpp: starts the build commands on Windows without waiting for them.
#include "BuildCommands.h"

#include <windows.h>

#include <vector>

namespace codegen
{

namespace
{

// Closes a kernel handle that CreateProcess returned.
class ScopedHandle
{
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedHandle()
    {
        if (handle_ != nullptr)
            CloseHandle(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

private:
    HANDLE handle_;
};

bool Start(const BuildCommand& command, WORD show, std::string& message)
{
    message = command.message;
    if (!command.ready)
        return false;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION process = {};
    // CreateProcess may write into the command line, so it gets its own copy.
    std::vector<char> line(command.commandLine.begin(), command.commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr, &startup,
                        &process))
    {
        message = "Error: cannot start " + command.commandLine + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    ScopedHandle thread(process.hThread);
    ScopedHandle child(process.hProcess);
    return true;
}

bool DemoExists(const BuildSettings& settings)
{
    std::string path = settings.projectFolder + settings.projectName + "_demo.exe";
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool StartCompile(const BuildSettings& settings, std::string& message)
{
    return Start(CompileCommand(settings), SW_HIDE, message);
}

bool StartCompileDemo(const BuildSettings& settings, std::string& message)
{
    return Start(CompileDemoCommand(settings), SW_HIDE, message);
}

bool StartRunDemo(const BuildSettings& settings, std::string& message)
{
    return Start(RunDemoCommand(settings, DemoExists(settings)), SW_SHOWNORMAL, message);
}

}  // namespace codegen

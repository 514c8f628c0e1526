// BuildLauncher.cpp: starts the build commands on Windows without waiting for them.
#include "BuildCommands.h"

#include "project/SystemError.h"

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
    // CreateProcess may write into the command line, so it gets its own copy. The program is named in full, so
    // nothing is searched for in the current folder; a folder that is gone fails the start.
    std::vector<char> line(command.commandLine.begin(), command.commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(command.program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                        command.folder.c_str(), &startup, &process))
    {
        message = "Error: cannot start " + command.commandLine + " in " + command.folder + ": " +
                  static_cast<const char*>(LastSystemErrorText());
        return false;
    }
    ScopedHandle thread(process.hThread);
    ScopedHandle child(process.hProcess);
    return true;
}

BuildSettings WithSystemFolder(BuildSettings settings)
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        settings.systemFolder = folder;
    return settings;
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
    return Start(CompileCommand(WithSystemFolder(settings)), SW_HIDE, message);
}

bool StartCompileDemo(const BuildSettings& settings, std::string& message)
{
    return Start(CompileDemoCommand(WithSystemFolder(settings)), SW_HIDE, message);
}

bool StartRunDemo(const BuildSettings& settings, std::string& message)
{
    return Start(RunDemoCommand(WithSystemFolder(settings), DemoExists(settings)), SW_SHOWNORMAL, message);
}

}  // namespace codegen

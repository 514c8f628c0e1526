// BuildCommands.cpp: the command lines of Compile, Compile Demo and Run Demo.
#include "BuildCommands.h"

#include "model/Vocabulary.h"
#include "validation/Identifiers.h"

#include <cctype>

namespace codegen
{

namespace
{

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string SystemProgram(const BuildSettings& settings, const char* name)
{
    return settings.systemFolder + "\\" + name;
}

// cmd.exe by its full path, without the AutoRun commands of the registry. /c
// strips the outer pair of quotes when the line holds more than two, so the
// quoted script path survives.
BuildCommand CmdCommand(const BuildSettings& settings, const char* mode, const std::string& steps)
{
    BuildCommand command;
    command.ready = true;
    command.program = SystemProgram(settings, "cmd.exe");
    command.commandLine = Quoted(command.program) + " /d /v:off " + mode + " \"" + steps + "\"";
    command.folder = settings.projectFolder;
    return command;
}

// Characters that cmd acts on even inside quotes, here or under Wine (delayed expansion is off).
const char kCmdCharacters[] = "\"%&^|<>";

// A relative script would be looked for in the project folder, where the command runs.
bool IsPlainFullPath(const std::string& path)
{
    const bool drive = path.size() > 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
                       (path[2] == '\\' || path[2] == '/');
    const bool share = path.compare(0, 2, "\\\\") == 0;
    return (drive || share) && path.find_first_of(kCmdCharacters) == std::string::npos;
}

// The name is part of file names on the command line: only a design name cannot be read as more.
bool RefusedName(const BuildSettings& settings, BuildCommand* command)
{
    if (IsDesignName(settings.projectName.c_str()))
        return false;
    command->message = "Error: the project name \"" + settings.projectName +
                       "\" is not a letter followed by letters or digits, please redesign your protocol!";
    return true;
}

bool Refused(const BuildSettings& settings, BuildCommand* command)
{
    if (RefusedName(settings, command))
        return true;
    if (settings.compilerPath.empty())
        command->message = "Error: the path of vcvars32.bat is not set, please choose it in Tools > Option!";
    else if (!IsPlainFullPath(settings.compilerPath))
        command->message = "Error: the path of vcvars32.bat must be a full path without any of the characters " +
                           std::string(kCmdCharacters) + ", please choose it in Tools > Option!";
    return !command->message.empty();
}

// cmd looks for a bare program name in its current folder, the project's, before the path, so the
// tools are named by the full path that the path alone gives; a tool not on it becomes "", which runs nothing.
std::string OnPath(char variable) { return "\"%~$PATH:" + std::string(1, variable) + "\""; }

BuildCommand CompilerCommand(const BuildSettings& settings, const std::string& steps)
{
    BuildCommand command;
    if (Refused(settings, &command))
        return command;
    return CmdCommand(settings, "/c",
                      Quoted(settings.compilerPath) + " && for %C in (cl.exe) do for %L in (lib.exe) do " + steps);
}

}  // namespace

BuildCommand CompileCommand(const BuildSettings& settings)
{
    const std::string& n = settings.projectName;
    std::string sources = n + "_api.c dravolint.c";
    std::string steps;
    if (settings.libraryType == LIBRARY_STATIC)
        steps = OnPath('C') + " /nologo /W3 /O2 /c " + sources + " && " + OnPath('L') + " /nologo /OUT:" + n +
                "S.lib " + n + "_api.obj dravolint.obj";
    else
        steps = OnPath('C') + " /nologo /W3 /O2 /D" + n + "_DLL /D" + n +
                "_BUILD /DDRAVOLINT_DLL /DDRAVOLINT_BUILD /LD " + sources + " ws2_32.lib /Fe" + n + ".dll";
    BuildCommand command = CompilerCommand(settings, steps);
    if (command.ready)
        command.message = "Compiling " + n + (settings.libraryType == LIBRARY_STATIC ? "S.lib" : ".dll") + "...";
    return command;
}

BuildCommand CompileDemoCommand(const BuildSettings& settings)
{
    const std::string& n = settings.projectName;
    BuildCommand command = CompilerCommand(settings, OnPath('C') + " /nologo /W3 /O2 " + n + "_api_demo.c " + n +
                                                         "_api.c dravolint.c ws2_32.lib /Fe" + n + "_demo.exe");
    if (command.ready)
        command.message = "Compiling " + n + "_demo.exe...";
    return command;
}

BuildCommand RunDemoCommand(const BuildSettings& settings, bool existingDemo, unsigned short port)
{
    BuildCommand command;
    std::string demo = settings.projectName + "_demo.exe";
    if (!existingDemo)
    {
        command.message = "Error: " + demo + " is not built yet, please compile the demo first!";
        return command;
    }
    if (RefusedName(settings, &command))
        return command;
    std::string p = std::to_string(port);
    // ping waits about two seconds, long enough for the server to listen. The demo is named with
    // its folder, so that cmd never looks for it on the path.
    command = CmdCommand(settings, "/k",
                         "start \"" + settings.projectName + " server\" /b .\\" + demo + " server " + p +
                             " 127.0.0.1 && " + Quoted(SystemProgram(settings, "ping.exe")) +
                             " -n 3 127.0.0.1 >nul && .\\" + demo + " client 127.0.0.1 " + p);
    command.message = "Running " + demo + " on port " + p + "...";
    return command;
}

}  // namespace codegen

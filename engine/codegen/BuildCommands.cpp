// BuildCommands.cpp: the command lines of Compile, Compile Demo and Run Demo.
#include "BuildCommands.h"

#include "model/Vocabulary.h"

namespace codegen
{

namespace
{

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// cmd.exe /c strips the outer pair of quotes when the line holds more than
// two, so the quoted script path survives.
BuildCommand CompilerCommand(const BuildSettings& settings, const std::string& steps)
{
    BuildCommand command;
    if (settings.compilerPath.empty())
    {
        command.message = "Error: the path of vcvars32.bat is not set, please choose it in Tools > Option!";
        return command;
    }
    command.ready = true;
    command.commandLine = "cmd.exe /c \"" + Quoted(settings.compilerPath) + " && cd /d " +
                          Quoted(settings.projectFolder) + " && " + steps + "\"";
    return command;
}

}  // namespace

BuildCommand CompileCommand(const BuildSettings& settings)
{
    const std::string& n = settings.projectName;
    std::string sources = n + "_api.c dravolint.c";
    std::string steps;
    if (settings.libraryType == LIBRARY_STATIC)
        steps =
            "cl /nologo /W3 /O2 /c " + sources + " && lib /nologo /OUT:" + n + "S.lib " + n + "_api.obj dravolint.obj";
    else
        steps = "cl /nologo /W3 /O2 /D" + n + "_DLL /D" + n + "_BUILD /DDRAVOLINT_DLL /DDRAVOLINT_BUILD /LD " +
                sources + " ws2_32.lib /Fe" + n + ".dll";
    BuildCommand command = CompilerCommand(settings, steps);
    if (command.ready)
        command.message = "Compiling " + n + (settings.libraryType == LIBRARY_STATIC ? "S.lib" : ".dll") + "...";
    return command;
}

BuildCommand CompileDemoCommand(const BuildSettings& settings)
{
    const std::string& n = settings.projectName;
    BuildCommand command = CompilerCommand(settings, "cl /nologo /W3 /O2 " + n + "_api_demo.c " + n +
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
    std::string p = std::to_string(port);
    // ping waits about two seconds, long enough for the server to listen.
    command.ready = true;
    command.commandLine = "cmd.exe /k \"cd /d " + Quoted(settings.projectFolder) + " && start \"" +
                          settings.projectName + " server\" /b " + demo + " server " + p +
                          " 127.0.0.1 && ping -n 3 127.0.0.1 >nul && " + demo + " client 127.0.0.1 " + p + "\"";
    command.message = "Running " + demo + " on port " + p + "...";
    return command;
}

}  // namespace codegen

// BuildCommands.h: the Windows build commands: compile the library or the demonstration program, and run the demo.
//
// Structs: BuildSettings, BuildCommand.
#pragma once

#include <string>

namespace codegen
{

// The port on which Run Demo's server and client meet.
const unsigned short kDemoPort = 7878;

struct BuildSettings
{
    std::string projectName;
    std::string projectFolder;                           // ends with a backslash
    std::string compilerPath;                            // full path of vcvars32.bat; empty when not configured
    int libraryType = 0;                                 // LibraryType: <name>.dll with <name>.lib, or <name>S.lib
    std::string systemFolder = "C:\\Windows\\System32";  // of cmd.exe and ping.exe; the launcher asks the system
};

// A command line ready to start in a folder, or the output-pane line that says why not.
struct BuildCommand
{
    bool ready = false;
    std::string program;  // full path of the program the line starts
    std::string commandLine;
    std::string folder;  // the current folder of the command
    std::string message;
};

// cmd.exe runs vcvars32.bat, then cl (and lib for a static library), found on
// the path alone, on the generated API source and the runtime. The project folder is the command's
// current folder and never part of its line, so cmd can neither expand nor
// split it. A compiler path that is not a full path or holds a character cmd
// acts on, and a project name that is not a design name, are refused.
BuildCommand CompileCommand(const BuildSettings& settings);
// The same for <name>_demo.exe from the demonstration program, the API source and the runtime.
BuildCommand CompileDemoCommand(const BuildSettings& settings);
// A console that starts the demo server, then the client against it, on port.
// existingDemo says whether <name>_demo.exe has been built.
BuildCommand RunDemoCommand(const BuildSettings& settings, bool existingDemo, unsigned short port = kDemoPort);

#ifdef _WIN32
// Each starts its command without waiting: the compilers in a hidden window,
// the demo in a console. Returns false when the command is refused or cannot
// start; message is the line for the output pane either way.
bool StartCompile(const BuildSettings& settings, std::string& message);
bool StartCompileDemo(const BuildSettings& settings, std::string& message);
bool StartRunDemo(const BuildSettings& settings, std::string& message);
#endif

}  // namespace codegen

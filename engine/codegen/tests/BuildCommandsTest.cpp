// BuildCommandsTest.cpp: the build command lines, and on Windows their start against stub tools that record their arguments.
#include "BuildCommands.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <chrono>
#include <filesystem>
#include <thread>

namespace codegen
{
namespace
{

BuildSettings Settings(int libraryType)
{
    BuildSettings settings;
    settings.projectName = "chat";
    settings.projectFolder = "C:\\work\\chat\\";
    settings.compilerPath = "C:\\VC\\bin\\vcvars32.bat";
    settings.libraryType = libraryType;
    return settings;
}

TEST(BuildCommands, CompileCallsTheCompilerScriptThenClOnTheApiAndTheRuntime)
{
    BuildCommand dll = CompileCommand(Settings(0));
    ASSERT_TRUE(dll.ready);
    EXPECT_EQ(
        "cmd.exe /c \"\"C:\\VC\\bin\\vcvars32.bat\" && cd /d \"C:\\work\\chat\\\" && cl /nologo /W3 /O2 "
        "/Dchat_DLL /Dchat_BUILD /DDRAVOLINT_DLL /DDRAVOLINT_BUILD /LD chat_api.c dravolint.c ws2_32.lib /Fechat.dll\"",
        dll.commandLine);
    BuildCommand lib = CompileCommand(Settings(1));
    ASSERT_TRUE(lib.ready);
    EXPECT_NE(std::string::npos, lib.commandLine.find(" && cl /nologo /W3 /O2 /c chat_api.c dravolint.c && lib "
                                                      "/nologo /OUT:chatS.lib chat_api.obj dravolint.obj\""));
    BuildCommand demo = CompileDemoCommand(Settings(0));
    ASSERT_TRUE(demo.ready);
    EXPECT_NE(std::string::npos,
              demo.commandLine.find(
                  "cl /nologo /W3 /O2 chat_api_demo.c chat_api.c dravolint.c ws2_32.lib /Fechat_demo.exe\""));
}

TEST(BuildCommands, WithoutACompilerPathNothingRunsAndTheOutputPaneIsTold)
{
    BuildSettings settings = Settings(0);
    settings.compilerPath.clear();
    for (const BuildCommand& command : {CompileCommand(settings), CompileDemoCommand(settings)})
    {
        EXPECT_FALSE(command.ready);
        EXPECT_TRUE(command.commandLine.empty());
        EXPECT_EQ("Error: the path of vcvars32.bat is not set, please choose it in Tools > Option!", command.message);
    }
}

TEST(BuildCommands, RunDemoStartsTheServerThenTheClientInOneConsole)
{
    BuildCommand run = RunDemoCommand(Settings(0), true, 7001);
    ASSERT_TRUE(run.ready);
    EXPECT_EQ("cmd.exe /k \"cd /d \"C:\\work\\chat\\\" && start \"chat server\" /b chat_demo.exe server 7001 127.0.0.1 "
              "&& ping -n 3 127.0.0.1 >nul && chat_demo.exe client 127.0.0.1 7001\"",
              run.commandLine);
    BuildCommand missing = RunDemoCommand(Settings(0), false);
    EXPECT_FALSE(missing.ready);
    EXPECT_EQ("Error: chat_demo.exe is not built yet, please compile the demo first!", missing.message);
}

#ifdef _WIN32

// A project folder whose compiler script, cl and lib are batch files that
// append their names and arguments to calls.txt.
class StubTools : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.Write("vcvars32.bat", "@echo vcvars>>\"%~dp0calls.txt\"\r\n"));
        ASSERT_TRUE(folder_.Write("cl.bat", "@echo cl %*>>\"%~dp0calls.txt\"\r\n"));
        ASSERT_TRUE(folder_.Write("lib.bat", "@echo lib %*>>\"%~dp0calls.txt\"\r\n"));
    }

    BuildSettings Settings(int libraryType) const
    {
        BuildSettings settings;
        settings.projectName = "chat";
        settings.projectFolder = folder_.Path() + "\\";
        settings.compilerPath = folder_.Path("vcvars32.bat");
        settings.libraryType = libraryType;
        return settings;
    }

    // What the stubs recorded once `lines` lines are there; the commands run
    // detached, so this polls for at most 30 seconds.
    std::string Calls(int lines) const
    {
        for (int tries = 0; tries < 300; ++tries)
        {
            std::string calls = folder_.Read("calls.txt");
            int count = 0;
            for (char c : calls)
                count += c == '\n';
            if (count >= lines)
                return calls;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return std::string();
    }

    CTestFolder folder_{"build"};
};

TEST_F(StubTools, CompileStartsTheScriptThenClForADll)
{
    std::string message;
    ASSERT_TRUE(StartCompile(Settings(0), message)) << message;
    EXPECT_EQ("Compiling chat.dll...", message);
    EXPECT_EQ("vcvars\r\ncl /nologo /W3 /O2 /Dchat_DLL /Dchat_BUILD /DDRAVOLINT_DLL /DDRAVOLINT_BUILD /LD chat_api.c "
              "dravolint.c ws2_32.lib "
              "/Fechat.dll\r\n",
              Calls(2));
}

TEST_F(StubTools, CompileOfAStaticLibraryRunsClThenLib)
{
    std::string message;
    ASSERT_TRUE(StartCompile(Settings(1), message)) << message;
    // cmd.exe keeps the blank before "&&" in the arguments it passes on.
    EXPECT_EQ("vcvars\r\ncl /nologo /W3 /O2 /c chat_api.c dravolint.c \r\n"
              "lib /nologo /OUT:chatS.lib chat_api.obj dravolint.obj\r\n",
              Calls(3));
}

TEST_F(StubTools, CompileDemoBuildsTheExecutableFromTheSources)
{
    std::string message;
    ASSERT_TRUE(StartCompileDemo(Settings(0), message)) << message;
    EXPECT_EQ("vcvars\r\ncl /nologo /W3 /O2 chat_api_demo.c chat_api.c dravolint.c ws2_32.lib /Fechat_demo.exe\r\n",
              Calls(2));
}

TEST_F(StubTools, RefusedCommandsStartNothing)
{
    BuildSettings settings = Settings(0);
    settings.compilerPath.clear();
    std::string message;
    EXPECT_FALSE(StartCompile(settings, message));
    EXPECT_EQ("Error: the path of vcvars32.bat is not set, please choose it in Tools > Option!", message);
    EXPECT_FALSE(StartRunDemo(Settings(0), message)) << "no chat_demo.exe in the folder";
    EXPECT_EQ("Error: chat_demo.exe is not built yet, please compile the demo first!", message);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path("calls.txt")));
}

#endif

}  // namespace
}  // namespace codegen

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

TEST(BuildCommands, CompileRunsTheSystemCmdInTheProjectFolderWithTheScriptThenClFromThePath)
{
    BuildCommand dll = CompileCommand(Settings(0));
    ASSERT_TRUE(dll.ready);
    EXPECT_EQ("C:\\Windows\\System32\\cmd.exe", dll.program);
    EXPECT_EQ("C:\\work\\chat\\", dll.folder);
    EXPECT_EQ(
        "\"C:\\Windows\\System32\\cmd.exe\" /d /v:off /c \"\"C:\\VC\\bin\\vcvars32.bat\" && for %C in (cl.exe) do "
        "for %L in (lib.exe) do \"%~$PATH:C\" /nologo /W3 /O2 "
        "/Dchat_DLL /Dchat_BUILD /DDRAVOLINT_DLL /DDRAVOLINT_BUILD /LD chat_api.c dravolint.c ws2_32.lib "
        "/Fechat.dll\"",
        dll.commandLine);
    BuildCommand lib = CompileCommand(Settings(1));
    ASSERT_TRUE(lib.ready);
    EXPECT_NE(std::string::npos,
              lib.commandLine.find("do \"%~$PATH:C\" /nologo /W3 /O2 /c chat_api.c dravolint.c && "
                                   "\"%~$PATH:L\" /nologo /OUT:chatS.lib chat_api.obj dravolint.obj\""));
    BuildCommand demo = CompileDemoCommand(Settings(0));
    ASSERT_TRUE(demo.ready);
    EXPECT_NE(
        std::string::npos,
        demo.commandLine.find(
            "do \"%~$PATH:C\" /nologo /W3 /O2 chat_api_demo.c chat_api.c dravolint.c ws2_32.lib /Fechat_demo.exe\""));
}

// Whatever the folder or the settings hold, cmd is given no text of theirs that it could expand or split.
TEST(BuildCommands, FoldersNeverReachTheLineAndSettingsThatCmdWouldBendAreRefused)
{
    BuildSettings hostile = Settings(0);
    hostile.projectFolder = "C:\\a&b %PATH% ^c\\";
    for (const BuildCommand& command :
         {CompileCommand(hostile), CompileDemoCommand(hostile), RunDemoCommand(hostile, true)})
    {
        EXPECT_TRUE(command.ready);
        EXPECT_EQ(hostile.projectFolder, command.folder);
        EXPECT_EQ(std::string::npos, command.commandLine.find("a&b")) << command.commandLine;
    }
    const char* const refusedPaths[] = {"C:\\VC\\vcvars32.bat\" & calc & \"",
                                        "C:\\%WINDIR%\\vcvars32.bat",
                                        "C:\\R&D\\vcvars32.bat",
                                        "C:\\VC^\\vcvars32.bat",
                                        "vcvars32.bat",
                                        "bin\\vcvars32.bat"};
    for (const char* path : refusedPaths)
    {
        BuildSettings settings = Settings(0);
        settings.compilerPath = path;
        const BuildCommand command = CompileCommand(settings);
        EXPECT_FALSE(command.ready) << path;
        EXPECT_TRUE(command.commandLine.empty()) << path;
        EXPECT_EQ("Error: the path of vcvars32.bat must be a full path without any of the characters \"%&^|<>, "
                  "please choose it in Tools > Option!",
                  command.message)
            << path;
    }
    BuildSettings named = Settings(0);
    named.projectName = "chat&calc";
    for (const BuildCommand& command : {CompileCommand(named), CompileDemoCommand(named), RunDemoCommand(named, true)})
    {
        EXPECT_FALSE(command.ready);
        EXPECT_EQ("Error: the project name \"chat&calc\" is not a letter followed by letters or digits, please "
                  "redesign your protocol!",
                  command.message);
    }
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
    EXPECT_EQ("C:\\work\\chat\\", run.folder);
    EXPECT_EQ("\"C:\\Windows\\System32\\cmd.exe\" /d /v:off /k \"start \"chat server\" /b .\\chat_demo.exe server 7001 "
              "127.0.0.1 && \"C:\\Windows\\System32\\ping.exe\" -n 3 127.0.0.1 >nul && .\\chat_demo.exe client "
              "127.0.0.1 7001\"",
              run.commandLine);
    BuildCommand missing = RunDemoCommand(Settings(0), false);
    EXPECT_FALSE(missing.ready);
    EXPECT_EQ("Error: chat_demo.exe is not built yet, please compile the demo first!", missing.message);
}

#ifdef _WIN32

// A compiler environment whose script puts stand-ins for cl.exe and lib.exe on the path; they append
// their names and arguments to args.txt beside them and copy the API source they were given to seen.c.
// The same stand-ins are planted in the project folder, where they must never be the ones that run.
class StubTools : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.Write("vcvars32.bat", "@set PATH=%~dp0;%PATH%\r\n@echo vcvars>>\"%~dp0args.txt\"\r\n"));
        ASSERT_TRUE(std::filesystem::create_directory(folder_.Path("project")));
        for (const char* place : {"cl.exe", "lib.exe", "project\\cl.exe", "project\\lib.exe"})
            ASSERT_TRUE(::CopyFile("kestova_stub_tool.exe", folder_.Path(place).c_str(), TRUE)) << place;
        ASSERT_TRUE(folder_.Write("project\\chat_api.c", "api"));
    }

    BuildSettings Settings(int libraryType) const
    {
        BuildSettings settings;
        settings.projectName = "chat";
        settings.projectFolder = folder_.Path("project") + "\\";
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
            std::string calls = folder_.Read("args.txt");
            int count = 0;
            for (char c : calls)
                count += c == '\n';
            if (count >= lines)
                return calls;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return std::string();
    }

    // What cl copied; it writes cl.done last, so once that is there the copy is whole.
    std::string Seen() const
    {
        for (int tries = 0; tries < 300 && !std::filesystem::exists(folder_.Path("cl.done")); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return folder_.Read("seen.c");
    }

    void TearDown() override { EXPECT_TRUE(folder_.Read("project\\args.txt").empty()) << "a planted tool ran"; }

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
    EXPECT_EQ("api", Seen()) << "cl ran in the project folder";
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

TEST_F(StubTools, AFolderThatCmdWouldExpandOrSplitIsWhereTheToolsRun)
{
    const std::string hostile = "project\\a&b %PATH% ^c";
    ASSERT_TRUE(std::filesystem::create_directory(folder_.Path(hostile)));
    ASSERT_TRUE(folder_.Write(hostile + "\\chat_api.c", "hostile api"));
    BuildSettings settings = Settings(0);
    settings.projectFolder = folder_.Path(hostile) + "\\";
    std::string message;
    ASSERT_TRUE(StartCompile(settings, message)) << message;
    EXPECT_EQ("vcvars\r\ncl /nologo /W3 /O2 /Dchat_DLL /Dchat_BUILD /DDRAVOLINT_DLL /DDRAVOLINT_BUILD /LD chat_api.c "
              "dravolint.c ws2_32.lib /Fechat.dll\r\n",
              Calls(2));
    EXPECT_EQ("hostile api", Seen());
}

TEST_F(StubTools, RefusedCommandsAndAFolderThatIsGoneStartNothing)
{
    BuildSettings settings = Settings(0);
    settings.compilerPath.clear();
    std::string message;
    EXPECT_FALSE(StartCompile(settings, message));
    EXPECT_EQ("Error: the path of vcvars32.bat is not set, please choose it in Tools > Option!", message);
    BuildSettings gone = Settings(0);
    gone.projectFolder = folder_.Path("gone") + "\\";
    EXPECT_FALSE(StartCompile(gone, message));
    EXPECT_EQ(0u, message.find("Error: cannot start ")) << message;
    EXPECT_FALSE(StartRunDemo(Settings(0), message)) << "no chat_demo.exe in the folder";
    EXPECT_EQ("Error: chat_demo.exe is not built yet, please compile the demo first!", message);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path("args.txt")));
}

#endif

}  // namespace
}  // namespace codegen

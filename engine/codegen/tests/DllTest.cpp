// DllTest.cpp: a DLL project built with the Compile command's macros serves a program linked against its import library alone.
#include "BuildCommands.h"
#include "Examples.h"
#include "ProjectFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace codegen
{
namespace testing
{
namespace
{

// The /D macros of the Compile command, as the cross compiler's -D options.
std::string CompileMacros(const std::string& project)
{
    BuildSettings settings;
    settings.projectName = project;
    settings.projectFolder = "C:\\work\\";
    settings.compilerPath = "vcvars32.bat";
    std::istringstream words(CompileCommand(settings).commandLine);
    std::string word, macros;
    while (words >> word)
        if (word.rfind("/D", 0) == 0)
            macros += " -D" + word.substr(2);
    return macros;
}

TEST(Dll, AProgramLinkedOnlyAgainstTheImportLibraryOpensSocketsAndExchangesAPacket)
{
    if (RunCommand("command -v i686-w64-mingw32-gcc && command -v wine") != 0)
        GTEST_SKIP() << "no mingw compiler or no Wine";
    ProjectFolder project(LoadExample("chat"));
    const std::string gcc = "cd '" + project.Path() + "' && i686-w64-mingw32-gcc -std=c99 -Wall -Wextra -Werror -O2 ";
    std::string output;
    ASSERT_EQ(0, RunCommand(gcc + "-shared" + CompileMacros("chat") +
                                " -o chat.dll chat_api.c dravolint.c -lws2_32 -Wl,--out-implib,libchat.dll.a",
                            &output))
        << output;
    ASSERT_EQ(0, RunCommand(gcc + "-Dchat_DLL -I. -o caller.exe '" KESTOVA_DLL_CALLER "' -L. -lchat", &output))
        << output;
    output.clear();
    EXPECT_EQ(0, RunCommand("cd '" + project.Path() + "' && env WINEDEBUG=-all wine ./caller.exe", &output)) << output;
    EXPECT_NE(std::string::npos, output.find("ok")) << output;
}

}  // namespace
}  // namespace testing
}  // namespace codegen

// ProjectFolder.cpp: a scratch project folder with every generated file and the runtime, for the tests.
#include "ProjectFolder.h"

#include "Generator.h"
#include "RuntimeFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

namespace codegen
{
namespace testing
{

namespace
{

void WriteFile(const CTestFolder& folder, const std::string& name, const std::string& text)
{
    EXPECT_TRUE(folder.Write(name, text)) << folder.Path(name);
}

}  // namespace

int RunCommand(const std::string& command, std::string* output)
{
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return -1;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        if (output != nullptr)
            output->append(buffer.data(), got);
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ProgramFolder() { return (std::filesystem::current_path() / "").string(); }

ProjectFolder::ProjectFolder(const ProjectRecord& design) : folder_(design.name.Text()), path_(folder_.Path() + "/")
{
    const std::string name(design.name);
    GeneratedCode code;
    std::string makefile, diagram, error;
    EXPECT_TRUE(GenerateCode(design, code, error)) << error;
    EXPECT_TRUE(GenerateMakefile(design, makefile, error)) << error;
    EXPECT_TRUE(GenerateDiagram(design, diagram, error)) << error;
    WriteFile(folder_, HeaderFileName(name), code.header);
    WriteFile(folder_, SourceFileName(name), code.source);
    WriteFile(folder_, DemoFileName(name), code.demo);
    WriteFile(folder_, MakefileName(), makefile);
    WriteFile(folder_, DiagramFileName(name), diagram);
    EXPECT_TRUE(CopyRuntimeFiles(ProgramFolder(), path_, error)) << error;
}

ProjectFolder::~ProjectFolder()
{
    if (std::getenv("KESTOVA_KEEP_PROJECTS") != nullptr)
        folder_.Keep();
}

}  // namespace testing
}  // namespace codegen

// ProjectFolder.cpp: a scratch project folder with every generated file and the runtime, for the tests.
#include "ProjectFolder.h"

#include "Generator.h"
#include "RuntimeFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace codegen {
namespace testing {

namespace {

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    EXPECT_TRUE(file.good()) << path;
}

} // namespace

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

std::string ProgramFolder()
{
    return (std::filesystem::current_path() / "").string();
}

ProjectFolder::ProjectFolder(const ProjectRecord& design)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / (std::string("kestova-") + design.name + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make " << pattern;
        return;
    }
    path_ = pattern + "/";
    GeneratedCode code;
    std::string makefile, diagram, error;
    EXPECT_TRUE(GenerateCode(design, code, error)) << error;
    EXPECT_TRUE(GenerateMakefile(design, makefile, error)) << error;
    EXPECT_TRUE(GenerateDiagram(design, diagram, error)) << error;
    WriteFile(File(HeaderFileName(design.name)), code.header);
    WriteFile(File(SourceFileName(design.name)), code.source);
    WriteFile(File(DemoFileName(design.name)), code.demo);
    WriteFile(File(MakefileName()), makefile);
    WriteFile(File(DiagramFileName(design.name)), diagram);
    EXPECT_TRUE(CopyRuntimeFiles(ProgramFolder(), path_, error)) << error;
}

ProjectFolder::~ProjectFolder()
{
    std::error_code ignored;
    if (!path_.empty() && std::getenv("KESTOVA_KEEP_PROJECTS") == nullptr)
        std::filesystem::remove_all(path_, ignored);
}

std::string ProjectFolder::Read(const std::string& name) const
{
    std::ifstream file(File(name), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace testing
} // namespace codegen

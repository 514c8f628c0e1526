// GenerateProject.cpp: writes every generated file of a .kvs design into a folder (build step of the tests).
//
// usage: kengine_generate PROJECT.kvs OUTPUT_FOLDER [NAME]
// NAME renames the project, so that two builds of one design can be linked together.
#include "Generator.h"
#include "project/ProjectFile.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace
{

bool WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (file.good())
        return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

int Generate(const char* projectPath, const std::string& folder, const char* name)
{
    ProjectRecord project;
    CString message;
    if (!ReadProjectFile(projectPath, &project, &message))
    {
        std::fprintf(stderr, "%s: %s\n", projectPath, static_cast<const char*>(message));
        return 1;
    }
    if (name != nullptr)
        CopyFixedText(project.name, name);
    codegen::GeneratedCode code;
    std::string makefile, diagram, error;
    if (!codegen::GenerateCode(project, code, error) || !codegen::GenerateMakefile(project, makefile, error) ||
        !codegen::GenerateDiagram(project, diagram, error))
    {
        std::fprintf(stderr, "%s: %s\n", projectPath, error.c_str());
        return 1;
    }
    const std::string projectName(project.name);
    bool written = WriteFile(folder + codegen::HeaderFileName(projectName), code.header) &&
                   WriteFile(folder + codegen::SourceFileName(projectName), code.source) &&
                   WriteFile(folder + codegen::DemoFileName(projectName), code.demo) &&
                   WriteFile(folder + codegen::MakefileName(), makefile) &&
                   WriteFile(folder + codegen::DiagramFileName(projectName), diagram);
    return written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4)
    {
        std::fprintf(stderr, "usage: kengine_generate PROJECT.kvs OUTPUT_FOLDER [NAME]\n");
        return 2;
    }
    std::string folder = argv[2];
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return Generate(argv[1], folder, argc == 4 ? argv[3] : nullptr);
}

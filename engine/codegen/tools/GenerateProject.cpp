// GenerateProject.cpp: writes every generated file of a .kvs design into a folder (build step of the tests).
//
// usage: kengine_generate PROJECT.kvs OUTPUT_FOLDER [NAME]
// NAME renames the project, so that two builds of one design can be linked together.
#include "Generator.h"
#include "project/AtomicFile.h"
#include "project/ProjectFile.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace
{

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
    // All or none: a build must never see a header of one run beside sources of another.
    const std::string projectName(project.name);
    const std::vector<std::pair<std::string, const std::string*>> texts = {
        {codegen::HeaderFileName(projectName), &code.header},
        {codegen::SourceFileName(projectName), &code.source},
        {codegen::DemoFileName(projectName), &code.demo},
        {codegen::MakefileName(), &makefile},
        {codegen::DiagramFileName(projectName), &diagram}};
    std::vector<NewFileContents> files;
    for (const auto& [fileName, text] : texts)
        files.push_back({(folder + fileName).c_str(), ContentsOf(text->data(), text->size())});
    CString failure, told;
    bool leftNew = false;
    const bool generated = ReplaceFilesTogether(files, &failure, &told, &leftNew);
    // What putting right a run cut off in the folder did and left, as an opening would tell it.
    if (!told.IsEmpty())
        std::fprintf(stderr, "%s\n", static_cast<const char*>(told));
    if (generated)
        return 0;
    // Where the run's undo left a file with the new text, saying nothing was generated would be false.
    const char* start = leftNew ? "" : "nothing was generated: ";
    std::fprintf(stderr, "%s%s\n", start, static_cast<const char*>(failure));
    return 1;
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

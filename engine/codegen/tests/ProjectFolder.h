// ProjectFolder.h: a scratch project folder with every generated file and the runtime, for the tests.
#pragma once

#include "TestFolder.h"
#include "model/ProtocolRecords.h"

#include <string>

namespace codegen
{
namespace testing
{

// Runs a shell command; returns its exit status and, when output is given,
// what it wrote to stdout and stderr.
int RunCommand(const std::string& command, std::string* output = nullptr);

// A fresh folder under the build's temporary area holding the design's
// generated files, the runtime and Make.rules; removed by the destructor.
class ProjectFolder
{
public:
    explicit ProjectFolder(const ProjectRecord& design);
    ~ProjectFolder();
    ProjectFolder(const ProjectFolder&) = delete;
    ProjectFolder& operator=(const ProjectFolder&) = delete;

    const std::string& Path() const { return path_; }  // ends with '/'
    std::string File(const std::string& name) const { return path_ + name; }
    std::string Read(const std::string& name) const { return folder_.Read(name); }

private:
    CTestFolder folder_;
    std::string path_;
};

// The program folder (config, example, lib, make) beside the test executables.
std::string ProgramFolder();

}  // namespace testing
}  // namespace codegen

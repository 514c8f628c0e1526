// Examples.cpp: the example designs shipped in the program folder's example folder, loaded for the tests.
#include "Examples.h"

#include "ProjectFolder.h"
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

namespace codegen
{
namespace testing
{

std::vector<std::string> ExampleNames() { return {"chat", "sensor", "vault", "beacon"}; }

ProjectRecord LoadExample(const std::string& name)
{
    std::string path = ProgramFolder() + "example/" + name + ".kvs";
    ProjectRecord project;
    CString message;
    EXPECT_TRUE(ReadProjectFile(path.c_str(), &project, &message)) << path << ": " << message;
    return project;
}

}  // namespace testing
}  // namespace codegen

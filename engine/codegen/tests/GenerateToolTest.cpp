// The generator tool of the build writes all of a design's files or none.
#include "ProjectFolder.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// Before, each file was written as it came: a diagram that could not be written stopped the tool with a
// new header and sources beside the Makefile of the run before.
TEST(GenerateTool, AFileThatCannotBeReplacedLeavesEveryFileOfTheRunBefore)
{
    CTestFolder folder("generate_tool");
    const std::vector<std::string> names = {"chat_api.h", "chat_api.c", "chat_api_demo.c", "Makefile"};
    for (const std::string& name : names)
        ASSERT_TRUE(folder.Write(name, "old " + name));
    // A folder in the diagram's place: the last file is refused as it goes in, after the others did.
    std::filesystem::create_directories(folder.Path("chat.diagram/inside"));
    std::string output;
    EXPECT_EQ(1, codegen::testing::RunCommand(std::string(KESTOVA_GENERATE_TOOL) + " " + KESTOVA_SOURCE_DIR +
                                                  "/program/example/chat.kvs " + folder.Path(),
                                              &output));
    EXPECT_EQ(0u, output.find("nothing was generated: cannot replace " + folder.Path("chat.diagram") + ": ")) << output;
    for (const std::string& name : names)
        EXPECT_EQ("old " + name, folder.Read(name)) << name;
    EXPECT_EQ(names.size() + 1, std::size_t(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                                          std::filesystem::directory_iterator())))
        << "nothing left beside the files";
}

// The generator tool of the build writes all of a design's files or none.
#include "ProjectFolder.h"
#include "TestFolder.h"
#include "LeftRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
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

// Killed after its header went in, a run leaves the old header set aside, the source's temporary and its
// reserved set-aside, and its record: the next run puts the header back before it begins, rather than
// refusing to set it aside again, and says so.
TEST(GenerateTool, ARunKilledMidwayIsUndoneByTheNext)
{
    CTestFolder folder("generate_tool_killed");
    for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{{"chat_api.h", "new header"},
                                                                                     {"chat_api.h.tmo", "old header"},
                                                                                     {"chat_api.c", "old source"},
                                                                                     {"chat_api.c.tmo", ""},
                                                                                     {"chat_api.c.tmp", "new so"}})
        ASSERT_TRUE(folder.Write(name, text));
    ASSERT_TRUE(LeaveRecord(folder.Path(), StepsUntilTheFirstWentIn({"chat_api.h", "chat_api.c"})));
    std::string output;
    EXPECT_EQ(0, codegen::testing::RunCommand(std::string(KESTOVA_GENERATE_TOOL) + " " + KESTOVA_SOURCE_DIR +
                                                  "/program/example/chat.kvs " + folder.Path(),
                                              &output))
        << output;
    EXPECT_EQ("an interrupted run that " + folder.Path("replacing.tmr") + " recorded was put right\n", output);
    EXPECT_NE(std::string::npos, folder.Read("chat_api.c").find("chat_api.h"));
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_EQ(std::string::npos, entry.path().filename().string().find(".tm")) << entry.path();
}

// FileCopyTest.cpp: copying the shipped files over what a project folder already holds.
#include "FileCopy.h"
#include "RuntimeFiles.h"
#include "StandInDisk.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace
{

namespace fs = std::filesystem;

class FileCopyTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder_.Write("from.txt", "new\r\nbytes\0 kept")); }
    std::string Path(const std::string& name) const { return folder_.Path(name); }
    // The copy's error, empty when it succeeded.
    std::string Copy(const std::string& to) const
    {
        std::string error;
        const bool copied = codegen::CopyFileOver(Path("from.txt"), to, error);
        EXPECT_EQ(copied, error.empty()) << error;
        return error;
    }

    CTestFolder folder_{"file-copy"};
};

void SetWritable(const std::string& path, bool writable)
{
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(path, write, writable ? fs::perm_options::add : fs::perm_options::remove);
}

}  // namespace

TEST_F(FileCopyTest, ReplacesAnExistingFileAndMakesAMissingOneLeavingNothingBeside)
{
    ASSERT_TRUE(folder_.Write("old.txt", "an older, longer copy of the file"));
    EXPECT_EQ("", Copy(Path("old.txt")));
    EXPECT_EQ(folder_.Read("from.txt"), folder_.Read("old.txt"));
    EXPECT_EQ("", Copy(Path("old.txt"))) << "a second copy over the first";
    EXPECT_EQ("", Copy(Path("missing.txt")));
    EXPECT_EQ(folder_.Read("from.txt"), folder_.Read("missing.txt"));
    EXPECT_FALSE(fs::exists(Path("old.txt.tmp")));
}

TEST_F(FileCopyTest, AReadOnlyTargetIsKeptAndNamed)
{
    ASSERT_TRUE(folder_.Write("kept.txt", "protected by the user"));
    SetWritable(Path("kept.txt"), false);
    const std::string error = Copy(Path("kept.txt"));
    SetWritable(Path("kept.txt"), true);
    EXPECT_EQ("Error: cannot copy " + Path("from.txt") + " to " + Path("kept.txt") + ": " + Path("kept.txt") +
                  " is read-only",
              error);
    EXPECT_EQ("protected by the user", folder_.Read("kept.txt"));
}

TEST_F(FileCopyTest, AMissingSourceOrTargetFolderIsNamed)
{
    std::string error;
    EXPECT_FALSE(codegen::CopyFileOver(Path("none.txt"), Path("to.txt"), error));
    EXPECT_NE(std::string::npos, error.find(Path("none.txt") + " cannot be read")) << error;
    EXPECT_FALSE(fs::exists(Path("to.txt")));
    const std::string to = (fs::path(Path("gone")) / "to.txt").string();
    EXPECT_NE(std::string::npos, Copy(to).find("the folder " + Path("gone") + " does not exist"));
}

// Generate Makefile, Compile and a new project each put the runtime beside the sources again.
TEST(RuntimeFiles, ASecondCopyReplacesTheFirst)
{
    CTestFolder project("runtime-files");
    const std::string programFolder = fs::current_path().string();  // the program's folders stand beside the tests
    std::string error;
    ASSERT_TRUE(codegen::CopyRuntimeLibrary(programFolder, project.Path(), error)) << error;
    ASSERT_TRUE(project.Write("Make.rules", "stale rules"));
    ASSERT_TRUE(codegen::CopyRuntimeFiles(programFolder, project.Path(), error)) << error;
    std::ifstream rules(fs::path(programFolder) / "make" / "Make.rules", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(rules), std::istreambuf_iterator<char>()),
              project.Read("Make.rules"));
    EXPECT_FALSE(project.Read("dravolint.c").empty());
}

// Before, the words of each file's run took the place of the one before: the header's were lost. A save of the
// user's reaching each old file as it goes aside is kept there, and each is named, in order.
TEST(RuntimeFiles, WhatEachFilesRunLeftIsTold)
{
    CTestFolder project("runtime-words");
    const std::string programFolder = fs::current_path().string();
    std::string error, told;
    ASSERT_TRUE(codegen::CopyRuntimeLibrary(programFolder, project.Path(), error)) << error;
    DiskFaults usersSaves;
    usersSaves.afterMove = [&project](int move)
    {
        if (move % 2 == 1)  // each old file aside
            ASSERT_TRUE(project.Write(move == 1 ? "dravolint.h.tmo" : "dravolint.c.tmo", "the user's save"));
    };
    {
        CStandInDisk disk(usersSaves);
        ASSERT_TRUE(codegen::CopyRuntimeLibrary(programFolder, project.Path(), error, &told)) << error;
    }
    const auto changed = [&project](const char* name)
    {
        return project.Path(name) + " changed as it was being replaced: what it held then is kept in " +
               project.Path(std::string(name) + ".tmo") + ", left as it is";
    };
    EXPECT_EQ(changed("dravolint.h") + "; " + changed("dravolint.c"), told);
}

// Temporary folders: each its own, files kept byte for byte, gone at the end unless kept.
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(TestFolder, FoldersMadeAtOnceNeverShare)
{
    CTestFolder first("same"), second("same");
    EXPECT_NE(first.Path(), second.Path());
    ASSERT_TRUE(first.Write("a.txt", "first"));
    EXPECT_FALSE(std::filesystem::exists(second.Path("a.txt")));
}

TEST(TestFolder, BytesComeBackAsWritten)
{
    CTestFolder folder("bytes");
    const std::string bytes("line\r\nnext\n\0\xff", 13);
    ASSERT_TRUE(folder.Write("data.bin", bytes));
    EXPECT_EQ(bytes, folder.Read("data.bin"));
    EXPECT_EQ("", folder.Read("missing.bin"));
    EXPECT_FALSE(folder.Write("no/such/folder.bin", bytes));
}

TEST(TestFolder, RemovedAtTheEndUnlessKept)
{
    std::string removed, kept;
    {
        CTestFolder folder("removed");
        ASSERT_TRUE(folder.Write("f.txt", "x"));
        removed = folder.Path();
    }
    {
        CTestFolder folder("kept");
        folder.Keep();
        kept = folder.Path();
    }
    EXPECT_FALSE(std::filesystem::exists(removed));
    EXPECT_TRUE(std::filesystem::exists(kept));
    std::filesystem::remove_all(kept);
}

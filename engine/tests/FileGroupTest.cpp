// A group of files is replaced whole or not at all: a full disk or a refused replace at any file leaves every
// file as it was.
#include "project/AtomicFile.h"
#include "project/RunFiles.h"
#include "SaveFaults.h"
#include "StandInDisk.h"
#include "TestFolder.h"
#include "WriterFaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{

// Three files of a group: the first two have an old generation, the last is new.
class FileGroupTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"file_group"};
    const std::vector<std::string> m_names = {"G_api.h", "G_api.c", "G_api_demo.c"};
    const std::vector<std::string> m_new = {std::string(300, 'h'), std::string(500, 'c'), std::string(700, 'd')};

    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Write(m_names[0], "old header"));
        ASSERT_TRUE(m_folder.Write(m_names[1], "old source"));
    }
    std::string PathOf(std::size_t i) const { return m_folder.Path(m_names[i]); }
    bool Replace(CString* error) const
    {
        std::vector<NewFileContents> files;
        for (std::size_t i = 0; i < m_names.size(); i++)
            files.push_back({PathOf(i).c_str(), ContentsOf(m_new[i].data(), m_new[i].size())});
        return ReplaceFilesTogether(files, error);
    }
    // Every file as it was before the group, and nothing but them in the folder.
    void ExpectAllOld() const
    {
        EXPECT_EQ("old header", m_folder.Read(m_names[0]));
        EXPECT_EQ("old source", m_folder.Read(m_names[1]));
        EXPECT_FALSE(std::filesystem::exists(PathOf(2))) << "a file the group made is gone again";
        for (const std::string& name : NamesIn(m_folder.Path()))
            EXPECT_TRUE(name == m_names[0] || name == m_names[1]) << name << " left behind";
    }
};

#ifdef _WIN32
// Another program holding the file open without sharing: Windows refuses to move it or over it.
class CReplaceRefused
{
public:
    CReplaceRefused(const std::string& path, bool /*last*/) : m_held(path.c_str(), 0, HeldName::MadeIfMissing) {}

private:
    CHeldOpen m_held;
};
#else
// A folder where the old file would be set aside, or, for the last file, which is replaced in one step,
// where it goes: a rename onto a folder that is not empty is refused.
class CReplaceRefused
{
public:
    CReplaceRefused(const std::string& path, bool last)
        : m_blocker(last ? path : std::string(SetAsidePathOf(path.c_str())))
    {
        std::filesystem::create_directories(m_blocker / "inside");
    }
    ~CReplaceRefused() { std::filesystem::remove_all(m_blocker); }
    CReplaceRefused(const CReplaceRefused&) = delete;
    CReplaceRefused& operator=(const CReplaceRefused&) = delete;

private:
    std::filesystem::path m_blocker;
};
#endif

}  // namespace

TEST_F(FileGroupTest, AGroupIsReplacedWholeWithNothingLeftBeside)
{
    CString error;
    ASSERT_TRUE(Replace(&error)) << error;
    for (std::size_t i = 0; i < m_names.size(); i++)
        EXPECT_EQ(m_new[i], m_folder.Read(m_names[i]));
    EXPECT_EQ(3u, NamesIn(m_folder.Path()).size());
}

// Before, each file was replaced as it came and the first failure stopped the rest: a new header beside
// old sources.
TEST_F(FileGroupTest, TheDiskFillingAtAnyFileLeavesEveryFileAsItWasAndNamesIt)
{
    long long before = 0;
    for (std::size_t i = 0; i < m_names.size(); i++)
    {
        SCOPED_TRACE(m_names[i]);
        CString error;
        {
            CStandInDisk disk(Filling(before + 10, Full::ShortWithNoError));
            EXPECT_FALSE(Replace(&error));
        }
        EXPECT_EQ("cannot write " + PathOf(i) + " while replacing it: the disk is full", std::string(error));
        ExpectAllOld();
        before += static_cast<long long>(m_new[i].size());
    }
}

// The files before the refused one were already in place: they get their old contents back.
TEST_F(FileGroupTest, AReplaceRefusedAtAnyFilePutsBackThoseAlreadyReplaced)
{
    for (std::size_t i = 0; i < m_names.size(); i++)
    {
        SCOPED_TRACE(m_names[i]);
        CString error;
        {
            CReplaceRefused refused(PathOf(i), i + 1 == m_names.size());
            EXPECT_FALSE(Replace(&error));
            EXPECT_EQ(0, std::string(error).find("cannot replace " + PathOf(i) + ": ")) << error;
            EXPECT_EQ(std::string::npos, std::string(error).find(".tmp")) << error;
        }
        if (i + 1 == m_names.size())
            std::filesystem::remove(PathOf(i));  // what held its place
        ExpectAllOld();
    }
}

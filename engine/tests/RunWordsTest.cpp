// What a Save or a Generate tells besides its own result: how it put right a run cut off in its folder, and a
// file it found where it set an old file aside.
#include "RecoveryTest.h"
#include "SaveFaults.h"
#include "StandInDisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{

class RunWordsTest : public RecoveryTest
{
protected:
    // Each named file replaced by "<age> <name>" on a disk with those faults; what the run told besides.
    std::string Told(const std::vector<std::string>& names, const DiskFaults& faults, bool* replaced,
                     CString* error) const
    {
        std::vector<std::string> texts;
        std::vector<NewFileContents> files;
        for (const std::string& name : names)
            texts.push_back("newer " + name);
        for (std::size_t i = 0; i < names.size(); i++)
            files.push_back({m_folder.Path(names[i]).c_str(), ContentsOf(texts[i].data(), texts[i].size())});
        CStandInDisk disk(faults);
        CString told;
        *replaced = ReplaceFilesTogether(files, error, &told);
        return std::string(told);
    }
};

}  // namespace

// Before, a Save after a Generate killed once the header went in put the run right with no word: the header the
// user edited since was left new beside the old source, its old contents aside, and nothing said so. The words
// the opening would have said come with the save, whether it then succeeds or fails.
TEST_F(RunWordsTest, ARecoveryBeforeASaveTellsWhatItPutRightAndLeftWhateverTheSaveDoes)
{
    for (const bool fills : {false, true})
    {
        SCOPED_TRACE(fills ? "the disk full" : "the save succeeding");
        Reset();
        Plant({"h=old h", "c=old c"});
        ASSERT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Move, 3));  // killed as the source goes aside
        Plant({"h=new h and the user's line"});
        bool replaced = false;
        CString error;
        const std::string told = Told({"P.kvs"}, fills ? Filling(0, Full::WithError) : DiskFaults(), &replaced, &error);
        EXPECT_EQ(!fills, replaced) << error;
        EXPECT_EQ("an interrupted run that " + At() + " recorded was put right; " + m_folder.Path("h") +
                      " was changed since and is left as it is; its old contents wait in " + m_folder.Path("h.tmo"),
                  told);
        EXPECT_EQ("old c", m_folder.Read("c"));
        EXPECT_EQ("", Opening()) << "said once";
    }
}

// Before, a run that set aside a header the user's editor saved between the run's proof of it and its move
// succeeded without a word, and the next run called the user's save in the way, to be moved elsewhere.
TEST_F(RunWordsTest, AUsersSaveThatWentAsideAsTheFilesWentInIsNamedByTheSaveThatSucceeded)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults faults;
    faults.afterMove = [this](int move)
    {
        if (move == 1)
            Plant({"h.tmo=the user's h"});
    };
    bool replaced = false;
    CString error;
    EXPECT_EQ(m_folder.Path("h") + " changed as it was being replaced: what it held then is kept in " +
                  m_folder.Path("h.tmo") + ", left as it is",
              Told({"h", "c"}, faults, &replaced, &error));
    EXPECT_TRUE(replaced) << error;
    EXPECT_EQ((std::vector<std::string>{"c=newer c", "h.tmo=the user's h", "h=newer h"}), Entries());
    EXPECT_EQ("", Told({"c"}, DiskFaults(), &replaced, &error)) << "a run that finds nothing tells nothing";
}

#ifdef _WIN32
// Before, the old files a finished run left were all worded by the first one's blocker, one whose removal the
// system took while its name stayed said to be refused for no reason, and, named in other letters, a held one
// was called a file in the way.
TEST_F(RunWordsTest, EachOldFileAFinishedRunLeftIsToldByWhatKeepsIt)
{
    Plant({"k=old k", "j=old j"});
    DiskFaults staying;
    staying.removalsStay = true;
    bool replaced = false;
    CString error;
    Told({"k", "j"}, staying, &replaced, &error);
    ASSERT_TRUE(replaced) << error;
    const CHeldOpen viewer(m_folder.Path("j.tmo").c_str());
    for (const std::string name : {"j", "J"})
    {
        Told({name}, staying, &replaced, &error);
        EXPECT_FALSE(replaced);
        EXPECT_NE(std::string::npos, std::string(error).find("another program holds " + m_folder.Path(name + ".tmo") +
                                                             ", the old file of an earlier run"))
            << error;
    }
    Told({"k"}, staying, &replaced, &error);
    EXPECT_FALSE(replaced);
    EXPECT_NE(std::string::npos,
              std::string(error).find(m_folder.Path("k.tmo") +
                                      ", the old file of an earlier run, stays where it was removed: the folder "
                                      "cannot be written"))
        << error;
}
#endif

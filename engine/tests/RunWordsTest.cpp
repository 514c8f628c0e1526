// What a Save or a Generate tells besides its own result: a file it found where it set an old file aside, and
// what keeps each old file a finished run left.
#include "RecoveryTest.h"
#include "SaveFaults.h"
#include "StandInDisk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Before, a run that set aside a header the user's editor saved between the run's proof of it and its move
// succeeded without a word, and the next run called the user's save in the way, to be moved elsewhere.
TEST_F(RecoveryTest, AUsersSaveThatWentAsideAsTheFilesWentInIsNamedByTheSaveThatSucceeded)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults faults;
    faults.afterMove = [this](int move)
    {
        if (move == 1)
            Plant({"h.tmo=the user's h"});
    };
    CString error, told;
    {
        CStandInDisk disk(faults);
        EXPECT_TRUE(Replace({"h", "c"}, "new", &error, &told)) << error;
    }
    EXPECT_EQ(m_folder.Path("h") + " changed as it was being replaced: what it held then is kept in " +
                  m_folder.Path("h.tmo") + ", left as it is",
              std::string(told));
    EXPECT_EQ((std::vector<std::string>{"c=new c", "h.tmo=the user's h", "h=new h"}), Entries());
    EXPECT_TRUE(Replace({"c"}, "newer", &error, &told)) << error;
    EXPECT_EQ("", std::string(told)) << "a run that finds nothing tells nothing";
}

#ifdef _WIN32
// Before, the old files a finished run left were all worded by the first one's blocker, one whose removal the
// system took while its name stayed said to be refused for no reason, and, named in other letters, a held one
// was called a file in the way.
TEST_F(RecoveryTest, EachOldFileAFinishedRunLeftIsToldByWhatKeepsIt)
{
    Plant({"k=old k", "j=old j"});
    DiskFaults staying;
    staying.removalsStay = true;
    CStandInDisk disk(staying);
    CString error;
    ASSERT_TRUE(Replace({"k", "j"}, "new", &error)) << error;
    const CHeldOpen viewer(m_folder.Path("j.tmo").c_str());
    for (const std::string name : {"j", "J"})
    {
        EXPECT_FALSE(Replace({name}, "newer", &error));
        EXPECT_NE(std::string::npos, std::string(error).find("another program holds " + m_folder.Path(name + ".tmo") +
                                                             ", the old file of an earlier run"))
            << error;
    }
    EXPECT_FALSE(Replace({"k"}, "newer", &error));
    EXPECT_NE(std::string::npos,
              std::string(error).find(m_folder.Path("k.tmo") +
                                      ", the old file of an earlier run, stays where it was removed: the folder "
                                      "cannot be written"))
        << error;
}
#endif

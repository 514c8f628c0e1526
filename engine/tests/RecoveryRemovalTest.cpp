// A removal counts only where the name is gone: the system may take it and keep the name, for as long as
// another program holds the file sharing its deletion, or for good in a folder that cannot be written.
#include "RecoveryTest.h"
#include "StandInDisk.h"

#ifdef _WIN32
#include "SaveFaults.h"

#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class RecoveryRemovalTest : public RecoveryTest
{
};

}  // namespace

// Before, removals there were taken as done: the opening said nothing, and every save failed with "cannot
// create ...replacing.tmr: File exists". The run is named as kept by the folder, and put right once it can be.
TEST_F(RecoveryRemovalTest, ARunCutOffInAFolderWhoseRemovalsStayIsNamedAtTheOpeningAndAtEachSave)
{
    Plant({"h=old h", "c=old c"});
    {
        DiskFaults settling;
        settling.killAt = Step::Remove;
        settling.killCount = 1;
        CStandInDisk disk(settling);
        CString error;
        EXPECT_THROW(Replace({"h", "c"}, "new", &error), Killed) << "killed once placed, as its old files went";
    }
    const std::string blocked =
        "an interrupted run that " + At() +
        " records cannot be put right, as the folder cannot be written: " + m_folder.Path("c.tmo") +
        " stays where it was removed; the run is put right at the next Save or opening once "
        "it can be written";
    CString error;
    {
        DiskFaults readOnly;
        readOnly.readOnly = readOnly.removalsStay = true;
        CStandInDisk disk(readOnly);
        EXPECT_EQ(blocked, Opening());
        EXPECT_FALSE(Replace({"h", "c"}, "newer", &error));
        EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + blocked, std::string(error));
    }
    EXPECT_EQ((std::vector<std::string>{"c.tmo=old c", "c=new c", "h.tmo=old h", "h=new h",
                                        "replacing.tmr=" + m_folder.Read("replacing.tmr")}),
              Entries());
    EXPECT_TRUE(Replace({"h", "c"}, "newer", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=newer c", "h=newer h"}), Entries());
}

#ifdef _WIN32
// Before, the old header a viewer held sharing its deletion was taken as removed while its name stayed: every
// later save of the header was refused as if the user had left it in the way. It is the finished run's, named
// as held, blocks no save that does not need its name, and goes once the viewer lets go.
TEST_F(RecoveryRemovalTest, AnOldHeaderAViewerHoldsSharingDeleteIsTheFinishedRunsAndGoesWhenItEnds)
{
    Plant({"h=old h", "c=old c"});
    CHeldOpen viewer(m_folder.Path("h").c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    CString error;
    ASSERT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
    EXPECT_EQ("", Opening()) << "nothing to tell";
    for (int run = 0; run < 50; run++)
        ASSERT_TRUE(Replace({"c"}, "gen" + std::to_string(run), &error)) << error;
    EXPECT_FALSE(Replace({"h", "c"}, "newer", &error));
    EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": another program holds " + m_folder.Path("h.tmo") +
                  ", the old file of an earlier run; closing that program lets it go",
              std::string(error));
    viewer.Release();
    for (int run = 0; run < 50; run++)
        ASSERT_TRUE(Replace({"h", "c"}, "last" + std::to_string(run), &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=last49 c", "h=last49 h"}), Entries());
}
#endif

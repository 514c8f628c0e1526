// A program holding a folder's record is a run there only where it holds it as a run does: a viewer that lets
// others read it keeps the run it records from being put right, and is named as holding it.
#include "project/RunRepair.h"
#include "RecoveryTest.h"
#include "StandInDisk.h"

#ifdef _WIN32
#include "SaveFaults.h"

#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
// Before, a viewer holding the record of a run cut off was taken for another program's run: the opening said
// nothing, and each save waited two seconds to say "another program is saving files in this folder". The viewer
// is named as what keeps the run from being put right, at once; a run holding it is still waited for.
TEST_F(RecoveryTest, AViewerHoldingTheRecordIsNamedNotTakenForARun)
{
    Plant({"h=old h", "c=old c"});
    ASSERT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Move, 3)) << "killed after the header went in";
    const std::string held = "an interrupted run that " + At() + " records cannot be put right while another " +
                             "program holds " + At() +
                             "; closing that program lets the run be put right at the next Save or opening";
    {
        CHeldOpen viewer(At().c_str(), FILE_SHARE_READ);
        CRunRecord record;
        EXPECT_EQ(RecordLeft::Blocked, RecoverRunAt(At().c_str(), record).record);
        EXPECT_EQ(held, Opening());
        CStandInDisk disk;
        CString error;
        EXPECT_FALSE(Replace({"h", "c"}, "newer", &error));
        EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + held, std::string(error));
        EXPECT_EQ(0, disk.Pauses()) << "no run is waited for";
    }
    {
        CRunRecord run;
        ASSERT_EQ(CRunRecord::Opened::Held, run.Open(At().c_str()));
        CRunRecord record;
        EXPECT_EQ(RecordLeft::Anothers, RecoverRunAt(At().c_str(), record).record);
    }
    EXPECT_EQ("an interrupted run that " + At() + " recorded was put right", Opening());
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
}
#endif

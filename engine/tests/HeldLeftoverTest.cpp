// A finished run's old file that another program holds: later runs go on, and it goes once it is free.
#include "project/AtomicFile.h"
#include "project/RunRecord.h"
#include "project/RunRepair.h"
#include "project/SystemError.h"
#include "LeftRecord.h"
#include "RecoveryTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{

// A folder where a finished run's old header another program holds keeps the record, while runs follow.
class HeldLeftoverTest : public RecoveryTest
{
protected:
    void SetUp() override
    {
        Plant({"h=old h", "c=old c"});
        CStandInDisk disk(Holding("h.tmo"));
        CString error;
        ASSERT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
    }
    std::uintmax_t RecordSize() const { return std::filesystem::file_size(m_folder.Path("replacing.tmr")); }
};

}  // namespace

// Before, each run in the folder added its lines to the record while the old header stayed held; a Generate
// adds a line a block, and past a quarter megabyte the record read as another program's file, refusing every
// later save. Each run starts the record anew with what is still to go.
TEST_F(HeldLeftoverTest, ManyRunsWhileAnOldFileIsHeldKeepTheRecordSmallAndItGoesWhenFree)
{
    CString error;
    {
        CStandInDisk disk(Holding("h.tmo"));
        for (int run = 0; run < 200; run++)
            ASSERT_TRUE(Replace({"c"}, "gen" + std::to_string(run), &error)) << error;
        EXPECT_LT(RecordSize(), 512u);
        const RunRecovery opening = RecoverInterruptedRun(m_folder.Path().c_str());
        EXPECT_FALSE(opening.foreign);
        EXPECT_TRUE(opening.finished);
    }
    EXPECT_TRUE(Replace({"c"}, "last", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=last c", "h=new h"}), Entries());
}

// Before, a run that failed or was cut off after a finished one whose old header another program held left
// a record no later run could go on in: every save in the folder was refused, as was each opening, saying
// the run "was put right". Once that run is undone, later runs go on, and the old header goes when free.
TEST_F(HeldLeftoverTest, ARunCutOffAfterAFinishedOneBlocksNoLaterRun)
{
    for (const bool killed : {false, true})
    {
        SCOPED_TRACE(killed ? "killed as k went aside" : "k refused to go aside");
        Reset();
        SetUp();
        Plant({"k=old k"});
        DiskFaults faults = killed ? KillingAt(Step::Move, 1) : DiskFaults();
        faults.refusedMove = killed ? 0 : 1;
        faults.held = "h.tmo";
        ReplaceOn(faults, {"k"}, "new");
        const CString at = RecordPathIn(m_folder.Path().c_str());
        CString error;
        {
            CStandInDisk disk(Holding("h.tmo"));
            const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
            EXPECT_EQ(killed ? "an interrupted run that " + std::string(at) + " recorded was put right" : "", said);
            EXPECT_EQ("", std::string(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())))) << "said once";
            EXPECT_TRUE(Replace({"c"}, "newer", &error)) << error;
            EXPECT_TRUE(Replace({"k"}, "newer", &error)) << error;
        }
        EXPECT_TRUE(Replace({"c"}, "last", &error)) << error;
        EXPECT_EQ((std::vector<std::string>{"c=last c", "h=new h", "k=newer k"}), Entries());
    }
}

// Before, a run going on in a finished run's record read it once to recover and then opened and read it
// again: another designer removing it between the two made the run fail with no reason given. It is opened
// once, and held from its recovery to the run's own lines.
TEST_F(HeldLeftoverTest, ARunGoingOnInAFinishedRunsRecordOpensItOnce)
{
    DiskFaults faults = Holding("h.tmo");
    CStandInDisk disk(faults);
    CString error;
    EXPECT_TRUE(Replace({"c"}, "newer", &error)) << error;
    const std::vector<std::string>& done = disk.Done();
    EXPECT_EQ(1, std::count(done.begin(), done.end(), "open replacing.tmr"));
}

// A run killed at each step of starting the record anew, written over its start part way included, or
// after: the opening still knows the held old header, and settles it once it is free.
TEST_F(HeldLeftoverTest, ARunKilledAtAnyStepOfStartingTheRecordAnewLeavesAnOpeningThatSettlesAll)
{
    const std::vector<std::string> before = Entries();
    for (int kill = 1;; kill++)
    {
        SCOPED_TRACE("killed at step " + std::to_string(kill));
        DiskFaults faults = KillingAt(Step::Any, kill);
        faults.held = "h.tmo";
        if (!ReplaceOn(faults, {"c"}, "next").killed)
            break;
        {
            CStandInDisk disk(Holding("h.tmo"));
            const RunRecovery opening = RecoverInterruptedRun(m_folder.Path().c_str());
            EXPECT_FALSE(opening.foreign);
            EXPECT_TRUE(opening.finished);
            EXPECT_TRUE(std::filesystem::exists(m_folder.Path("h.tmo")));
        }
        Recover();
        const std::vector<std::string> entries = Entries();
        EXPECT_TRUE(entries == (std::vector<std::string>{"c=new c", "h=new h"}) ||
                    entries == (std::vector<std::string>{"c=next c", "h=new h"}))
            << ::testing::PrintToString(entries);
        Reset();
        Plant(before);
    }
}

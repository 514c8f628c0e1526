// What the user does to a project's files after a Generate was killed: the opening keeps their work and names
// what it could not put right.
#include "project/AtomicFile.h"
#include "project/RunRecord.h"
#include "project/RunRepair.h"
#include "project/SystemError.h"
#include "LeftRecord.h"
#include "RecoveryTest.h"
#include "SaveFaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{

// A project's three generated files, the header and the source there before, the demo new.
class UserAfterKillTest : public RecoveryTest
{
protected:
    const std::vector<std::string> m_names = {"sensor_api.h", "sensor_api.c", "sensor_api_demo.c"};

    void SetUp() override { Plant({"sensor_api.h=old h", "sensor_api.c=old c"}); }
    void Generate(Step step, int count) const { ASSERT_TRUE(ReplaceKilled(m_names, "new", step, count)); }
    static std::vector<std::string> Sorted(std::vector<std::string> entries)
    {
        std::sort(entries.begin(), entries.end());
        return entries;
    }
    // The old header and source beside the user's files, and nothing of the run.
    void ExpectAllOldBeside(const std::vector<std::string>& users) const
    {
        std::vector<std::string> expected = users;
        expected.insert(expected.end(), {"sensor_api.c=old c", "sensor_api.h=old h"});
        EXPECT_EQ(Sorted(expected), Entries());
    }
    // Recovered with the old header gone: the new one stays beside the old source, and is named as kept.
    void ExpectNewHeaderNamedBesideOldSource() const
    {
        const std::string said(
            RecoveryText(RecordPathIn(m_folder.Path().c_str()), RecoverInterruptedRun(m_folder.Path().c_str())));
        EXPECT_EQ(Sorted({"sensor_api.c=old c", "sensor_api.h=new sensor_api.h"}), Entries());
        EXPECT_EQ(std::string::npos, said.find("put right")) << said;
        EXPECT_NE(std::string::npos, said.find("the old contents of " + m_folder.Path("sensor_api.h") +
                                               " were gone; it keeps the run's new contents"))
            << said;
    }
};

}  // namespace

// Before, the record named every file before the run touched it: a temporary the user saved after the
// kill under one of the run's names was deleted at the next opening.
TEST_F(UserAfterKillTest, ATemporaryTheUserSavesAfterAKillWhileTheFirstIsWrittenIsKept)
{
    Generate(Step::Write, 1);
    Plant({"sensor_api.c.tmp=the user's c", "sensor_api_demo.c.tmp=the user's demo"});
    Recover();
    ExpectAllOldBeside({"sensor_api.c.tmp=the user's c", "sensor_api_demo.c.tmp=the user's demo"});
}

// Before, killed after the second move, a sensor_api.c.tmo the user made was moved over sensor_api.c, and
// the run's sensor_api.c.tmp was left to refuse every later Generate. Here the set-aside's name was the
// run's, reserved empty: what the user writes into it stays theirs, and the next Generate names it.
TEST_F(UserAfterKillTest, ASetAsideTheUserWritesAfterAKillIsLeftAndNamedAndTheRunsTemporaryGoes)
{
    Generate(Step::Move, 3);
    ASSERT_TRUE(std::filesystem::exists(m_folder.Path("sensor_api.c.tmo")));
    Plant({"sensor_api.c.tmo=the user's c", "sensor_api_demo.c.tmo=the user's demo"});
    Recover();
    ExpectAllOldBeside({"sensor_api.c.tmo=the user's c", "sensor_api_demo.c.tmo=the user's demo"});
    CString error;
    EXPECT_FALSE(Replace(m_names, "newer", &error));
    EXPECT_EQ("cannot replace " + m_folder.Path("sensor_api.c") + ": " + m_folder.Path("sensor_api.c.tmo") +
                  " is in the way; moving it elsewhere lets the files be written",
              std::string(error));
}

// Before, a run cut off before it made any file, with the user's file at its temporary's name, was said to
// be finished: it was undone, and is said so.
TEST_F(UserAfterKillTest, ARunUndoneBeforeItMadeAFileIsNotCalledFinished)
{
    Generate(Step::Create, 1);  // the header announced, its temporary not yet made
    Plant({"sensor_api.h.tmp=the user's h"});
    const CString at = RecordPathIn(m_folder.Path().c_str());
    const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
    ExpectAllOldBeside({"sensor_api.h.tmp=the user's h"});
    EXPECT_EQ(std::string::npos, said.find("finished")) << said;
    EXPECT_EQ(0u, said.find("an interrupted run that " + std::string(at) + " recorded was undone;")) << said;
    EXPECT_NE(std::string::npos, said.find(m_folder.Path("sensor_api.h.tmp"))) << said;
}

// Before, killed after the header went in and before the source went aside, with the old header deleted by
// the user, the opening left the header new beside the old source and said the run was put right.
TEST_F(UserAfterKillTest, AHeaderWhoseOldContentsTheUserDeletedAfterItWentInIsNamedNotCalledPutRight)
{
    Generate(Step::Move, 3);
    ASSERT_TRUE(std::filesystem::remove(m_folder.Path("sensor_api.h.tmo")));
    ExpectNewHeaderNamedBesideOldSource();
}

// Before, killed after the header went aside and before it went in, with the old header deleted by the user,
// the opening removed the run's new header too: neither remained. The new one goes in, and is named; while it
// cannot, it stays, named, and the record with it.
TEST_F(UserAfterKillTest, AHeaderWhoseOldContentsTheUserDeletedBeforeItWentInKeepsTheRunsNewContents)
{
    Generate(Step::Move, 2);
    ASSERT_TRUE(std::filesystem::remove(m_folder.Path("sensor_api.h.tmo")));
    const CString at = RecordPathIn(m_folder.Path().c_str());
    {
        DiskFaults holding;
        holding.heldInPlace = "sensor_api.h.tmp";
        CStandInDisk disk(holding);
        const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
        EXPECT_NE(std::string::npos, said.find(" cannot be put right while another program holds " +
                                               m_folder.Path("sensor_api.h.tmp") + ";"))
            << said;
    }
    EXPECT_TRUE(std::filesystem::exists(m_folder.Path("sensor_api.h.tmp")));
    EXPECT_TRUE(std::filesystem::exists(std::string(at)));
    ExpectNewHeaderNamedBesideOldSource();
}

// Before, a run whose last temporary was gone was taken as finished: killed after sensor_api.h went aside
// (and after it went in), the user deleting the temporaries lost its old contents, or left it new
// beside the old source. The editor opening a missing header makes it empty; the old one comes back.
TEST_F(UserAfterKillTest, DeletingTheTemporariesAfterAKillLosesNoOldFile)
{
    for (const int move : {2, 3})
        for (const bool onlyTheLast : {false, true})
            for (const bool madeEmpty : {false, true})
            {
                SCOPED_TRACE("killed at move " + std::to_string(move) + (onlyTheLast ? ", the last deleted" : "") +
                             (madeEmpty ? ", the header made empty" : ""));
                Reset();
                SetUp();
                Generate(Step::Move, move);
                for (const std::string& name : m_names)
                    if (!onlyTheLast || name == m_names.back())
                        std::filesystem::remove(m_folder.Path(name + ".tmp"));
                if (madeEmpty && !std::filesystem::exists(m_folder.Path("sensor_api.h")))
                    Plant({"sensor_api.h="});
                Recover();
                ExpectAllOldBeside({});
            }
}

// Before, killed after the record said the header was going aside and before it went, a header the user
// then deleted came back empty: the empty name the run had reserved for the old one was moved over it.
TEST_F(UserAfterKillTest, AHeaderTheUserDeletesBeforeItWentAsideStaysDeleted)
{
    Generate(Step::Move, 1);  // the header about to go aside
    std::filesystem::remove(m_folder.Path("sensor_api.h"));
    Recover();
    EXPECT_EQ(std::vector<std::string>{"sensor_api.c=old c"}, Entries());
}

// Before, killed as sensor_api.h went in, after it went aside, a header the user then wrote had the old
// one moved over it at the next opening. Only a missing or empty header (the editor makes a selected missing
// file empty) gets the old one back; beside the user's own, the old header and the run's temporary are
// left, and the next Generate names them.
TEST_F(UserAfterKillTest, AHeaderTheUserWritesWhereTheOldOneWentAsideIsKept)
{
    for (const std::string header : {"the user's h", ""})
    {
        SCOPED_TRACE(header.empty() ? "the header made empty" : "the user's header");
        Reset();
        SetUp();
        Generate(Step::Move, 2);
        Plant({"sensor_api.h=" + header});
        Recover();
        if (header.empty())
        {
            ExpectAllOldBeside({});
            continue;
        }
        EXPECT_EQ(Sorted({"sensor_api.c=old c", "sensor_api.h.tmo=old h", "sensor_api.h=the user's h"}), Entries());
        CString error;
        EXPECT_FALSE(Replace(m_names, "newer", &error));
        EXPECT_NE(std::string::npos, std::string(error).find(" is in the way")) << error;
    }
}

// Before, "new" was taken to prove the whole file the run's: killed while the temporaries were written, a
// demo the user then copied over the empty one the run had made was deleted at the next opening.
TEST_F(UserAfterKillTest, AFileTheUserCopiesOverANewEmptyOneIsKept)
{
    // The demo's first write, after the header's and the source's: 16 bytes each, in blocks of 1, 1, 2, 4 and 8.
    Generate(Step::Write, 11);
    ASSERT_TRUE(std::filesystem::is_empty(m_folder.Path("sensor_api_demo.c")));
    Plant({"sensor_api_demo.c=the user's demo"});
    Recover();
    ExpectAllOldBeside({"sensor_api_demo.c=the user's demo"});
}

// Before, killed after sensor_api.h went in and before the record said so, a sensor_api.h.tmp the user then
// made was deleted at the next opening. The new header is the run's by its bytes and goes; the user's
// temporary stays.
TEST_F(UserAfterKillTest, ATemporaryTheUserMakesAfterItsFileWentInUnsaidIsKept)
{
    Generate(Step::Move, 3);  // after the header went in
    ASSERT_FALSE(std::filesystem::exists(m_folder.Path("sensor_api.h.tmp")));
    Plant({"sensor_api.h.tmp=the user's h"});
    Recover();
    ExpectAllOldBeside({"sensor_api.h.tmp=the user's h"});
}

// Before, the file a move back would land on was emptied first: killed after every file went in, a header
// another program held was left with no bytes and the old one aside. Every file stays whole, the holder is
// named at the opening, and the run is put right once it lets go.
TEST_F(UserAfterKillTest, AHeaderHeldWhileTheRunIsUndoneStaysWholeAndIsNamed)
{
    DiskFaults placing;
    placing.killedLine = "placed";
    ASSERT_TRUE(ReplaceOn(placing, m_names, "new").killed);
    const CString at = RecordPathIn(m_folder.Path().c_str());
    {
        DiskFaults held;
        held.heldInPlace = "sensor_api.h";
        CStandInDisk disk(held);
        EXPECT_EQ("an interrupted run that " + std::string(at) +
                      " records cannot be put right while another program "
                      "holds " +
                      m_folder.Path("sensor_api.h") +
                      "; closing that program lets the run be put right at the next Save or opening" +
                      HeaderWaits(SharingViolation(), "sensor_api.h"),
                  std::string(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str()))));
    }
    EXPECT_EQ("new sensor_api.h", m_folder.Read("sensor_api.h"));
    EXPECT_EQ("old h", m_folder.Read("sensor_api.h.tmo"));
    Recover();
    ExpectAllOldBeside({});
}

// Before, the record saying the header went in, a line the user then added to it was lost: the opening put
// the old header back over it. A header whose bytes are not the run's stays, beside the old one, and both
// are named at the opening.
TEST_F(UserAfterKillTest, AHeaderTheUserEditsAfterItWentInIsKeptAndNamed)
{
    Generate(Step::Move, 3);  // after the header went in
    Plant({"sensor_api.h=new sensor_api.h and the user's line"});
    const CString at = RecordPathIn(m_folder.Path().c_str());
    const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
    // The set-aside is proven the old header: it is said to hold it, not called the user's. The header stays
    // beside the old source: the run is not put right.
    EXPECT_EQ(0u, said.find("an interrupted run that " + std::string(at) + " recorded could not be undone whole; " +
                            m_folder.Path("sensor_api.h") +
                            " was changed since and is left as it is; its old contents wait in " +
                            m_folder.Path("sensor_api.h.tmo")))
        << said;
    EXPECT_EQ(std::string::npos, said.find("not the run's")) << said;
    EXPECT_EQ(
        Sorted({"sensor_api.c=old c", "sensor_api.h.tmo=old h", "sensor_api.h=new sensor_api.h and the user's line"}),
        Entries());
}

// Before, with the header empty before the run (the editor makes a selected missing file empty), a header the
// user wrote after it went in was kept unnamed, and the run was said put right; the run's own undo meeting such
// a header, its empty set-aside refused, said the files held their old contents. The empty set-aside goes where
// it can; the header stays, and is named.
TEST_F(UserAfterKillTest, AHeaderTheUserWritesOverAnEmptyOldOneIsKeptAndNamed)
{
    Plant({"sensor_api.h="});
    Generate(Step::Move, 3);  // after the header went in
    Plant({"sensor_api.h=the user's h"});
    const std::string changed = m_folder.Path("sensor_api.h") + " was changed since and is left as it is";
    EXPECT_EQ("an interrupted run that " + At() + " recorded could not be undone whole; " + changed, Opening());
    EXPECT_EQ(Sorted({"sensor_api.c=old c", "sensor_api.h=the user's h"}), Entries());

    Reset();
    SetUp();
    Plant({"sensor_api.h="});
    DiskFaults faults;
    faults.afterMove = [this](int move)
    {
        if (move == 2)  // the header in
            Plant({"sensor_api.h=another program's h"});
    };
    faults.refusedMove = 3;  // the source aside
    faults.refusedRemoval = "sensor_api.h.tmo";
    const std::string error = FailedOn(faults, m_names);
    EXPECT_NE(std::string::npos, error.find("; " + changed)) << error;
    EXPECT_EQ(std::string::npos, error.find("old contents")) << error;
    EXPECT_EQ("another program's h", m_folder.Read("sensor_api.h"));
}

// Before, a temporary made just before the record named it was left, and the next Generate blamed the user
// for it. Each name is announced before it is made: an empty one is the run's, and goes.
TEST_F(UserAfterKillTest, ATemporaryMadeJustBeforeAKillGoesAndTheNextGenerateWritesAll)
{
    Generate(Step::Create, 2);  // the header's temporary made, its set-aside not yet
    ASSERT_TRUE(std::filesystem::exists(m_folder.Path("sensor_api.h.tmp")));
    Recover();
    ExpectAllOldBeside({});
    CString error;
    EXPECT_TRUE(Replace(m_names, "newer", &error)) << error;
}

#ifdef _WIN32
// Before, the header an editor holds open (sharing it for reading and writing, not for deleting) was
// emptied by the opening's recovery before the old one could not go back over it. Every file stays whole.
TEST_F(UserAfterKillTest, AHeaderAnEditorHoldsIsNeverEmptiedByTheRecovery)
{
    DiskFaults placing;
    placing.killedLine = "placed";
    ASSERT_TRUE(ReplaceOn(placing, m_names, "new").killed);
    CHeldOpen editor(m_folder.Path("sensor_api.h").c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(editor.IsHeld());
    const CString at = RecordPathIn(m_folder.Path().c_str());
    const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
    editor.Release();
    const std::string header = m_folder.Read("sensor_api.h");
    EXPECT_TRUE(header == "new sensor_api.h" || header == "old h") << header;
    if (header == "new sensor_api.h")
    {
        EXPECT_EQ("old h", m_folder.Read("sensor_api.h.tmo"));
        EXPECT_NE(std::string::npos, said.find(" holds " + m_folder.Path("sensor_api.h") + ";")) << said;
    }
    Recover();
    ExpectAllOldBeside({});
}
#endif

// Every word of a recovery says what is on disk, and an earlier designer's record, which proves no file at its
// own name, never puts an old file back over one.
#include "RecoveryTest.h"
#include "LeftRecord.h"
#include "StandInDisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{

class RecoveryWordsTest : public RecoveryTest
{
protected:
    // Found in the words, which are shown when not.
    void ExpectSaid(const std::string& words, const std::string& part) const
    {
        EXPECT_NE(std::string::npos, words.find(part)) << words;
    }
};

}  // namespace

// Before, the previous designer's record saying the header went in put the old header back over the line the
// user added since, and so did the record of the one before it once it said the files were being placed.
// Nothing proves the file at the header's own name the run's: both stay, and are named.
TEST_F(RecoveryWordsTest, AnEarlierDesignersRecordLeavesAHeaderItCannotProveBesideTheOldOne)
{
    for (const char* record : {"files being replaced together, each line after its step\nold h\nold c\naside h\nin h\n",
                               "files being replaced together\naside h\naside c\nplacing\n"})
    {
        SCOPED_TRACE(record);
        Reset();
        Plant({"h=new h and the user's line", "h.tmo=old h", "c=old c", "c.tmp=new c",
               std::string("replacing.tmr=") + record});
        ExpectSaid(Opening(), "; " + m_folder.Path("h") +
                                  " was changed since and is left as it is; its old contents wait in " +
                                  m_folder.Path("h.tmo"));
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=old h", "h=new h and the user's line"}), Entries());
    }
}

// Before, a demo an earlier opening had put back, whose text the Generate left as it was, was said to have lost
// its old contents once the held header let the run be put right: the old file back matches both proofs.
TEST_F(RecoveryWordsTest, AFileBackWithTheSameTextAsTheRunsIsSaidToBePutRight)
{
    Plant({"h=new h", "h.tmo=old h", "d=same d", "d.tmo=same d"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn({"h", "d"})));
    std::filesystem::remove(m_folder.Path("d.tmo"));
    EXPECT_EQ("an interrupted run that " + At() + " recorded was put right", Opening());
    EXPECT_EQ((std::vector<std::string>{"d=same d", "h=old h"}), Entries());
}

// Before, a failed run whose old header could not go back said only why it failed, and the caller added that
// none of its files was written: the header keeps the run's new contents meanwhile, and says so.
TEST_F(RecoveryWordsTest, AnOldFileTheRunsOwnUndoCannotPutBackSaysWhatStandsAtItsName)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults gone;
    gone.goneAfter = 2;  // h aside and in, then the drive is gone as c goes aside
    const std::string error = FailedOn(gone, {"h", "c"});
    ExpectSaid(std::string(error), "; " + m_folder.Path("h") + " could not be put back yet, its old contents wait in " +
                                       m_folder.Path("h.tmo"));
    ExpectSaid(std::string(error), "; meanwhile " + m_folder.Path("h") +
                                       " keeps the run's new contents; the old files are put back at the next Save "
                                       "or opening");
    EXPECT_EQ("new h", m_folder.Read("h"));
}

// Before, a save of the user's reaching the header after the run proved it and before it went aside was left
// unnamed in the set-aside, the new header kept beside the old source with no word. Both are named.
TEST_F(RecoveryWordsTest, AUsersSaveThatWentAsideWithTheOldHeaderIsNamedByTheRunsUndo)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults faults;
    faults.afterMove = [this](int move)
    {
        if (move == 1)
            Plant({"h.tmo=the user's h"});
    };
    faults.refusedMove = 3;  // c going aside
    const std::string error = FailedOn(faults, {"h", "c"});
    ExpectSaid(std::string(error), "; " + m_folder.Path("h") + " keeps the run's new contents");
    ExpectSaid(std::string(error),
               "; changed since, these are not the run's and were left as they are: " + m_folder.Path("h.tmo"));
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=the user's h", "h=new h"}), Entries());
}

// Before, a record whose proof of the new header was damaged had the old source put back beside the new header,
// which was called changed since, and the run called put right. A line whose bytes do not match its check counts
// as torn: nothing after it is known, no file it cannot prove moves, and the words say how far it was read.
TEST_F(RecoveryWordsTest, ARecordDamagedInALineIsReadOnlyUpToItAndNeverCalledPutRight)
{
    Plant({"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn({"h", "c"})));
    // A digit of the header's proof goes wrong.
    std::string record = m_folder.Read("replacing.tmr");
    const std::size_t sum = record.find(' ', record.find("wrote ") + 6) + 1;
    record[sum] = record[sum] == '0' ? '1' : '0';
    Plant({"replacing.tmr=" + record});
    EXPECT_EQ("an interrupted run that " + At() +
                  " recorded was undone only as far as its record could be read, a line of it being damaged; changed "
                  "since, these are not the run's and were left as they are: " +
                  m_folder.Path("c.tmo") + " " + m_folder.Path("h.tmo"),
              Opening());
    EXPECT_EQ((std::vector<std::string>{"c.tmo=old c", "c=new c", "h.tmo=old h", "h=new h"}), Entries());
}

// Every word of a recovery says what is on disk, and an earlier designer's record, which proves no file at its
// own name, never puts an old file back over one.
#include "RecoveryTest.h"
#include "AllocationFault.h"
#include "LeftRecord.h"
#include "StandInDisk.h"

#ifdef _WIN32
#include "SaveFaults.h"

#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <memory>
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
    // h and c replaced on a disk with those faults while a save of the user's reaches the old header as it goes
    // aside, that move refused; the error.
    std::string ReplaceWithAUsersSaveAside(int refusedMove, DiskFaults faults = DiskFaults()) const
    {
        Reset();
        Plant({"h=old h", "c=old c"});
        faults.afterMove = [this](int move)
        {
            if (move == 1)
                Plant({"h.tmo=the user's h"});
        };
        faults.refusedMove = refusedMove;
        return FailedOn(faults, {"h", "c"});
    }
    // What is said of the header's set-aside, held so that it cannot be read or not: only one read is said to hold
    // the old contents.
    std::string AsideSeen(bool unread) const
    {
        return unread ? m_folder.Path("h.tmo") + " could not be read ("
                      : "its old contents wait in " + m_folder.Path("h.tmo") + " (";
    }
    // The record's line of the step on the named file, a byte of its check gone wrong.
    void DamageLine(const std::string& word, const std::string& name) const
    {
        std::string record = m_folder.Read("replacing.tmr");
        std::size_t end = 0;
        for (std::size_t begin = 0; (end = record.find('\n', begin)) != std::string::npos; begin = end + 1)
            if (record.compare(begin, word.size() + 1, word + " ") == 0 &&
                record.substr(begin, end - begin).find(" " + name + " ") != std::string::npos)
                break;
        ASSERT_NE(std::string::npos, end);
        record[end - 1] = record[end - 1] == '0' ? '1' : '0';
        Plant({"replacing.tmr=" + record});
    }
    // The file marked read-only, as a user or source control marks one, or writable again: on Windows its write
    // bits are that attribute.
    void MarkReadOnly(const std::string& name, bool readOnly) const
    {
        using std::filesystem::perms;
        const perms write = perms::owner_write | perms::group_write | perms::others_write;
        std::filesystem::permissions(m_folder.Path(name), write,
                                     readOnly ? std::filesystem::perm_options::remove
                                              : std::filesystem::perm_options::add);
    }
    // The folder reset to hold a run cut off once each of files went in, the new file at each name and the old
    // beside it, and d made new after them; false where its record could not be left.
    bool LeaveRunThatMadeD(const std::vector<std::string>& files) const
    {
        Reset();
        for (const std::string& file : files)
            Plant({file + "=new " + file, file + ".tmo=old " + file});
        Plant({"d=new d"});
        RunSteps steps = StepsUntilAllWentIn(files);
        steps.insert(steps.begin() + static_cast<std::ptrdiff_t>(files.size()), {RunStep::New, "d"});
        steps.insert(steps.end(), {{RunStep::Wrote, "d"}, {RunStep::In, "d"}});
        return LeaveRecord(m_folder.Path(), steps);
    }
    // The error of a run replacing h and d, d made new, whose undo finds the disk with those faults.
    std::string FailedWith(DiskFaults faults) const
    {
        faults.refusedLine = "placed";
        CStandInDisk disk(faults);
        CString error;
        EXPECT_FALSE(Replace({"h", "d"}, "new", &error));
        return std::string(error);
    }
};

}  // namespace

// Before, the previous designer's record saying the header went in put the old header back over the line the
// user added since, and so did the record of the one before it once it said the files were being placed; once
// that was fixed, the header the run left as it was was said to be changed since, and the run put right.
// Nothing proves the file at the header's own name the run's, nor changed, nor the source's temporary: each
// stays, and is named so.
TEST_F(RecoveryWordsTest, AnEarlierDesignersRecordLeavesAHeaderItCannotProveBesideTheOldOne)
{
    for (const char* record : {"files being replaced together, each line after its step\nold h\nold c\naside h\nin h\n",
                               "files being replaced together\naside h\naside c\nplacing\n"})
        for (const std::string header : {"h=new h", "h=new h and the user's line"})
        {
            SCOPED_TRACE(record + header);
            Reset();
            Plant({header, "h.tmo=old h", "c=old c", "c.tmp=new c", std::string("replacing.tmr=") + record});
            EXPECT_EQ("an interrupted run that " + At() + " recorded could not be undone whole; " + m_folder.Path("h") +
                          " cannot be proven the run's and is left as it is; its old contents wait in " +
                          m_folder.Path("h.tmo") +
                          "; these cannot be proven the run's and were left as they are: " + m_folder.Path("c.tmp"),
                      Opening());
            EXPECT_EQ((std::vector<std::string>{"c.tmp=new c", "c=old c", "h.tmo=old h", header}), Entries());
        }
}

// Before, a file the previous designer's record said it made was said to be changed since, and the run undone.
TEST_F(RecoveryWordsTest, AnEarlierDesignersRecordLeavesAFileItMadeThatItCannotProve)
{
    Plant({"d=new d", "replacing.tmr=files being replaced together, each line after its step\nnew d\nin d\n"});
    EXPECT_EQ("an interrupted run that " + At() + " recorded could not be undone whole; " + m_folder.Path("d") +
                  " cannot be proven the run's and is left as it is",
              Opening());
    EXPECT_EQ((std::vector<std::string>{"d=new d"}), Entries());
}

// Before, an earlier designer's record took any file at a temporary's name, and a finished run's at a set-aside's,
// for the run's by its line alone, and removed one the user put there after the kill. Its lines prove no bytes:
// such a file is kept and named, and only an empty one, which holds nothing to lose, goes.
TEST_F(RecoveryWordsTest, AnEarlierDesignersRecordRemovesOnlyEmptyFilesAtItsTemporariesAndSetAsides)
{
    struct Case
    {
        std::string record;
        std::string header;              // what stands at the header's own name, which stays
        std::vector<std::string> names;  // the run's names where a file is put after the kill
    };
    const std::string after = "files being replaced together, each line after its step\n";
    const std::string naming = "files being replaced together\n";
    const Case cases[] = {
        {after + "old h\n", "h=old h", {"h.tmo", "h.tmp"}},
        {after + "old h\naside h\nin h\nplaced\n", "h=new h", {"h.tmo", "h.tmp"}},
        {naming + "aside h\n", "h=old h", {"h.tmp"}},
        {naming + "aside h\nplacing\nplaced\n", "h=new h", {"h.tmo", "h.tmp"}},
    };
    for (const Case& c : cases)
        for (const bool users : {false, true})
        {
            SCOPED_TRACE(c.record + (users ? "the user's files" : "empty files"));
            Reset();
            std::vector<std::string> expected;
            for (const std::string& name : c.names)
            {
                const std::string file = name + "=" + (users ? "the user's " + name : "");
                Plant({file});
                if (users)
                    expected.push_back(file);
            }
            Plant({c.header, "replacing.tmr=" + c.record});
            const std::string said = Opening();
            expected.push_back(c.header);
            EXPECT_EQ(expected, Entries()) << said;
            for (const std::string& name : c.names)
                EXPECT_EQ(users, said.find(m_folder.Path(name)) != std::string::npos) << said;
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

#ifdef _WIN32
// Before, a run whose source could not go aside, and whose new header another program opened with no sharing once
// it went in, or whose old header it opened aside, said only why it failed, and the caller added that nothing was
// generated: the header keeps the run's new contents until it can be put back, and says so.
TEST_F(RecoveryWordsTest, ANewHeaderHeldWhenTheRunsUndoWouldPutItBackSaysItKeepsTheNewContents)
{
    for (const char* held : {"h", "h.tmo"})
    {
        SCOPED_TRACE(held);
        Reset();
        Plant({"h=old h", "c=old c"});
        CHeldOpen source(m_folder.Path("c").c_str());
        std::unique_ptr<CHeldOpen> header;
        DiskFaults faults;
        faults.afterMove = [this, &header, held](int move)
        {
            if (move == 2)  // the new header in
                header = std::make_unique<CHeldOpen>(m_folder.Path(held).c_str());
        };
        CString error;
        {
            CStandInDisk disk(faults);
            EXPECT_FALSE(Replace({"h", "c"}, "new", &error));
        }
        ExpectSaid(std::string(error), "; " + m_folder.Path("h") + " could not be put back yet, " +
                                           AsideSeen(held == std::string("h.tmo")));
        ExpectSaid(std::string(error), "; meanwhile " + m_folder.Path("h") + " keeps the run's new contents");
        EXPECT_TRUE(m_leftNew);
        header.reset();
        source.Release();
        EXPECT_EQ("new h", m_folder.Read("h"));
        EXPECT_EQ("an interrupted run that " + At() + " recorded was put right", Opening());
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
    }
}

// Before, an opening that another program kept from putting a run right named only that program's file, though
// the header, or the file the run made, kept the run's new contents meanwhile. What holds the run back is said,
// then what stands at each file that could not be put right, as far as it could be read.
TEST_F(RecoveryWordsTest, ARunHeldBackSaysWhatEachFileHoldsMeanwhile)
{
    const std::string unread = " could not be read (" + std::string(SystemErrorText(SharingViolation())) + ")";
    const std::string keepsNew = "; meanwhile " + m_folder.Path("h") + " keeps the run's new contents";
    const std::string heldUnread = "; meanwhile " + m_folder.Path("h") + unread;
    const std::string madeUnread = "; " + m_folder.Path("d") + ", which the run made," + unread;
    for (const auto& [held, said] :
         std::vector<std::pair<std::string, std::string>>{{"h", heldUnread}, {"h.tmo", keepsNew}, {"d", madeUnread}})
    {
        SCOPED_TRACE(held);
        ASSERT_TRUE(LeaveRunThatMadeD({"h", "c"}));
        CHeldOpen holder(m_folder.Path(held).c_str());
        const std::string opening = Opening();
        ExpectSaid(opening, "records cannot be put right while another program holds " + m_folder.Path(held) +
                                "; closing that program lets the run be put right at the next Save or opening");
        ExpectSaid(opening, said);
        if (held != "d")
            ExpectSaid(opening,
                       "; " + m_folder.Path("h") + " could not be put back yet, " + AsideSeen(held == "h.tmo"));
        holder.Release();
        EXPECT_EQ("an interrupted run that " + At() + " recorded was put right", Opening());
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
    }
}
#endif

// Before, a save of the user's reaching the header after the run proved it and before it went aside was left
// unnamed in the set-aside, the new header kept beside the old source with no word; and where the new header was
// then refused its place, the header was missing with no word of it, and then its new text whole was deleted from
// the temporary. Each is named, and the new header stays at the temporary while nothing stands at its name.
TEST_F(RecoveryWordsTest, AUsersSaveThatWentAsideWithTheOldHeaderIsNamedByTheRunsUndo)
{
    const std::string inTheSetAside =
        "; changed since, these are not the run's and were left as they are: " + m_folder.Path("h.tmo");
    ExpectSaid(ReplaceWithAUsersSaveAside(3),  // c going aside
               "; " + m_folder.Path("h") + " keeps the run's new contents" + inTheSetAside);
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=the user's h", "h=new h"}), Entries());

    const std::string refusedIn = ReplaceWithAUsersSaveAside(2);  // the new header going in
    ExpectSaid(refusedIn, "; " + m_folder.Path("h") + " is missing; " + m_folder.Path("h.tmp") +
                              " keeps the run's new contents" + inTheSetAside);
    EXPECT_TRUE(m_leftNew) << "nothing was generated is not said";
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=the user's h", "h.tmp=new h"}), Entries());
    EXPECT_EQ("", Opening()) << "the record went";
}

// Before, a header whose old contents were gone from their set-aside, beside another program's file at its name,
// had the run's whole new text deleted from its temporary, and the run was said to be put right. Both stay, and
// are named.
TEST_F(RecoveryWordsTest, AnotherProgramsFileWhereTheOldContentsAreGoneKeepsTheNewOneAtItsTemporary)
{
    for (const std::string other : {"the other program's h", ""})
    {
        SCOPED_TRACE(other.empty() ? "made, not yet written" : "written");
        Reset();
        Plant({"h=old h", "c=old c"});
        ASSERT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Move, 2)) << "killed with the old header aside";
        std::filesystem::remove(m_folder.Path("h.tmo"));
        Plant({"h=" + other});
        EXPECT_EQ("an interrupted run that " + At() + " recorded could not be undone whole; " + m_folder.Path("h.tmp") +
                      " keeps the run's new contents; changed since, these are not the run's and were left as they "
                      "are: " +
                      m_folder.Path("h"),
                  Opening());
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmp=new h", "h=" + other}), Entries());
    }
}

// Before, a save that put right a run cut off in its folder and then could not make its own record, as on a disk
// that filled meanwhile, said only why it failed: what putting the folder right did was lost with it.
TEST_F(RecoveryWordsTest, ASaveWhoseRecordCannotBeMadeStillSaysWhatPuttingTheFolderRightDid)
{
    Plant({"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c", "x.tmp=the user's"});
    RunSteps steps = StepsUntilAllWentIn({"h", "c"});
    steps.insert(steps.begin(), {RunStep::Old, "x"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), steps));
    DiskFaults full;
    full.refusedLine = "files being replaced";  // the new record's first line
    CStandInDisk disk(full);
    CString error, told;
    EXPECT_FALSE(Replace({"p"}, "new", &error, &told));
    ExpectSaid(std::string(error), "cannot create " + At());
    EXPECT_EQ("an interrupted run that " + At() +
                  " recorded was put right; these cannot be proven the run's and were left as they are: " +
                  m_folder.Path("x.tmp"),
              std::string(told));
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h", "x.tmp=the user's"}), Entries());
}

// Before, a run's undo that left a file new, or could not put a new file in where its old contents were gone,
// closed with the promise that the files are put back as they were at the next Save or opening: the next
// recovery keeps that file new, or puts the new one in.
TEST_F(RecoveryWordsTest, ARunsUndoThatLeavesAFileNewPromisesNothingOfTheNextSave)
{
    DiskFaults temporaryHeld;
    temporaryHeld.held = "c.tmp";
    const std::string keptNew = ReplaceWithAUsersSaveAside(3, temporaryHeld);
    ExpectSaid(keptNew, "; " + m_folder.Path("h") + " keeps the run's new contents");
    EXPECT_EQ(std::string::npos, keptNew.find("put back")) << keptNew;

    Reset();
    Plant({"h=old h", "c=old c"});
    DiskFaults asideDeleted;
    asideDeleted.afterMove = [this](int move)
    {
        if (move == 1)
            std::filesystem::remove(m_folder.Path("h.tmo"));
    };
    asideDeleted.heldInPlace = "h.tmp";
    const std::string newWaits = FailedOn(asideDeleted, {"h", "c"});
    ExpectSaid(newWaits, "; meanwhile " + m_folder.Path("h") + " is missing, its old contents gone, and " +
                             m_folder.Path("h.tmp") + " keeps the run's new contents");
    EXPECT_EQ(std::string::npos, newWaits.find("put back")) << newWaits;
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
                  " recorded was undone only as far as its record could be read, a line of it being damaged; these "
                  "cannot be proven the run's and were left as they are: " +
                  m_folder.Path("c.tmo") + " " + m_folder.Path("h.tmo"),
              Opening());
    EXPECT_EQ((std::vector<std::string>{"c.tmo=old c", "c=new c", "h.tmo=old h", "h=new h"}), Entries());
}

// Before, a record whose last line, saying the source went in, was damaged put the old header back and left the
// new source, called changed since; a new file said so was left the same way. Each line comes before its step:
// the step of a torn last line may have been taken or not, and the file's last written proof proves it the run's
// either way. Everything goes back as it was.
TEST_F(RecoveryWordsTest, ARecordWhoseLastLineIsTornIsUndoneWhole)
{
    for (const bool madeNew : {false, true})
    {
        SCOPED_TRACE(madeNew ? "a new file last" : "an old file last");
        Reset();
        Plant({"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c"});
        RunSteps steps = StepsUntilAllWentIn({"h", "c"});
        if (madeNew)
        {
            Plant({"d=new d"});
            steps.insert(steps.begin() + 2, {RunStep::New, "d"});
            steps.insert(steps.end(), {{RunStep::Wrote, "d"}, {RunStep::In, "d"}});
        }
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), steps));
        std::string record = m_folder.Read("replacing.tmr");
        record[record.rfind("in ")] = 'x';
        Plant({"replacing.tmr=" + record});
        EXPECT_EQ("an interrupted run that " + At() +
                      " recorded was undone only as far as its record could be read, a line of it being damaged",
                  Opening());
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
    }
}

// Before, a finished run whose record had a damaged line after it, as the next run's first, was said to be undone
// while its new files stayed.
TEST_F(RecoveryWordsTest, AFinishedRunWhoseRecordIsDamagedAfterItIsSaidToBeFinished)
{
    Plant({"h=new h", "h.tmo=old h"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"},
                                              {RunStep::Wrote, "h"},
                                              {RunStep::Aside, "h"},
                                              {RunStep::In, "h"},
                                              {RunStep::Placed, ""}}));
    Plant({"replacing.tmr=" + m_folder.Read("replacing.tmr") + "old c 0123456789abcdef\n"});
    EXPECT_EQ("the run that " + At() +
                  " recorded was finished only as far as its record could be read, a line of it being damaged",
              Opening());
    EXPECT_EQ((std::vector<std::string>{"h=new h"}), Entries());
}

// Before, an old file's line that was damaged, with a line after it, had the old header's set-aside named while
// the header's whole new text was deleted from its temporary and the header left missing with no word; and the
// word of the damaged line was lost behind the header's. Nothing is lost, and both are said.
TEST_F(RecoveryWordsTest, ADamagedLineOfAnOldFileGoingAsideLeavesNothingOfItLost)
{
    Plant({"h.tmo=old h", "h.tmp=new h", "c=old c", "c.tmo=", "c.tmp=new c"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"},
                                              {RunStep::Old, "c"},
                                              {RunStep::Wrote, "h"},
                                              {RunStep::Wrote, "c"},
                                              {RunStep::Aside, "h"},
                                              {RunStep::In, "h"}}));
    DamageLine("aside", "h");
    EXPECT_EQ("an interrupted run that " + At() +
                  " recorded was undone only as far as its record could be read, a line of it being damaged; " +
                  m_folder.Path("h") + " is missing; " + m_folder.Path("h.tmp") +
                  " keeps the run's new contents; these cannot be proven the run's and were left as they are: " +
                  m_folder.Path("h.tmo"),
              Opening());
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=old h", "h.tmp=new h"}), Entries());
}

// Before, a damaged line announcing the source left it missing, its old contents only in its set-aside beside
// its new temporary, with no word of either, and the record went. Past the damaged line nothing is known: each
// such file stays as it stands, and is named.
TEST_F(RecoveryWordsTest, ADamagedLineThatAnnouncedAFileLeavesItsNamesNamed)
{
    Plant({"h=new h", "h.tmo=old h", "c.tmo=old c", "c.tmp=new c", "x.tmo=the user's", "x=the user's"});
    RunSteps steps = StepsUntilTheFirstWentIn({"h", "c"});
    steps.emplace_back(RunStep::Aside, "c");
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), steps));
    DamageLine("old", "c");
    const std::vector<std::string> left = Entries();
    EXPECT_EQ("an interrupted run that " + At() +
                  " recorded was undone only as far as its record could be read, a line of it being damaged; " +
                  m_folder.Path("h") +
                  " keeps the run's new contents; these cannot be proven the run's and were left as they are: " +
                  m_folder.Path("h.tmo") + " " + m_folder.Path("c.tmo") + " " + m_folder.Path("c.tmp") + " " +
                  m_folder.Path("x.tmo"),
              Opening());
    std::vector<std::string> kept = left;
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [](const std::string& entry) { return entry.rfind("replacing.tmr=", 0) == 0; }),
               kept.end());
    EXPECT_EQ(kept, Entries());
}

// Before, a damaged line ended the record where it was, though a line after it, its own check holding, said the
// run was placed: the header went back old beside the new source. The run was finished: every file keeps the new
// contents, and an old file no whole line proves stays, named.
TEST_F(RecoveryWordsTest, ARunSaidPlacedPastADamagedLineIsFinished)
{
    Plant({"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c"});
    RunSteps steps = StepsUntilAllWentIn({"h", "c"});
    steps.emplace_back(RunStep::Placed, "");
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), steps));
    DamageLine("aside", "c");
    EXPECT_EQ("the run that " + At() +
                  " recorded was finished only as far as its record could be read, a line of it being damaged; these "
                  "cannot be proven the run's and were left as they are: " +
                  m_folder.Path("c.tmo"),
              Opening());
    EXPECT_EQ((std::vector<std::string>{"c.tmo=old c", "c=new c", "h=new h"}), Entries());
}

// Before, the earliest record's file replaced in one step kept the run's new contents with no word once the files
// were being placed, while the header went back old, and the run was said to be put right.
TEST_F(RecoveryWordsTest, TheEarliestRecordsFileReplacedInOneStepIsNamedWhenTheRunIsUndone)
{
    Plant({"h.tmo=old h", "c=new c", "replacing.tmr=files being replaced together\naside h\nover c\nplacing\n"});
    EXPECT_EQ("an interrupted run that " + At() + " recorded could not be undone whole; " + m_folder.Path("c") +
                  " cannot be proven the run's and is left as it is",
              Opening());
    EXPECT_EQ((std::vector<std::string>{"c=new c", "h=old h"}), Entries());
}

// Before, a run's own undo that could not remove a file it made, or put in a new file whose old one was gone
// meanwhile, said only why it failed, and the caller added that nothing was generated.
TEST_F(RecoveryWordsTest, ARunsOwnUndoSaysWhereAFileKeepsItsNewContents)
{
    Plant({"h=old h"});
    const std::string made = FailedWith(Holding("d"));
    ExpectSaid(made, "; " + m_folder.Path("d") +
                         ", which the run made, could not be removed yet; meanwhile it keeps the run's new contents");
    EXPECT_TRUE(m_leftNew);
    EXPECT_EQ((std::vector<std::string>{"d=new d", "h=old h", "replacing.tmr=" + m_folder.Read("replacing.tmr")}),
              Entries());
#ifdef _WIN32
    // The same where another program opened the new file with no sharing once it went in.
    Reset();
    Plant({"h=old h"});
    std::unique_ptr<CHeldOpen> holder;
    DiskFaults heldOnceIn;
    heldOnceIn.afterMove = [this, &holder](int move)
    {
        if (move == 3)
            holder = std::make_unique<CHeldOpen>(m_folder.Path("d").c_str());
    };
    ExpectSaid(FailedWith(heldOnceIn), "; " + m_folder.Path("d") +
                                           ", which the run made, could not be removed yet; meanwhile it keeps the "
                                           "run's new contents");
    holder.reset();
#endif

    Reset();
    Plant({"h=old h"});
    DiskFaults goneAside;
    goneAside.afterMove = [this](int move)
    {
        if (move == 1)  // the old header aside, then deleted
            std::filesystem::remove(m_folder.Path("h.tmo"));
    };
    goneAside.heldInPlace = "h.tmp";
    const std::string missing = FailedWith(goneAside);
    ExpectSaid(missing, "; " + m_folder.Path("h") + " could not be put in yet (");
    ExpectSaid(missing, "); meanwhile " + m_folder.Path("h") + " is missing, its old contents gone, and " +
                            m_folder.Path("h.tmp") + " keeps the run's new contents");
    EXPECT_EQ("new h", m_folder.Read("h.tmp"));
}

// Before, a temporary whose last bytes never reached the disk, as after a power loss, was said to be changed
// since and not the run's: nothing says which it is, a user's file or the run's own.
TEST_F(RecoveryWordsTest, ATemporaryWhoseBytesNeverAllReachedTheDiskIsNotSaidToBeChanged)
{
    const std::string text(8192, 'n');
    Plant({"h=old h", "h.tmo=", "h.tmp=" + text, "c=old c", "c.tmo=", "c.tmp=new c"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(),
                            {{RunStep::Old, "h"}, {RunStep::Old, "c"}, {RunStep::Wrote, "h"}, {RunStep::Wrote, "c"}}));
    Plant({"h.tmp=" + text.substr(0, 4096) + std::string(4096, '\0')});
    EXPECT_EQ("an interrupted run that " + At() +
                  " recorded was put right; these cannot be proven the run's and were left as they are: " +
                  m_folder.Path("h.tmp"),
              Opening());
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmp=" + m_folder.Read("h.tmp"), "h=old h"}), Entries());
}

// Before, a header whose set-aside another program held pending its deletion was said to have its old contents
// waiting there, and the run was promised to be put right once that program closed, though the set-aside goes
// with it; and a run the next recovery leaves mixed, the source keeping the new contents beside a save of the
// user's, was promised the same. The set-aside is said as seen, and nothing is promised.
TEST_F(RecoveryWordsTest, ARunHeldBackThatTheNextRecoveryCannotPutRightWholePromisesNothing)
{
    DiskFaults going;
    going.pendingRemoval = "h.tmo";
    DiskFaults held;
    held.heldInPlace = "h";
#ifdef _WIN32
    const std::string aside = " goes once the program that holds it lets it go";
#else
    // Taken for a file that cannot be read, the system here letting a pending deletion be read.
    const std::string aside = " could not be read (" + std::string(SystemErrorText(AccessDenied())) + ")";
#endif
    for (const auto& [faults, usersSave] : {std::pair{going, false}, std::pair{held, true}})
    {
        SCOPED_TRACE(usersSave ? "held, the user's save aside" : "set-aside going");
        Reset();
        Plant({"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c"});
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn({"h", "c"})));
        if (usersSave)
            Plant({"c.tmo=the user's c"});
        CStandInDisk disk(faults);
        const std::string opening = Opening();
        ExpectSaid(opening, "; " + m_folder.Path("h") + " could not be put back yet, " +
                                (usersSave ? "its old contents wait in " + m_folder.Path("h.tmo") + " ("
                                           : m_folder.Path("h.tmo") + aside + "; meanwhile"));
        if (usersSave)
            ExpectSaid(opening, "; " + m_folder.Path("c") + " keeps the run's new contents");
        if (usersSave || aside.find("goes") != std::string::npos)
            EXPECT_EQ(std::string::npos, opening.find("lets the run be put right")) << opening;
    }
}

// Before, a run refused because an earlier run could not be put right took that run's words, a file keeping the
// run's new contents, for its own: "nothing was generated" was withheld though this run wrote nothing.
TEST_F(RecoveryWordsTest, ARunRefusedByAnEarlierRunThatKeepsNewContentsLeftNothingNew)
{
    Plant({"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn({"h", "c"})));
    DiskFaults held;
    held.heldInPlace = "h";
    const std::string error = FailedOn(held, {"h", "c"});
    ExpectSaid(error, "; meanwhile " + m_folder.Path("h") + " keeps the run's new contents");
    EXPECT_FALSE(m_leftNew) << error;
    EXPECT_EQ("new h", m_folder.Read("h"));
}

// Before, a later recovery that could read neither the header nor its set-aside said the header kept the run's new
// contents. Nothing is said of the header but that it could not be read, whatever is seen aside: the record's word
// that the new header went in is no proof of what stands there now.
TEST_F(RecoveryWordsTest, AHeaderALaterRecoveryCannotReadBesideAnUnreadSetAsideIsSaidUnread)
{
    const std::string header = "; meanwhile " + m_folder.Path("h");
    for (const bool asideUnread : {false, true})
    {
        SCOPED_TRACE(asideUnread ? "set-aside unread" : "set-aside read");
        Reset();
        Plant({"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c"});
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn({"h", "c"})));
        DiskFaults unread;
        unread.unreadable = {"h"};
        if (asideUnread)
            unread.unreadable.insert("h.tmo");
        std::string opening;
        {
            CStandInDisk disk(unread);
            opening = Opening();
        }
        ExpectSaid(opening, "; " + m_folder.Path("h") + " could not be put back yet, " + AsideSeen(asideUnread));
        ExpectSaid(opening, header + " could not be read (" + std::string(SystemErrorText(SharingViolation())) + ")");
        EXPECT_EQ("new h", m_folder.Read("h"));
        EXPECT_EQ("old h", m_folder.Read("h.tmo"));
    }
}

// Before, a later recovery that could not read the header, or a file the run made, that the record said went in
// said it kept the run's new contents, though the user had changed it since. Only what is seen is said.
TEST_F(RecoveryWordsTest, AFileTheUserChangedThatALaterRecoveryCannotReadIsNotSaidNew)
{
    const std::string unread = " could not be read (" + std::string(SystemErrorText(SharingViolation())) + ")";
    for (const std::string file : {"h", "d"})
    {
        SCOPED_TRACE(file);
        ASSERT_TRUE(LeaveRunThatMadeD({"h", "c"}));
        Plant({file + "=the user's " + file});
        DiskFaults unreadable;
        unreadable.unreadable = {file};
        std::string opening;
        {
            CStandInDisk disk(unreadable);
            opening = Opening();
        }
        ExpectSaid(opening, file == "h" ? "; meanwhile " + m_folder.Path("h") + unread
                                        : "; " + m_folder.Path("d") + ", which the run made," + unread);
        EXPECT_EQ(std::string::npos, opening.find("new contents")) << opening;
        EXPECT_EQ("the user's " + file, m_folder.Read(file));
    }
}

// Before, a header that could not be read, its old contents gone from their set-aside, had the run's whole new
// text deleted from its temporary, perhaps its only copy. Nothing goes: the header blocks the run, and both are
// said as seen; once it can be read, what stands there decides.
TEST_F(RecoveryWordsTest, AnUnreadHeaderWhoseOldContentsAreGoneKeepsTheNewOneAtItsTemporary)
{
    Plant({"h=old h", "c=old c"});
    ASSERT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Move, 2)) << "killed with the old header aside";
    std::filesystem::remove(m_folder.Path("h.tmo"));
    Plant({"h=the other program's h"});
    DiskFaults unreadable;
    unreadable.unreadable = {"h"};
    std::string opening;
    {
        CStandInDisk disk(unreadable);
        opening = Opening();
    }
    ExpectSaid(opening, "; " + m_folder.Path("h") + " could not be read (" +
                            std::string(SystemErrorText(SharingViolation())) + "), its old contents gone; meanwhile " +
                            m_folder.Path("h.tmp") + " keeps the run's new contents");
    EXPECT_EQ(std::string::npos, opening.find("lets the run be put right")) << opening;
    EXPECT_EQ("new h", m_folder.Read("h.tmp"));
    ExpectSaid(Opening(), "; " + m_folder.Path("h.tmp") +
                              " keeps the run's new contents; changed since, these are not the run's and were left as "
                              "they are: " +
                              m_folder.Path("h"));
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmp=new h", "h=the other program's h"}), Entries());
}

// Before, a run's undo that put every file back but could not remove its own temporary, held by another program,
// promised the files would be put back at the next Save or opening, and never named the temporary. The files are
// said to hold their old contents, and the temporary what waits.
TEST_F(RecoveryWordsTest, ARunsUndoLeftOnlyItsTemporaryNamesItAndTheOldContents)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults scanned = Holding("h.tmp");
    scanned.heldInPlace = "h.tmp";
    const std::string error = FailedOn(scanned, {"h", "c"});
    ExpectSaid(error, "; the files hold their old contents; " + m_folder.Path("h.tmp") +
                          " could not be removed yet, as another program holds it; it goes at the next Save or "
                          "opening once it can");
    EXPECT_EQ(std::string::npos, error.find("put back")) << error;
    EXPECT_FALSE(m_leftNew);
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmp=new h", "h=old h",
                                        "replacing.tmr=" + m_folder.Read("replacing.tmr")}),
              Entries());
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
}

// Before, a file the recovery could not replace or remove, as one made read-only after a kill, was said to be in a
// folder that cannot be written; then, a file refused so in a folder that cannot be written was named instead. A
// file marked read-only is named with the step it refused; any other refused as access denied is the folder's.
TEST_F(RecoveryWordsTest, AFileThatCannotBeReplacedOrRemovedIsNamed)
{
    for (const bool readOnly : {true, false})
    {
        SCOPED_TRACE(readOnly ? "read-only" : "writable");
        const auto blocked = [&](const std::string& name, const std::string& step)
        {
            return "records cannot be put right, as " +
                   (readOnly ? m_folder.Path(name) + " is read-only and cannot be " + step
                             : std::string("the folder cannot be written")) +
                   " (" + std::string(SystemErrorText(AccessDenied())) +
                   "); the run is put right at the next Save or opening once it can be" + (readOnly ? "" : " written");
        };
        Reset();
        Plant({"h=old h", "c=old c"});
        ASSERT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Move, 3)) << "killed after the header went in";
        MarkReadOnly("h", readOnly);
        DiskFaults refusing;
        refusing.refusedMove = 1;
        {
            CStandInDisk disk(refusing);
            ExpectSaid(Opening(), blocked("h", "replaced"));
        }
        MarkReadOnly("h", false);
        Recover();
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());

        ASSERT_TRUE(LeaveRunThatMadeD({"h"}));
        MarkReadOnly("d", readOnly);
        refusing = DiskFaults();
        refusing.refusedRemoval = "d";
        {
            CStandInDisk disk(refusing);
            ExpectSaid(Opening(), blocked("d", "removed"));
        }
        MarkReadOnly("d", false);
        Recover();
        EXPECT_EQ((std::vector<std::string>{"h=old h"}), Entries());
    }
}

// A caller says a folder cannot be written only where the recovery's words do: a file marked read-only is named
// instead, and another program's hold, its file written meanwhile, or a folder out of reach comes first.
TEST(RecoveryWords, TheFolderIsSaidUnwritableExactlyWhereTheWordsSaySo)
{
    const CString h = "C:\\p\\h";
    // path, code, step, held, unreachable, stays, read-only, taken; and whether the folder is the one said to refuse.
    const std::vector<std::pair<RunBlocker, bool>> cases = {
        {{h, AccessDenied(), BlockedStep::Write}, true},
        {{h, AccessDenied(), BlockedStep::Replace}, true},
        {{h, 0, BlockedStep::Remove, false, false, true}, true},
        {{h, AccessDenied(), BlockedStep::Replace, false, false, false, true}, false},
        {{h, AccessDenied(), BlockedStep::Read}, false},
        {{h, SharingViolation(), BlockedStep::Move}, false},
        {{h, AccessDenied(), BlockedStep::Write, true}, false},
        {{h, AccessDenied(), BlockedStep::Replace, false, false, false, false, true}, false},
        {{h, 0, BlockedStep::Remove, false, true, true}, false},
    };
    for (const auto& [blocked, unwritable] : cases)
    {
        RunRecovery recovery;
        recovery.record = RecordLeft::Blocked;
        recovery.blocker = blocked;
        const std::string words(RecoveryText("C:\\p\\replacing.tmr", recovery));
        SCOPED_TRACE(words);
        EXPECT_EQ(unwritable, FolderCannotBeWritten(blocked));
        EXPECT_EQ(unwritable, words.find(", as the folder cannot be written") != std::string::npos);
    }
}

// Before, past a damaged line a set-aside of the user's whose file was absent had that file said to be missing,
// and a file a line past the damage said the run made was not named, its record then gone. Nothing proves either
// the run's: each stays as it stands, and is named so.
TEST_F(RecoveryWordsTest, PastADamagedLineNothingIsSaidMissingAndAFileMadeNewIsNamed)
{
    for (const char* made : {"d=", "d=new d"})
    {
        SCOPED_TRACE(made);
        Reset();
        Plant({"h=old h", "h.tmo=", "h.tmp=new h", "d.tmp=new d", made, "x.tmo=the user's x"});
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"}, {RunStep::New, "d"}, {RunStep::Wrote, "h"}}));
        DamageLine("old", "h");
        const std::vector<std::string> left = Entries();
        const std::string opening = Opening();
        ExpectSaid(opening, "; " + m_folder.Path("d") + " cannot be proven the run's and is left as it is");
        ExpectSaid(opening, " " + m_folder.Path("x.tmo"));
        EXPECT_EQ(std::string::npos, opening.find("missing")) << opening;
        std::vector<std::string> kept = left;
        kept.erase(std::remove_if(kept.begin(), kept.end(),
                                  [](const std::string& entry) { return entry.rfind("replacing.tmr=", 0) == 0; }),
                   kept.end());
        EXPECT_EQ(kept, Entries());
    }
}

// Before, memory running out in a run's own undo left the header, or the file the run made, with the run's new
// contents while the caller was told nothing new was left, and added that nothing was generated. Whatever
// allocation fails, it is told a file keeps new contents exactly where one does.
TEST_F(RecoveryWordsTest, MemoryRunningOutInARunsOwnUndoLeavesNoFileNewUntold)
{
    for (long succeeding = 0;; succeeding++)
    {
        SCOPED_TRACE("allocation " + std::to_string(succeeding) + " refused once both files went in");
        Reset();
        Plant({"h=old h"});
        std::unique_ptr<AllocationFault> fault;
        DiskFaults faults;
        faults.afterMove = [&fault, succeeding](int move)
        {
            if (move == 3)  // h and d in
                fault = std::make_unique<AllocationFault>(succeeding, AllocationFault::Threads::ThisOne);
        };
        faults.refusedLine = "placed";
        CString error;
        {
            CStandInDisk disk(faults);
            EXPECT_FALSE(Replace({"h", "d"}, "new", &error));
            fault.reset();
        }
        const bool happened = AllocationFault::Happened();
        bool keepsNew = false;
        for (const char* file : {"h", "d"})
            for (const std::string& name : {std::string(file), std::string(file) + ".tmp"})
                keepsNew = keepsNew || m_folder.Read(name) == std::string("new ") + file;
        EXPECT_EQ(keepsNew, m_leftNew) << error;
        if (!happened)
            break;
    }
}

// Before, a folder at the record's name, which the system will not open as a file, was said to be a run that
// could not be put right as the folder could not be written, and every save was refused until it could be. No run
// is there: the folder is in the way, and said so.
TEST_F(RecoveryWordsTest, AFolderAtTheRecordsNameIsInTheWay)
{
    Plant({"h=old h"});
    std::filesystem::create_directory(m_folder.Path("replacing.tmr"));
    const std::string inTheWay = At() + " is in the way; moving it elsewhere lets the files be written";
    EXPECT_EQ(inTheWay, Opening());
    CString error;
    EXPECT_FALSE(Replace({"h"}, "new", &error));
    EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + inTheWay, std::string(error));
    EXPECT_EQ("old h", m_folder.Read("h"));
    EXPECT_TRUE(std::filesystem::is_directory(m_folder.Path("replacing.tmr")));
}

// Before, a run put right whole whose record was marked read-only, as a checkout or a copy from read-only media
// marks it, said the record could not be removed until the folder could be written, though it can be; then, in a
// folder that cannot be written either, that it goes once it is no longer read-only, though it does not.
TEST_F(RecoveryWordsTest, ARecordMarkedReadOnlyIsSaidToBeSo)
{
    const std::string waits = "; only its record waits to go, as it is read-only and cannot be removed (" +
                              std::string(SystemErrorText(AccessDenied())) +
                              "); it goes at the next Save or opening once it can be removed";
    Plant({"h=new h", "h.tmo=old h"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn({"h"})));
    MarkReadOnly("replacing.tmr", true);
    DiskFaults refusing;
    refusing.refusedRemoval = "replacing.tmr";
    {
        CStandInDisk disk(refusing);
        EXPECT_EQ("an interrupted run that " + At() + " recorded was put right" + waits, Opening());
    }
    MarkReadOnly("replacing.tmr", false);
    EXPECT_EQ("", Opening());
    EXPECT_EQ((std::vector<std::string>{"h=old h"}), Entries());

    // Nothing to move, in a folder that cannot be written: only the record waits.
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"}}));
    MarkReadOnly("replacing.tmr", true);
    DiskFaults readOnly;
    readOnly.readOnly = true;
    {
        CStandInDisk disk(readOnly);
        EXPECT_EQ("an interrupted run that " + At() + " recorded was undone" + waits, Opening());
    }
    MarkReadOnly("replacing.tmr", false);
}

// Before, a header whose text the run left as it was, killed with it aside and its set-aside deleted since, was
// said to have lost its old contents while its temporary could not go in, or while the header could not be read:
// they wait whole at the temporary. Once in, it is put back as it was, and so the run is promised to be put right.
TEST_F(RecoveryWordsTest, AnOldTextWaitingAtItsTemporaryIsSaidToBeTheOldContents)
{
    for (const bool unread : {false, true})
    {
        SCOPED_TRACE(unread ? "header unread" : "folder read-only");
        Reset();
        Plant({"h.tmo=same h", "h.tmp=same h"});
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"}, {RunStep::Wrote, "h"}, {RunStep::Aside, "h"}}));
        std::filesystem::remove(m_folder.Path("h.tmo"));
        DiskFaults faults;
        faults.readOnly = !unread;
        if (unread)
        {
            Plant({"h=the user's h"});
            faults.unreadable = {"h"};
        }
        std::string opening;
        {
            CStandInDisk disk(faults);
            opening = Opening();
        }
        ExpectSaid(opening, ", and its old contents wait in " + m_folder.Path("h.tmp"));
        EXPECT_EQ(std::string::npos, opening.find("gone")) << opening;
        EXPECT_EQ(!unread, opening.find("the run is put right at the next Save or opening") != std::string::npos)
            << opening;
        EXPECT_EQ("same h", m_folder.Read("h.tmp"));
        if (unread)
            continue;
        EXPECT_EQ("an interrupted run that " + At() + " recorded was put right", Opening());
        EXPECT_EQ((std::vector<std::string>{"h=same h"}), Entries());
    }
}

// Before, a header whose text the run left as it was, killed before it went in and its set-aside deleted since,
// was said to have lost its old contents once the run's new file went in: it holds its old bytes exactly.
TEST_F(RecoveryWordsTest, ANewFileWithTheOldTextPutInWhereTheOldWasGoneIsSaidToBePutRight)
{
    Plant({"h.tmo=same h", "h.tmp=same h", "c=old c", "c.tmo=", "c.tmp=new c"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"},
                                              {RunStep::Old, "c"},
                                              {RunStep::Wrote, "h"},
                                              {RunStep::Wrote, "c"},
                                              {RunStep::Aside, "h"}}));
    std::filesystem::remove(m_folder.Path("h.tmo"));
    EXPECT_EQ("an interrupted run that " + At() + " recorded was put right", Opening());
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=same h"}), Entries());
}

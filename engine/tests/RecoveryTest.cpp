// A run of the writer cut off at any point, by a kill, a full or lost drive, a held file or another program,
// is put right at the next opening: all old or all new, the user's files kept and named.
#include "project/AtomicFile.h"
#include "project/ProjectFile.h"
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

// What a kill leaves of a group of three old files being replaced, the files named h, c and d: at each
// point of writing the temporaries, placing the files, settling and putting them back after a failure.
struct KilledAt
{
    const char* where;
    std::vector<std::string> files;  // name=contents; "x.tmp" and "x.tmo" stand for the temporary and set-aside
    bool allNew;                     // the group was all in
};

const std::vector<KilledAt> kKillPoints = {
    {"writing the first temporary", {"h=old h", "c=old c", "d=old d", "h.tmp=ne"}, false},
    {"writing the last temporary", {"h=old h", "c=old c", "d=old d", "h.tmp=new h", "c.tmp=new c", "d.tmp=ne"}, false},
    {"setting the first aside",
     {"h.tmo=old h", "c=old c", "d=old d", "h.tmp=new h", "c.tmp=new c", "d.tmp=new d"},
     false},
    {"after the first is in", {"h=new h", "h.tmo=old h", "c=old c", "d=old d", "c.tmp=new c", "d.tmp=new d"}, false},
    {"setting the second aside",
     {"h=new h", "h.tmo=old h", "c.tmo=old c", "d=old d", "c.tmp=new c", "d.tmp=new d"},
     false},
    {"after the second is in", {"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c", "d=old d", "d.tmp=new d"}, false},
    {"after the last is in", {"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c", "d=new d"}, true},
    {"settling", {"h=new h", "c=new c", "c.tmo=old c", "d=new d"}, true},
    {"putting the files back", {"h=new h", "h.tmo=old h", "c=old c", "d=old d", "d.tmp=ne"}, false},
    {"removing the temporaries of a failed group", {"h=old h", "c=old c", "d=old d", "c.tmp=new c"}, false},
};

}  // namespace

// Before, a run was taken as finished when its last temporary was gone, and a file of a run's name that a
// user made after a kill was moved or removed. A kill at each step of a run and then at each step of the
// opening's own recovery, then an opening and a Generate: one generation, the user's files byte for byte.
TEST_F(RecoveryTest, AGroupCutOffAtAnyPointIsMadeAllOldOrAllNew) { KillEachStepThenOpen(DiskFaults()); }

// The same for a run whose last file is refused: a kill at each step of its own undoing.
TEST_F(RecoveryTest, AFailedGroupsOwnUndoingCutOffAtAnyStepIsMadeAllOld)
{
    DiskFaults faults;
    faults.refusedMove = 5;  // d going in, after h and c went aside and in
    KillEachStepThenOpen(faults);
}

// Before, a run that went on in the record of a finished run whose old file another program held was not
// covered: cut off, it could leave the folder refusing every save. Killed at each step, from the record
// started anew to its own undoing, and then opened: one generation, the finished run's old file gone.
TEST_F(RecoveryTest, AGroupCutOffAfterAFinishedRunWhoseOldFileIsHeldIsMadeAllOldOrAllNew)
{
    KillEachStepThenOpen(DiskFaults(), true);
    DiskFaults faults;
    faults.refusedMove = 5;
    KillEachStepThenOpen(faults, true);
}

// Before, any temporary of a group's names made the next opening put every set-aside back: the user's
// own "<file>.tmo" replaced their file and their ".tmp" was deleted. Without a record of the designer's
// run, nothing beside the files is moved or removed.
TEST_F(RecoveryTest, LeftoversThatNoRecordNamesAreLeftAlone)
{
    for (const KilledAt& kill : kKillPoints)
    {
        SCOPED_TRACE(kill.where);
        Reset();
        Plant(kill.files);
        const std::vector<std::string> before = Entries();
        Recover();
        EXPECT_EQ(before, Entries());
    }
    Reset();
    Plant({"h=old h", "h.tmo=old h", "c=old c", "c.tmp=the user's"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c.tmp=the user's", "c=old c", "h.tmo=old h", "h=old h"}), Entries())
        << "a copy equal to its file is the user's too";
}

// Before, a Generate killed after its last file went in left set-asides that a later one-file save's
// temporary made the next opening put back: two files the generation before last, one the latest.
// The editors' files were saved one by one, so a save cut off between two of them left that mix too.
TEST_F(RecoveryTest, AFinishedRunIsSettledAndALaterSaveCutOffPutsNothingOlderBack)
{
    Plant({"h=gen0 h", "c=gen0 c", "d=gen0 d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "gen1", Step::Remove, 1)) << "killed removing the first set-aside";
    EXPECT_TRUE(std::filesystem::exists(m_folder.Path("c.tmo")));

    // The next Generate finds the run all in and takes away what it left, and nothing the user made
    // since; the editors save their files together.
    Plant({"c.tmp=the user's"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c.tmp=the user's", "c=gen1 c", "d=gen1 d", "h=gen1 h"}), Entries());
    std::filesystem::remove(m_folder.Path("c.tmp"));
    CString error;
    EXPECT_TRUE(Replace({"h", "c", "d"}, "gen2", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=gen2 c", "d=gen2 d", "h=gen2 h"}), Entries());

    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "gen3", Step::Move, 3)) << "a save killed after its first file";
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=gen2 c", "d=gen2 d", "h=gen2 h"}), Entries());

    // Killed the same way, the group is put right by its own next run.
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "gen3", Step::Remove, 1));
    EXPECT_TRUE(Replace({"h", "c", "d"}, "gen4", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=gen4 c", "d=gen4 d", "h=gen4 h"}), Entries());
}

// Before, the drive going away between two renames left the first file new and the others old, with
// the rename the system called failed done all the same; only a later save mended it.
TEST_F(RecoveryTest, ADriveGoneBetweenTwoRenamesIsUndoneWhenItComesBack)
{
    Plant({"h=old h", "c=old c", "d=old d"});
    // h goes aside (1), h's temporary goes in (2, done but called failed), then the drive is gone.
    const std::string words = ReplaceWithDriveGone(2, 2);
    EXPECT_EQ(0u, words.find("cannot replace " + m_folder.Path("c") + ": ")) << words;
    EXPECT_NE(std::string::npos,
              words.find(m_folder.Path("h") + " could not be put back yet, its old contents wait in " +
                         m_folder.Path("h.tmo")))
        << words;
    EXPECT_NE(std::string::npos, words.find("; the old files are put back at the next Save or opening")) << words;

    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=old c", "d=old d", "h=old h"}), Entries());
}

// Before, the last file's move failing with the drive gone was said to make the files all new at the next
// opening if it went in: a run is now finished only once its record says so, and undone otherwise.
TEST_F(RecoveryTest, ALastFileThatMayBeInIsUndoneAndSaidToBePutBack)
{
    Plant({"h=old h", "c=old c", "d=old d"});
    // h, c and d go aside and h and c in (1-5), then the drive is gone as d goes in.
    const std::string words = ReplaceWithDriveGone(0, 5);
    EXPECT_EQ(0u, words.find("cannot replace " + m_folder.Path("d") + ": ")) << words;
    EXPECT_NE(std::string::npos, words.find("; the old files are put back at the next Save or opening")) << words;
    EXPECT_EQ(std::string::npos, words.find("all new")) << words;
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=old c", "d=old d", "h=old h"}), Entries());
}

// Before, a run whose "placed" could not be written went on as finished: the record's line is the one
// point at which a run is all in, so without it the run is undone and says why.
TEST_F(RecoveryTest, AGroupWhosePlacedLineCannotBeWrittenIsUndone)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults faults;
    faults.refusedLine = "placed";
    faults.doneButFails = 4;  // c goes in, and the system calls its move failed
    const std::string error = FailedOn(faults, {"h", "c", "d"});
    EXPECT_EQ(0u, std::string(error).find("cannot write " + m_folder.Path("h") + " while replacing it: cannot write " +
                                          m_folder.Path("replacing.tmr") + ": "))
        << error;
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
}

// Before, two programs replacing the same files at once were told of the system's errors, as "Sharing
// violation", and not of each other; then, that the other wrote the same files whatever it wrote.
TEST_F(RecoveryTest, AnotherProgramsRunInTheFolderIsNamedAndLeftAlone)
{
    Plant({"h=old h", "c=old c"});
    CRunRecord other;
    ASSERT_EQ(CRunRecord::Opened::Held, other.Create(RecordPathOf(m_folder.Path("h").c_str())));
    RunContents run;
    ASSERT_TRUE(other.Note(RunStep::Old, m_folder.Path("x").c_str(), &run));
    CString error;
    {
        CStandInDisk disk;
        EXPECT_FALSE(Replace({"h", "c"}, "new", &error));
        EXPECT_LT(0, disk.Pauses()) << "refused only after a wait";
    }
    EXPECT_EQ("cannot replace " + m_folder.Path("h") +
                  ": another program is saving files in this folder; try again when it is done",
              std::string(error));
    Recover();
    EXPECT_EQ("old h", m_folder.Read("h"));
    EXPECT_EQ("old c", m_folder.Read("c"));
    EXPECT_TRUE(std::filesystem::exists(m_folder.Path("replacing.tmr"))) << "the other program's record is its own";
}

// Before, a designer saving its own project in the folder refused the other's Save and Generate at once.
// The run waits for the other's to end, or be cut off, and then goes on.
TEST_F(RecoveryTest, AnotherProgramsRunThatEndsWhileTheRunWaitsLetsItGoOn)
{
    Plant({"h=old h", "c=old c"});
    const CString at = RecordPathOf(m_folder.Path("h").c_str());
    auto other = std::make_unique<CRunRecord>();
    ASSERT_EQ(CRunRecord::Opened::Held, other->Create(at));
    CString error;
    {
        DiskFaults ends;
        ends.onPause = [&other] { EXPECT_TRUE(other->Remove()); };
        CStandInDisk disk(ends);
        EXPECT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
        EXPECT_EQ(1, disk.Pauses());
    }
    EXPECT_EQ((std::vector<std::string>{"c=new c", "h=new h"}), Entries());

    // Killed meanwhile, its record stays behind unheld: it is put right, and the run goes on.
    other = std::make_unique<CRunRecord>();
    ASSERT_EQ(CRunRecord::Opened::Held, other->Create(at));
    RunContents run;
    ASSERT_TRUE(other->Note(RunStep::New, m_folder.Path("x").c_str(), &run));
    {
        DiskFaults killed;
        killed.onPause = [&other] { other.reset(); };
        CStandInDisk disk(killed);
        EXPECT_TRUE(Replace({"h", "c"}, "newer", &error)) << error;
    }
    EXPECT_EQ((std::vector<std::string>{"c=newer c", "h=newer h"}), Entries());
}

// Before, a run cut off whose temporary another program held kept its record, and every later save in
// the folder was refused with "replacing.tmr is in the way", naming neither the file nor what to do.
TEST_F(RecoveryTest, ARunCutOffThatAHeldFileKeepsNamesThatFileUntilItIsFree)
{
    Plant({"h=old h", "c=old c", "d=old d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "new", Step::Move, 2)) << "killed after the first set-aside";
    EXPECT_EQ("cannot replace " + m_folder.Path("p") + ": an interrupted run that " + m_folder.Path("replacing.tmr") +
                  " records cannot be put right while another program holds " + m_folder.Path("c.tmp") +
                  "; closing that program lets the run be put right at the next Save or opening",
              FailedOn(Holding("c.tmp"), {"p"}));
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path("p")));

    CString error;
    EXPECT_TRUE(Replace({"p"}, "new", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=old c", "d=old d", "h=old h", "p=new p"}), Entries());
}

#ifdef _WIN32
// Moving over a file another program holds is often refused as access denied: the file held is still named.
TEST_F(RecoveryTest, AnOldFileThatCannotGoBackOverAHeldFileNamesItWhateverTheSystemCallsIt)
{
    Plant({"h=old h", "c=old c", "d=old d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "new", Step::Move, 3)) << "killed after the first file went in";
    CHeldOpen held(m_folder.Path("h").c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(held.IsHeld());
    CString error;
    {
        DiskFaults refused;
        refused.refusedMove = 1;
        CStandInDisk disk(refused);
        EXPECT_FALSE(Replace({"p"}, "new", &error));
    }
    held.Release();
    EXPECT_NE(std::string::npos, std::string(error).find(" records cannot be put right while another program holds " +
                                                         m_folder.Path("h") + ";"))
        << error;
}
#endif

// Before, a folder made read-only after a kill kept the run's mixed files, and every save was told that
// the next Save or opening would put the run right, which it never could.
TEST_F(RecoveryTest, ARunCutOffInAFolderThatCannotBeWrittenSaysSo)
{
    Plant({"h=old h", "c=old c", "d=old d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "new", Step::Move, 3)) << "killed after the first file went in";
    {
        // Its files can still be written, as in a folder whose own rights were taken: no name can go.
        DiskFaults readOnly;
        readOnly.readOnly = true;
        CStandInDisk disk(readOnly);
        CString error;
        EXPECT_FALSE(Replace({"p"}, "new", &error));
        EXPECT_EQ("cannot replace " + m_folder.Path("p") + ": an interrupted run that " +
                      m_folder.Path("replacing.tmr") +
                      " records cannot be put right, as the folder cannot be written (" +
                      std::string(SystemErrorText(AccessDenied())) +
                      "); the run is put right at the next Save or opening once it can be written" +
                      HeaderWaits(AccessDenied()),
                  std::string(error));
        const std::vector<std::string> entries = Entries();
        for (const char* kept : {"c=old c", "d=old d", "h.tmo=old h"})
            EXPECT_NE(entries.end(), std::find(entries.begin(), entries.end(), kept)) << kept;
    }
    // Writable again, the next opening makes the files all old.
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=old c", "d=old d", "h=old h"}), Entries());
}

// Before, a record that could not be made, as on a drive that cannot be written, was said to fail with
// "File not found": asking whether it existed took the place of the system's error.
TEST_F(RecoveryTest, ARecordThatCannotBeMadeGivesTheSystemsOwnReason)
{
    Plant({"h=old h"});
    for (const bool made : {true, false})
    {
        SCOPED_TRACE(made ? "its first line refused" : "the record itself refused");
        DiskFaults refused;
        refused.refusedLine = made ? "files being replaced together" : "";
        refused.recordRefused = !made;
        CStandInDisk disk(refused);
        CString error;
        EXPECT_FALSE(Replace({"h"}, "new", &error));
        const unsigned long code = made ? WriteFault() : WriteProtected();
        EXPECT_EQ("cannot write " + m_folder.Path("h") + " while replacing it: cannot create " +
                      m_folder.Path("replacing.tmr") + ": " + std::string(SystemErrorText(code)),
                  std::string(error));
        EXPECT_EQ((std::vector<std::string>{"h=old h"}), Entries());
    }
}

// A line the drive stops part way is cut away before the next goes in, or, where it cannot be, no line
// follows it: either way the record reads as far as its last whole line, and the run is put right.
TEST_F(RecoveryTest, ALineWrittenHalfIsCutAwayOrEndsTheRecord)
{
    for (const bool cutRefused : {false, true})
    {
        SCOPED_TRACE(cutRefused ? "the half line stays" : "the half line is cut away");
        Reset();
        Plant({"h=old h", "c=old c"});
        DiskFaults faults = Holding("h.tmp");  // keeps the record after the run's own undo
        faults.refusedLine = "in h";
        faults.cutRefused = cutRefused;
        FailedOn(faults, {"h", "c"});
        const std::string record = m_folder.Read("replacing.tmr");
        const std::string half = record.substr(record.rfind('\n') + 1);
        EXPECT_EQ(cutRefused, !half.empty());
        EXPECT_EQ(0u, half.find(cutRefused ? "in h" : "")) << half;
        Recover();
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
    }
}

// Before, the set-aside files were "<file>.old", as users name their own copies: Generate replaced and
// then removed such a copy, and every open removed it beside its file. An old file a failure left aside
// and named stays until it is no longer needed.
TEST_F(RecoveryTest, TheUsersCopiesAndAnOldFileAFailureNamedAreKept)
{
    Plant({"h=old h", "c=old c", "h.old=the user's", "c.old=the user's", "d.tmo=old d", "d=new d", "c.tmo=old c"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c.old=the user's", "c.tmo=old c", "c=old c", "d.tmo=old d", "d=new d",
                                        "h.old=the user's", "h=old h"}),
              Entries())
        << "no record of a run names c.tmo";

    // Each old file goes aside as its new one goes in: c's is taken, and replacing c is refused.
    CString error;
    EXPECT_FALSE(Replace({"h", "c"}, "new", &error));
    EXPECT_NE(std::string::npos, std::string(error).find(m_folder.Path("c.tmo") + " is in the way")) << error;
    EXPECT_TRUE(Replace({"h"}, "new", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c.old=the user's", "c.tmo=old c", "c=old c", "d.tmo=old d", "d=new d",
                                        "h.old=the user's", "h=new h"}),
              Entries());
}

// A group whose set-aside name is taken is refused before anything is touched, so the old file there
// is never replaced, and the user is told what to move.
TEST_F(RecoveryTest, AGroupWhoseOldFileWouldReplaceOneAlreadyAsideIsRefused)
{
    Plant({"h=old h", "c=old c", "h.tmo=older h"});
    const std::string header(300, 'h'), source(500, 'c');
    CString error;
    EXPECT_FALSE(ReplaceFilesTogether({{m_folder.Path("h").c_str(), ContentsOf(header.data(), header.size())},
                                       {m_folder.Path("c").c_str(), ContentsOf(source.data(), source.size())}},
                                      &error));
    EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + m_folder.Path("h.tmo") +
                  " is in the way; moving it elsewhere lets the files be written",
              std::string(error));
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=older h", "h=old h"}), Entries());
}

// Before, a record was recovered only while the project it named was open, and only under the paths it
// was written with: one project's run cut off refused every save of the others in the folder, and so did
// the folder moved or reached by another drive letter, for good.
TEST_F(RecoveryTest, ARunOfAnyProjectInTheFolderIsPutRightWhereverTheFolderIsReached)
{
    Plant({"x=old x", "y=old y", "h=old h"});
    ASSERT_TRUE(ReplaceKilled({"x", "y"}, "new", Step::Move, 2)) << "killed after the first file went in";
    EXPECT_EQ(std::string::npos, m_folder.Read("replacing.tmr").find(m_folder.Path()))
        << "the files are named without their folder";
    CString error;
    EXPECT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=new c", "h=new h", "x=old x", "y=old y"}), Entries());

    // That record proves no file at its own name: x is cut off after it went aside, before its new one went in.
    Reset();
    Plant({"x.tmo=old x", "y=old y", "y.tmp=new y",
           "replacing.tmr=files being replaced together\naside F:\\elsewhere\\x\nover /elsewhere/y\nplacing\n"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"x=old x", "y.tmp=new y", "y=old y"}), Entries());
}

// Before, a file of the record's name that the user made was called an interrupted run that the next
// Save would put right, and it never was; an empty one was deleted as if it were the designer's.
TEST_F(RecoveryTest, AFileOfTheRecordsNameThatIsNoRecordIsNamedAsInTheWay)
{
    Plant({"h=old h", "replacing.tmr=the user's"});
    CString error;
    EXPECT_FALSE(Replace({"h"}, "new", &error));
    EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + m_folder.Path("replacing.tmr") +
                  " is in the way; moving it elsewhere lets the files be written",
              std::string(error));
    EXPECT_EQ((std::vector<std::string>{"h=old h", "replacing.tmr=the user's"}), Entries());

    // A run killed before its first line was whole left these.
    for (const char* cutOff : {"", "files being repl"})
    {
        Reset();
        Plant({"h=old h", std::string("replacing.tmr=") + cutOff});
        EXPECT_TRUE(Replace({"h"}, "new", &error)) << error;
        EXPECT_EQ((std::vector<std::string>{"h=new h"}), Entries());
    }
}

// Before, an old file or temporary that another program held was left behind with no record naming
// it, and the next run blamed the user for it.
TEST_F(RecoveryTest, AFileOfTheRunThatIsHeldIsRemovedByTheNextRun)
{
    Plant({"h=old h", "c=old c"});
    CString error;
    {
        CStandInDisk disk(Holding("h.tmo"));
        EXPECT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
    }
    EXPECT_TRUE(Replace({"h", "c"}, "newer", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=newer c", "h=newer h"}), Entries());

    Plant({"d=old d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "newest", Step::Move, 4)) << "killed after the second file went in";
    {
        CStandInDisk disk(Holding("c.tmp"));
        Recover();
    }
    EXPECT_TRUE(Replace({"h", "c", "d"}, "newest", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=newest c", "d=newest d", "h=newest h"}), Entries());
}

// Before, a run killed once its last file was in, and a temporary the user then made of that file's
// name, made the next opening undo the run: the old files came back beside the new last one, and the
// user's file was deleted.
TEST_F(RecoveryTest, ARunSaidPlacedIsFinishedWhateverTheUserMadeSince)
{
    Plant({"h=old h", "c=old c", "d=old d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "new", Step::Remove, 1)) << "killed removing the first set-aside";
    Plant({"d.tmp=the user's"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=new c", "d.tmp=the user's", "d=new d", "h=new h"}), Entries());
}

// Before, recovery said what it had put right only when it could not finish: a kill inside it left the
// record calling names the run's that it had already freed, and a file the user then made there was
// moved over the old one or deleted at the next opening.
TEST_F(RecoveryTest, AFileTheUserMakesAfterAKillInsideTheRecoveryIsKept)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults faults = KillingAt(Step::Move, 7);  // putting h back, after c's set-aside went back over c
    faults.refusedMove = 5;                        // the new d going in
    ASSERT_TRUE(ReplaceOn(faults, {"h", "c", "d"}, "new").killed);
    Plant({"c.tmo=the user's c"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c.tmo=the user's c", "c=old c", "h=old h"}), Entries());

    Reset();
    Plant({"h=old h", "c=old c", "d=old d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "new", Step::Remove, 2)) << "settling, after d's set-aside went";
    Plant({"d.tmo=the user's d"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=new c", "d.tmo=the user's d", "d=new d", "h=new h"}), Entries());
}

// Before, a move the system called failed counted as done once its source was gone: with the temporary of
// a new file deleted meanwhile, the run said it had replaced the files and left that file empty.
TEST_F(RecoveryTest, ATemporaryDeletedBeforeItGoesInFailsTheRun)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults faults;
    faults.deletedFirst = "d.tmp";
    const std::string error = FailedOn(faults, {"h", "c", "d"});
    EXPECT_EQ(0u, std::string(error).find("cannot replace " + m_folder.Path("d") + ": ")) << error;
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
}

// Before, the new header went in over its name as soon as the old one was aside: another program's save there
// in that moment was replaced and lost, and the run said it had replaced the files. The run stops, keeps that
// save and names it beside the old header, even where the save has made its file but written nothing yet.
TEST_F(RecoveryTest, AFileAnotherProgramSavesAsItsOldOneIsAsideIsKept)
{
    for (const std::string saved : {"the other program's h", ""})
    {
        SCOPED_TRACE(saved.empty() ? "made, not yet written" : "written");
        Reset();
        Plant({"h=old h", "c=old c"});
        DiskFaults faults;
        faults.beforeMove = [this, saved](const std::string& name)
        {
            if (name == "h" && !std::filesystem::exists(m_folder.Path("h")))
                Plant({"h=" + saved});
        };
        const std::string error = FailedOn(faults, {"h", "c"});
        EXPECT_EQ(0u, error.find("cannot replace " + m_folder.Path("h") + ": ")) << error;
        EXPECT_NE(std::string::npos, error.find("another program wrote " + m_folder.Path("h"))) << error;
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=old h", "h=" + saved}), Entries());
        const std::string named = " was changed since and is left as it is; its old contents wait in ";
        EXPECT_NE(std::string::npos, error.find(m_folder.Path("h") + named + m_folder.Path("h.tmo"))) << error;
    }
}

// Before, an empty design another program made at File > New's name just as the write reserved it was taken for
// the reservation and removed by the write's undo, and a design another program wrote over the reservation as the
// write went on was replaced. The write refuses, saying the design exists, and leaves it as it is.
TEST_F(RecoveryTest, ANewDesignNeverRemovesNorReplacesOneAnotherProgramMakesAtItsName)
{
    const std::string path = m_folder.Path("chat.kvs"), design = "<solution><project name=\"chat\"/></solution>";
    ProjectRecord project;
    ASSERT_TRUE(CopyFixedText(project.name, "chat"));
    struct Case
    {
        const char* moment;
        bool over;  // written over the reservation as the temporary is written, else made as the name is reserved
        std::string theirs;
    };
    for (const Case& made :
         {Case{"made empty at the reservation", false, ""}, Case{"made at the reservation", false, design},
          Case{"written over the reservation", true, design}})
    {
        SCOPED_TRACE(made.moment);
        Reset();
        const auto theirs = [this, &made] { Plant({"chat.kvs=" + made.theirs}); };
        DiskFaults faults;
        if (made.over)
            faults.beforeWrite = theirs;
        else
            faults.beforeCreate = [&theirs](const std::string& name)
            {
                if (name == "chat.kvs")
                    theirs();
            };
        CString error;
        {
            CStandInDisk disk(faults);
            EXPECT_FALSE(WriteNewProjectFile(project, path.c_str(), &error));
        }
        EXPECT_EQ("the file " + path + " already exists!", std::string(error));
        EXPECT_EQ(std::vector<std::string>{"chat.kvs=" + made.theirs}, Entries());
    }
}

// Before, a file the group made where there was none, written over by another program as its temporary was
// written, was refused as though it had been replaced. It is kept, and said written meanwhile.
TEST_F(RecoveryTest, AFileAnotherProgramWritesAsTheGroupMakesItIsSaidWrittenNotReplaced)
{
    Plant({"c=old c"});
    DiskFaults faults;
    faults.beforeWrite = [this] { Plant({"h=the other program's h"}); };
    const std::string error = FailedOn(faults, {"h", "c"});
    EXPECT_EQ(0u, error.find("cannot replace " + m_folder.Path("h") + ": another program wrote " + m_folder.Path("h") +
                             " as it was being written"))
        << error;
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=the other program's h"}), Entries());
}

// Before, recovery moved the old header back, or the new one in, over its name once it had seen it free:
// another program's save there in that moment was lost. It is kept, and named beside the old one.
TEST_F(RecoveryTest, AFileAnotherProgramSavesAsRecoveryPutsItsNameBackIsKept)
{
    for (const bool oldGone : {false, true})
    {
        SCOPED_TRACE(oldGone ? "the new header goes in" : "the old header goes back");
        const std::string said = OpenedAsAnotherProgramWritesTheHeader(oldGone, DiskFaults());
        EXPECT_EQ("the other program's h", m_folder.Read("h"));
        EXPECT_EQ("old c", m_folder.Read("c"));
        EXPECT_EQ(!oldGone, std::filesystem::exists(m_folder.Path("h.tmo")));
        EXPECT_NE(std::string::npos, said.find(m_folder.Path("h"))) << said;
        if (oldGone)
            EXPECT_EQ("new h", m_folder.Read("h.tmp")) << "the run's new header, all it has, stays";
    }
}

// Before, a name found taken again when recovery looked twice left the run said to be put right: its record went,
// and the old header waited aside unnamed, or the new one, its old contents gone, at its temporary; once the first
// was fixed, the folder was said not to be written, and the run promised to be put right once it could. The run
// stays to be put right, and says what holds it and where the header's contents wait.
TEST_F(RecoveryTest, ANameTakenAgainAfterASecondLookKeepsTheRun)
{
    for (const bool oldGone : {false, true})
    {
        SCOPED_TRACE(oldGone ? "the new header goes in" : "the old header goes back");
        // Its file goes again after the first refusal only.
        bool gone = false;
        DiskFaults faults;
        faults.afterRefusedMove = [this, &gone](const std::string& name)
        {
            if (name == "h" && !gone)
                gone = std::filesystem::remove(m_folder.Path("h"));
        };
        const std::string said = OpenedAsAnotherProgramWritesTheHeader(oldGone, faults);
        const std::string waits = oldGone ? "h.tmp" : "h.tmo";
        const std::string held = " records cannot be put right, as another program wrote " + m_folder.Path("h");
        EXPECT_EQ(0u, said.find("an interrupted run that " + At() + held + " as it was being put right; ")) << said;
        EXPECT_EQ(std::string::npos, said.find("once it can be written")) << said;
        EXPECT_NE(std::string::npos, said.find(m_folder.Path(waits))) << said;
        EXPECT_NE(std::string::npos, said.find("meanwhile " + m_folder.Path("h") + " is left as it is")) << said;
        EXPECT_TRUE(std::filesystem::exists(At()));
        EXPECT_EQ("the other program's h", m_folder.Read("h"));
        EXPECT_EQ(oldGone ? "new h" : "old h", m_folder.Read(waits));
    }
}

// One folder, one record: it is found from the folder alone, given with its separator or without.
TEST_F(RecoveryTest, TheRunCutOffInAFolderIsFoundFromTheFolderAlone)
{
    for (const bool separator : {true, false})
    {
        Reset();
        Plant({"h=old h"});
        ASSERT_TRUE(ReplaceKilled({"h"}, "new", Step::Move, 2));
        std::string folder = (std::filesystem::path(m_folder.Path()) / "").string();
        if (!separator)
            folder.pop_back();
        RecoverInterruptedRun(folder.c_str());
        EXPECT_EQ(std::vector<std::string>{"h=old h"}, Entries());
    }
}

// Before, a failed run whose record a held temporary kept had the next run remove the files it had put
// right once more: a file the user wrote since at a new file's name was deleted with no word.
TEST_F(RecoveryTest, AFileTheUserWritesAfterAFailedRunWhoseRecordStayedIsKept)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults faults = Holding("d.tmp");
    faults.refusedMove = 5;  // the new d going in: its temporary stays, held
    FailedOn(faults, {"h", "c", "d"});
    ASSERT_TRUE(std::filesystem::exists(m_folder.Path("replacing.tmr"))) << "kept for the held temporary";
    Plant({"d=the user's d"});
    CString error;
    EXPECT_TRUE(Replace({"h"}, "newer", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=old c", "d=the user's d", "h=newer h"}), Entries());
}

// A line a kill cut off announces no step, and recovery writes none of its own: a recovery that cannot
// finish leaves the record as it was, for the next one to read the same way.
TEST_F(RecoveryTest, ALineAKillCutOffIsCutAwayBeforeTheNextLine)
{
    Plant({"h=old h"});
    ASSERT_TRUE(ReplaceKilled({"h"}, "new", Step::Move, 1)) << "killed as h went aside";
    const std::string record = m_folder.Read("replacing.tmr");
    ASSERT_TRUE(m_folder.Write("replacing.tmr", record + "in"));
    {
        CStandInDisk disk(Holding("h.tmp"));
        Recover();
    }
    EXPECT_EQ(record + "in", m_folder.Read("replacing.tmr"));
    CString error;
    EXPECT_TRUE(Replace({"h"}, "newer", &error)) << error;
    EXPECT_EQ(std::vector<std::string>{"h=newer h"}, Entries());
}

namespace
{

// The folder of a test moved away and back, as a drive removed and put back.
class CDriveGone
{
public:
    // The folder itself, named with or without its last separator, and never the one it lies in.
    explicit CDriveGone(const std::string& folder) : m_folder(std::filesystem::path(folder).lexically_normal())
    {
        if (!m_folder.has_filename())
            m_folder = m_folder.parent_path();
        m_away = m_folder.string() + "-away";
    }
    void Go()
    {
        // Only a test's own folder is ever taken away.
        if (m_folder.filename().string().rfind("kestova-", 0) == 0)
            std::filesystem::rename(m_folder, m_away);
        else
            ADD_FAILURE() << m_folder << " is not a test's folder";
    }
    void Back()
    {
        if (std::filesystem::exists(m_away))
            std::filesystem::rename(m_away, m_folder);
    }

private:
    std::filesystem::path m_folder, m_away;
};

}  // namespace

// Before, the run's own undo found no file on a drive gone and recorded each as put right: back, the drive
// held the new header beside the old sources, the old one in h.tmo, and every later run was refused for the
// designer's own leftovers. A name missing from a folder that cannot be reached proves nothing: the run
// stays recorded and is put right once the drive is back.
TEST_F(RecoveryTest, ARunWhoseDriveGoesIsPutRightWhenItIsBack)
{
    // After h went aside, after it went in, after c went in; a design file's save after it went aside.
    const std::vector<std::pair<std::vector<std::string>, int>> runs = {
        {{"h", "c", "d"}, 1}, {{"h", "c", "d"}, 2}, {{"h", "c", "d"}, 4}, {{"k"}, 1}};
    for (const auto& [names, move] : runs)
    {
        SCOPED_TRACE(names.front() + " gone after move " + std::to_string(move));
        Reset();
        Plant({"h=old h", "c=old c", "k=old k"});
        CDriveGone drive(m_folder.Path());
        DiskFaults faults;
        faults.afterMove = [&drive, move = move](int done)
        {
            if (done == move)
                drive.Go();
        };
        const std::string error = FailedOn(faults, names);
        EXPECT_NE(std::string::npos, std::string(error).find("at the next Save or opening")) << error;
        drive.Back();
        Recover();
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h", "k=old k"}), Entries());
        CString newer;
        EXPECT_TRUE(Replace(names, "newer", &newer)) << newer;
    }
}

// An opening whose drive goes as it puts a run right says nothing of a file it could not see: the header at
// its name may be missing once the drive is back. Before, a run put right whole whose drive went before its
// record could go was said to wait for the folder to be written: the record waits for the drive.
TEST_F(RecoveryTest, AnOpeningWhoseDriveGoesSaysNothingOfWhatItCouldNotSee)
{
    const std::string gone = " cannot be reached (" + std::string(SystemErrorText(PathNotFoundError())) + "); ";
    struct Run
    {
        std::vector<std::string> names;
        std::string opening;  // as the drive goes
        std::string again;    // once it is back
    };
    const std::vector<Run> runs = {{{"h", "c"},
                                    " records cannot be put right, as " + m_folder.Path("h.tmp") + gone +
                                        "the run is put right at the next Save or opening once it can be",
                                    "an interrupted run that " + At() + " recorded was put right"},
                                   {{"h"},
                                    " recorded was put right; only its record waits to go, as it" + gone +
                                        "it goes at the next Save or opening once it can be",
                                    ""}};
    for (const Run& run : runs)
    {
        SCOPED_TRACE(run.names.size());
        Reset();
        for (const std::string& name : run.names)
            Plant({name + "=new " + name, name + ".tmo=old " + name});
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn(run.names)));
        CDriveGone drive(m_folder.Path());
        DiskFaults faults;
        faults.afterMove = [&drive](int) { drive.Go(); };  // once the last file is back
        std::string opening;
        {
            CStandInDisk disk(faults);
            opening = Opening();
        }
        drive.Back();
        EXPECT_EQ("an interrupted run that " + At() + run.opening, opening);
        EXPECT_EQ(run.again, Opening());
        std::vector<std::string> old;
        for (const std::string& name : run.names)
            old.push_back(name + "=old " + name);
        std::sort(old.begin(), old.end());
        EXPECT_EQ(old, Entries());
    }
}

// Before, a folder gone the moment a move was made was said to be short of memory, as Wine calls that move once
// it cannot find the file's new path: it is said not to be found, whichever move it went at.
TEST_F(RecoveryTest, AFolderGoneAsAMoveIsMadeIsSaidNotToBeFound)
{
    for (const int move : {1, 2})  // h going aside, h's temporary going in
    {
        SCOPED_TRACE("gone at move " + std::to_string(move));
        Reset();
        Plant({"h=old h", "c=old c"});
        CDriveGone drive(m_folder.Path());
        DiskFaults faults;
        faults.doneButFails = move;
        faults.afterMove = [&drive, move](int done)
        {
            if (done == move)
                drive.Go();
        };
        const std::string error = FailedOn(faults, {"h", "c"});
        EXPECT_EQ(0u, std::string(error).find("cannot replace " + m_folder.Path("h") + ": " +
                                              std::string(SystemErrorText(PathNotFoundError())) + ";"))
            << error;
        drive.Back();
        Recover();
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
    }
}

// Before, the run's own undo, the drive gone as a file's move failed, said what that file held as though the move
// had been made: the header missing beside its old contents was said to keep the new, the source still old was
// said to wait aside, and a file made empty was said to keep the new contents. Of that file nothing is said.
TEST_F(RecoveryTest, TheRunsOwnUndoSaysNothingOfTheFileWhoseMoveFailedAsTheDriveWent)
{
    struct Case
    {
        std::vector<std::string> names;
        int goneAfter;  // the move after which the drive goes; the next one fails
        std::string unseen;
    };
    for (const Case& run : {Case{{"h", "c"}, 1, "h"}, Case{{"d", "h"}, 1, "h"}, Case{{"h", "d"}, 2, "d"}})
    {
        SCOPED_TRACE(run.unseen + " after move " + std::to_string(run.goneAfter));
        Reset();
        Plant({"h=old h", "c=old c"});
        CDriveGone drive(m_folder.Path());
        DiskFaults faults;
        faults.afterMove = [&drive, &run](int done)
        {
            if (done == run.goneAfter)
                drive.Go();
        };
        const std::string error = FailedOn(faults, run.names);
        const std::string unseen = m_folder.Path(run.unseen);
        EXPECT_EQ(std::string::npos, error.find("; " + unseen + " could not")) << error;
        EXPECT_EQ(std::string::npos, error.find("meanwhile " + unseen)) << error;
        drive.Back();
        Recover();
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
    }
}

// Before, the drive going as the first file went in, a move Wine calls failed though it was done, had the run's
// undo tell the caller that nothing was written: once the drive is back, that file holds the run's new text until
// the next Save or opening puts it back.
TEST_F(RecoveryTest, AFileThatMayHaveGoneInAsTheDriveWentIsNotSaidUnwritten)
{
    Plant({"c=old c", "d=old d", "h=old h"});
    CDriveGone drive(m_folder.Path());
    DiskFaults faults;
    faults.doneButFails = 2;  // c aside, then in
    faults.afterMove = [&drive](int done)
    {
        if (done == 2)
            drive.Go();
    };
    const std::string error = FailedOn(faults, {"c", "d", "h"});
    EXPECT_TRUE(m_leftNew) << error;
    drive.Back();
    EXPECT_EQ("new c", m_folder.Read("c"));
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=old c", "d=old d", "h=old h"}), Entries());
}

// Before, a record the designer could not open for writing was taken for a stranger's file: the opening
// said nothing, and each run told the user to move away the one file that could put the folder right.
TEST_F(RecoveryTest, ARunCutOffInAFolderMadeReadOnlyIsNamedAtTheOpeningAndPutRightOnceWritable)
{
    Plant({"h=old h", "c=old c"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "new", Step::Move, 3)) << "killed after the header went in";
    const std::vector<std::string> mixed = Entries();
    {
        DiskFaults readOnly;
        readOnly.readOnly = true;
        CStandInDisk disk(readOnly);
        const CString at = RecordPathIn(m_folder.Path().c_str());
        const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
        EXPECT_EQ("an interrupted run that " + std::string(at) +
                      " records cannot be put right, as the folder cannot be written (" +
                      std::string(SystemErrorText(AccessDenied())) +
                      "); the run is put right at the next Save or opening once it can be written" +
                      HeaderWaits(AccessDenied()),
                  said);
        CString error;
        EXPECT_FALSE(Replace({"h"}, "newer", &error));
        EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + said, std::string(error));
    }
    EXPECT_EQ(mixed, Entries()) << "nothing is touched while the folder cannot be written";
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
}

// Before, a run that got every file in but could not remove an old one another program held kept its
// record as an interrupted run: every later save in the folder was refused until that program let go.
// The run is finished: later runs go on in its record, and the old file goes once it is free.
TEST_F(RecoveryTest, AFinishedRunWhoseOldFileIsHeldBlocksNoLaterRun)
{
    Plant({"h=old h", "c=old c", "k=old k"});
    const CString at = RecordPathIn(m_folder.Path().c_str());
    CString error;
    {
        CStandInDisk disk(Holding("h.tmo"));
        EXPECT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
        EXPECT_EQ("", std::string(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str()))))
            << "nothing to tell at the opening";
        EXPECT_TRUE(Replace({"k"}, "new", &error)) << error;
        EXPECT_TRUE(Replace({"c"}, "newer", &error)) << error;
        EXPECT_FALSE(Replace({"h"}, "newer", &error));
        EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": another program holds " + m_folder.Path("h.tmo") +
                      ", the old file of an earlier run; closing that program lets it go",
                  std::string(error));
    }
    EXPECT_EQ((std::vector<std::string>{"c=newer c", "h.tmo=old h", "h=new h", "k=new k",
                                        "replacing.tmr=" + m_folder.Read("replacing.tmr")}),
              Entries());
    EXPECT_TRUE(Replace({"h"}, "newer", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=newer c", "h=newer h", "k=new k"}), Entries());
}

// Before, an old file a finished run could not remove was said to be held by another program whatever the
// system refused: one refused as access denied, as a read-only file, is said to be so.
TEST_F(RecoveryTest, AFinishedRunsOldFileRefusedAsAccessDeniedIsNotSaidToBeHeld)
{
    Plant({"h=old h", "c=old c"});
    DiskFaults refusing;
    refusing.refusedRemoval = "h.tmo";
    CStandInDisk disk(refusing);
    CString error;
    EXPECT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
    EXPECT_FALSE(Replace({"h"}, "newer", &error));
    EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + m_folder.Path("h.tmo") +
                  ", the old file of an earlier run, cannot be removed (" +
                  std::string(SystemErrorText(AccessDenied())) + ")",
              std::string(error));
}

// A run's own record grows with its files and its blocks: a group of many long names, cut off before it was
// placed, is undone however long its record, which before read as another program's past a quarter megabyte.
TEST_F(RecoveryTest, AGroupOfManyFilesWhoseRecordIsLongIsStillUndone)
{
    std::vector<std::string> names;
    for (int file = 0; file < 600; file++)
        names.push_back(std::string(150 - std::to_string(file).size(), 'n') + std::to_string(file));
    DiskFaults placing;
    placing.killedLine = "placed";
    ASSERT_TRUE(ReplaceOn(placing, names, "new").killed);
    ASSERT_GT(std::filesystem::file_size(m_folder.Path("replacing.tmr")), 256u * 1024);
    Recover();
    EXPECT_EQ(std::vector<std::string>{}, Entries());
}

// Before, a finished run's old header, of the same bytes as the header a later run set aside, was taken for
// the later run's set-aside once that run was cut off: removed while the new header was held, or beside a
// header the user edited after the kill, the old bytes were lost. A name a later run announced is judged by
// that run's proofs alone, and a finished run's old files go only once the run after it is put right.
TEST_F(RecoveryTest, AFinishedRunsOldFileIsNeverTakenForTheSameBytesALaterRunSetAside)
{
    for (const bool edited : {false, true})
    {
        SCOPED_TRACE(edited ? "the header edited after the kill" : "the header held");
        Reset();
        // The first run rewrote h with its own bytes, and d's old file was held; the next was killed once h and
        // c were in.
        Plant({"h=newer h", "h.tmo=new h", "c=newer c", "c.tmo=old c", "d=new d", "d.tmo=old d"});
        RunSteps steps = {{RunStep::Old, "h"},   {RunStep::Aside, "h"}, {RunStep::In, "h"},   {RunStep::Old, "d"},
                          {RunStep::Aside, "d"}, {RunStep::In, "d"},    {RunStep::Placed, ""}};
        const RunSteps next = StepsUntilAllWentIn({"h", "c"});
        steps.insert(steps.end(), next.begin(), next.end());
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), steps));
        const std::string header = edited ? "newer h and the user's line" : "newer h";
        Plant({"h=" + header});
        DiskFaults held;
        held.heldInPlace = edited ? "" : "h";
        {
            CStandInDisk disk(held);
            Recover();
        }
        const std::vector<std::string> entries = Entries();
        EXPECT_NE(entries.end(), std::find(entries.begin(), entries.end(), "h.tmo=new h")) << "the old header is kept";
        Recover();
        if (edited)
            EXPECT_EQ((std::vector<std::string>{"c=old c", "d=new d", "h.tmo=new h", "h=" + header}), Entries());
        else
            EXPECT_EQ((std::vector<std::string>{"c=old c", "d=new d", "h=new h"}), Entries());
    }
}

// Before, the next run went on in an earlier designer's record of a finished run, whose lines its own are not:
// once the held old file was free, the record read as another program's and refused every save. Then that run
// held the folder until the old file went, removed by its line alone. Its line proves no bytes: the file is kept
// and named, held or not, and the run after it goes on in a record of its own.
TEST_F(RecoveryTest, AnEarlierDesignersFinishedRunWhoseOldFileIsHeldTakesNoLaterRunsLines)
{
    Plant({"h=new h", "h.tmo=old h", "c=old c",
           "replacing.tmr=files being replaced together, each line after its step\nold h\naside h\nin h\nplaced\n"});
    CString error, told;
    {
        CStandInDisk disk(Holding("h.tmo"));
        EXPECT_TRUE(Replace({"c"}, "new", &error, &told)) << error;
    }
    EXPECT_NE(-1, told.Find(m_folder.Path("h.tmo").c_str())) << told;
    EXPECT_EQ((std::vector<std::string>{"c=new c", "h.tmo=old h", "h=new h"}), Entries());
}

// Before, the opening's "held" meant both a record kept and one removed, told apart by asking the record again.
// What it left of the record is one value.
TEST_F(RecoveryTest, TheOpeningSaysInOneValueWhatItLeftOfTheRecord)
{
    const auto left = [this]
    {
        CRunRecord record;
        return RecoverRunAt(At().c_str(), record).record;
    };
    EXPECT_EQ(RecordLeft::None, left());
    Plant({"h=old h", "c=old c"});
    ASSERT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Move, 3)) << "killed after the header went in";
    {
        DiskFaults held;
        held.heldInPlace = "h";
        CStandInDisk disk(held);
        EXPECT_EQ(RecordLeft::Blocked, left()) << "the old header cannot go back";
    }
    {
        CRunRecord other;
        ASSERT_EQ(CRunRecord::Opened::Held, other.Open(At().c_str()));
        EXPECT_EQ(RecordLeft::Anothers, left());
    }
    EXPECT_EQ(RecordLeft::Removed, left());
    FinishWithHeldOldFile();
    {
        CStandInDisk disk(Holding("k.tmo"));
        EXPECT_EQ(RecordLeft::GoesOn, left());
    }
    std::filesystem::remove(m_folder.Path("k.tmo"));
    Plant({"replacing.tmr=not a record"});
    EXPECT_EQ(RecordLeft::Blocked, left()) << "another's file";
}

// Before, a finished run in the previous designer's record, whose lines carried no check of their own, held the
// folder while another program held its old file: every later save was refused. Its lines prove the files as
// this designer's do, so a later run goes on in it, starting it anew in this designer's form; killed at any step
// of that, the run is still made all old or all new, and the old file goes once it is free.
TEST_F(RecoveryTest, APreviousDesignersFinishedRunWhoseOldFileIsHeldBlocksNoLaterRun)
{
    for (int kill = 1;; kill++)
    {
        SCOPED_TRACE("killed at the record's step " + std::to_string(kill));
        Reset();
        FinishWithHeldOldFile();
        // Each line's check taken off, under that designer's first line.
        std::string record = m_folder.Read("replacing.tmr"), unchecked;
        for (std::size_t begin = record.find('\n') + 1, end; (end = record.find('\n', begin)) != std::string::npos;
             begin = end + 1)
            unchecked += record.substr(begin, end - begin - 17) + "\n";
        Plant({"replacing.tmr=files being replaced together, each line before its step\n" + unchecked, "c=old c"});
        DiskFaults faults = Holding("k.tmo");
        faults.killAt = Step::Record;
        faults.killCount = kill;
        if (!ReplaceOn(faults, {"c"}, "new").killed)
        {
            EXPECT_EQ((std::vector<std::string>{"c=new c", "k.tmo=old k", "k=new k",
                                                "replacing.tmr=" + m_folder.Read("replacing.tmr")}),
                      Entries());
            EXPECT_EQ("", Opening());
            EXPECT_EQ((std::vector<std::string>{"c=new c", "k=new k"}), Entries());
            break;
        }
        Opening();
        const std::vector<std::string> entries = Entries();
        EXPECT_TRUE(entries == (std::vector<std::string>{"c=old c", "k=new k"}) ||
                    entries == (std::vector<std::string>{"c=new c", "k=new k"}))
            << ::testing::PrintToString(entries);
    }
}

// Before, a run put right whole whose record could not then be removed was said not to be put right at all, and
// what the recovery did was not said. Only the record waits, and the words say so.
TEST_F(RecoveryTest, ARunPutRightWholeWhoseRecordCannotGoSaysThatOnlyTheRecordWaits)
{
    Plant({"h=new h", "h.tmo=old h"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"h"})));
    {
        DiskFaults stays;
        stays.removalsStay = true;
        CStandInDisk disk(stays);
        EXPECT_EQ("an interrupted run that " + At() +
                      " recorded was put right; only its record waits to go, as the folder cannot be written: it "
                      "stays where it was removed; it goes at the next Save or opening once the folder can be written",
                  Opening());
    }
    EXPECT_EQ("h=old h", Entries().front());
    EXPECT_EQ("", Opening());
    EXPECT_EQ((std::vector<std::string>{"h=old h"}), Entries());
}

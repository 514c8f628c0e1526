// A removal counts only where the name is gone: the system may take it and keep the name, for as long as
// another program holds the file sharing its deletion, or for good in a folder that cannot be written.
#include "project/DiskState.h"
#include "project/RunFiles.h"
#include "LeftRecord.h"
#include "RecoveryTest.h"
#include "StandInDisk.h"

#ifdef _WIN32
#include "SaveFaults.h"

#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
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
namespace
{

// The old header's leftover under its fresh name: h.tmo.<eight hex digits>.
bool IsHeldLeftover(const std::string& name)
{
    return name.size() == 14 && name.compare(0, 6, "h.tmo.") == 0 &&
           name.find_first_not_of("0123456789abcdef", 6) == std::string::npos;
}

// The name a run's removal gives the file named so at its attempt-th try.
std::string RemovedName(const std::string& name, int attempt)
{
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08lx", RemovedNameDigits(name.c_str(), name.size(), attempt));
    return name + "." + digits;
}

}  // namespace

// Before, the old header a viewer held sharing its deletion kept its name h.tmo until the viewer ended: every
// later save of the header was refused, as no file can be made at or moved over a name pending deletion. It
// goes under a fresh name of its own, the finished run's leftover, and goes once the viewer lets go.
TEST_F(RecoveryRemovalTest, AnOldHeaderAViewerHoldsSharingDeleteIsTheFinishedRunsAndGoesWhenItEnds)
{
    Plant({"h=old h", "c=old c"});
    CHeldOpen viewer(m_folder.Path("h").c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    CString error;
    for (int run = 0; run < 200; run++)
        ASSERT_TRUE(Replace({"h", "c"}, "gen" + std::to_string(run), &error)) << run << ": " << error;
    EXPECT_EQ("", Opening()) << "nothing to tell, nor to block on";
    const std::vector<std::string> names = NamesIn(m_folder.Path());
    ASSERT_EQ(3u, names.size());
    EXPECT_EQ("c", names[0]);
    EXPECT_EQ("h", names[1]);
    EXPECT_TRUE(IsHeldLeftover(names[2])) << names[2];
    viewer.Release();
    EXPECT_EQ((std::vector<std::string>{"c=gen199 c", "h=gen199 h"}), Entries());
}

// Before, a removal tried 16 fresh names: a viewer with a tab open on each of more generations of the header
// held them all, the next old header was deleted under h.tmo, which stayed, and every later save was refused.
TEST_F(RecoveryRemovalTest, AViewerHoldingManyGenerationsOfTheHeaderBlocksNoSave)
{
    Plant({"h=old h", "c=old c"});
    std::vector<std::unique_ptr<CHeldOpen>> tabs;
    CString error;
    for (int run = 0; run < 24; run++)
    {
        tabs.push_back(std::make_unique<CHeldOpen>(m_folder.Path("h").c_str(),
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE));
        ASSERT_TRUE(Replace({"h", "c"}, "gen" + std::to_string(run), &error)) << run << ": " << error;
    }
    const std::vector<std::string> names = NamesIn(m_folder.Path());
    EXPECT_EQ(26u, names.size());
    EXPECT_EQ(24, std::count_if(names.begin(), names.end(), IsHeldLeftover));
    tabs.clear();
    EXPECT_EQ((std::vector<std::string>{"c=gen23 c", "h=gen23 h"}), Entries());
}

// A kill at each stage of a removal, the old header held as above: the next opening puts the run right, the
// saves after it work, and nothing is left once the viewer ends.
TEST_F(RecoveryRemovalTest, AKillPartWayThroughARemovalIsPutRightByTheNextOpening)
{
    int count = 1;
    for (;; count++)
    {
        SCOPED_TRACE("killed at removal stage " + std::to_string(count));
        Reset();
        Plant({"h=old h", "c=old c"});
        CHeldOpen viewer(m_folder.Path("h").c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        if (!ReplaceKilled({"h", "c"}, "new", Step::Removing, count))
            break;
        EXPECT_EQ("", Opening());
        CString error;
        for (int run = 0; run < 3; run++)
            ASSERT_TRUE(Replace({"h", "c"}, "newer", &error)) << error;
        viewer.Release();
        EXPECT_EQ((std::vector<std::string>{"c=newer c", "h=newer h"}), Entries());
    }
    EXPECT_GT(count, 2) << "each removal's stages were reached";
}

// Before, Windows' refusal to remove an old header pending deletion (a kill between the stages of its removal,
// a viewer holding it sharing its deletion) or mapped by another program was taken for a folder that cannot be
// written; and Windows' refusal to read one pending deletion made it a file that cannot be read, said as one
// that cannot be removed. Either is the viewer's to let go: the run is finished, the save that needs the name
// says who holds it, and nothing is left once the viewer ends.
TEST_F(RecoveryRemovalTest, AnOldHeaderWindowsWillNotRemoveWhileAViewerHasItIsTheViewersToLetGo)
{
    for (const bool mapped : {false, true})
    {
        SCOPED_TRACE(mapped ? "mapped" : "pending deletion");
        Reset();
        Plant({"h=old h", "c=old c"});
        CHeldOpen viewer(m_folder.Path("h").c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        if (!mapped)
            ASSERT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Removing, 1));
        DiskFaults windows;
        (mapped ? windows.mappedRemoval : windows.pendingRemoval) = "h.tmo";
        CString error;
        {
            CStandInDisk disk(windows);
            if (mapped)
                ASSERT_TRUE(Replace({"h", "c"}, "new", &error)) << error;
            EXPECT_EQ("", Opening());
            EXPECT_TRUE(Replace({"c"}, "newer", &error)) << error;
            EXPECT_FALSE(Replace({"h"}, "newer", &error));
        }
        EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": another program holds " + m_folder.Path("h.tmo") +
                      ", the old file of an earlier run; closing that program lets it go",
                  std::string(error));
        viewer.Release();
        ASSERT_TRUE(Replace({"h"}, "newer", &error)) << error;
        EXPECT_EQ((std::vector<std::string>{"c=newer c", "h=newer h"}), Entries());
    }
}

// Before, a power loss once a run's file went under its fresh name, before the system deleted it, left it there
// for good: nothing named or removed it. The next opening deletes such leftovers, one another program holds once
// it lets go. Before too, any name of that form went, a user's "x.c.tmp.20261209" included: only a name whose
// digits the removal makes for it is a run's.
TEST_F(RecoveryRemovalTest, WhatAPowerLossLeftUnderARemovalsFreshNameGoesAtTheNextOpening)
{
    const std::vector<std::string> users{
        ".tmo.0badf00d=mine",      "h.0badf00d=mine",       "h.tmo.0badf00g=mine",        "h.tmo.0badf00=mine",
        "h.tmo.0badf00d.bak=mine", "h.tmo.0badf00dd=mine",  "notes.txt.0badf00d=mine",    "replacing.tmr.x=mine",
        "h.tmo.0badf00d=mine",     "x.c.tmp.20261209=mine", "replacing.tmr.9abcdef0=mine"};
    Plant(users);
    const std::string held = RemovedName("c.tmp", 0);
    Plant({"h=new h", "c=new c", RemovedName("h.tmo", 0) + "=old h", RemovedName("h.tmo", 15) + "=older h",
           held + "=new", RemovedName("replacing.tmr", 3) + "=placed"});
    CHeldOpen viewer(m_folder.Path(held).c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    EXPECT_EQ("", Opening());
    viewer.Release();
    std::vector<std::string> left = users;
    left.insert(left.end(), {"c=new c", "h=new h"});
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, Entries());
}

// A refusal the system gives no status of its own, as a read-only file's here, is not taken for the one before it.
TEST_F(RecoveryRemovalTest, ARefusedRemovalIsToldByItsOwnStatusNotAnEarlierOnes)
{
    Plant({"a.tmo=a", "b.tmo=b"});
    DiskFaults faults;
    faults.pendingRemoval = "a.tmo";
    faults.refusedRemoval = "b.tmo";
    CStandInDisk disk(faults);
    bool stays = false;
    EXPECT_FALSE(Removed(m_folder.Path("a.tmo").c_str(), &stays));
    EXPECT_TRUE(stays) << "pending deletion";
    EXPECT_FALSE(Removed(m_folder.Path("b.tmo").c_str(), &stays));
    EXPECT_FALSE(stays) << "refused as read-only";
}

// Before, a record pending deletion (a kill between the stages of its removal, a scanner holding it sharing its
// deletion), which Windows refuses even to open, was said to be a record that cannot be read. Its removal was
// taken: it waits for its holder, as any such removal does.
TEST_F(RecoveryRemovalTest, ARecordPendingDeletionWaitsForItsHolder)
{
    Plant({"h=old h"});
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"}}));
    CHeldOpen scanner(At().c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    DiskFaults windows;
    windows.pendingRemoval = "replacing.tmr";
    CStandInDisk disk(windows);
    EXPECT_EQ(At() + " is being removed, and goes once the program that holds it lets it go", Opening());
}
#endif

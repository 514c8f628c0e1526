// Replacing a file on a disk that fills up: the failure names the file and says the disk is full, the old
// file stays, and no failure is ever worded as the system's "Success". A group of files is replaced
// whole or not at all.
#include "project/AtomicFile.h"
#include "project/RunRecord.h"
#include "project/RunRepair.h"
#include "project/SystemError.h"
#include "LeftRecord.h"
#include "StandInDisk.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

DiskFaults Filling(long long room, Full full)
{
    DiskFaults faults;
    faults.room = room;
    faults.full = full;
    return faults;
}

// The disk stopping the writer, as a kill would, at the count-th step of its kind.
DiskFaults KillingAt(Step step, int count)
{
    DiskFaults faults;
    faults.killAt = step;
    faults.killCount = count;
    return faults;
}

// The disk with name held by another program.
DiskFaults Holding(const char* name)
{
    DiskFaults faults;
    faults.held = name;
    return faults;
}

// The system's error for a folder that cannot be written, and for a write the drive refuses.
unsigned long AccessDenied()
{
#ifdef _WIN32
    return ERROR_ACCESS_DENIED;
#else
    return EACCES;
#endif
}

unsigned long WriteProtected()
{
#ifdef _WIN32
    return ERROR_WRITE_PROTECT;
#else
    return EROFS;
#endif
}

unsigned long WriteFault()
{
#ifdef _WIN32
    return ERROR_WRITE_FAULT;
#else
    return EIO;
#endif
}

// An error left over from an earlier call, which is not the reason a later write stops short.
void SetEarlierError()
{
    errno = EACCES;
#ifdef _WIN32
    SetLastError(ERROR_ACCESS_DENIED);
#endif
}

class AtomicFileTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"atomic_file"};
    const std::string m_path = m_folder.Path("P_api_demo.c");
    const std::string m_old = "the old generation\r\n";

    void SetUp() override { ASSERT_TRUE(m_folder.Write("P_api_demo.c", m_old)); }

    // Checks the failure's words and that the old file is kept whole with nothing beside it.
    void ExpectFullDiskFailure(bool replaced, const CString& error) const
    {
        EXPECT_FALSE(replaced);
        EXPECT_EQ("cannot write " + m_path + " while replacing it: the disk is full", std::string(error));
        EXPECT_EQ(m_old, m_folder.Read("P_api_demo.c"));
        EXPECT_FALSE(std::filesystem::exists(m_path + ".tmp"));
    }
};

}  // namespace

TEST_F(AtomicFileTest, AFullDiskNamesTheFileSaysSoAndKeepsTheOldFile)
{
    const std::string text(3000, 'x');
    for (const Full full : {Full::ShortWithNoError, Full::WithError})
        for (const long long room : {0LL, 1000LL})
        {
            SCOPED_TRACE("room " + std::to_string(room));
            CString error;
            SetEarlierError();
            CStandInDisk disk(Filling(room, full));
            ExpectFullDiskFailure(ReplaceFileContents(m_path.c_str(), text.data(), text.size(), &error), error);
        }
}

// Big contents are written a block at a time: the disk may fill at any of them.
TEST_F(AtomicFileTest, AFullDiskInTheMiddleOfABigFileIsNamedTheSameWay)
{
    const std::string piece(kPieceBlockSize / 3, 'y');
    const auto produce = [&](const PieceWriter& write, CString*)
    {
        for (int i = 0; i < 10; i++)
            write(piece.data(), piece.size());
        return true;
    };
    CString error;
    CStandInDisk disk(Filling(static_cast<long long>(kPieceBlockSize) * 2 + 5, Full::ShortWithNoError));
    ExpectFullDiskFailure(ReplaceFileInPieces(m_path.c_str(), produce, &error), error);
}

TEST(SystemError, AFailureWithNoErrorSetIsNeverWordedAsSuccess)
{
    const std::string text(SystemErrorText(0));
    EXPECT_EQ("the system gave no reason", text);
    errno = 0;
#ifdef _WIN32
    SetLastError(ERROR_SUCCESS);
#endif
    EXPECT_EQ(text, std::string(LastSystemErrorText()));
    EXPECT_EQ(std::string::npos, std::string(SystemErrorText(ENOSPC)).find("Success"));
}

namespace
{

// Three files of a group: the first two have an old generation, the last is new.
class FileGroupTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"file_group"};
    const std::vector<std::string> m_names = {"G_api.h", "G_api.c", "G_api_demo.c"};
    const std::vector<std::string> m_new = {std::string(300, 'h'), std::string(500, 'c'), std::string(700, 'd')};

    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Write(m_names[0], "old header"));
        ASSERT_TRUE(m_folder.Write(m_names[1], "old source"));
    }
    std::string PathOf(std::size_t i) const { return m_folder.Path(m_names[i]); }
    bool Replace(CString* error) const
    {
        std::vector<NewFileContents> files;
        for (std::size_t i = 0; i < m_names.size(); i++)
            files.push_back({PathOf(i).c_str(), ContentsOf(m_new[i].data(), m_new[i].size())});
        return ReplaceFilesTogether(files, error);
    }
    // Every file as it was before the group, and nothing but them in the folder.
    void ExpectAllOld() const
    {
        EXPECT_EQ("old header", m_folder.Read(m_names[0]));
        EXPECT_EQ("old source", m_folder.Read(m_names[1]));
        EXPECT_FALSE(std::filesystem::exists(PathOf(2))) << "a file the group made is gone again";
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == m_names[0] || name == m_names[1]) << name << " left behind";
        }
    }
};

#ifdef _WIN32
// Another program holding the file open without sharing: Windows refuses to move it or over it.
class CReplaceRefused
{
public:
    CReplaceRefused(const std::string& path, bool /*last*/)
        : m_hFile(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        EXPECT_NE(INVALID_HANDLE_VALUE, m_hFile);
    }
    ~CReplaceRefused() { ::CloseHandle(m_hFile); }
    CReplaceRefused(const CReplaceRefused&) = delete;
    CReplaceRefused& operator=(const CReplaceRefused&) = delete;

private:
    HANDLE m_hFile;
};
#else
// A folder where the old file would be set aside, or, for the last file, which is replaced in one step,
// where it goes: a rename onto a folder that is not empty is refused.
class CReplaceRefused
{
public:
    CReplaceRefused(const std::string& path, bool last)
        : m_blocker(last ? path : std::string(SetAsidePathOf(path.c_str())))
    {
        std::filesystem::create_directories(m_blocker / "inside");
    }
    ~CReplaceRefused() { std::filesystem::remove_all(m_blocker); }
    CReplaceRefused(const CReplaceRefused&) = delete;
    CReplaceRefused& operator=(const CReplaceRefused&) = delete;

private:
    std::filesystem::path m_blocker;
};
#endif

}  // namespace

TEST_F(FileGroupTest, AGroupIsReplacedWholeWithNothingLeftBeside)
{
    CString error;
    ASSERT_TRUE(Replace(&error)) << error;
    for (std::size_t i = 0; i < m_names.size(); i++)
        EXPECT_EQ(m_new[i], m_folder.Read(m_names[i]));
    EXPECT_EQ(
        3, std::distance(std::filesystem::directory_iterator(m_folder.Path()), std::filesystem::directory_iterator()));
}

// Before, each file was replaced as it came and the first failure stopped the rest: a new header beside
// old sources.
TEST_F(FileGroupTest, TheDiskFillingAtAnyFileLeavesEveryFileAsItWasAndNamesIt)
{
    long long before = 0;
    for (std::size_t i = 0; i < m_names.size(); i++)
    {
        SCOPED_TRACE(m_names[i]);
        CString error;
        {
            CStandInDisk disk(Filling(before + 10, Full::ShortWithNoError));
            EXPECT_FALSE(Replace(&error));
        }
        EXPECT_EQ("cannot write " + PathOf(i) + " while replacing it: the disk is full", std::string(error));
        ExpectAllOld();
        before += static_cast<long long>(m_new[i].size());
    }
}

// The files before the refused one were already in place: they get their old contents back.
TEST_F(FileGroupTest, AReplaceRefusedAtAnyFilePutsBackThoseAlreadyReplaced)
{
    for (std::size_t i = 0; i < m_names.size(); i++)
    {
        SCOPED_TRACE(m_names[i]);
        CString error;
        {
            CReplaceRefused refused(PathOf(i), i + 1 == m_names.size());
            EXPECT_FALSE(Replace(&error));
            EXPECT_EQ(0, std::string(error).find("cannot replace " + PathOf(i) + ": ")) << error;
            EXPECT_EQ(std::string::npos, std::string(error).find(".tmp")) << error;
        }
        if (i + 1 == m_names.size())
            std::filesystem::remove(PathOf(i));  // what held its place
        ExpectAllOld();
    }
}

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

// What a run stopped as a kill would stop it did on the disk.
struct KilledRun
{
    bool killed = false;
    std::vector<std::string> done;  // the stand-in disk's steps, "<kind> <name>"
};

bool EndsWithAny(const std::string& name, std::initializer_list<const char*> ends)
{
    for (const char* end : ends)
        if (name.size() > std::strlen(end) && name.compare(name.size() - std::strlen(end), std::strlen(end), end) == 0)
            return true;
    return false;
}

class RecoveryTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"group_recovery"};

    void Plant(const std::vector<std::string>& files) const
    {
        for (const std::string& file : files)
        {
            const std::size_t equals = file.find('=');
            ASSERT_TRUE(m_folder.Write(file.substr(0, equals), file.substr(equals + 1)));
        }
    }
    // What opening a project in the folder does first.
    void Recover() const { RecoverInterruptedRun(m_folder.Path().c_str()); }
    // Each named file replaced by "<age> <name>", together.
    bool Replace(const std::vector<std::string>& names, const std::string& age, CString* error) const
    {
        std::vector<std::string> texts;
        for (const std::string& name : names)
            texts.push_back(age + " " + name);
        std::vector<NewFileContents> files;
        for (std::size_t i = 0; i < names.size(); i++)
            files.push_back({m_folder.Path(names[i]).c_str(), ContentsOf(texts[i].data(), texts[i].size())});
        return ReplaceFilesTogether(files, error);
    }
    // Replace on a disk with those faults, stopped as a kill would stop it.
    KilledRun ReplaceOn(const DiskFaults& faults, const std::vector<std::string>& names, const std::string& age) const
    {
        CStandInDisk disk(faults);
        CString error;
        try
        {
            Replace(names, age, &error);
        }
        catch (const Killed&)
        {
        }
        return {disk.Stopped(), disk.Done()};
    }
    // Replace, stopped at the count-th step of its kind; false when it ran to its end first.
    bool ReplaceKilled(const std::vector<std::string>& names, const std::string& age, Step step, int count) const
    {
        return ReplaceOn(KillingAt(step, count), names, age).killed;
    }
    // h, c and d replaced with the drive gone after a move, one move done but called failed; the error.
    std::string ReplaceWithDriveGone(int doneButFails, int goneAfter) const
    {
        DiskFaults faults;
        faults.doneButFails = doneButFails;
        faults.goneAfter = goneAfter;
        CStandInDisk disk(faults);
        CString error;
        EXPECT_FALSE(Replace({"h", "c", "d"}, "new", &error));
        return std::string(error);
    }
    void Reset() const
    {
        std::filesystem::remove_all(m_folder.Path());
        std::filesystem::create_directories(m_folder.Path());
    }
    // The names in the folder, each with its contents.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        {
            const std::string name = entry.path().filename().string();
            entries.push_back(name + "=" + m_folder.Read(name));
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }
    // The user's own file at each name of the run's that is free, as a user could make after a kill: only
    // at names the run never made a file at unless atNamesMade.
    std::vector<std::string> MakeLaterFiles(const std::vector<std::string>& done, bool atNamesMade) const
    {
        const std::set<std::string> made = NamesMade(done);
        std::vector<std::string> later;
        for (const char* name : {"h.tmp", "c.tmp", "d.tmp", "h.tmo", "c.tmo", "d.tmo"})
            if ((atNamesMade || !made.count(name)) && !std::filesystem::exists(m_folder.Path(name)))
                later.push_back(std::string(name) + "=the user's later " + name);
        Plant(later);
        return later;
    }
    // The opening's recovery stopped at its count-th step; false when it ran to its end first. The names it
    // made or freed, in done.
    bool RecoverKilled(int count, const DiskFaults& on, std::vector<std::string>* done) const
    {
        DiskFaults faults = on;
        faults.killAt = Step::Any;
        faults.killCount = count;
        CStandInDisk disk(faults);
        try
        {
            Recover();
        }
        catch (const Killed&)
        {
        }
        *done = disk.Done();
        return disk.Stopped();
    }
    // What a kill left where the user made or changed files since: beside the user's files byte for byte,
    // only the run's own contents at the run's names, and no old contents lost but of a file the user
    // changed. Those left beside the files, which the next run names as in the way.
    std::vector<std::string> ExpectNothingLost(const std::vector<std::string>& users,
                                               const std::set<std::string>& changed) const
    {
        std::vector<std::string> entries = Entries(), leftovers;
        for (const std::string& user : users)
        {
            const auto at = std::find(entries.begin(), entries.end(), user);
            EXPECT_NE(entries.end(), at) << user << " is lost";
            if (at != entries.end())
                entries.erase(at);
        }
        const auto has = [&entries](const std::string& entry)
        { return std::find(entries.begin(), entries.end(), entry) != entries.end(); };
        for (const std::string& entry : entries)
        {
            const std::string name = entry.substr(0, entry.find('=')), file = name.substr(0, 1);
            const std::string contents = entry.substr(entry.find('=') + 1);
            EXPECT_TRUE(contents.empty() || contents == "old " + file || std::string("new " + file).find(contents) == 0)
                << entry << " is no file of the run's";
            EXPECT_FALSE(EndsWithAny(name, {".tmp"}) && !contents.empty() &&
                         std::string("new " + file).find(contents) == 0)
                << entry << " is the run's own temporary, and is left";
            if (name.size() > 1)
                leftovers.push_back(entry);
        }
        if (!has("d=new d"))
        {
            for (const char* file : {"h", "c"})
                EXPECT_TRUE(changed.count(file) || has(std::string(file) + "=old " + file) ||
                            has(std::string(file) + ".tmo=old " + file))
                    << "the old " << file << " is lost";
        }
        return leftovers;
    }
    // h, c and the new d all old or all new beside the user's files byte for byte, and nothing else.
    void ExpectOneGeneration(std::vector<std::string> expected) const
    {
        const std::vector<std::string> entries = Entries();
        const bool allNew = std::find(entries.begin(), entries.end(), "d=new d") != entries.end();
        const std::string age = allNew ? "new" : "old";
        expected.insert(expected.end(), {"c=" + age + " c", "h=" + age + " h"});
        if (allNew)
            expected.push_back("d=new d");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, entries);
    }
    // The next Generate on a disk with those faults: refused while a name the kill left or the user made is in
    // the way, and once the user has moved those, all the newer generation, the user's planted files untouched
    // once the faults are gone and the folder opened again.
    void ExpectTheNextRunWhole(const std::vector<std::string>& users, const std::vector<std::string>& inTheWay,
                               const DiskFaults& on) const
    {
        const auto blocks = [this](const std::string& entry)
        {
            const std::string name = entry.substr(0, entry.find('='));
            return EndsWithAny(name, {".tmp"}) ||
                   (EndsWithAny(name, {".tmo"}) &&
                    std::filesystem::exists(m_folder.Path(name.substr(0, name.size() - 4))));
        };
        {
            CStandInDisk disk(on);
            CString error;
            if (std::any_of(inTheWay.begin(), inTheWay.end(), blocks))
            {
                EXPECT_FALSE(Replace({"h", "c", "d"}, "newer", &error));
                EXPECT_NE(std::string::npos, std::string(error).find(" is in the way")) << error;
            }
            for (const std::string& name : inTheWay)
                std::filesystem::remove(m_folder.Path(name.substr(0, name.find('='))));
            EXPECT_TRUE(Replace({"h", "c", "d"}, "newer", &error)) << error;
        }
        Recover();
        std::vector<std::string> expected = users;
        expected.insert(expected.end(), {"c=newer c", "d=newer d", "h=newer h"});
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, Entries());
    }
    // What the user does after a kill.
    enum class UserAfter
    {
        MakesAtNamesNotMade,  // files at the run's names that it never made a file at
        MakesAtFreeNames,     // at any of them that is free, made by the run or not
        EditsTheHeader,       // a line added to h
        DeletesTheSource,     // c deleted
    };
    // The user's files after a kill whose steps were done; the names of the run's files the user changed.
    std::vector<std::string> UserActs(UserAfter user, const std::vector<std::string>& done,
                                      std::set<std::string>* changed) const
    {
        if (user == UserAfter::MakesAtNamesNotMade || user == UserAfter::MakesAtFreeNames)
            return MakeLaterFiles(done, user == UserAfter::MakesAtFreeNames);
        const std::string name = user == UserAfter::EditsTheHeader ? "h" : "c";
        if (!std::filesystem::exists(m_folder.Path(name)))
            return {};
        changed->insert(name);
        if (user == UserAfter::DeletesTheSource)
        {
            std::filesystem::remove(m_folder.Path(name));
            return {};
        }
        const std::string edited = name + "=" + m_folder.Read(name) + " and the user's line";
        Plant({edited});
        return {edited};
    }
    // A run of h, c and the new d on a disk with those faults, killed at each of its steps, its opening's
    // recovery killed at each of its own, the user making, editing or deleting files after each kill or
    // not, then the opening again and the next Generate.
    void KillEachStepThenOpen(DiskFaults faults, bool afterHeld = false) const
    {
        if (afterHeld)
            faults.held = "k.tmo";
        for (faults.killCount = 1;; faults.killCount++)
            for (int recoveryKill = 0;; recoveryKill++)
            {
                Ended ended = Ended::Neither;
                for (const UserAfter user : {UserAfter::MakesAtNamesNotMade, UserAfter::MakesAtFreeNames,
                                             UserAfter::EditsTheHeader, UserAfter::DeletesTheSource})
                {
                    SCOPED_TRACE("run killed at step " + std::to_string(faults.killCount) + ", its recovery at step " +
                                 std::to_string(recoveryKill) + ", the user's doing " +
                                 std::to_string(static_cast<int>(user)));
                    ended = KillThenOpen(faults, recoveryKill, user, afterHeld);
                    if (ended == Ended::Run)
                        return;
                }
                if (ended == Ended::Recovery)
                    break;
            }
    }
    enum class Ended
    {
        Neither,
        Run,       // the run ran to its end before the kill
        Recovery,  // the recovery did
    };
    // k replaced by a run that finished while another program held its old file.
    void FinishWithHeldOldFile() const
    {
        Plant({"k=old k"});
        CStandInDisk disk(Holding("k.tmo"));
        CString error;
        EXPECT_TRUE(Replace({"k"}, "new", &error)) << error;
        EXPECT_TRUE(std::filesystem::exists(m_folder.Path("k.tmo")));
    }
    Ended KillThenOpen(const DiskFaults& faults, int recoveryKill, UserAfter user, bool afterHeld) const
    {
        std::vector<std::string> users = {"h.old=the user's", "x.tmo=the user's", "x.tmp=the user's"};
        Reset();
        Plant({"h=old h", "c=old c"});
        Plant(users);
        // The old k of a finished run, held through the kill, the opening and the next Generate.
        const DiskFaults held = afterHeld ? Holding("k.tmo") : DiskFaults();
        if (afterHeld)
        {
            FinishWithHeldOldFile();
            users.push_back("k=new k");
        }
        const KilledRun run = ReplaceOn(faults, {"h", "c", "d"}, "new");
        if (!run.killed)
            return Ended::Run;
        std::set<std::string> changed;
        std::vector<std::string> later = UserActs(user, run.done, &changed);
        std::vector<std::string> recovered;
        if (recoveryKill > 0)
        {
            if (!RecoverKilled(recoveryKill, held, &recovered))
                return Ended::Recovery;
            if (user == UserAfter::MakesAtNamesNotMade || user == UserAfter::MakesAtFreeNames)
            {
                const std::vector<std::string> more = UserActs(user, recovered, &changed);
                later.insert(later.end(), more.begin(), more.end());
            }
        }
        {
            CStandInDisk disk(held);
            Recover();
        }
        if (user == UserAfter::DeletesTheSource && std::filesystem::exists(m_folder.Path("c")))
            EXPECT_EQ("old c", m_folder.Read("c")) << "only the old source comes back where the user deleted it";
        std::vector<std::string> kept = users;
        if (afterHeld)
            kept.insert(kept.end(), {"k.tmo=old k", "replacing.tmr=" + m_folder.Read("replacing.tmr")});
        kept.insert(kept.end(), later.begin(), later.end());
        std::vector<std::string> inTheWay = later;
        if (user != UserAfter::MakesAtNamesNotMade || recoveryKill > 0)
        {
            const std::vector<std::string> leftovers = ExpectNothingLost(kept, changed);
            inTheWay.insert(inTheWay.end(), leftovers.begin(), leftovers.end());
        }
        else
            ExpectOneGeneration(kept);
        ExpectTheNextRunWhole(users, inTheWay, held);
        return Ended::Neither;
    }
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
    CString error;
    {
        CStandInDisk disk(faults);
        EXPECT_FALSE(Replace({"h", "c", "d"}, "new", &error));
    }
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
    CString error;
    {
        CStandInDisk disk(Holding("c.tmp"));
        EXPECT_FALSE(Replace({"p"}, "new", &error));
    }
    EXPECT_EQ("cannot replace " + m_folder.Path("p") + ": an interrupted run that " + m_folder.Path("replacing.tmr") +
                  " records cannot be put right while another program holds " + m_folder.Path("c.tmp") +
                  "; closing that program lets the run be put right at the next Save or opening",
              std::string(error));
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path("p")));

    EXPECT_TRUE(Replace({"p"}, "new", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=old c", "d=old d", "h=old h", "p=new p"}), Entries());
}

#ifdef _WIN32
// Moving over a file another program holds is often refused as access denied: the file held is still named.
TEST_F(RecoveryTest, AnOldFileThatCannotGoBackOverAHeldFileNamesItWhateverTheSystemCallsIt)
{
    Plant({"h=old h", "c=old c", "d=old d"});
    ASSERT_TRUE(ReplaceKilled({"h", "c", "d"}, "new", Step::Move, 3)) << "killed after the first file went in";
    const HANDLE held = ::CreateFileA(m_folder.Path("h").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    CString error;
    {
        DiskFaults refused;
        refused.refusedMove = 1;
        CStandInDisk disk(refused);
        EXPECT_FALSE(Replace({"p"}, "new", &error));
    }
    ::CloseHandle(held);
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
                      "); the run is put right at the next Save or opening once it can be written",
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
        CString error;
        {
            CStandInDisk disk(faults);
            EXPECT_FALSE(Replace({"h", "c"}, "new", &error));
        }
        const std::string record = m_folder.Read("replacing.tmr");
        EXPECT_EQ(cutRefused ? "in" : "", record.substr(record.rfind('\n') + 1));
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

    Reset();
    Plant({"x=new x", "x.tmo=old x", "y=old y", "y.tmp=new y",
           "replacing.tmr=files being replaced together\naside F:\\elsewhere\\x\nover /elsewhere/y\nplacing\n"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"x=old x", "y=old y"}), Entries());
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
    CString error;
    {
        CStandInDisk disk(faults);
        EXPECT_FALSE(Replace({"h", "c", "d"}, "new", &error));
    }
    EXPECT_EQ(0u, std::string(error).find("cannot replace " + m_folder.Path("d") + ": ")) << error;
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
}

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
    CString error;
    {
        CStandInDisk disk(faults);
        EXPECT_FALSE(Replace({"h", "c", "d"}, "new", &error));
    }
    ASSERT_TRUE(std::filesystem::exists(m_folder.Path("replacing.tmr"))) << "kept for the held temporary";
    Plant({"d=the user's d"});
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
    Generate(Step::Write, 3);
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
        CString error;
        {
            CStandInDisk disk(faults);
            EXPECT_FALSE(Replace(names, "new", &error));
        }
        EXPECT_NE(std::string::npos, std::string(error).find("at the next Save or opening")) << error;
        drive.Back();
        Recover();
        EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h", "k=old k"}), Entries());
        EXPECT_TRUE(Replace(names, "newer", &error)) << error;
    }
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
                      "); the run is put right at the next Save or opening once it can be written",
                  said);
        CString error;
        EXPECT_FALSE(Replace({"h"}, "newer", &error));
        EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + said, std::string(error));
    }
    EXPECT_EQ(mixed, Entries()) << "nothing is touched while the folder cannot be written";
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h=old h"}), Entries());
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
                      "; closing that program lets the run be put right at the next Save or opening",
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
    // The set-aside is proven the old header: it is said to hold it, not called the user's.
    EXPECT_NE(std::string::npos, said.find("; " + m_folder.Path("sensor_api.h") +
                                           " was changed since and is left as it is; its old contents wait in " +
                                           m_folder.Path("sensor_api.h.tmo")))
        << said;
    EXPECT_EQ(std::string::npos, said.find("not the run's")) << said;
    EXPECT_EQ(
        Sorted({"sensor_api.c=old c", "sensor_api.h.tmo=old h", "sensor_api.h=new sensor_api.h and the user's line"}),
        Entries());
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

// The record proves a file by a sum of its bytes made as the writer gives them, in pieces of any size, and
// again as recovery reads the file in blocks of its own: a big header cut off before the run was placed is
// known for the run's, and goes.
TEST_F(RecoveryTest, ABigFileWrittenInOddPiecesIsKnownForTheRunsByItsBytes)
{
    Plant({"h=old h"});
    std::string text;
    for (int i = 0; text.size() < 3 * kPieceBlockSize + 7; i++)
        text += "line " + std::to_string(i) + " of the new header\n";
    const auto produce = [&text](const PieceWriter& write, CString*)
    {
        for (std::size_t at = 0; at < text.size(); at += 12345)
            write(text.data() + at, std::min<std::size_t>(12345, text.size() - at));
        return true;
    };
    DiskFaults placing;
    placing.killedLine = "placed";
    {
        CStandInDisk disk(placing);
        CString error;
        EXPECT_THROW(ReplaceFilesTogether({{m_folder.Path("h").c_str(), produce}}, &error), Killed);
    }
    ASSERT_EQ(text, m_folder.Read("h"));
    Recover();
    EXPECT_EQ(std::vector<std::string>{"h=old h"}, Entries());
}

// Before, a temporary a kill cut off within a block matched no proof, and was left for the user: every later
// Generate said it was in the way. Each block is announced with the size and sum the file will have after
// it: a temporary whose bytes begin as the last block proven and end before the next is the run's, and goes.
TEST_F(RecoveryTest, ATemporaryCutOffWithinABlockIsKnownForTheRunsAndGoes)
{
    const std::string block(kPieceBlockSize, 'b');
    const auto produce = [&block](const PieceWriter& write, CString*)
    {
        for (int i = 0; i < 3; i++)
            write(block.data(), block.size());
        return true;
    };
    // The writes: the small first block, the rest of the first piece, then a piece each.
    const std::vector<std::size_t> writes{kFirstBlockSize, kPieceBlockSize - kFirstBlockSize, kPieceBlockSize,
                                          kPieceBlockSize};
    for (std::size_t cutIn = 2; cutIn <= writes.size(); cutIn++)
        for (const bool usersSince : {false, true})
        {
            SCOPED_TRACE("cut off within write " + std::to_string(cutIn) + (usersSince ? ", the user's since" : ""));
            Reset();
            Plant({"h=old h"});
            {
                CStandInDisk disk(KillingAt(Step::Write, static_cast<int>(cutIn)));
                CString error;
                EXPECT_THROW(ReplaceFilesTogether({{m_folder.Path("h").c_str(), produce}}, &error), Killed);
            }
            std::size_t cutAt = writes[cutIn - 1] / 2;
            for (std::size_t i = 0; i + 1 < cutIn; i++)
                cutAt += writes[i];
            ASSERT_EQ(cutAt, std::filesystem::file_size(m_folder.Path("h.tmp")));
            // As long, the user's bytes are not the run's once they differ from the last block proven.
            const std::string users = usersSince ? std::string(cutAt, 'u') : "";
            if (usersSince)
                Plant({"h.tmp=" + users});
            Recover();
            if (usersSince)
                EXPECT_EQ((std::vector<std::string>{"h.tmp=" + users, "h=old h"}), Entries());
            else
                EXPECT_EQ(std::vector<std::string>{"h=old h"}, Entries());
        }
}

// Before, a text given in one piece was announced whole in its first block: a user's file made at the
// temporary's name after a kill within it, as long or shorter, counted as the run's and was removed.
TEST_F(RecoveryTest, AUsersFileLongerThanTheFirstBlockAtTheTemporarysNameIsKeptAfterAKillInAOnePieceText)
{
    const std::string text(16 * kFirstBlockSize, 't');
    const std::string users(8 * kFirstBlockSize, 'u');
    for (const int cutIn : {1, 2})
    {
        SCOPED_TRACE("cut off within write " + std::to_string(cutIn));
        Reset();
        Plant({"big_api_demo.c=old demo"});
        {
            CStandInDisk disk(KillingAt(Step::Write, cutIn));
            CString error;
            EXPECT_THROW(ReplaceFileContents(m_folder.Path("big_api_demo.c").c_str(), text.data(), text.size(), &error),
                         Killed);
        }
        Plant({"big_api_demo.c.tmp=" + users});
        const CString at = RecordPathIn(m_folder.Path().c_str());
        const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
        EXPECT_EQ((std::vector<std::string>{"big_api_demo.c.tmp=" + users, "big_api_demo.c=old demo"}), Entries());
        EXPECT_NE(std::string::npos, said.find(m_folder.Path("big_api_demo.c.tmp"))) << said;
    }
}

#ifdef _WIN32
// Before, the header an editor holds open (sharing it for reading and writing, not for deleting) was
// emptied by the opening's recovery before the old one could not go back over it. Every file stays whole.
TEST_F(UserAfterKillTest, AHeaderAnEditorHoldsIsNeverEmptiedByTheRecovery)
{
    DiskFaults placing;
    placing.killedLine = "placed";
    ASSERT_TRUE(ReplaceOn(placing, m_names, "new").killed);
    const HANDLE editor =
        ::CreateFileA(m_folder.Path("sensor_api.h").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, editor);
    const CString at = RecordPathIn(m_folder.Path().c_str());
    const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
    ::CloseHandle(editor);
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
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "h"},
                                                  {RunStep::Aside, "h"},
                                                  {RunStep::In, "h"},
                                                  {RunStep::Old, "d"},
                                                  {RunStep::Aside, "d"},
                                                  {RunStep::In, "d"},
                                                  {RunStep::Placed, ""},
                                                  {RunStep::Old, "h"},
                                                  {RunStep::Old, "c"},
                                                  {RunStep::Wrote, "h"},
                                                  {RunStep::Wrote, "c"},
                                                  {RunStep::Aside, "h"},
                                                  {RunStep::In, "h"},
                                                  {RunStep::Aside, "c"},
                                                  {RunStep::In, "c"}}));
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
// once the held old file was free, the record read as another program's and refused every save. Its run
// holds the folder until the old file goes, as that designer's did.
TEST_F(RecoveryTest, AnEarlierDesignersFinishedRunWhoseOldFileIsHeldTakesNoLaterRunsLines)
{
    Plant({"h=new h", "h.tmo=old h", "c=old c",
           "replacing.tmr=files being replaced together, each line after its step\nold h\naside h\nin h\nplaced\n"});
    CString error;
    {
        CStandInDisk disk(Holding("h.tmo"));
        EXPECT_FALSE(Replace({"c"}, "new", &error));
    }
    EXPECT_EQ("cannot replace " + m_folder.Path("c") + ": an interrupted run that " + m_folder.Path("replacing.tmr") +
                  " records cannot be put right while another program holds " + m_folder.Path("h.tmo") +
                  "; closing that program lets the run be put right at the next Save or opening",
              std::string(error));
    EXPECT_TRUE(Replace({"c"}, "new", &error)) << error;
    EXPECT_EQ((std::vector<std::string>{"c=new c", "h=new h"}), Entries());
}

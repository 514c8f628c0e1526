// A folder where a run of the writer is cut off, as a kill would, and then opened: what is planted there, what
// the run and the opening's recovery leave, and the checks that the user's files and one generation survive.
#pragma once

#include "project/AtomicFile.h"
#include "project/RunRepair.h"
#include "project/SystemError.h"
#include "TestFolder.h"
#include "WriterFaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

// What a run stopped as a kill would stop it did on the disk.
struct KilledRun
{
    bool killed = false;
    std::vector<std::string> done;  // the stand-in disk's steps, "<kind> <name>"
};

inline bool EndsWithAny(const std::string& name, std::initializer_list<const char*> ends)
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
    // The last run's failure left a file of its own, or its temporary, with the new contents.
    mutable bool m_leftNew = false;
    // What the kill loops have followed already. Recovery and a run depend on nothing but the folder's names
    // and bytes (and the test's faults), so a state met again, as many kill points leave, is not followed again.
    mutable std::set<std::vector<std::string>> m_openedAfterKill;  // what a kill left, with the names the run made
    mutable std::set<std::vector<std::string>> m_runAfterOpening;  // what an opening left, with the names in the way

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
    // The folder's record, and what the opening tells the user of the run it recorded.
    std::string At() const { return std::string(RecordPathIn(m_folder.Path().c_str())); }
    std::string Opening() const
    {
        return std::string(RecoveryText(At().c_str(), RecoverInterruptedRun(m_folder.Path().c_str())));
    }
    // Each named file replaced by "<age> <name>", together; told gets what the run told besides.
    bool Replace(const std::vector<std::string>& names, const std::string& age, CString* error,
                 CString* told = nullptr) const
    {
        std::vector<std::string> texts;
        for (const std::string& name : names)
            texts.push_back(age + " " + name);
        std::vector<NewFileContents> files;
        for (std::size_t i = 0; i < names.size(); i++)
            files.push_back({m_folder.Path(names[i]).c_str(), ContentsOf(texts[i].data(), texts[i].size())});
        return ReplaceFilesTogether(files, error, told, &m_leftNew);
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
    // The files replaced with "new" on a disk with those faults, which fail the run; the error.
    std::string FailedOn(const DiskFaults& faults, const std::vector<std::string>& names) const
    {
        CStandInDisk disk(faults);
        CString error;
        EXPECT_FALSE(Replace(names, "new", &error));
        return std::string(error);
    }
    // h and c replaced, killed with the old header aside, then that set-aside deleted where oldGone, and opened on a
    // disk with those faults where another program writes h just before each move to it; what the opening said.
    std::string OpenedAsAnotherProgramWritesTheHeader(bool oldGone, DiskFaults faults) const
    {
        Reset();
        Plant({"h=old h", "c=old c"});
        EXPECT_TRUE(ReplaceKilled({"h", "c"}, "new", Step::Move, 2)) << "killed with the old header aside";
        if (oldGone)
            std::filesystem::remove(m_folder.Path("h.tmo"));
        faults.beforeMove = [this](const std::string& name)
        {
            if (name == "h")
                Plant({"h=the other program's h"});
        };
        CStandInDisk disk(faults);
        return Opening();
    }
    // h, c and d replaced with the drive gone after a move, one move done but called failed; the error.
    std::string ReplaceWithDriveGone(int doneButFails, int goneAfter) const
    {
        DiskFaults faults;
        faults.doneButFails = doneButFails;
        faults.goneAfter = goneAfter;
        return FailedOn(faults, {"h", "c", "d"});
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
        for (const std::string& name : NamesIn(m_folder.Path()))
            entries.push_back(name + "=" + m_folder.Read(name));
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
    // What an opening says of the header it could not put back, for the system's error code.
    std::string HeaderWaits(unsigned long code, const std::string& header = "h") const
    {
        return "; " + m_folder.Path(header) + " could not be put back yet, its old contents wait in " +
               m_folder.Path(header + ".tmo") + " (" + std::string(SystemErrorText(code)) + "); meanwhile " +
               m_folder.Path(header) + " keeps the run's new contents";
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
        {
            SCOPED_TRACE("run killed at step " + std::to_string(faults.killCount));
            const KilledRun run = KillTheRun(faults, afterHeld);
            if (!run.killed)
                return;
            // A kill leaves only names and bytes: each opening after it starts from them, the run made once.
            const std::vector<std::string> left = Entries();
            if (!FirstTime(m_openedAfterKill, left, NamesMade(run.done)))
                continue;
            for (int recoveryKill = 0;; recoveryKill++)
            {
                bool recoveryEnded = false;
                for (const UserAfter user : {UserAfter::MakesAtNamesNotMade, UserAfter::MakesAtFreeNames,
                                             UserAfter::EditsTheHeader, UserAfter::DeletesTheSource})
                {
                    SCOPED_TRACE("its recovery killed at step " + std::to_string(recoveryKill) + ", the user's doing " +
                                 std::to_string(static_cast<int>(user)));
                    Reset();
                    Plant(left);
                    recoveryEnded = !OpenAfterKill(run, recoveryKill, user, afterHeld);
                }
                if (recoveryEnded)
                    break;
            }
        }
    }
    // The user's files beside the run's, and after a finished run the new k it left.
    static std::vector<std::string> UsersFiles(bool afterHeld)
    {
        std::vector<std::string> users = {"h.old=the user's", "x.tmo=the user's", "x.tmp=the user's"};
        if (afterHeld)
            users.push_back("k=new k");
        return users;
    }
    // A run of h, c and the new d in a fresh folder, beside the user's files, on a disk with those faults.
    KilledRun KillTheRun(const DiskFaults& faults, bool afterHeld) const
    {
        Reset();
        Plant({"h=old h", "c=old c"});
        Plant(UsersFiles(false));
        // The old k of a finished run, held through the kill, the opening and the next Generate.
        if (afterHeld)
            FinishWithHeldOldFile();
        return ReplaceOn(faults, {"h", "c", "d"}, "new");
    }
    // k replaced by a run that finished while another program held its old file.
    void FinishWithHeldOldFile() const
    {
        Plant({"k=old k"});
        CStandInDisk disk(Holding("k.tmo"));
        CString error;
        EXPECT_TRUE(Replace({"k"}, "new", &error)) << error;
        EXPECT_TRUE(std::filesystem::exists(m_folder.Path("k.tmo")));
    }
    // In the folder as the run's kill left it: the user acting, the opening's recovery killed at its recoveryKill-th
    // step unless 0, the opening again and the next Generate; false when that recovery ran to its end first.
    bool OpenAfterKill(const KilledRun& run, int recoveryKill, UserAfter user, bool afterHeld) const
    {
        const std::vector<std::string> users = UsersFiles(afterHeld);
        const DiskFaults held = afterHeld ? Holding("k.tmo") : DiskFaults();
        std::set<std::string> changed;
        std::vector<std::string> later = UserActs(user, run.done, &changed);
        std::vector<std::string> recovered;
        if (recoveryKill > 0)
        {
            if (!RecoverKilled(recoveryKill, held, &recovered))
                return false;
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
        if (FirstTime(m_runAfterOpening, Entries(), inTheWay))
            ExpectTheNextRunWhole(users, inTheWay, held);
        return true;
    }
    // Whether the state, the folder's entries with what else decides what follows, is met for the first time.
    template <typename Names>
    static bool FirstTime(std::set<std::vector<std::string>>& met, std::vector<std::string> entries,
                          const Names& besides)
    {
        entries.push_back("|");
        entries.insert(entries.end(), besides.begin(), besides.end());
        return met.insert(std::move(entries)).second;
    }
};

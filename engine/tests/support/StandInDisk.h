// StandInDisk.h: the disk the atomic writer's tests put in place of the system's: it takes every step of the
// writer and of its recovery, and can stop them at any one as a kill would, fill up, go away, or hold a file.
//
// Classes: Killed, DiskFaults, CStandInDisk.
#pragma once

#include "project/DiskSteps.h"

#include <set>
#include <functional>
#include <string>
#include <vector>

// The writer's steps on the disk, as the stand-in counts them.
enum class Step
{
    Any,
    Create,    // a temporary or a reserved name made
    Write,     // a piece of a temporary
    Move,      // a set-aside, a temporary going in, an old file going back
    Remove,    // a temporary, a set-aside or the record going
    Removing,  // a removal part way, on Windows: its file opened to go, then under its fresh name
    Record,    // the record made, a line of it, its start written over, or a line cut off cut away
};

// Thrown where the writer is stopped as a kill would stop it; unwinding only closes its files.
struct Killed
{
};

// How a write fails once the room is used up.
enum class Full
{
    ShortWithNoError,  // as Wine's writes do: fewer bytes, no system error (its C library says EINVAL)
    WithError,         // the system's own disk-full error
};

struct DiskFaults
{
    Step killAt = Step::Any;
    int killCount = 0;           // the writer is stopped at the killCount-th step of that kind; 0: never
    int doneButFails = 0;        // this move is done and then called failed, as Wine does on a drive going away
    int goneAfter = 0;           // from the move after this one the drive is gone: every step fails; 0: never
    int refusedMove = 0;         // this move is refused, as over a file another program holds; 0: none
    std::string refusedLine;     // a line of the record that begins so is written half, and fails
    std::string held;            // the name of a file another program holds open: it cannot be removed
    std::string refusedRemoval;  // the name of a file whose removal is refused as access denied, as a read-only one's
    std::string pendingRemoval;  // one whose removal, and every opening to read it, Windows refuses as access
                                 // denied, the file pending deletion while another program holds it (Wine
                                 // takes the removal and lets it be read)
    std::string mappedRemoval;   // one whose removal Windows refuses as access denied, another program mapping it
    std::string heldInPlace;     // one held so that it can neither be moved nor have a file moved over it
    std::set<std::string> unreadable;  // names every opening to read refuses, as files another program holds
                                       // sharing nothing
    std::string killedLine;            // the writer is stopped as it is about to write a line that begins so
    std::string deletedFirst;          // the name of a file the user deletes just before the writer moves it
    bool readOnly = false;             // the folder cannot be written: every move and removal is refused, and the
                                       // record can only be read
    bool removalsStay = false;         // every removal is taken and its name stays, as Wine does in a folder that
                                       // cannot be written
    bool recordRefused = false;        // the record cannot be made, as on a drive that cannot be written
    bool cutRefused = false;           // a line cut off cannot be cut away from the record
    std::function<void(int move)> afterMove;  // what happens on the disk after each move, as a drive going
    std::function<void()> onPause;            // what another program does while the writer waits for its run to end
    long long room = -1;                      // bytes the disk still takes; negative: as many as the real disk takes
    Full full = Full::ShortWithNoError;
    // What another program does just before the writer makes a file, or its record, of that name.
    std::function<void(const std::string& name)> beforeCreate;
    // What another program does just before the writer writes a piece of a temporary.
    std::function<void()> beforeWrite;
    // What another program does just before the writer moves a file to that name.
    std::function<void(const std::string& name)> beforeMove;
    // What another program does just after the writer's move to that name is refused.
    std::function<void(const std::string& name)> afterRefusedMove;
};

// In use for as long as it lives. Without faults it is the system's disk, but that the record's lines are left to
// the system rather than waited for on the disk itself: the kills it stands for stop the program, not the machine.
class CStandInDisk : public IDiskSteps
{
public:
    explicit CStandInDisk(const DiskFaults& faults = DiskFaults());

    std::FILE* CreateNew(const char* path) override;
    // A kill part way leaves the first half of the piece written.
    std::size_t Write(std::FILE* file, const void* data, std::size_t size) override;
    bool MoveOver(const char* from, const char* to) override;
    bool MoveIn(const char* from, const char* to) override;
    bool Remove(const char* path) override;
    // A file pending deletion is refused, as Windows refuses every opening of one.
    std::intptr_t OpenToRead(const char* path) override;
    std::FILE* OpenRecord(const char* path, RecordAccess access) override;
    bool Append(std::FILE* record, const char* text) override;
    // A kill part way leaves the first half of the text over the record's start.
    bool Rewrite(std::FILE* record, const char* text) override;
    bool Cut(std::FILE* record, long size) override;
    // No time passes: what another program does meanwhile is done at once.
    void Pause() override;

    // The steps done so far, each "<kind> <file name>", a move by the name it went to: "create", "move",
    // "remove", "record" (a line, without its end), "rewrite" (the record's start), "open" (an existing record
    // opened to be written); writes are not told.
    const std::vector<std::string>& Done() const { return m_done; }
    // Whether the writer was stopped.
    bool Stopped() const { return m_stopped; }
    // How often the writer waited for another program's run.
    int Pauses() const { return m_pauses; }

private:
    bool RefusedAsPending(const char* path) const;
    bool Move(const char* from, const char* to, bool replacing);
    bool TakeStep(Step step);
    // Throws Killed where the faults stop the writer at this step.
    void KillIfDue(Step step);

    DiskFaults m_faults;
    int m_moves = 0;  // the moves so far, which the faults count
    int m_steps = 0;  // the steps of the kind killAt so far
    bool m_stopped = false;
    int m_pauses = 0;
    std::vector<std::string> m_done;
    CDiskStepsInUse m_inUse{*this};
};

// The name of a file in path.
std::string NameIn(const char* path);
// Every name a run made a file at, in done.
std::set<std::string> NamesMade(const std::vector<std::string>& done);
// The names in folder, sorted; no file is read, as one held while pending deletion may not be.
std::vector<std::string> NamesIn(const std::string& folder);

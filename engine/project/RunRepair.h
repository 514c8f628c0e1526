// RunRepair.h: finishes or undoes a run of the atomic writer from its record and the bytes of the files it
// names, the same way whether the run itself failed or a later opening finds it cut off.
//
//   record       name        recovery
//   any          NAME.tmp    removed where empty or proven, but where it is all a file whose old contents are
//                            gone has; anything else is left and named
//   not placed   old NAME    NAME.tmo, proven the old file, goes back over NAME in one move where NAME is
//                            missing from a folder reached, empty or proven the new file; beside anything
//                            else both are left and named. An empty NAME.tmo the run reserved goes. Decided
//                            from what is seen at the three names alone (RepairDecision.h).
//                new NAME    removed where empty or proven the new file; anything else is left and named
//   placed       NAME.tmo    removed where empty or proven the old file
//
// A file that cannot be read, moved or removed, or a name missing from a folder that cannot be reached,
// keeps the record for the next recovery; every other file is put right meanwhile.
// Past a damaged line of the record nothing is known: a file at a temporary's or set-aside's name that no line
// read names is left as it stands, and named.
#pragma once

#include "RunRecord.h"

#include <afx.h>

#include <utility>
#include <vector>

// The step on a file that a recovery could not take.
enum class BlockedStep
{
    Write,    // a file moved to a name that was free: the folder may not be written
    Read,     // the file read, to tell whose it is, or a record opened
    Replace,  // a file moved over it
    Remove,   // the file removed
    Move,     // the file moved to its place
};

// What kept a run cut off from being put right: the first file that could not be, and the system's error.
struct RunBlocker
{
    CString path;  // empty while nothing did
    unsigned long code = 0;
    BlockedStep step = BlockedStep::Write;
    bool held = false;         // another program holds path: the system may have called it access denied
    bool unreachable = false;  // the folder of path could not be reached, as on a drive gone
    bool stays = false;        // the system took its removal, but the name stayed: no system error says why
    bool readOnly = false;     // path is marked read-only, which refused the step as access denied
    bool taken = false;        // another program put a file at path, seen free, as the run's was moved there
};

// What a recovery left of the folder's record.
enum class RecordLeft
{
    None,      // there was none: no run was cut off there
    Removed,   // its run was put right, and it went
    Blocked,   // it stays and holds the folder: its run is not put right, or it is no record of ours
    GoesOn,    // it stays, held: only old files of finished runs wait, and the next run goes on in it
    Anothers,  // another program's run holds it
};

// What a recovery found and did.
struct RunRecovery
{
    RecordLeft record = RecordLeft::None;
    bool found = false;      // a run cut off before it was placed was read, and files moved or removed to undo it
    bool foreign = false;    // a file of the record's name is no record of the designer's
    bool placed = false;     // the run read was placed: it was finished, not undone
    bool finished = false;   // the run was placed or undone, and only old files of placed runs keep its record
    bool damaged = false;    // its record was read only up to a damaged line
    bool proofless = false;  // its record, an earlier designer's, proves no file at its own name by its bytes
    std::vector<RecordedFile> waiting;   // those old files, which go once they are free
    std::vector<RunBlocker> waitingWhy;  // what keeps each of them, in their order
    RunBlocker blocker;                  // what keeps the run, or its record, from being put right
    std::vector<CString> left;  // files at the run's names that are not the run's by their bytes: left as they stand
    // Files at the run's temporaries that its record cannot prove the run's: a user's, or the run's own whose bytes
    // never all reached the disk, as after a power loss. Left as they stand.
    std::vector<CString> unproven;
    // Files the user changed since the run put them in, left as they are; the second, the old contents' set-aside,
    // empty where they had no bytes.
    std::vector<std::pair<CString, CString>> changedBesideOld;
    // The same for files at their own names that an earlier designer's record, which proves no new file, names;
    // the second is empty where the run made the file.
    std::vector<std::pair<CString, CString>> unprovenBesideOld;
    std::vector<CString> oldGone;  // files whose old contents were gone before they could go back: kept new
    std::vector<CString> keptNew;  // files kept new beside a set-aside that is not the run's, named in left
    // Files missing beside a set-aside that is not the run's, named in left; the second, the temporary that holds
    // the run's new file whole, or empty.
    std::vector<std::pair<CString, CString>> missing;
    // Temporaries that hold the run's new file whole beside another's file at its name, its old contents gone;
    // that file is named in left.
    std::vector<CString> newBesideOther;
    bool onlyRecord = false;   // the run was put right whole, and only its record could not go yet
    bool recordGoing = false;  // the record is pending deletion, nothing of it read: only its holder keeps it
    bool mixedNext = false;    // a file waits so that the next recovery cannot put it back as it was either
    bool leftNew = false;      // a file, or a temporary standing for it, keeps the run's new contents
    // While the run cannot be put right, what stands at each of its files that could not be, each after "; ".
    CString meanwhile;
    // The files the run's record names, at their own names, once it was read whole; while named is false, as where
    // it could not be read or a line of it was damaged, any file may be the run's.
    std::vector<CString> names;
    bool named = false;
};

// Settles a placed run (its old files go) and undoes any other (each file as it was), touching only a file
// whose bytes the record proves the run's; writes nothing to the record, so that doing it twice does what
// doing it once does. False while a file cannot be put right: the record must then stay for the next
// recovery, outcome names the first such file, and its meanwhile says what stands at each one. error, given by
// the run's own undo, gets those words, which say "; <file> could not be put back yet, its old contents wait in
// <set-aside> (<why>)" for each old file that waits aside, and where a file the run made, or one whose old contents
// were gone, keeps the run's new contents meanwhile; where only its temporaries, or names it reserved, could not go,
// that the files hold their old contents, and what keeps each. A later recovery says nothing of a file in a folder
// not reached, and of one it cannot read only that.
bool FinishOrUndo(const RunContents& run, CString* error, RunRecovery* outcome);

// Puts right the run of the atomic writer cut off in the folder, whichever program or project it wrote:
// asked once per folder, at the opening of a project and before each run. A record of a run still going,
// or a file of the record's name that is not a record, is left alone.
RunRecovery RecoverInterruptedRun(const char* folder);
// The same for the record at, read once and held in record meanwhile: it is removed once its run is put right,
// and stays held while anything is left, for a run to go on in it once only old files of placed runs are.
// RunRecovery::record says which.
RunRecovery RecoverRunAt(const CString& at, CRunRecord& record);

// The words that say a file keeps the run's new contents.
extern const char kKeepsNewContents[];

// What the user is told of a recovery in the folder whose record is at: why a run cut off was not put right
// and what lets it be, or that it was and which files it left as the user changed them; empty when there
// is nothing to tell.
CString RecoveryText(const CString& at, const RunRecovery& recovery);
// The folder itself refuses the run's steps, as one that cannot be written: no file let go puts the run right.
bool FolderCannotBeWritten(const RunBlocker& blocker);

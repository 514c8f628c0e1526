// RepairDecision.h: how an old file of a run cut off goes back, decided from the record and what is seen at its
// names alone, with no disk; the settling carries the decision out and words it (RunRepair.cpp).
//
//   set-aside                    file at its name                     decision
//   missing, said to go aside    missing, the run's new file whole    the new file goes in: the old contents
//                                at the temporary                     were gone, unless the new file is the
//                                                                     old one byte for byte
//                                another's or empty, the run's new    none: both named, the file left and
//                                file whole at the temporary          the new file kept at the temporary
//                                unreadable, the run's new file       blocked at the file, the new file kept
//                                whole at the temporary               at the temporary
//   missing                      the run's new, said to go aside       none: its old contents were gone
//                                anything else                         none
//   unreadable                   -                                     blocked at the set-aside
//   empty, reserved by the run   -                                     the set-aside goes
//   not the run's                the run's new                         none: both named, it keeps the new
//                                missing                               none: both named, it is missing, and
//                                                                      the run's new file whole at the
//                                                                      temporary stays, named
//                                anything else                         none: the set-aside named
//   proven the old file          missing, empty or the run's new       moved back
//                                unreadable                            blocked at the file
//                                anything else                         none: both named, changed since, or
//                                                                      not proven the run's where the
//                                                                      record's form proves no new file
//   proven an old file of no     anything else                         the set-aside goes; the file is left,
//   bytes                                                              named changed since, or not proven the
//                                                                      run's where the record's form proves
//                                                                      no new file
//
// The last proof of a temporary proves the run's new file at its name even where no line says it went in: that
// line may be the one a kill tore, each line coming before its step (NewAtName).
//
// Classes: BackDecision.
#pragma once

#include "RunRecord.h"

// What stands at a name seen, against the proofs once they count there; an earlier record's line proves any file.
Standing Against(const Seen& seen, const RunProofs& proofs, bool counts);
// The same by the proofs of bytes alone, as where a file that is not empty goes: an earlier record's line proves
// nothing there.
Standing AgainstBytes(const Seen& seen, const std::vector<ContentProof>& contents, bool counts);

enum class BackStep
{
    None,
    MoveBack,     // the set-aside over the file, in one move
    RemoveAside,  // the empty name the run reserved
    BlockAtAside,
    BlockAtPath,
    MoveNewIn,  // the temporary over the file, in one move: all the file still has
};

// What the user is told of the file.
enum class BackWord
{
    None,
    Gone,               // its old contents were gone: it keeps the run's new ones
    KeptNew,            // it keeps the run's new contents beside a set-aside that is not the run's
    Missing,            // it is missing beside a set-aside that is not the run's
    MissingBesideNew,   // the same, the run's new file whole waiting at its temporary
    OtherBesideNew,     // another's file at its name, its old contents gone: left, the run's new file whole
                        // waiting at its temporary
    ChangedBesideOld,   // changed since the run put it in: left, its old contents waiting aside
    UnprovenBesideOld,  // left the same way, as an earlier designer's record proves no new file there
    Changed,            // changed since, its old file of no bytes: left
    Unproven,           // left so where its old file had no bytes
};

struct BackDecision
{
    BackStep step = BackStep::None;
    BackWord word = BackWord::None;
    bool asideLeft = false;      // the set-aside is not the run's: it stays, and is named
    bool temporaryKept = false;  // the run's new file stays at the temporary: nothing else is left of the file
};

// What proves the run's new file at its own name: once said to be in, its own proof; before, the last proof of
// its temporary, as the line saying it went in may be the one a kill tore.
RunProofs NewAtName(const RecordedFile& file);
// The run's new file stands at its name, as seen there, and not the old one's: a Generate often leaves a text as
// it was, and an old file put back then matches the new proof too.
bool NewIsIn(const RecordedFile& file, const Seen& at);
// The run's new file is the old one byte for byte, as where a Generate left a text as it was.
bool NewIsOld(const RecordedFile& file);
BackDecision DecideBack(const RecordedFile& file, const Seen& aside, const Seen& at, const Seen& temporary);

// RepairDecision.cpp: how an old file of a run cut off goes back, decided with no disk.
#include "RepairDecision.h"

#include <algorithm>

namespace
{

// The old file the record says went aside had no bytes, as an earlier designer's record may say of any.
bool EmptyWentAside(const RecordedFile& file)
{
    const auto empty = [](const ContentProof& proof) { return proof.size == 0; };
    return file.aside &&
           (file.oldProofs.any || std::any_of(file.oldProofs.contents.begin(), file.oldProofs.contents.end(), empty));
}

// The run's new file as its temporary was last announced: every temporary was written whole before any old
// file went aside.
RunProofs LastWritten(const RecordedFile& file)
{
    RunProofs written;
    if (!file.temporaryProofs.contents.empty())
        written.Prove(file.temporaryProofs.contents.back());
    return written;
}

// The same, or any file at the temporary where an earlier designer's record names it.
RunProofs WholeNew(const RecordedFile& file)
{
    RunProofs whole = LastWritten(file);
    whole.any = file.temporaryProofs.any;
    return whole;
}

BackDecision Decided(BackStep step, BackWord word = BackWord::None, bool asideLeft = false)
{
    return {step, word, asideLeft};
}

// Beside a set-aside that is not the run's, as a save of the user's between the run's proof and its move, nothing
// moves: the new file keeps its place, and where nothing stands at the file's name the run's new file whole at
// the temporary is all of it there is, and stays.
BackDecision BesideOther(const RecordedFile& file, const Seen& at, const Seen& temporary)
{
    if (NewIsIn(file, at))
        return Decided(BackStep::None, BackWord::KeptNew, true);
    if (at.kind != Seen::Kind::Absent)
        return Decided(BackStep::None, BackWord::None, true);
    if (Against(temporary, WholeNew(file), true) != Standing::Proven)
        return Decided(BackStep::None, BackWord::Missing, true);
    return {BackStep::None, BackWord::MissingBesideNew, true, true};
}

// With the old file said to go aside and gone from there: the run's new file whole at the temporary is all the
// file has where nothing stands at its name, and goes in; beside a file there that is neither the old nor the
// run's new, another program's, it stays, and both are named; beside one that cannot be read, which may be
// either, it stays, and the file blocks.
BackDecision OldGone(const RecordedFile& file, const Seen& at, const Seen& temporary)
{
    if (!file.aside)
        return Decided(BackStep::None);
    if (NewIsIn(file, at))
        return Decided(BackStep::None, BackWord::Gone);
    if (Against(temporary, WholeNew(file), true) != Standing::Proven)
        return Decided(BackStep::None);
    // A run that left the text as it was puts the old bytes back exactly.
    if (at.kind == Seen::Kind::Absent)
        return Decided(BackStep::MoveNewIn, NewIsOld(file) ? BackWord::None : BackWord::Gone);
    const Standing there = Against(at, file.oldProofs, true);
    if (there == Standing::Unknown || there == Standing::Going)
        return {BackStep::BlockAtPath, BackWord::None, false, true};
    if (there != Standing::Other && there != Standing::Empty)
        return Decided(BackStep::None);
    return {BackStep::None, BackWord::OtherBesideNew, false, true};
}

// With the set-aside proven the old file or the name the run reserved (old), by what stands at the file's name.
BackDecision DecideByFile(const RecordedFile& file, Standing old, const Seen& at)
{
    switch (Against(at, NewAtName(file), true))
    {
    case Standing::Unknown:
    case Standing::Going:
        return Decided(BackStep::BlockAtPath);
    case Standing::Other:
        // An old file of no bytes holds nothing to lose: its set-aside goes. An earlier designer's record proves
        // no new file: nothing says the user changed it.
        if (old == Standing::Empty)
            return Decided(BackStep::RemoveAside, file.proven ? BackWord::Changed : BackWord::Unproven);
        return Decided(BackStep::None, file.proven ? BackWord::ChangedBesideOld : BackWord::UnprovenBesideOld);
    case Standing::Empty:
        if (old == Standing::Empty)
            return Decided(BackStep::RemoveAside);
        break;
    case Standing::Absent:
    case Standing::Proven:
        break;
    }
    return Decided(BackStep::MoveBack);
}

}  // namespace

bool NewIsOld(const RecordedFile& file)
{
    const std::vector<ContentProof>& written = LastWritten(file).contents;
    const std::vector<ContentProof>& old = file.oldProofs.contents;
    return !written.empty() && std::find(old.begin(), old.end(), written.front()) != old.end();
}

Standing Against(const Seen& seen, const RunProofs& proofs, bool counts)
{
    const Standing standing = AgainstBytes(seen, proofs.contents, counts);
    return standing == Standing::Other && proofs.any && seen.kind == Seen::Kind::File ? Standing::Proven : standing;
}

Standing AgainstBytes(const Seen& seen, const std::vector<ContentProof>& contents, bool counts)
{
    switch (seen.kind)
    {
    case Seen::Kind::Absent:
        return Standing::Absent;
    case Seen::Kind::Folder:
        return Standing::Other;
    case Seen::Kind::Unknown:
        return Standing::Unknown;
    case Seen::Kind::Going:
        return Standing::Going;
    case Seen::Kind::File:
        break;
    }
    if (seen.proof.size == 0)
        return Standing::Empty;
    const bool proven = counts && std::find(contents.begin(), contents.end(), seen.proof) != contents.end();
    return proven ? Standing::Proven : Standing::Other;
}

RunProofs NewAtName(const RecordedFile& file) { return file.in ? file.newProofs : LastWritten(file); }

bool NewIsIn(const RecordedFile& file, const Seen& at)
{
    return Against(at, NewAtName(file), true) == Standing::Proven &&
           Against(at, file.oldProofs, true) != Standing::Proven;
}

BackDecision DecideBack(const RecordedFile& file, const Seen& aside, const Seen& at, const Seen& temporary)
{
    const Standing old = Against(aside, file.oldProofs, file.aside);
    switch (old)
    {
    case Standing::Absent:
        return OldGone(file, at, temporary);
    case Standing::Unknown:
    case Standing::Going:
        return Decided(BackStep::BlockAtAside);
    case Standing::Other:
        return BesideOther(file, at, temporary);
    case Standing::Empty:
        // The name the run reserved, unless an old file of no bytes went aside: it never goes back over a name.
        if (!EmptyWentAside(file))
            return Decided(file.reserved ? BackStep::RemoveAside : BackStep::None);
        break;
    case Standing::Proven:
        break;
    }
    return DecideByFile(file, old, at);
}

// RunRepair.cpp: finishes or undoes a run of the atomic writer from its record and the bytes of its files.
#include "RunRepair.h"

#include "DiskState.h"
#include "DiskSteps.h"
#include "RepairDecision.h"
#include "SystemError.h"

#include <algorithm>

namespace
{

// What keeps path from being put right, after the system's error code for the step refused, or after a removal
// it took while the name stayed.
RunBlocker BlockerOf(const CString& path, unsigned long code, BlockedStep step, bool stays)
{
    const bool held = stays ? WaitsForAHolder(path) : IsHeldFileError(code) || IsHeldOpen(path);
    RunBlocker blocker = {path, code, step, held, !FolderReached(path), stays};
    blocker.readOnly = step != BlockedStep::Read && code == AccessDeniedError() && IsReadOnlyFile(path);
    return blocker;
}

// A run being put right: what keeps it from being whole, and what it leaves to the user.
class CSettling
{
public:
    // ownRun: the run's own undo, which knows what it moved moments ago even where the folder is gone meanwhile,
    // but for the move of moving, the last announced, which may have failed.
    // taken: the move of moving found its name, seen free, taken.
    CSettling(RunRecovery* outcome, bool ownRun, const RecordedFile* moving, bool taken)
        : m_outcome(*outcome), m_ownRun(ownRun), m_moving(moving), m_taken(ownRun && taken)
    {
    }

    bool Whole() const { return m_whole; }
    // False, with path, the step refused and the system's error named unless a file was named before.
    bool Blocked(const CString& path, unsigned long code, BlockedStep step, bool stays = false)
    {
        return BlockedBy(BlockerOf(path, code, step, stays));
    }
    // Blocked by another program's file at path, put there as the run's was moved to it, seen free: the next
    // recovery leaves it beside the run's file.
    bool BlockedByTaken(const CString& path, unsigned long code)
    {
        RunBlocker blocker = BlockerOf(path, code, BlockedStep::Replace, false);
        blocker.taken = true;
        LeftMixedNext();
        return BlockedBy(blocker);
    }
    // Done only once the name is gone: a file another program holds sharing its deletion stays until it lets go.
    bool Remove(const CString& path)
    {
        bool stays = false;
        return Acted(Removed(path, &stays)) || Blocked(path, stays ? 0 : LastSystemError(), BlockedStep::Remove, stays);
    }
    // What stands at path goes where it is empty or the run's by its bytes; anything else stays and is named. One
    // pending deletion goes already, once its holder lets go.
    bool RemoveIfTheRuns(const CString& path, Standing standing, unsigned long code)
    {
        switch (standing)
        {
        case Standing::Absent:
            return true;
        case Standing::Empty:
        case Standing::Proven:
            return Remove(path);
        case Standing::Other:
            return Leave(path);
        case Standing::Going:
            return Blocked(path, 0, BlockedStep::Remove, true);
        case Standing::Unknown:
            break;
        }
        return Blocked(path, code, BlockedStep::Read);
    }
    // A temporary, or a name the run reserved, that goes as RemoveIfTheRuns has it: while it alone cannot, the
    // files are as they were, and only it waits.
    bool RemoveLeftover(const CString& path, Standing standing, unsigned long code)
    {
        if (RemoveIfTheRuns(path, standing, code))
            return true;
        m_leftovers.push_back(m_last);
        return false;
    }
    // What keeps each leftover that could not go, where nothing else keeps the run.
    const std::vector<RunBlocker>& OnlyLeftoversWait() const
    {
        static const std::vector<RunBlocker> none;
        return m_leftovers.size() == m_blocks ? m_leftovers : none;
    }
    // The file could not be read, as seen: one pending deletion waits for its holder, as after a removal taken.
    bool BlockedAt(const CString& path, const Seen& seen)
    {
        const bool going = seen.kind == Seen::Kind::Going;
        return Blocked(path, going ? 0 : seen.code, BlockedStep::Read, going);
    }
    // A file moved or removed to put the run right: true when done.
    bool Acted(bool done)
    {
        m_acted = m_acted || done;
        return done;
    }
    bool AnyActed() const { return m_acted; }
    // A file at one of the run's names whose bytes are not the run's: it stays, and is named.
    bool Leave(const CString& path)
    {
        m_outcome.left.push_back(path);
        return true;
    }
    // A file at a temporary whose bytes the record cannot prove the run's: it stays, and is named.
    bool LeaveUnprovenTemporary(const CString& path)
    {
        m_outcome.unproven.push_back(path);
        return true;
    }
    // A file whose old contents are gone, by the user's act: it keeps the run's new ones, and is named.
    bool Gone(const CString& path)
    {
        m_outcome.oldGone.push_back(path);
        return true;
    }
    // A file, or its temporary, keeps the run's new contents while it cannot be put right.
    CString KeepsNewMeanwhile()
    {
        m_outcome.leftNew = true;
        return kKeepsNewContents;
    }
    // A file the run's undo leaves with the run's new contents, beside a set-aside that is not the run's.
    bool KeepsNew(const CString& path)
    {
        m_outcome.keptNew.push_back(path);
        return true;
    }
    // A file missing beside a set-aside that is not the run's; temporary, where not empty, holds the run's new file.
    bool Missing(const CString& path, const CString& temporary = CString())
    {
        m_outcome.missing.emplace_back(path, temporary);
        return true;
    }
    // Another's file at the file's name, its old contents gone: it stays, and so does the run's new file whole at
    // the temporary; both are named.
    bool LeaveBesideNew(const CString& path, const CString& temporary)
    {
        m_outcome.newBesideOther.push_back(temporary);
        return Leave(path);
    }
    // A file changed since the run put it in: it stays, and is named with where its proven old contents wait,
    // where they are not of no bytes.
    bool LeaveBesideOld(const CString& path, const CString& setAside)
    {
        m_outcome.changedBesideOld.emplace_back(path, setAside);
        return true;
    }
    // The same for a file the record cannot prove either way.
    bool LeaveUnproven(const CString& path, const CString& setAside)
    {
        m_outcome.unprovenBesideOld.emplace_back(path, setAside);
        return true;
    }
    // The old file of a placed run that could not go, as blocked last: it goes once it is free.
    void Wait(const RecordedFile& file)
    {
        m_outcome.waiting.push_back(file);
        m_outcome.waitingWhy.push_back(m_last);
    }
    // An old file of a run cut off waits aside, to go back at the next recovery.
    void OldWaits() { m_oldWaits = true; }
    bool AnyOldWaits() const { return m_oldWaits; }
    // The next recovery cannot put the file back as it was: a new file waits to go in where its old contents are
    // gone, or the old contents wait at a name that goes once its holder lets it go.
    void LeftMixedNext() { m_mixedNext = true; }
    bool AnyLeftMixedNext() const { return m_mixedNext; }
    // Nothing of the file's contents is known: a later recovery did not see them, its folder not reached.
    bool Unseen(const RecordedFile& file) const
    {
        return (!m_ownRun || &file == m_moving) && !FolderReached(file.path);
    }
    // The run's own last move, of a file in, failed with its folder gone: it may have been done all the same, as
    // Wine calls such a move failed, and the file may keep the run's new contents once the folder is back.
    bool MayHaveMovedIn() const { return m_ownRun && m_moving && m_moving->in && Unseen(*m_moving); }
    // What the record says went in stands at the file's name, which cannot be read: the run's own undo knows what it
    // moved moments ago; a later recovery knows nothing of it, as the user may have changed it since.
    bool TakesAsIn(const RecordedFile& file) const { return file.in && m_ownRun && !Unseen(file); }
    // What stands at the file's name is another program's, put there as the run moved its own in.
    bool Taken(const RecordedFile& file, const Seen& at) const
    {
        return m_taken && &file == m_moving && at.kind != Seen::Kind::Absent;
    }
    // What stands at path, by the proofs of its bytes once they count there.
    Standing Look(const CString& path, const std::vector<ContentProof>& proofs, bool counts, unsigned long* code) const
    {
        const Seen seen = SeenAt(path);
        *code = seen.code;
        return AgainstBytes(seen, proofs, counts);
    }
    // What stands at a temporary, by the proofs of its blocks as they were announced.
    Standing LookAtWritten(const RecordedFile& file, unsigned long* code) const
    {
        return StandingOfWritten(file.temporary, file.temporaryProofs.contents, code);
    }

private:
    bool BlockedBy(const RunBlocker& blocker)
    {
        m_last = blocker;
        m_blocks++;
        if (m_whole)
            m_outcome.blocker = m_last;
        m_whole = false;
        return false;
    }

    RunRecovery& m_outcome;
    bool m_ownRun;
    const RecordedFile* m_moving;
    bool m_taken;
    RunBlocker m_last;  // what kept the file last blocked
    std::size_t m_blocks = 0;
    std::vector<RunBlocker> m_leftovers;  // what kept each temporary or reserved name from going
    bool m_whole = true;
    bool m_acted = false;
    bool m_oldWaits = false;
    bool m_mixedNext = false;
};

// The file of the run's last announced move: the last to go aside or in, the files going in their order.
const RecordedFile* Moving(const RunContents& run)
{
    const auto moved = [](const RecordedFile& file) { return file.aside || file.in; };
    const auto last = std::find_if(run.files.rbegin(), run.files.rend(), moved);
    return last == run.files.rend() ? nullptr : &*last;
}

// The file whose temporary the run was writing when it was cut off: the last announced, while none went aside
// or in. Every temporary before it was written whole.
const RecordedFile* BeingWritten(const RunContents& run)
{
    const RecordedFile* last = nullptr;
    for (const RecordedFile& file : run.files)
    {
        if (file.aside || file.in)
            return nullptr;
        if (file.announced)
            last = &file;
    }
    return last;
}

// The temporary, as seen, goes where it is empty or the run's by its bytes: cut off within a block, the one
// being written, whose blocks are read again against the proofs announced as it was written. An earlier
// designer's line proves no bytes: a file there that is not empty may be the user's since, and stays.
bool DropTemporary(const RecordedFile& file, bool beingWritten, const Seen& seen, CSettling& settling)
{
    unsigned long code = seen.code;
    const Standing standing =
        beingWritten ? settling.LookAtWritten(file, &code) : AgainstBytes(seen, file.temporaryProofs.contents, true);
    if (standing == Standing::Other)
        return settling.LeaveUnprovenTemporary(file.temporary);
    return settling.RemoveLeftover(file.temporary, standing, code);
}

// What stands at the file's name, as seen there, while its old contents wait aside.
CString Meanwhile(const RecordedFile& file, const Seen& at, CSettling& settling)
{
    if (at.kind == Seen::Kind::Absent)
        return " is missing";
    if (at.kind == Seen::Kind::File && at.proof.size == 0)
        return " is empty";
    if (NewIsIn(file, at))
        return " " + settling.KeepsNewMeanwhile();
    if (at.kind != Seen::Kind::Unknown)
        return " is left as it is";
    // One that cannot be read, as while another program holds it, is still what the run moved in.
    if (settling.TakesAsIn(file))
        return " " + settling.KeepsNewMeanwhile();
    return " could not be read (" + SystemErrorText(at.code) + ")";
}

// What was seen at the set-aside of an old file that cannot go back yet: only one read, or moved there by the run
// itself moments ago, holds its old contents.
CString AsideText(const RecordedFile& file, const Seen& aside, unsigned long code, CSettling& settling)
{
    switch (aside.kind)
    {
    case Seen::Kind::Unknown:
        settling.OldWaits();
        if (!FolderReached(file.setAside))
            break;
        return ", " + file.setAside + " could not be read (" + SystemErrorText(aside.code) + ")";
    case Seen::Kind::Going:
        settling.LeftMixedNext();
        return ", " + file.setAside + " goes once the program that holds it lets it go";
    default:
        settling.OldWaits();
        break;
    }
    return ", its old contents wait in " + file.setAside + " (" + SystemErrorText(code) + ")";
}

// What the user is told of an old file that cannot go back yet, and of what stands at its name meanwhile;
// nothing where its old contents never went aside, or stand at its name still.
CString WaitingText(const RecordedFile& file, const Seen& aside, const Seen& at, unsigned long code,
                    CSettling& settling)
{
    if (!file.aside || AgainstBytes(at, file.oldProofs.contents, true) == Standing::Proven || settling.Unseen(file))
        return CString();
    return "; " + file.path + " could not be put back yet" + AsideText(file, aside, code, settling) + "; meanwhile " +
           file.path + Meanwhile(file, at, settling);
}

// What the temporary holds while the run's new file waits whole there, its old contents gone from their
// set-aside: where the run left the text as it was, the old contents themselves.
CString WholeAtTemporary(const RecordedFile& file, const char* gone, CSettling& settling)
{
    if (NewIsOld(file))
        return CString(", and its old contents wait in ") + file.temporary;
    return CString(gone) + file.temporary + " " + settling.KeepsNewMeanwhile();
}

// What the user is told of a file that cannot be read, its old contents gone, while the run's new file waits whole
// at its temporary: nothing of what stands there; nothing where its folder was not reached.
CString UnreadBesideNewText(const RecordedFile& file, const Seen& at, CSettling& settling)
{
    settling.LeftMixedNext();
    if (settling.Unseen(file))
        return CString();
    const CString there = at.kind == Seen::Kind::Going ? " goes once the program that holds it lets it go"
                                                       : " could not be read (" + SystemErrorText(at.code) + ")";
    return "; " + file.path + there + WholeAtTemporary(file, ", its old contents gone; meanwhile ", settling);
}

// The move to the file's name, seen free, was refused: another program put a file there since.
bool TakenSince(const Seen& at) { return at.kind == Seen::Kind::Absent && NameTaken(); }

// The set-aside back over the file, where at stands, in one move, nothing emptied first; *waiting says what is
// left while it cannot go. A name seen free is never moved over: taken since, it is looked at again, and once
// looked at again, it blocks the file beside what now stands there.
bool MoveBack(const RecordedFile& file, const Seen& aside, const Seen& at, bool again, CSettling& settling,
              CString* waiting)
{
    CString why;
    const bool free = at.kind == Seen::Kind::Absent;
    if (settling.Acted(free ? MovedIn(file.setAside, file.path, &why) : MovedOver(file.setAside, file.path, &why)))
        return true;
    const bool taken = TakenSince(at);
    if (taken && !again)
        return false;
    const unsigned long code = LastSystemError();
    *waiting = WaitingText(file, aside, taken ? SeenAt(file.path) : at, code, settling);
    if (taken)
        return settling.BlockedByTaken(file.path, code);
    const bool asideHeld = IsHeldOpen(file.setAside) && !IsHeldOpen(file.path);
    return settling.Blocked(asideHeld ? file.setAside : file.path, code,
                            free ? BlockedStep::Write : BlockedStep::Replace);
}

// The file's word from the decision.
void Say(BackWord word, const RecordedFile& file, CSettling& settling)
{
    switch (word)
    {
    case BackWord::Gone:
        settling.Gone(file.path);
        break;
    case BackWord::KeptNew:
        settling.KeepsNew(file.path);
        break;
    case BackWord::Missing:
        settling.Missing(file.path);
        break;
    case BackWord::MissingBesideNew:
        settling.Missing(file.path, file.temporary);
        break;
    case BackWord::OtherBesideNew:
        settling.LeaveBesideNew(file.path, file.temporary);
        break;
    case BackWord::ChangedBesideOld:
        settling.LeaveBesideOld(file.path, file.setAside);
        break;
    case BackWord::Changed:
        settling.LeaveBesideOld(file.path, CString());
        break;
    case BackWord::UnprovenBesideOld:
        settling.LeaveUnproven(file.path, file.setAside);
        break;
    case BackWord::Unproven:
        settling.LeaveUnproven(file.path, CString());
        break;
    case BackWord::None:
        break;
    }
}

// An old file back where it was, as decided from what was seen at its set-aside and its own name, again once
// they are looked at a second time.
bool PutBack(const RecordedFile& file, const BackDecision& decision, const Seen& aside, const Seen& at, bool again,
             CSettling& settling, CString* waiting)
{
    if (decision.asideLeft)
        settling.Leave(file.setAside);
    Say(decision.word, file, settling);
    switch (decision.step)
    {
    case BackStep::None:
        break;
    case BackStep::MoveBack:
        return MoveBack(file, aside, at, again, settling, waiting);
    case BackStep::RemoveAside:
        return settling.RemoveLeftover(file.setAside, Standing::Empty, 0);
    case BackStep::BlockAtAside:
        *waiting = WaitingText(file, aside, at, aside.code, settling);
        return settling.BlockedAt(file.setAside, aside);
    case BackStep::BlockAtPath:
        *waiting = decision.temporaryKept ? UnreadBesideNewText(file, at, settling)
                                          : WaitingText(file, aside, at, at.code, settling);
        return settling.BlockedAt(file.path, at);
    case BackStep::MoveNewIn:
        break;
    }
    return true;
}

// A file the run made where there was none goes where it is empty or the run's by its bytes; *waiting says what
// stays while the run's new file cannot go.
bool RemoveNew(const RecordedFile& file, CSettling& settling, CString* waiting)
{
    const Seen at = SeenAt(file.path);
    // The earliest record reserved no name: a file it may have put in is not known from one that was there.
    if (!file.reserved)
        return !file.in || at.kind == Seen::Kind::Absent || settling.LeaveUnproven(file.path, CString());
    const Standing standing = Against(at, NewAtName(file), true);
    if (standing == Standing::Other && !file.proven)
        return settling.LeaveUnproven(file.path, CString());
    if (settling.RemoveIfTheRuns(file.path, standing, at.code))
        return true;
    const CString made = "; " + file.path + ", which the run made, ";
    // One that cannot be read, as while another program holds it, is still what the run's own undo moved in.
    const bool keepsNew =
        standing == Standing::Proven ? at.proof.size > 0 : standing == Standing::Unknown && settling.TakesAsIn(file);
    if (keepsNew)
        *waiting = made + "could not be removed yet; meanwhile it " + settling.KeepsNewMeanwhile();
    else if (standing == Standing::Unknown && !settling.Unseen(file))
        *waiting = made + "could not be read (" + SystemErrorText(at.code) + ")";
    return false;
}

// The run committed: each old file goes where it is empty or the old one by its bytes, never by an earlier
// designer's line alone.
bool Settle(const RecordedFile& file, CSettling& settling)
{
    if (!file.existed)
        return true;
    unsigned long code = 0;
    const Standing standing = settling.Look(file.setAside, file.oldProofs.contents, file.aside, &code);
    // Empty, it is the run's only where the run reserved it or set an old file of no bytes aside there.
    if (standing == Standing::Empty && !(file.aside || file.reserved))
        return true;
    return settling.RemoveIfTheRuns(file.setAside, standing, code);
}

// Settle, keeping the old file in mind while it cannot go.
bool SettleOrWait(const RecordedFile& file, CSettling& settling)
{
    if (Settle(file, settling))
        return true;
    if (file.aside && !file.oldProofs.contents.empty())
        settling.Wait(file);
    return false;
}

// The new file goes in, in one move, to the name seen free at, where it is all the file still has; while it
// cannot, it stays, and *waiting says so. Taken since, the name is looked at again, and once looked at again, it
// blocks the file beside what now stands there, as MoveBack does.
bool MoveNewIn(const RecordedFile& file, const Seen& at, BackWord word, bool again, CSettling& settling,
               CString* waiting)
{
    CString why;
    if (settling.Acted(MovedIn(file.temporary, file.path, &why)))
    {
        Say(word, file, settling);
        return true;
    }
    const bool taken = TakenSince(at);
    if (taken && !again)
        return false;
    const unsigned long code = LastSystemError();
    const bool stillFree = !taken || SeenAt(file.path).kind == Seen::Kind::Absent;
    *waiting = "; " + file.path + " could not be put in yet (" + SystemErrorText(code) + "); meanwhile " + file.path +
               (stillFree ? " is missing" : " is left as it is") +
               WholeAtTemporary(file, ", its old contents gone, and ", settling);
    if (taken)
        return settling.BlockedByTaken(file.path, code);
    // The old text, once in, puts the file back as it was.
    if (!NewIsOld(file))
        settling.LeftMixedNext();
    return settling.Blocked(file.temporary, code, BlockedStep::Move);
}

// DecideBack, save that another program's file at a name the run found taken never goes, however it reads: it
// stays beside the old contents.
BackDecision DecideBackAt(const RecordedFile& file, const Seen& aside, const Seen& at, const Seen& temporary,
                          const CSettling& settling)
{
    const BackDecision decision = DecideBack(file, aside, at, temporary);
    const bool overIt = decision.step == BackStep::MoveBack || decision.step == BackStep::BlockAtPath;
    if (!overIt || !settling.Taken(file, at))
        return decision;
    return {BackStep::None, BackWord::ChangedBesideOld, decision.asideLeft};
}

// An old file of a run cut off, its three names each read once, and again where another program put a file at
// its name, seen free, as the run's was moved there: that file decides as any found there would.
bool Undo(const RecordedFile& file, bool beingWritten, CSettling& settling, CString* waiting)
{
    for (int look = 0;; look++)
    {
        const Seen temporary = SeenAt(file.temporary), aside = SeenAt(file.setAside), at = SeenAt(file.path);
        const BackDecision decision = DecideBackAt(file, aside, at, temporary, settling);
        bool done = false;
        if (decision.step == BackStep::MoveNewIn)
            done = MoveNewIn(file, at, decision.word, look > 0, settling, waiting);
        else
        {
            const bool dropped = decision.temporaryKept || DropTemporary(file, beingWritten, temporary, settling);
            done = PutBack(file, decision, aside, at, look > 0, settling, waiting) && dropped;
        }
        const bool moved = decision.step == BackStep::MoveNewIn || decision.step == BackStep::MoveBack;
        if (done || look > 0 || !moved || !TakenSince(at))
            return done;
    }
}

bool PutRight(const RunContents& run, const RecordedFile& file, CSettling& settling, CString* waiting)
{
    const bool beingWritten = &file == BeingWritten(run);
    if (!run.placed && file.existed)
        return Undo(file, beingWritten, settling, waiting);
    const bool dropped = DropTemporary(file, beingWritten, SeenAt(file.temporary), settling);
    if (run.placed)
        return SettleOrWait(file, settling) && dropped;
    return RemoveNew(file, settling, waiting) && dropped;
}

// A later run of the record, or the run itself, announced the name of the finished file.
bool AnnouncedAfter(const RunContents& run, std::vector<RecordedFile>::const_iterator finished)
{
    const auto same = [finished](const RecordedFile& file) { return file.announced && file.path == finished->path; };
    return std::any_of(finished + 1, run.finished.end(), same) || std::any_of(run.files.begin(), run.files.end(), same);
}

// The words, then each path after a space; nothing where there is no path.
CString Listed(const char* words, const std::vector<CString>& paths)
{
    if (paths.empty())
        return CString();
    CString text = words;
    for (const CString& path : paths)
        text += " " + path;
    return text;
}

// A file the recovery left otherwise than old or new alike: no later recovery puts the run right whole.
bool LeftMixed(const RunRecovery& recovery)
{
    return !recovery.oldGone.empty() || !recovery.keptNew.empty() || !recovery.missing.empty() ||
           !recovery.newBesideOther.empty() || !recovery.changedBesideOld.empty() ||
           !recovery.unprovenBesideOld.empty();
}

// The settling left a file, or a temporary standing for it, with the run's new contents.
bool LeftNew(const RunRecovery& recovery)
{
    const auto besideNew = [](const std::pair<CString, CString>& missing) { return !missing.second.IsEmpty(); };
    return !recovery.oldGone.empty() || !recovery.keptNew.empty() || !recovery.newBesideOther.empty() ||
           std::any_of(recovery.missing.begin(), recovery.missing.end(), besideNew);
}

// What the settling left otherwise than the run had it, each part after "; ".
CString LeftText(const RunRecovery& recovery)
{
    CString text;
    for (const CString& path : recovery.oldGone)
        text += "; the old contents of " + path + " were gone; it " + kKeepsNewContents;
    for (const CString& path : recovery.keptNew)
        text += "; " + path + " " + kKeepsNewContents;
    for (const CString& temporary : recovery.newBesideOther)
        text += "; " + temporary + " " + kKeepsNewContents;
    for (const auto& missing : recovery.missing)
    {
        text += "; " + missing.first + " is missing";
        if (!missing.second.IsEmpty())
            text += "; " + missing.second + " " + kKeepsNewContents;
    }
    for (const auto& changed : recovery.changedBesideOld)
    {
        text += "; " + changed.first + " was changed since and is left as it is";
        if (!changed.second.IsEmpty())
            text += "; its old contents wait in " + changed.second;
    }
    for (const auto& unproven : recovery.unprovenBesideOld)
    {
        text += "; " + unproven.first + " cannot be proven the run's and is left as it is";
        if (!unproven.second.IsEmpty())
            text += "; its old contents wait in " + unproven.second;
    }
    // Past a damaged line, or in a record that proves no file, a file not proven the run's is not known changed;
    // nor is one at a temporary, whose bytes may never all have reached the disk.
    std::vector<CString> unproven = recovery.unproven;
    if (recovery.damaged || recovery.proofless)
        unproven.insert(unproven.begin(), recovery.left.begin(), recovery.left.end());
    else
        text += Listed("; changed since, these are not the run's and were left as they are:", recovery.left);
    return text + Listed("; these cannot be proven the run's and were left as they are:", unproven);
}

// The words of a recovery: "an interrupted run that <record> " and what it says of the run.
CString InterruptedRun(const CString& at, const char* said) { return "an interrupted run that " + at + " " + said; }

// That the run was finished, where it was placed, else undone.
CString RunEnded(const CString& at, const RunRecovery& recovery)
{
    return recovery.placed ? "the run that " + at + " recorded was finished"
                           : InterruptedRun(at, "recorded was undone");
}

// The step refused, as in "cannot be <word>".
const char* StepWord(BlockedStep step)
{
    switch (step)
    {
    case BlockedStep::Read:
        return "read";
    case BlockedStep::Replace:
        return "replaced";
    case BlockedStep::Remove:
        return "removed";
    case BlockedStep::Move:
        return "moved";
    case BlockedStep::Write:
        break;
    }
    return "written";
}

// The folder refused the step: a move to a free name, or a file that is not read-only moved over, moved or
// removed, as access denied. A file that could not be read is its own refusal.
bool FolderRefused(const RunBlocker& blocker)
{
    if (blocker.step == BlockedStep::Write)
        return true;
    return blocker.step != BlockedStep::Read && !blocker.readOnly && blocker.code == AccessDeniedError();
}

// What kept a run from being put right.
enum class BlockerKind
{
    Taken,          // another program wrote the file as it was being put right
    Held,           // another program holds it
    Unreachable,    // its folder cannot be reached
    Stays,          // its removal was taken, but the name stayed
    FolderRefused,  // the folder refused the step
    File,           // the file refused the step
};

// The first kind that holds, in this order: the words and FolderCannotBeWritten both go by it.
BlockerKind KindOf(const RunBlocker& blocker)
{
    if (blocker.taken)
        return BlockerKind::Taken;
    if (blocker.held)
        return BlockerKind::Held;
    if (blocker.unreachable)
        return BlockerKind::Unreachable;
    if (blocker.stays)
        return BlockerKind::Stays;
    return FolderRefused(blocker) ? BlockerKind::FolderRefused : BlockerKind::File;
}

// What holds the run back; what lets it be put right only where the next recovery can put it right whole.
CString BlockedRunText(const CString& at, const RunBlocker& blocker, bool promised)
{
    const CString run = InterruptedRun(at, "records cannot be put right");
    const CString why = " (" + SystemErrorText(blocker.code) + ")";
    const CString written = promised ? "; the run is put right at the next Save or opening once it can be written" : "";
    const CString once = promised ? "; the run is put right at the next Save or opening once it can be" : "";
    switch (KindOf(blocker))
    {
    case BlockerKind::Taken:
        return run + ", as another program wrote " + blocker.path + " as it was being put right";
    case BlockerKind::Held:
        return run + " while another program holds " + blocker.path +
               (promised ? "; closing that program lets the run be put right at the next Save or opening" : "");
    case BlockerKind::Unreachable:
        return run + ", as " + blocker.path + " cannot be reached" + why + once;
    case BlockerKind::Stays:
        return run + ", as the folder cannot be written: " + blocker.path + " stays where it was removed" + written;
    case BlockerKind::FolderRefused:
        return run + ", as the folder cannot be written" + why + written;
    case BlockerKind::File:
        break;
    }
    return run + ", as " + blocker.path + (blocker.readOnly ? " is read-only and" : "") + " cannot be " +
           StepWord(blocker.step) + why + once;
}

// What keeps a temporary, or a name the run reserved, from going, after "; ".
CString LeftoverText(const RunBlocker& blocker)
{
    if (blocker.held)
        return blocker.path + " could not be removed yet, as another program holds it";
    if (blocker.stays)
        return blocker.path + " stays where it was removed";
    return blocker.path + " could not be " + StepWord(blocker.step) + " yet (" + SystemErrorText(blocker.code) + ")";
}

// What the run's own undo left where only temporaries, or names it reserved, could not go: the files as they were.
CString LeftoversText(const std::vector<RunBlocker>& leftovers)
{
    CString text = "; the files hold their old contents";
    for (const RunBlocker& blocker : leftovers)
        text += "; " + LeftoverText(blocker);
    return text + (leftovers.size() == 1 ? "; it goes at the next Save or opening once it can"
                                         : "; they go at the next Save or opening once they can");
}

// What the recovery did and left, or nothing where it did nothing to tell; a damaged line is said first, as nothing
// after it is known.
CString DoneText(const CString& at, const RunRecovery& recovery)
{
    const CString left = LeftText(recovery);
    if (recovery.damaged)
        return RunEnded(at, recovery) + " only as far as its record could be read, a line of it being damaged" + left;
    if (LeftMixed(recovery))
        return InterruptedRun(at, "recorded could not be undone whole") + left;
    if (recovery.found)
        return InterruptedRun(at, "recorded was put right") + left;
    if (left.IsEmpty())
        return left;
    return RunEnded(at, recovery) + left;
}

// Why the record of a run put right whole stays, and when it goes.
CString RecordWaitsText(const RunBlocker& blocker)
{
    if (blocker.held)
        return "; only its record waits to go, while another program holds it; it goes at the next Save or opening "
               "once that program lets it go";
    if (blocker.unreachable)
        return "; only its record waits to go, as it cannot be reached (" + SystemErrorText(blocker.code) +
               "); it goes at the next Save or opening once it can be";
    // Marked writable, it may still not go where the folder cannot be written either.
    if (blocker.readOnly)
        return "; only its record waits to go, as it is read-only and cannot be removed (" +
               SystemErrorText(blocker.code) + "); it goes at the next Save or opening once it can be removed";
    const CString written = "; it goes at the next Save or opening once the folder can be written";
    if (blocker.stays)
        return "; only its record waits to go, as the folder cannot be written: it stays where it was removed" +
               written;
    return "; only its record waits to go, as it cannot be removed (" + SystemErrorText(blocker.code) + ")" + written;
}

// The file at path is one of the names the run read has in mind.
bool NamedByTheRun(const RunContents& run, const CString& path)
{
    const auto names = [&path](const RecordedFile& file)
    { return SamePath(file.path, path) || SamePath(file.temporary, path) || SamePath(file.setAside, path); };
    return std::any_of(run.files.begin(), run.files.end(), names) ||
           std::any_of(run.finished.begin(), run.finished.end(), names);
}

// The file whose temporary or set-aside is at path; empty where path is neither.
CString FileOfRunName(const CString& path)
{
    const CString file = path.Left(path.GetLength() - 4);
    return TemporaryPathOf(file) == path || SetAsidePathOf(file) == path ? file : CString();
}

// Past a damaged line any file may have been the run's: each file at a temporary's or set-aside's name that no
// line read names is left as it stands, and named, and so is each file a line past it announces made new; nothing
// proves a set-aside there stands for a file of the run's.
void NameWhatTheDamagedLineHid(const CString& at, const RunContents& run, RunRecovery* outcome)
{
    const CString folder = FolderOf(at);
    for (const CString& name : FileNamesBeside(at))
    {
        const CString path = folder + name, file = FileOfRunName(path);
        if (file.IsEmpty() || NamedByTheRun(run, path))
            continue;
        outcome->unproven.push_back(path);
    }
    for (const CString& made : run.madePastDamage)
        if (!NamedByTheRun(run, made) && SeenAt(made).kind != Seen::Kind::Absent)
            outcome->unprovenBesideOld.emplace_back(made, CString());
}

// Each file the run names, at its own name, of the run itself and of those finished before it.
std::vector<CString> FilesNamedBy(const RunContents& run)
{
    std::vector<CString> names;
    for (const std::vector<RecordedFile>* files : {&run.files, &run.finished})
        for (const RecordedFile& file : *files)
            names.push_back(file.path);
    return names;
}

}  // namespace

// As BlockedRunText says it.
bool FolderCannotBeWritten(const RunBlocker& blocker)
{
    const BlockerKind kind = KindOf(blocker);
    return kind == BlockerKind::Stays || kind == BlockerKind::FolderRefused;
}

bool FinishOrUndo(const RunContents& run, CString* error, RunRecovery* outcome)
{
    CSettling settling(outcome, error != nullptr, Moving(run), run.taken);
    for (auto file = run.files.rbegin(); file != run.files.rend(); ++file)
    {
        if (!file->announced)
            continue;
        CString waiting;
        if (!PutRight(run, *file, settling, &waiting))
            outcome->meanwhile += waiting;
    }
    if (error)
        *error += outcome->meanwhile;
    const bool runWhole = settling.Whole();
    outcome->found = !run.placed && settling.AnyActed();
    outcome->placed = run.placed;
    outcome->damaged = run.damaged;
    outcome->proofless =
        std::any_of(run.files.begin(), run.files.end(), [](const RecordedFile& file) { return !file.proven; });
    // The old files of runs finished before go once the run after them is put right: till then a file there
    // may be that run's own. A name a later run announced is that run's, its proofs alone count.
    if (run.placed || runWhole)
        for (auto file = run.finished.begin(); file != run.finished.end(); ++file)
            if (!AnnouncedAfter(run, file))
                SettleOrWait(*file, settling);
    outcome->finished = !settling.Whole() && (run.placed || runWhole) && !outcome->waiting.empty();
    if (error)
        *error += LeftText(*outcome);
    // Promised only where the next recovery keeps it.
    outcome->mixedNext = settling.AnyLeftMixedNext();
    outcome->leftNew = outcome->leftNew || LeftNew(*outcome) || settling.MayHaveMovedIn();
    if (!error || LeftMixed(*outcome) || outcome->mixedNext)
        return settling.Whole();
    const std::vector<RunBlocker>& leftovers = settling.OnlyLeftoversWait();
    if (!run.placed && !leftovers.empty())
        *error += LeftoversText(leftovers);
    else if (settling.AnyOldWaits())
        *error += "; the old files are put back at the next Save or opening";
    else if (!runWhole && !run.placed)
        *error += "; the files are put back as they were at the next Save or opening";
    return settling.Whole();
}

RunRecovery RecoverInterruptedRun(const char* folder)
{
    CRunRecord record;
    return RecoverRunAt(RecordPathIn(folder), record);
}

RunRecovery RecoverRunAt(const CString& at, CRunRecord& record)
{
    RunRecovery outcome;
    RemoveRunLeftoversBeside(at);
    // A folder is no record, whatever the system says of opening it: no run is there, and it is in the way.
    if (IsFolder(at))
    {
        outcome.record = RecordLeft::Blocked;
        outcome.foreign = true;
        return outcome;
    }
    RunContents run;
    switch (record.Open(at))
    {
    case CRunRecord::Opened::Held:
        break;
    case CRunRecord::Opened::Failed:
    {
        // Not even read where the folder is there: it may be a run's, and it stays in the way. One pending
        // deletion was removed only once its run was whole: it waits for its holder as a record put right does.
        const unsigned long code = LastSystemError();
        const bool reached = FolderReached(at);
        outcome.recordGoing = reached && SeenAt(at).kind == Seen::Kind::Going;
        outcome.onlyRecord = outcome.recordGoing;
        if (reached)
            outcome.blocker = outcome.recordGoing ? BlockerOf(at, 0, BlockedStep::Remove, true)
                                                  : BlockerOf(at, code, BlockedStep::Read, false);
        outcome.record = RecordLeft::Blocked;
        RestoreSystemError(code);
        return outcome;
    }
    case CRunRecord::Opened::Busy:
        outcome.record = RecordLeft::Anothers;
        return outcome;
    case CRunRecord::Opened::Absent:
        return outcome;
    }
    outcome.record = RecordLeft::Blocked;
    if (!record.Read(&run))
    {
        outcome.foreign = true;
        return outcome;
    }
    outcome.names = FilesNamedBy(run);
    outcome.named = !run.damaged;
    bool stays = false;
    const bool whole = FinishOrUndo(run, nullptr, &outcome);
    if (run.damaged)
        NameWhatTheDamagedLineHid(at, run, &outcome);
    if (!whole)
    {
        // A finished run lets later runs go on only in a record they can add to.
        if (outcome.finished && record.CanGoOn())
            outcome.record = RecordLeft::GoesOn;
    }
    else if (record.Remove(&stays))
        outcome.record = RecordLeft::Removed;
    else
    {
        outcome.onlyRecord = true;
        outcome.blocker = BlockerOf(at, stays ? 0 : LastSystemError(), BlockedStep::Remove, stays);
    }
    return outcome;
}

const char kKeepsNewContents[] = "keeps the run's new contents";

CString RecoveryText(const CString& at, const RunRecovery& recovery)
{
    if (recovery.foreign)
        return at + " is in the way; moving it elsewhere lets the files be written";
    if (recovery.recordGoing)
        return at + " is being removed, and goes once the program that holds it lets it go";
    // What holds the run back, then what each file holds meanwhile.
    if (!recovery.blocker.path.IsEmpty() && recovery.record != RecordLeft::GoesOn && !recovery.onlyRecord)
        return BlockedRunText(at, recovery.blocker, !LeftMixed(recovery) && !recovery.mixedNext) + recovery.meanwhile +
               LeftText(recovery);
    const CString done = DoneText(at, recovery);
    if (!recovery.onlyRecord)
        return done;
    return (done.IsEmpty() ? RunEnded(at, recovery) : done) + RecordWaitsText(recovery.blocker);
}

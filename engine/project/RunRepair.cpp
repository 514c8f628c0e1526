// RunRepair.cpp: finishes or undoes a run of the atomic writer from its record alone.
#include "RunRepair.h"

#include "AtomicFile.h"
#include "DiskState.h"
#include "DiskSteps.h"
#include "SystemError.h"

namespace
{

// Why a step of putting a file right failed: the system's words, and the file and error they are of.
struct StepFailure
{
    CString why;
    CString path;
    unsigned long code = 0;
    bool held = false;
};

// False, with the system's error of the step that failed on path; a file's first failure is the one told.
bool Failed(const CString& path, StepFailure* failure)
{
    if (!failure->path.IsEmpty())
        return false;
    failure->code = LastSystemError();
    failure->why = SystemErrorText(failure->code);
    failure->path = path;
    return false;
}

// False, with why, while another program holds the file.
bool RemoveIfFile(const CString& path, StepFailure* failure)
{
    return !IsFile(path) || RemoveFile(path) || Failed(path, failure);
}

// A set-aside that could not go back over its file: of the two, the one another program holds is named.
bool MoveBackFailed(const RecordedFile& file, StepFailure* failure)
{
    const unsigned long code = LastSystemError();
    const bool fileHeld = IsHeldOpen(file.path);
    const bool held = fileHeld || IsHeldOpen(file.setAside);
    RestoreSystemError(code);
    if (failure->path.IsEmpty())
        failure->held = held;
    return Failed(fileHeld ? file.path : file.setAside, failure);
}

bool IsMissingOrEmpty(const CString& path) { return !Exists(path) || IsEmptyFile(path); }

// The record of the run being put right, and what it says.
struct Righting
{
    CRunRecord& record;
    RunContents& run;

    // A line of a designer's record before these lines is never written: it would no longer be read.
    bool Note(RunStep step, const RecordedFile& file) const { return run.legacy || record.Note(step, file.path, &run); }
    // Takes a step that frees source. The file of the run's that the step ends (source, or the run's new
    // file a move back lands on) is emptied first and then said to be (begin): a kill after the step and
    // before its end, and a file made there since, which has contents, is never taken for the run's. False,
    // with the failure, while source stays.
    template <typename TakeStep>
    bool Freeing(const RecordedFile& file, RunStep begin, RunStep end, const CString& emptied, const CString& source,
                 StepFailure* failure, TakeStep take) const
    {
        if (IsFile(emptied) && !EmptyFile(emptied))
            return Failed(emptied, failure);
        if (!Note(begin, file))
            return Failed(RecordPathOf(file.path), failure);
        take();
        const bool freed = !Exists(source);
        Note(freed ? end : RunStep::Kept, file);
        return freed;
    }
    bool Remove(const RecordedFile& file, RunStep begin, RunStep end, const CString& path, StepFailure* failure) const
    {
        return Freeing(file, begin, end, path, path, failure, [&] { RemoveIfFile(path, failure); });
    }
    // The old contents back at the file's path, over the run's new file there; *oldWaits while they cannot go.
    bool MoveBack(const RecordedFile& file, StepFailure* failure, bool* oldWaits) const
    {
        *oldWaits =
            !Freeing(file, RunStep::Putting, RunStep::Done, file.in ? file.path : CString(), file.setAside, failure,
                     [&]
                     {
                         CString why;
                         if (!MovedOver(file.setAside, file.path, &why))
                             MoveBackFailed(file, failure);
                     });
        return !*oldWaits;
    }
    // The file is left as it stands: its names are no longer the run's.
    bool Leave(const RecordedFile& file, RunStep step) const
    {
        Note(step, file);
        return true;
    }
};

// Whether the temporary may have gone in with no line to say so: never before the old file went aside,
// nor once recovery took a step on the file.
bool MayHaveGoneIn(const RecordedFile& file)
{
    return !file.in && !file.done && !file.putting && (file.aside || !file.existed);
}

// The temporary, removed while the record proves it the run's. Gone beside a file written since the run
// began, it went in before a kill could say so, and "in" is said now; there beside such a file, either
// may be one the user made since: both are left, and the next run names them as in the way.
bool DropTemporary(const Righting& righting, RecordedFile& file, StepFailure* failure)
{
    if (righting.run.legacy)
        return RemoveIfFile(file.temporary, failure);
    if (file.in || file.dropped)
        return true;
    const bool mayBeIn = MayHaveGoneIn(file) && !IsMissingOrEmpty(file.path);
    if (!IsFile(file.temporary))
        return righting.Leave(file, mayBeIn && !file.dropping ? RunStep::In : RunStep::Dropped);
    if (file.dropping ? !IsEmptyFile(file.temporary) : mayBeIn)
        return righting.Leave(file, RunStep::Dropped);
    return righting.Remove(file, RunStep::Dropping, RunStep::Dropped, file.temporary, failure);
}

enum class OldFile
{
    MoveBack,
    RemoveAside,  // the set-aside is the empty name the run reserved
    Leave,        // either file may be one the user made since
};

// What putting an old file back takes. Set aside, it goes back where its path is missing, empty (the
// designer makes a selected missing file empty) or the run's new file; not said set aside, only where its
// path is missing, as the set-aside was the name the run reserved, empty unless the user wrote into it.
OldFile PutBackStep(const RecordedFile& file)
{
    const bool free = !Exists(file.path);
    if (file.putting)
        return free                         ? OldFile::MoveBack
               : IsEmptyFile(file.setAside) ? OldFile::RemoveAside
               : IsEmptyFile(file.path)     ? OldFile::MoveBack
                                            : OldFile::Leave;
    if (!file.aside)
        return free ? OldFile::MoveBack : IsEmptyFile(file.setAside) ? OldFile::RemoveAside : OldFile::Leave;
    return free || file.in || IsEmptyFile(file.path) ? OldFile::MoveBack : OldFile::Leave;
}

bool PutBack(const Righting& righting, const RecordedFile& file, StepFailure* failure, bool* oldWaits)
{
    if (!IsFile(file.setAside))
        return righting.Leave(file, RunStep::Done);
    switch (PutBackStep(file))
    {
    case OldFile::MoveBack:
        return righting.MoveBack(file, failure, oldWaits);
    case OldFile::RemoveAside:
        return righting.Remove(file, RunStep::Putting, RunStep::Done, file.setAside, failure);
    case OldFile::Leave:
        break;
    }
    return righting.Leave(file, RunStep::Done);
}

// "new NAME" proves only that the run made NAME empty: written since, it is the run's only once its
// temporary went in.
bool RemoveNew(const Righting& righting, const RecordedFile& file, StepFailure* failure)
{
    if (!Exists(file.path) || !(IsEmptyFile(file.path) || (file.in && !file.putting)))
        return righting.Leave(file, RunStep::Done);
    return righting.Remove(file, RunStep::Putting, RunStep::Done, file.path, failure);
}

// Each file of a run that did not commit as it was before the run, as far as the record proves the files
// the run's. A designer before these records named its files before it touched them: only a file it said
// it set aside gets its old contents back, and neither a file it called new nor an old one's set-aside
// name is touched otherwise.
bool Undo(const Righting& righting, RecordedFile& file, StepFailure* failure, bool* oldWaits)
{
    const bool dropped = DropTemporary(righting, file, failure);
    if (!file.done)
        file.done = righting.run.legacy ? !file.aside || righting.MoveBack(file, failure, oldWaits)
                    : file.existed      ? PutBack(righting, file, failure, oldWaits)
                                        : RemoveNew(righting, file, failure);
    return dropped && file.done;
}

// The run committed: the old contents go.
bool Settle(const Righting& righting, RecordedFile& file, StepFailure* failure)
{
    if (file.done || !file.existed)
        return true;
    if (!IsFile(file.setAside) || (file.putting && !IsEmptyFile(file.setAside)))
        return righting.Leave(file, RunStep::Done);
    return righting.Remove(file, RunStep::Putting, RunStep::Done, file.setAside, failure);
}

}  // namespace

bool FinishOrUndo(CRunRecord& record, RunContents& run, CString* error, RunBlocker* blocker)
{
    const Righting righting{record, run};
    bool whole = true, anyWaits = false;
    for (auto file = run.files.rbegin(); file != run.files.rend(); ++file)
    {
        if (!file->reserved)
            continue;
        StepFailure failure;
        bool oldWaits = false;
        if (run.placed ? Settle(righting, *file, &failure) : Undo(righting, *file, &failure, &oldWaits))
            continue;
        if (whole && blocker)
            *blocker = {failure.path, failure.code, failure.held || IsHeldFileError(failure.code)};
        whole = false;
        anyWaits |= oldWaits;
        if (oldWaits && error)
            *error += CString("; ") + file->path + " could not be put back yet, its old contents wait in " +
                      file->setAside + " (" + failure.why + ")";
    }
    if (anyWaits && error)
        *error += "; the old files are put back at the next Save or opening";
    return whole;
}

void RecoverInterruptedRun(const char* folder, RunBlocker* blocker)
{
    const CString at = RecordPathIn(folder);
    CRunRecord record;
    RunContents run;
    if (record.Open(at) != CRunRecord::Opened::Held || !record.Read(&run))
        return;
    if (FinishOrUndo(record, run, nullptr, blocker) && !record.Remove() && blocker)
    {
        const unsigned long code = LastSystemError();
        *blocker = {at, code, IsHeldFileError(code)};
    }
}

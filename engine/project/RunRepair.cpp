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
    const bool fileHeld = IsHeldFileError(code) && IsHeldOpen(file.path);
    RestoreSystemError(code);
    return Failed(fileHeld ? file.path : file.setAside, failure);
}

// The old contents of a file the run set aside back at its path; *oldWaits is set while they cannot go
// back. Not said set aside, the old file left only where it is missing; beside it the set-aside is the
// name the run reserved, empty unless someone wrote into it since, and then it is theirs.
bool PutBack(const RecordedFile& file, StepFailure* failure, bool* oldWaits)
{
    if (!IsFile(file.setAside))
        return true;
    if (!file.aside && Exists(file.path))
        return !IsEmptyFile(file.setAside) || RemoveIfFile(file.setAside, failure);
    CString why;
    if (MovedOver(file.setAside, file.path, &why))
        return true;
    *oldWaits = true;
    return MoveBackFailed(file, failure);
}

// Each file of a run that did not commit as it was before the run, the file and its temporary each marked
// once they are no longer the run's. A designer before these records named its files before it touched
// them: only a file it said it set aside gets its old contents back, and neither a file it called new nor
// an old one's set-aside name is touched otherwise.
bool Undo(RecordedFile& file, bool legacy, StepFailure* failure, bool* oldWaits)
{
    if (!file.done)
        file.done = legacy         ? !file.aside || PutBack(file, failure, oldWaits)
                    : file.existed ? PutBack(file, failure, oldWaits)
                                   : RemoveIfFile(file.path, failure);
    if (!file.in && !file.dropped)
        file.dropped = RemoveIfFile(file.temporary, failure);
    return file.done && (file.in || file.dropped);
}

// The run committed: the old contents go.
bool Settle(RecordedFile& file, StepFailure* failure)
{
    file.done = file.done || !file.existed || RemoveIfFile(file.setAside, failure);
    return file.done;
}

// A record that stays says what is no longer the run's, so that no later recovery touches it again.
void NoteWhatIsRight(CRunRecord& record, RunContents& run)
{
    for (const RecordedFile& file : run.files)
    {
        if (file.done)
            record.Note(RunStep::Done, file.path, &run);
        if (file.dropped)
            record.Note(RunStep::Dropped, file.path, &run);
    }
}

}  // namespace

bool FinishOrUndo(CRunRecord& record, RunContents& run, CString* error, RunBlocker* blocker)
{
    bool whole = true, anyWaits = false;
    for (auto file = run.files.rbegin(); file != run.files.rend(); ++file)
    {
        if (!file->reserved)
            continue;
        StepFailure failure;
        bool oldWaits = false;
        if (run.placed ? Settle(*file, &failure) : Undo(*file, run.legacy, &failure, &oldWaits))
            continue;
        if (whole && blocker)
            *blocker = {failure.path, failure.code};
        whole = false;
        anyWaits |= oldWaits;
        if (oldWaits && error)
            *error += CString("; ") + file->path + " could not be put back yet, its old contents wait in " +
                      file->setAside + " (" + failure.why + ")";
    }
    if (anyWaits && error)
        *error += "; the old files are put back at the next Save or opening";
    if (!whole)
        NoteWhatIsRight(record, run);
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
        *blocker = {at, LastSystemError()};
}

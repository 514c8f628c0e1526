// RunRepair.cpp: finishes or undoes a run of the atomic writer from its record alone.
#include "RunRepair.h"

#include "AtomicFile.h"
#include "DiskState.h"
#include "DiskSteps.h"
#include "SystemError.h"

namespace
{

// False, with why, while another program holds the file.
bool RemoveIfFile(const CString& path, CString* why)
{
    if (!IsFile(path) || RemoveFile(path))
        return true;
    *why = LastSystemErrorText();
    return false;
}

// The old contents of a file the run set aside back at its path; *oldWaits is set while they cannot go
// back. Not said set aside, the old file left only where it is missing; beside it the set-aside is the
// name the run reserved, empty unless someone wrote into it since, and then it is theirs.
bool PutBack(const RecordedFile& file, CString* why, bool* oldWaits)
{
    if (!IsFile(file.setAside))
        return true;
    if (!file.aside && Exists(file.path))
        return !IsEmptyFile(file.setAside) || RemoveIfFile(file.setAside, why);
    *oldWaits = !MovedOver(file.setAside, file.path, why);
    return !*oldWaits;
}

// Each file of a run that did not commit as it was before the run, the file and its temporary each marked
// once they are no longer the run's. A designer before these records named its files before it touched
// them: only a file it said it set aside gets its old contents back, and neither a file it called new nor
// an old one's set-aside name is touched otherwise.
bool Undo(RecordedFile& file, bool legacy, CString* why, bool* oldWaits)
{
    if (!file.done)
        file.done = legacy         ? !file.aside || PutBack(file, why, oldWaits)
                    : file.existed ? PutBack(file, why, oldWaits)
                                   : RemoveIfFile(file.path, why);
    if (!file.in && !file.dropped)
        file.dropped = RemoveIfFile(file.temporary, why);
    return file.done && (file.in || file.dropped);
}

// The run committed: the old contents go.
bool Settle(RecordedFile& file, CString* why)
{
    file.done = file.done || !file.existed || RemoveIfFile(file.setAside, why);
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

bool FinishOrUndo(CRunRecord& record, RunContents& run, CString* error)
{
    bool whole = true, anyWaits = false;
    for (auto file = run.files.rbegin(); file != run.files.rend(); ++file)
    {
        if (!file->reserved)
            continue;
        CString why;
        bool oldWaits = false;
        if (run.placed ? Settle(*file, &why) : Undo(*file, run.legacy, &why, &oldWaits))
            continue;
        whole = false;
        anyWaits |= oldWaits;
        if (oldWaits && error)
            *error += CString("; ") + file->path + " could not be put back yet, its old contents wait in " +
                      file->setAside + " (" + why + ")";
    }
    if (anyWaits && error)
        *error += "; the old files are put back at the next Save or opening";
    if (!whole)
        NoteWhatIsRight(record, run);
    return whole;
}

void RecoverInterruptedRun(const char* folder)
{
    CRunRecord record;
    RunContents run;
    if (record.Open(RecordPathIn(folder)) != CRunRecord::Opened::Held || !record.Read(&run))
        return;
    if (FinishOrUndo(record, run, nullptr))
        record.Remove();
}

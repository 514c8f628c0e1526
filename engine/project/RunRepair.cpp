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

// The old contents of a file the run set aside, or was setting aside, back at its path. An empty set-aside
// beside the file is only the name the run reserved: the old file never left.
bool PutBack(const RecordedFile& file, CString* why)
{
    if (!IsFile(file.setAside))
        return true;
    if (!file.aside && Exists(file.path) && IsEmptyFile(file.setAside))
        return RemoveIfFile(file.setAside, why);
    return MovedOver(file.setAside, file.path, why);
}

// A designer before these records named its files before it touched them: only an old file that is
// missing gets its set-aside back, and what else it left the user is told of as in the way.
bool PutLegacyBack(const RecordedFile& file, CString* why)
{
    return !file.existed || Exists(file.path) || !IsFile(file.setAside) || MovedOver(file.setAside, file.path, why);
}

// Each file of a run that did not commit as it was before the run. *oldWaits is set when its old
// contents could not go back.
bool Undo(const RecordedFile& file, bool legacy, CString* why, bool* oldWaits)
{
    if (legacy)
    {
        *oldWaits = !PutLegacyBack(file, why);
        return !*oldWaits;
    }
    if (file.existed ? !PutBack(file, why) : !RemoveIfFile(file.path, why))
    {
        *oldWaits = file.existed;
        return false;
    }
    return file.in || RemoveIfFile(file.temporary, why);
}

// The run committed: the old contents go.
bool Settle(const RecordedFile& file, CString* why) { return !file.existed || RemoveIfFile(file.setAside, why); }

}  // namespace

bool FinishOrUndo(CRunRecord& record, RunContents& run, CString* error)
{
    bool whole = true, anyWaits = false;
    for (auto file = run.files.rbegin(); file != run.files.rend(); ++file)
    {
        if (file->done || !file->reserved)
            continue;
        CString why;
        bool oldWaits = false;
        if (run.placed ? Settle(*file, &why) : Undo(*file, run.legacy, &why, &oldWaits))
        {
            file->done = true;
            continue;
        }
        whole = false;
        anyWaits |= oldWaits;
        if (oldWaits && error)
            *error += CString("; ") + file->path + " could not be put back yet, its old contents wait in " +
                      file->setAside + " (" + why + ")";
    }
    if (anyWaits && error)
        *error += "; the old files are put back at the next Save or opening";
    // Only a record that stays needs to say which files are no longer the run's.
    for (const RecordedFile& file : run.files)
        if (!whole && file.done)
            record.Note(RunStep::Done, file.path, &run);
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

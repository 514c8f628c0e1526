// RunRepair.h: finishes or undoes a run of the atomic writer from its record alone, the same way whether
// the run itself failed or a later opening finds it cut off.
#pragma once

#include "RunRecord.h"

#include <afx.h>

// Settles a placed run (its old files go) and undoes any other (each file as it was), as the table in
// RunRecord.h says, touching only what the run's record proves its own. False while a file cannot be put
// right: the record then says which were, and must stay for the next recovery. error, when given, has
// "; <file> could not be put back yet, its old contents wait in <set-aside> (<why>)" added for each old
// file that waits aside.
bool FinishOrUndo(CRunRecord& record, RunContents& run, CString* error);

// Puts right the run of the atomic writer cut off in the folder, whichever program or project it wrote:
// asked once per folder, at the opening of a project and before each run. A record of a run still going,
// or a file of the record's name that is not a record, is left alone.
void RecoverInterruptedRun(const char* folder);

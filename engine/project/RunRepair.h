// RunRepair.h: finishes or undoes a run of the atomic writer from its record alone, the same way whether
// the run itself failed or a later opening finds it cut off.
#pragma once

#include "RunRecord.h"

#include <afx.h>

// What kept a run cut off from being put right: the first file that could not be, and the system's error.
struct RunBlocker
{
    CString path;  // empty while nothing did
    unsigned long code = 0;
    bool held = false;  // another program holds path: the system may have called it access denied
};

// Settles a placed run (its old files go) and undoes any other (each file as it was), as the table in
// RunRecord.h says, touching only what the run's record proves its own. False while a file cannot be put
// right: the record then says which were, and must stay for the next recovery. error, when given, has
// "; <file> could not be put back yet, its old contents wait in <set-aside> (<why>)" added for each old
// file that waits aside; blocker, when given, names the first file that could not be put right.
bool FinishOrUndo(CRunRecord& record, RunContents& run, CString* error, RunBlocker* blocker = nullptr);

// Puts right the run of the atomic writer cut off in the folder, whichever program or project it wrote:
// asked once per folder, at the opening of a project and before each run. A record of a run still going,
// or a file of the record's name that is not a record, is left alone. blocker, when given, names what
// kept the run from being put right, the record itself when it could not go.
void RecoverInterruptedRun(const char* folder, RunBlocker* blocker = nullptr);

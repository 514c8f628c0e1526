// RunRecord.h: the file in which a run that replaces a group of files keeps what it has done, so that a run
// cut off is finished or undone from its own record and from nothing else.
//
// Classes: RunContents, CRunRecord.
//
// Each line is appended and flushed after the step it tells of, so a line proves a file the run made:
//
//   line          written after the run                      proves
//   old NAME      made NAME.tmp and an empty NAME.tmo         both are the run's; NAME was there before
//   new NAME      made NAME.tmp and an empty NAME             both are the run's; NAME was not there before
//   aside NAME    moved NAME over its NAME.tmo                NAME.tmo holds the old contents
//   in NAME       moved NAME.tmp over NAME                    NAME.tmp is gone; a file of that name is not the run's
//   placed        had every file in                           the one commit point of the run
//   done NAME     put NAME right, at a recovery that could    NAME and its NAME.tmo are no longer the run's
//                 not finish every file
//   dropped NAME  removed NAME.tmp, at such a recovery        a NAME.tmp is no longer the run's
//
// What recovery does, by the record alone, file by file (a file whose step the system called failed is
// acted on as the disk then shows it):
//
//   record        recovery
//   placed        removes each old NAME.tmo: the run is finished
//   not placed    undoes: an old NAME said aside gets its NAME.tmo back over it; one not said aside gets it
//                 back only where NAME is missing, and beside NAME an empty NAME.tmo (the name the run
//                 reserved) goes while one written since is left; a new NAME goes; NAME.tmp goes unless
//                 "in NAME". A name no line proves is left, and a later run names it as in the way
//   a designer's before these lines (first line "files being replaced together"): "placed" settles it;
//                 otherwise its temporaries go and, once it said "placing", each file it set aside gets its
//                 NAME.tmo back; a file it called new or replaced last is left as it is
//
// A file of the run that cannot be put right keeps the record, with "done" for those that were, for the
// next recovery.
#pragma once

#include "AtomicFile.h"

#include <afx.h>

#include <cstdio>
#include <vector>

// Where a run writing path keeps its record: one name per folder, so that two programs never run there at once.
// A run's files all lie in that folder, and the record names them by their names alone.
CString RecordPathOf(const char* path);
// The same for the folder itself, given with or without its last separator.
CString RecordPathIn(const char* folder);
// The folder part of path, with its last separator.
CString FolderOf(const char* path);

// What a line of the record tells of.
enum class RunStep
{
    Old,
    New,
    Aside,
    In,
    Placed,
    Done,
    Dropped,
};

// What the record proves of one file of its run.
struct RecordedFile
{
    explicit RecordedFile(const CString& path);

    CString path;
    CString temporary;      // path.tmp
    CString setAside;       // path.tmo
    bool reserved = false;  // its temporary and its reserved name are the run's
    bool existed = false;   // an old file stood at path: the reserved name is setAside, else path itself
    bool aside = false;     // the old file was moved over setAside
    bool in = false;        // the temporary was moved over path
    bool done = false;      // put right at path: the file there is no longer the run's to touch
    bool dropped = false;   // the temporary was removed: a file of that name is not the run's
};

// What a record says of its run.
struct RunContents
{
    std::vector<RecordedFile> files;
    bool placed = false;
    bool legacy = false;  // written by a designer before these lines: its lines prove no step but "placed"

    // Takes in one step, as the record tells it; false when it cannot follow the steps before it. A file
    // listed before its first step is taken in without memory being asked for.
    bool Take(RunStep step, const CString& path);
};

// A record on disk, held open so that no other program runs or recovers in its folder meanwhile.
class CRunRecord
{
public:
    enum class Opened
    {
        Held,
        Busy,    // another program holds it
        Absent,  // nothing of that name: no run was cut off there
        Failed,  // the system's error is set
    };

    CRunRecord() = default;
    ~CRunRecord();
    CRunRecord(const CRunRecord&) = delete;
    CRunRecord& operator=(const CRunRecord&) = delete;

    // Makes a new record at path; Busy when another program's run holds the name, Failed when the
    // name is taken otherwise, with the system's error set.
    Opened Create(const CString& path);
    // Holds an existing record to read it and add to it.
    Opened Open(const CString& path);
    // False when the record is not one of ours, or was cut off before it said anything.
    bool Read(RunContents* contents);

    // Adds the step to the record and flushes it; false, with the record as it was, when it could not be
    // written. contents takes the step all the same unless it is Placed: the step was taken on the disk.
    bool Note(RunStep step, const CString& path, RunContents* contents);
    // The run is over: the record goes. False when it could not be removed.
    bool Remove();

private:
    bool Append(const char* text);
    void Close();

    CString m_path;
    std::FILE* m_file = nullptr;
    long m_end = 0;  // the end of the record's last whole line
};

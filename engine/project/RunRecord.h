// RunRecord.h: the file in which a run that replaces a group of files keeps what it does, so that a run
// cut off is finished or undone from its own record and from nothing else.
#pragma once

#include <afx.h>

#include <cstdio>
#include <vector>

// Where a run writing path keeps its record: one name per folder, so that two programs never run there at once.
// A run's files all lie in that folder, and the record names them by their names alone.
CString RecordPathOf(const char* path);

// How a file of a run goes in.
enum class Placement
{
    SetAside,  // its old file waits aside until the whole group is in
    Over,      // replaced in one step, last of its group
    New,       // there was no file before
};

struct RecordedFile
{
    Placement placement;
    CString path;
};

// What a record says of its run.
struct RunContents
{
    std::vector<RecordedFile> files;
    bool placing = false;  // every temporary was whole and the files began to go in
    bool placed = false;   // every file went in: only the old ones aside are left to go
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
    // Holds an existing record to read it.
    Opened Open(const CString& path);
    // False when the record is not one of ours, or was cut off before it said anything.
    bool Read(RunContents* contents);

    // Each adds to the record and flushes it; false when it could not be written.
    bool Name(const std::vector<RecordedFile>& files);
    bool MarkPlacing();
    bool MarkPlaced();
    // The run is over: the record goes. False when it could not be removed.
    bool Remove();

private:
    bool Append(const CString& text);
    void Close();

    CString m_path;
    std::FILE* m_file = nullptr;
};

// DiskSteps.h: the steps through which the atomic writer changes the disk: one seam, which a test program
// stands in for to fail or stop the writer at any of them.
//
// Classes: IDiskSteps, CDiskStepsInUse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>

// How a record is opened.
enum class RecordAccess
{
    Create,     // made new, refusing a name that is taken
    ReadWrite,  // an existing one, to read and add to
    Read,       // an existing one, to read alone: a folder that cannot be written still lets it be read
};

class IDiskSteps
{
public:
    virtual ~IDiskSteps() = default;
    // Makes a file at path for writing, refusing a name that is taken; null with the system's error set.
    virtual std::FILE* CreateNew(const char* path) = 0;
    // Writes the bytes to the open file; how many were written, fewer when the write failed.
    virtual std::size_t Write(std::FILE* file, const void* data, std::size_t size) = 0;
    // Moves from over to, replacing it; false with the system's error set.
    virtual bool MoveOver(const char* from, const char* to) = 0;
    // Moves from to the name to, refusing it where a file is there; false with the system's error set.
    virtual bool MoveIn(const char* from, const char* to) = 0;
    // Removes the file; false with the system's error set.
    virtual bool Remove(const char* path) = 0;
    // Opens the file at path to read its bytes, sharing every access with other programs: a system handle on
    // Windows, a descriptor elsewhere; -1 with the system's error set where it cannot be opened.
    virtual std::intptr_t OpenToRead(const char* path) = 0;
    // Makes or opens a run's record at path as OpenHeldFile does.
    virtual std::FILE* OpenRecord(const char* path, RecordAccess access) = 0;
    // Adds the text to the end of the open record and flushes it to the disk; false when it did not all go.
    virtual bool Append(std::FILE* record, const char* text) = 0;
    // Writes the text over the start of the open record and flushes it to the disk; false when it did not all go.
    virtual bool Rewrite(std::FILE* record, const char* text) = 0;
    // Cuts the open record back to size bytes; false with the system's error set.
    virtual bool Cut(std::FILE* record, long size) = 0;
    // Waits kRunPauseMs while another program's run holds the folder's record.
    virtual void Pause() = 0;
};

const unsigned kRunPauseMs = 50;

// The steps on the system's own disk.
IDiskSteps& SystemDiskSteps();

// Puts other steps in place of the system's for as long as it lives; not to be nested across threads.
class CDiskStepsInUse
{
public:
    explicit CDiskStepsInUse(IDiskSteps& steps);
    ~CDiskStepsInUse();
    CDiskStepsInUse(const CDiskStepsInUse&) = delete;
    CDiskStepsInUse& operator=(const CDiskStepsInUse&) = delete;

private:
    IDiskSteps* m_pBefore;
};

// The steps the writer takes now, the system's unless a CDiskStepsInUse lives.
IDiskSteps& DiskSteps();

// Removes a file of a run's; false with the system's error set. On Windows the file first goes under a fresh
// name of its own beside it (path.<hex>) and is deleted once its last holder lets go: a program holding it
// sharing its deletion keeps the file, but not its name, from the next run. A kill between the stages closes
// the handle, so the file goes all the same. stage, where given, is called after each (the file opened to go,
// then renamed), where a test stops it as a kill would.
bool RemoveRunFile(const char* path, const std::function<void()>& stage = nullptr);

// The record at path, held so that no other program's run or recovery opens it meanwhile; null with the
// system's error set, which IsBusyError tells from others when another program holds it.
std::FILE* OpenHeldFile(const char* path, RecordAccess access);
bool IsBusyError(unsigned long code);
// The program holding the record at path, which OpenHeldFile found busy, may be running there: a run holds its
// record sharing nothing, so one that lets others read it, as a viewer does, is none. Only Windows tells them
// apart; the system's error stays as it was.
bool MayHoldItAsARun(const char* path);

// DiskSteps.h: the steps through which the atomic writer changes the disk: one seam, which a test program
// stands in for to fail or stop the writer at any of them.
//
// Classes: IDiskSteps, CDiskStepsInUse.
#pragma once

#include <cstddef>
#include <cstdio>

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
    // Removes the file; false with the system's error set.
    virtual bool Remove(const char* path) = 0;
    // Cuts a file that is there to no bytes, on the disk; false with the system's error set.
    virtual bool Empty(const char* path) = 0;
    // Adds the text to the end of the open record and flushes it to the disk; false when it did not all go.
    virtual bool Append(std::FILE* record, const char* text) = 0;
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

// The writer's names for them.
inline std::FILE* CreateNewFile(const char* path) { return DiskSteps().CreateNew(path); }
inline std::size_t WriteToFile(std::FILE* file, const void* data, std::size_t size)
{
    return DiskSteps().Write(file, data, size);
}
inline bool MoveFileOver(const char* from, const char* to) { return DiskSteps().MoveOver(from, to); }
inline bool RemoveFile(const char* path) { return DiskSteps().Remove(path); }
inline bool EmptyFile(const char* path) { return DiskSteps().Empty(path); }
inline bool AppendToRecord(std::FILE* record, const char* text) { return DiskSteps().Append(record, text); }
inline void PauseForAnotherRun() { DiskSteps().Pause(); }

#ifdef _WIN32
// A C stream over a system file handle, which it then owns (closed on failure too); readToo opens it for
// reading and writing, else for writing alone.
std::FILE* StreamOfHandle(void* handle, bool readToo);
#else
// The same over a file descriptor.
std::FILE* StreamOfDescriptor(int descriptor, bool readToo);
#endif

// SaveFaults.h: a file another program holds, as a test puts it under the designer's writer; a disk that
// fills comes from the stand-in disk (StandInDisk.h).
//
// Classes: CHeldOpen.
#pragma once

// Another program holding the file open without sharing it: it cannot be moved or replaced.
class CHeldOpen
{
public:
    explicit CHeldOpen(const char* path);
    ~CHeldOpen();
    CHeldOpen(const CHeldOpen&) = delete;
    CHeldOpen& operator=(const CHeldOpen&) = delete;

private:
    void* m_hFile;  // a HANDLE, kept out of this header
};

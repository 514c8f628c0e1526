// SaveFaults.h: faults a test puts under the designer's writer: a disk that fills, a file another
// program holds. A program that links SaveFaults.cpp writes through its stand-in disk.
//
// Classes: CNearlyFullDisk, CHeldOpen.
#pragma once

// A disk with room bytes left, for as long as it lives; then as many as the real disk takes.
class CNearlyFullDisk
{
public:
    explicit CNearlyFullDisk(long long room);
    ~CNearlyFullDisk();
    CNearlyFullDisk(const CNearlyFullDisk&) = delete;
    CNearlyFullDisk& operator=(const CNearlyFullDisk&) = delete;
};

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

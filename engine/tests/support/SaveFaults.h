// SaveFaults.h: a file another program holds, as a test puts it under the designer's writer; a disk that
// fills comes from the stand-in disk (StandInDisk.h).
//
// Classes: CHeldOpen.
#pragma once

// Whether the holder finds the file or makes it, as a program opening a name for writing would.
enum class HeldName
{
    MustExist,
    MadeIfMissing,
};

// Another program holding the file open: without sharing it cannot be moved, replaced or even read; with
// a read share (a viewer, a compiler) others may read it.
class CHeldOpen
{
public:
    explicit CHeldOpen(const char* path, unsigned long share = 0, HeldName name = HeldName::MustExist);
    ~CHeldOpen() { Release(); }
    CHeldOpen(const CHeldOpen&) = delete;
    CHeldOpen& operator=(const CHeldOpen&) = delete;

    bool IsHeld() const;
    // The other program lets go before the test ends.
    void Release();

private:
    void* m_hFile;  // a HANDLE, kept out of this header
};

// The faults the writer's tests put it under on the stand-in disk, and the system's errors they expect.
#pragma once

#include "StandInDisk.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#endif

inline DiskFaults Filling(long long room, Full full)
{
    DiskFaults faults;
    faults.room = room;
    faults.full = full;
    return faults;
}

// The disk stopping the writer, as a kill would, at the count-th step of its kind.
inline DiskFaults KillingAt(Step step, int count)
{
    DiskFaults faults;
    faults.killAt = step;
    faults.killCount = count;
    return faults;
}

// The disk with name held by another program.
inline DiskFaults Holding(const char* name)
{
    DiskFaults faults;
    faults.held = name;
    return faults;
}

// The system's error for a folder that cannot be written, and for a write the drive refuses.
inline unsigned long AccessDenied()
{
#ifdef _WIN32
    return ERROR_ACCESS_DENIED;
#else
    return EACCES;
#endif
}

// The system's error for a file another program holds with no sharing.
inline unsigned long SharingViolation()
{
#ifdef _WIN32
    return ERROR_SHARING_VIOLATION;
#else
    return EBUSY;
#endif
}

inline unsigned long WriteProtected()
{
#ifdef _WIN32
    return ERROR_WRITE_PROTECT;
#else
    return EROFS;
#endif
}

inline unsigned long WriteFault()
{
#ifdef _WIN32
    return ERROR_WRITE_FAULT;
#else
    return EIO;
#endif
}

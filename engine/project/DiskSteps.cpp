// DiskSteps.cpp: the calls through which the atomic writer moves and removes files and writes its record.
#include "DiskSteps.h"

#include "FileFlush.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

bool MoveFileOver(const char* from, const char* to)
{
#ifdef _WIN32
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
#else
    return std::rename(from, to) == 0;
#endif
}

bool RemoveFile(const char* path) { return std::remove(path) == 0; }

bool AppendToRecord(std::FILE* record, const char* text)
{
    const std::size_t size = std::strlen(text);
    return std::fwrite(text, 1, size, record) == size && FlushToDisk(record);
}

void PauseForAnotherRun()
{
#ifdef _WIN32
    Sleep(kRunPauseMs);
#else
    const timespec pause = {0, long(kRunPauseMs) * 1000000L};
    nanosleep(&pause, nullptr);
#endif
}

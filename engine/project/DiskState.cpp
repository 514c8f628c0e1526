// DiskState.cpp: what the disk holds at a path, as the atomic writer and its recovery ask it.
#include "DiskState.h"

#include "DiskSteps.h"
#include "SystemError.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

bool Exists(const char* path)
{
#ifdef _WIN32
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
#else
    struct stat info;
    return stat(path, &info) == 0;
#endif
}

bool IsFile(const char* path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
#endif
}

bool IsEmptyFile(const char* path)
{
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path, GetFileExInfoStandard, &data) &&
           (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && data.nFileSizeHigh == 0 && data.nFileSizeLow == 0;
#else
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0;
#endif
}

bool MovedOver(const char* from, const char* to, CString* why)
{
    const bool toFree = !Exists(to);
    if (MoveFileOver(from, to))
        return true;
    const unsigned long code = LastSystemError();
    *why = SystemErrorText(code);
    const bool done = toFree && !Exists(from) && Exists(to);
    RestoreSystemError(code);
    return done;
}

bool IsHeldOpen(const char* path)
{
#ifdef _WIN32
    const HANDLE file = CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return file == INVALID_HANDLE_VALUE && IsHeldFileError(GetLastError());
#else
    (void)path;
    return false;
#endif
}

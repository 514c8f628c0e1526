// AtomicFile.cpp: write-beside-then-rename replacement of a file.
#include "AtomicFile.h"

#include "SystemError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

CString SystemError(const char* what, const char* path)
{
    return CString(what) + " " + path + ": " + LastSystemErrorText();
}

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool WriteWhole(const char* path, const char* data, std::size_t size, bool* created, CString* error)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "wb"));
    if (!file)
    {
        *error = SystemError("cannot create", path);
        return false;
    }
    *created = true;
    if (std::fwrite(data, 1, size, file.get()) != size || !FlushToDisk(file.get()))
    {
        *error = SystemError("cannot write", path);
        return false;
    }
    if (std::fclose(file.release()) != 0)
    {
        *error = SystemError("cannot close", path);
        return false;
    }
    return true;
}

// Says why path cannot be replaced, from the error the system last set.
void ReplaceError(const char* path, CString* error) { *error = SystemError("cannot replace", path); }

// The ANSI file functions refuse a longer path, and the C library may create
// a file that they then cannot rename or remove: nothing is begun.
bool FitsPathLimit(const char* temporary, CString* error)
{
#ifdef _WIN32
    if (std::strlen(temporary) < MAX_PATH)
        return true;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    *error = SystemError("cannot create", temporary);
    return false;
#else
    (void)temporary;
    (void)error;
    return true;
#endif
}

// Windows refuses to move a file over a read-only one, but Wine's move
// replaces it and drops the attribute, and a POSIX rename ignores the
// target's permissions: refuse it here, as Windows would. A refusal sets the
// error the system would have given.
bool IsReadOnly(const char* path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0)
        return false;
    SetLastError(ERROR_ACCESS_DENIED);
#else
    struct stat info;
    if (stat(path, &info) != 0)
        return false;
    // access() lets the superuser write anything, so the mode counts too.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0)
        return access(path, W_OK) != 0;
    errno = EACCES;
#endif
    return true;
}

bool RenameOver(const char* from, const char* to, CString* error)
{
#ifdef _WIN32
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
#else
    if (std::rename(from, to) == 0)
        return true;
#endif
    ReplaceError(to, error);
    return false;
}

}  // namespace

CString TemporaryPathOf(const char* path) { return CString(path) + ".tmp"; }

bool ReplaceFileWith(const char* path, const TemporaryWriter& write, CString* error)
{
    if (IsReadOnly(path))
    {
        ReplaceError(path, error);
        return false;
    }
    const CString temporary = TemporaryPathOf(path);
    if (!FitsPathLimit(temporary, error))
        return false;
    bool created = false;
    if (write(temporary, &created, error) && RenameOver(temporary, path, error))
        return true;
    if (created)
        std::remove(temporary);
    return false;
}

bool ReplaceFileContents(const char* path, const char* data, std::size_t size, CString* error)
{
    return ReplaceFileWith(
        path,
        [&](const char* temporary, bool* created, CString* failure)
        { return WriteWhole(temporary, data, size, created, failure); },
        error);
}
